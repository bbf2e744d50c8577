#include "ConnectionSettingsText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string FileError(const char* step, const std::string& path, int error) {
    return std::string(step) + " : " + path + "\n" + std::strerror(error);
}

}  // namespace

std::string BuildProxySections(const std::vector<class_custum_table>& entries) {
    std::string text;
    for (const class_custum_table& entry : entries) {
        text += "[ " + entry.class_name + " ]\n";
        text += "Type = proxy\n";
        text += "Stub IP = " + entry.stub_ip + "\n";
        text += "Stub ID = " + entry.stub_object_id + "\n";
        text += "\n";
    }
    return text;
}

std::string BuildStubSections(const std::vector<class_custum_table>& entries) {
    std::string text;
    for (const class_custum_table& entry : entries) {
        text += "[ " + entry.class_name + " ]\n";
        text += "Type = stub\n";
        text += "Stub ID = " + entry.object_id + "\n";
        text += "Metho_Domain_Name = " + entry.method_domain_name + "\n";
        text += "Metho_Domain_port = " + std::to_string(entry.method_domain_port) + "\n";
        text += "\n";
    }
    return text;
}

std::string WriteConnectionSettingsFile(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return FileError("err(fopen)", path, errno);
    if (!text.empty() && std::fwrite(text.data(), 1, text.size(), file) != text.size()) {
        const int error = errno;
        std::fclose(file);
        return FileError("err(fwrite)", path, error);
    }
    if (std::fclose(file) != 0) return FileError("err(fclose)", path, errno);
    return std::string();
}
