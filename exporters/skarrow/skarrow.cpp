// skarrow: writes one component, with its proxy and stub lists, the method domains they use and the data domains
// those use, as a component export document. Built a second time as vandrel, the older build.
#include <cstdio>

#include "CommandLine.h"
#include "ExportError.h"
#include "ExporterRun.h"
#include "component/XML_db.h"

using namespace tamo::exporters;

namespace {

#ifdef TAMO_BUILD_VANDREL
constexpr component::Build build = component::Build::vandrel;
#else
constexpr component::Build build = component::Build::skarrow;
#endif

}  // namespace

int main(int argc, char* argv[]) {
    return run_exporter([argc, argv] {
        const auto line = CommandLine::parse(argc, argv);
        if (!line) throw ExportError(CommandLine::usage("vandrel"));
        component::XML_db db(build);
        if (const char* error = db.connect(line->host, line->port, line->dbname, line->dbuser, line->dbpasswd)) {
            if (build == component::Build::vandrel) std::printf("mysql error %s\n", error);
            throw ExportError("failed to connect");
        }
        db.log_in(line->tzel_user, line->tzel_passwd);
        db.export_component(line->id, line->save_path);
    });
}
