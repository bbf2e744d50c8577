// pelvane: writes one data domain, with every data domain its data refer to, as a domain export document.
#include <cstdio>

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
        for (int i = 1; i <= CommandLine::used_arguments(argc); ++i) std::printf("%s\n", argv[i]);
        domain::XML_db db(domain::DataFields::structures_and_enumerations);
        std::printf("connect %s %s %s %s %s\n", line->host.c_str(), line->port.c_str(), line->dbname.c_str(),
                    line->dbuser.c_str(), line->dbpasswd.c_str());
        if (db.connect(line->host, line->port, line->dbname, line->dbuser, line->dbpasswd))
            throw ExportError("failed to connect");
        db.log_in(line->tzel_user, line->tzel_passwd);
        db.export_data_domain(line->id, line->save_path);
    });
    restore_console_codepage();
    return status;
}
