#include "ConnectionSettingsText.h"

#include "ReplaceFileContents.h"

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
    const FileWriteError error = ReplaceFileContents(path, text);
    if (!error) return std::string();
    switch (error.step) {
        case FileWriteError::Step::create: return error.Describe("err(fopen)");
        case FileWriteError::Step::close: return error.Describe("err(fclose)");
        default: return error.Describe("err(fwrite)");
    }
}
