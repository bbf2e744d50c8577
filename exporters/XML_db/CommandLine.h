#pragma once

#include <optional>
#include <string>

namespace tamo::exporters {

// The exporter command line: host port dbuser dbpasswd dbname tzel_user tzel_passwd component_id save_path.
// With exactly eight arguments the application password is empty and the last two are the id and the path;
// arguments after the ninth are ignored. The port must be a decimal number from 1 to 65535; every other text is
// taken as it is.
struct CommandLine {
    std::string host;
    std::string port;
    std::string dbuser;
    std::string dbpasswd;
    std::string dbname;
    std::string tzel_user;
    std::string tzel_passwd;
    std::string id;
    std::string save_path;

    // Nothing when fewer than eight arguments are given or the port is no port number.
    static std::optional<CommandLine> parse(int argc, const char* const argv[]);
    // Digits only, 1 to 65535: a text the client library would silently read as another port is refused.
    static bool is_port(const std::string& text);
    // The number of arguments a program echoes: the first eight or the first nine.
    static int used_arguments(int argc);
    // The usage text (it begins with a line break); `program` is the name on its usage line.
    static std::string usage(const std::string& program);
};

}  // namespace tamo::exporters
