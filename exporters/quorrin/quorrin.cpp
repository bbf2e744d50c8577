// quorrin: writes one system domain, with the method domains its deployed processes use and the data domains
// those use, as a domain export document.
#include "CommandLine.h"
#include "ConsoleCodePage.h"
#include "ExportError.h"
#include "ExporterRun.h"
#include "domain/XML_db.h"

using namespace tamo::exporters;

int main(int argc, char* argv[]) {
    set_console_utf8();
    const int status = run_exporter([argc, argv] {
        const auto line = CommandLine::parse(argc, argv);
        if (!line) throw ExportError(CommandLine::usage("quorrin"));
        domain::XML_db db(domain::DataFields::structures_only);
        if (db.connect(line->host, line->port, line->dbname, line->dbuser, line->dbpasswd))
            throw ExportError("failed to connect");
        db.log_in(line->tzel_user, line->tzel_passwd);
        db.export_system_domain(line->id, line->save_path);
    });
    restore_console_codepage();
    return status;
}
