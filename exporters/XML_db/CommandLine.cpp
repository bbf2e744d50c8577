#include "CommandLine.h"

#include <string>

namespace tamo::exporters {

int CommandLine::used_arguments(int argc) { return argc - 1 >= 9 ? 9 : argc - 1; }

bool CommandLine::is_port(const std::string& text) {
    if (text.empty() || text.size() > 5) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    const long port = std::stol(text);
    return port >= 1 && port <= 65535;
}

std::optional<CommandLine> CommandLine::parse(int argc, const char* const argv[]) {
    if (argc - 1 < 8 || !is_port(argv[2])) return std::nullopt;
    CommandLine line;
    line.host = argv[1];
    line.port = argv[2];
    line.dbuser = argv[3];
    line.dbpasswd = argv[4];
    line.dbname = argv[5];
    line.tzel_user = argv[6];
    if (argc - 1 == 8) {
        line.id = argv[7];
        line.save_path = argv[8];
    } else {
        line.tzel_passwd = argv[7];
        line.id = argv[8];
        line.save_path = argv[9];
    }
    return line;
}

std::string CommandLine::usage(const std::string& program) {
    return "\n usage : " + program +
           " host port dbuser dbpasswd dbname tzel_user tzel_passwd component_id save_path\n"
           " example : skarrow 127.0.0.1 3306 tamo_user plum_ward tamo_zelk root 9154 1311 \"c:\\xml\\component.xml\"";
}

}  // namespace tamo::exporters
