#pragma once

// The proxy or stub class that an application derives from the interface classes of a domain header: a header
// and a source file per side, built from the interface information map, and the writing of a text file.

#include <functional>
#include <string>

#include "class_InterfaceInfo.h"

class class_sourceFile {
public:
    // Turns the id of a data domain into its header path ("Tamo\Data\Nav\"); the types of the member methods'
    // data are qualified with it.
    using DataHeaderPathFn = std::function<std::string(int domainId)>;

    class_sourceFile();
    virtual ~class_sourceFile() = default;

    // Replaces the file at the path whole with the text (ReplaceFileContents); false, with the system's reason
    // in `reason` and the old file as it was, when any step fails. Nothing is shown: the caller says which file
    // failed.
    bool write_text_file(const std::string& text, const std::string& path, std::string* reason = nullptr);

    // Each replaces `out` with the whole text of one file. The two header texts rewrite the descriptions of the
    // map's records (every CR LF becomes a line feed and seven blanks) before writing them.
    void make_proxy_header(InterfaceInfoMap& map, std::string& out);
    void make_proxy_source(const InterfaceInfoMap& map, std::string& out);
    void make_stub_header(InterfaceInfoMap& map, std::string& out);
    void make_stub_source(const InterfaceInfoMap& map, std::string& out);

    std::string get_class_name() const { return class_name; }
    std::string get_proxy_interface_name() const { return "proxy_interface_" + interface_name; }
    std::string get_stub_interface_name() const { return "stub_interface_" + interface_name; }

    // The session's domain path by default.
    void set_data_header_path(DataHeaderPathFn dataHeaderPath) { m_dataHeaderPath = std::move(dataHeaderPath); }

    std::string output_folder;   // ends in "/"
    std::string class_name;
    std::string header_name;     // the method domain's name: the file name of its header
    std::string interface_name;
    std::string side;            // "Proxy" or "Stub"
    std::string domain_path;     // the method domain's header path ("Tamo\Method\")

private:
    std::string InputType(const class_InterfaceInfo& info) const;
    std::string OutputType(const class_InterfaceInfo& info) const;
    std::string IncludeLine() const;

    DataHeaderPathFn m_dataHeaderPath;
};
