#include "class_sourceFile.h"

#include "CMysqlQuery.h"
#include "CodeText.h"
#include "DomainPaths.h"
#include "ReplaceFileContents.h"
#include "SessionRows.h"

using namespace tamo::codegen;

namespace {

const std::string kBody = "\n{\n}\n";

bool IsData(const std::string& text) { return !text.empty() && text != "NULL"; }

bool HasInput(const class_InterfaceInfo& info) { return IsData(info.in_data_name); }

// CALL asks only for the data name; EVENT and INFORMATION also for the domain's name.
bool HasOutput(const class_InterfaceInfo& info) { return IsData(info.out_data_name); }
bool HasNamedOutput(const class_InterfaceInfo& info) {
    return IsData(info.out_domain_name) && IsData(info.out_data_name);
}

std::string CodeText(const class_InterfaceInfo& info) { return FormatMethodCode(ReadDecimal(info.code)); }

// " Input : " and " Output : " name the data by domain and data name.
std::string DataLine(const std::string& domainName, const std::string& dataName, const char* none) {
    if (!IsData(domainName)) return none;
    return domainName + " :: " + dataName;
}

enum class CommentForm { Proxy, Stub };

void AppendComment(std::string& text, class_InterfaceInfo& info, CommentForm form) {
    info.description = ReplaceText(info.description, "\r\n", "\n       ");
    const std::string description = KeepInsideBlockComment(info.description);
    const std::string writer = KeepInsideBlockComment(info.user_id);
    Append(text, {"\n/", Repeat('*', 140), "\n"});
    if (form == CommentForm::Proxy) {
        Append(text, {" Method      : ", info.method_name, "\n"});
        Append(text, {" Input       : ", DataLine(info.in_domain_name, info.in_data_name, ""), "\n"});
        Append(text, {" Output      : ", DataLine(info.out_domain_name, info.out_data_name, ""), "\n"});
        Append(text, {" Method Type :\t", info.method_type, "\n"});
        Append(text, {" Code        : ", CodeText(info), "\n"});
        Append(text, {" User_id     : ", writer, "\n"});
        Append(text, {" Description : ", description, "\n"});
    } else {
        Append(text, {" Method \t : ", info.method_name, "\n"});
        Append(text, {" Input \t\t : ", DataLine(info.in_domain_name, info.in_data_name, "NULL "), "\n"});
        Append(text, {" Output \t : ", DataLine(info.out_domain_name, info.out_data_name, "NULL "), "\n"});
        Append(text, {" Method Type \t : ", info.method_type, "\n"});
        Append(text, {" Code \t\t : ", CodeText(info), "\n"});
        Append(text, {" User_id \t : ", writer, "\n"});
        Append(text, {" Description \t : ", description, "\n"});
    }
    Append(text, {Repeat('*', 139), "/\n"});
}

}  // namespace

class_sourceFile::class_sourceFile()
    : m_dataHeaderPath(RememberedDataHeaderPaths(*CMysqlQuery::GetInstance())) {}

std::string class_sourceFile::InputType(const class_InterfaceInfo& info) const {
    std::string type = m_dataHeaderPath(ReadDecimal(info.in_domain_id));
    ReplaceAll(type, "::");
    return type + info.in_data_name;
}

std::string class_sourceFile::OutputType(const class_InterfaceInfo& info) const {
    std::string type = m_dataHeaderPath(ReadDecimal(info.out_domain_id));
    ReplaceAll(type, "::");
    return type + info.out_data_name;
}

std::string class_sourceFile::IncludeLine() const {
    std::string line = "#include <" + domain_path + header_name + ".h>" + "\n\n";
    ReplaceAll(line, "/");
    return line;
}

void class_sourceFile::make_proxy_header(InterfaceInfoMap& map, std::string& out) {
    const std::string& c = class_name;
    out = IncludeLine();
    Append(out, {"class ", c, " : public ", "proxy_interface_", interface_name, "\n{\n", "public :", "\n\t", c, "();",
                 "\n", "\t~", c, "();", "\n\n", "virtual void on_object_create();", "\n",
                 "virtual void on_object_destroy();", "\n\n"});
    out += "\n";
    for (auto& [key, info] : map) {
        const std::string& t = info.method_type;
        if (t != "INFORMATION" && t != "EVENT" && t != "COMMAND" && t != "BROADCAST") continue;
        AppendComment(out, info, CommentForm::Proxy);
        const std::string& m = info.method_name;
        if (t == "INFORMATION") {
            Append(out, {"virtual void on_", m, "_disconnected ();", "\n", "virtual void on_", m, "_sync",
                         "(const sender_sync_model_t& in_sync_model,", " const double& in_elapsed,",
                         " const double& in_limit"});
            if (HasNamedOutput(info)) {
                Append(out, {",", OutputType(info), " const* const pin_buffer);", "\n"});
            } else {
                Append(out, {");", "\n"});
            }
        } else if (t == "EVENT") {
            Append(out, {"virtual void on_", m, "_disconnected();", "\n", "virtual void on_", m, "("});
            if (HasNamedOutput(info)) Append(out, {OutputType(info), "* pOut, "});
            Append(out, {"const double& in_elapsed_time);", "\n"});
        } else if (t == "COMMAND") {
            Append(out, {"virtual void on_", m, "_disconnected();", "\n"});
        } else {
            // The header's handler has the elapsed time only together with the data.
            Append(out, {"virtual void on_", m, "_broadcast", "(const ::Tamo::server_addr_t& in_server"});
            if (HasInput(info)) Append(out, {",", InputType(info), " * const pin_buf", ", const double& in_elapsed_time"});
            Append(out, {");\n"});
        }
    }
    out += "\n};\n";
}

void class_sourceFile::make_proxy_source(const InterfaceInfoMap& map, std::string& out) {
    const std::string& c = class_name;
    out = "#include \"" + c + ".h\"" + "\n\n";
    Append(out, {c, "::", c, "()", "\n{", "\n}\n"});
    Append(out, {c, "::", " ~ ", c, "()", "\n{", "\n}\n"});
    Append(out, {"void ", c, "::", "on_object_create()", kBody, "void ", c, "::", "on_object_destroy()", kBody});
    out += "\n";
    for (const auto& [key, info] : map) {
        const std::string& t = info.method_type;
        const std::string& m = info.method_name;
        if (t == "INFORMATION") {
            Append(out, {"void ", c, "::on_", m, "_disconnected ()", kBody, "void ", c, "::on_", m, "_sync",
                         "(const sender_sync_model_t& in_sync_model,", " const double& in_elapsed,",
                         " const double& in_limit"});
            if (HasNamedOutput(info)) Append(out, {",", OutputType(info), " const* const pin_buffer"});
            Append(out, {")", kBody});
        } else if (t == "EVENT") {
            Append(out, {"void ", c, "::on_", m, "_disconnected()", kBody, "void ", c, "::on_", m, "("});
            if (HasNamedOutput(info)) Append(out, {OutputType(info), "* pOut, "});
            Append(out, {"const double& in_elapsed_time)", kBody});
        } else if (t == "COMMAND") {
            Append(out, {"void ", c, "::on_", m, "_disconnected()", kBody});
        } else if (t == "BROADCAST") {
            Append(out, {"void ", c, "::on_", m, "_broadcast", "(const ::Tamo::server_addr_t& in_server"});
            if (HasInput(info)) Append(out, {",", InputType(info), " * const pin_buf", ", const double& in_elapsed_time"});
            Append(out, {")", "\n{", "\n}", "\n"});
        }
    }
}

void class_sourceFile::make_stub_header(InterfaceInfoMap& map, std::string& out) {
    const std::string& c = class_name;
    out = IncludeLine();
    Append(out, {"class ", c, " : public ", "stub_interface_", interface_name, "\n{\n", "public :", "\n\t", c, "();",
                 "\n", "\t~", c, "();\n"});
    out += "\n";
    for (auto& [key, info] : map) {
        AppendComment(out, info, CommentForm::Stub);
        const std::string& t = info.method_type;
        const std::string& m = info.method_name;
        const std::string cancel = "virtual void on_" + m + "_cancel" +
                                   "(const ::Tamo::client_addr_t& in_client_addr, const ::Tamo::tamo_err_t& in_error);" +
                                   "\n";
        if (t == "CALL") {
            Append(out, {"virtual ::Tamo::tamo_err_t on_", m, "(const ::Tamo::client_addr_t& client_addr, "});
            if (HasInput(info)) Append(out, {InputType(info), "* pIn", ","});
            if (HasOutput(info)) Append(out, {OutputType(info), "* pOut", ","});
            Append(out, {"const double& in_elapsed_time, const double& in_limit_time);", "\n", cancel});
        } else if (t == "SIGNAL") {
            Append(out, {"virtual void on_", m, "(const::Tamo::client_addr_t& client, "});
            if (HasInput(info)) Append(out, {InputType(info), "* pIn", ","});
            Append(out, {"const double& in_elapsed_time);", "\n", cancel});
        } else if (t == "EVENT") {
            Append(out, {"virtual tamo_err_t on_", m, "_connect",
                         "(const client_addr_t& in_client_addr, const double& in_elapsed_time, const double& "
                         "in_limit_time);",
                         "\n", "virtual void on_", m, "_shutdown", "(const ::Tamo::client_addr_t& client_addr);",
                         "\n"});
        } else if (t == "INFORMATION") {
            Append(out, {"virtual tamo_err_t on_", m, "_connect",
                         "(const client_addr_t& in_client_addr, const bool& in_tcp_request, const double& "
                         "in_elapsed_time, const double& in_limit_time);",
                         "\n", "virtual void on_", m, "_shutdown", "(const client_addr_t& in_client_addr);", "\n"});
        } else if (t == "COMMAND") {
            Append(out, {"virtual tamo_err_t on_", m, "_connect",
                         "(const client_addr_t& in_client_addr, const double& in_elapsed_time, const double& "
                         "in_limit_time);",
                         "\n", "virtual void on_", m, "_shutdown", "(const client_addr_t& in_client_addr);", "\n"});
            Append(out, {"virtual void on_", m, "_sync",
                         "(const client_addr_t& in_client, const sender_sync_model_t& in_sync_model, const double& "
                         "in_elapsed, const double& in_limit"});
            if (HasInput(info)) Append(out, {",", InputType(info), " const* const pin_buffer"});
            Append(out, {");", "\n"});
        }
    }
    out += "};";
}

void class_sourceFile::make_stub_source(const InterfaceInfoMap& map, std::string& out) {
    const std::string& c = class_name;
    out = "#include \"" + c + ".h\"" + "\n\n";
    Append(out, {c, " :: ", c, "()", "\r\n{", "\r\n} \n"});
    Append(out, {c, " :: ", "~ ", c, "()", "\r\n{", "\r\n} \n"});
    out += "\n";
    for (const auto& [key, info] : map) {
        const std::string& t = info.method_type;
        const std::string& m = info.method_name;
        const std::string cancel = "\nvoid " + c + "::on_" + m + "_cancel" +
                                   "(const ::Tamo::client_addr_t& in_client_addr, const ::Tamo::tamo_err_t& in_error)" +
                                   "\n{" + "\n}" + "\n";
        if (t == "CALL") {
            Append(out, {"::Tamo::tamo_err_t ", c, "::on_", m, "(const ::Tamo::client_addr_t& client_addr, "});
            if (HasInput(info)) Append(out, {InputType(info), "* pIn", ","});
            if (HasOutput(info)) Append(out, {OutputType(info), "* pOut", ","});
            Append(out, {"const double& in_elapsed_time, const double& in_limit_time)", "\n { \n",
                         "\t return Tamo::c_tamo_err_none;", "\n }", cancel});
        } else if (t == "SIGNAL") {
            Append(out, {"void ", c, "::on_", m, "(const::Tamo::client_addr_t& client, "});
            if (HasInput(info)) Append(out, {InputType(info), "* pIn", ","});
            Append(out, {"const double& in_elapsed_time)", "\n{", "\n}", cancel});
        } else if (t == "EVENT" || t == "INFORMATION" || t == "COMMAND") {
            const char* connect =
                t == "INFORMATION"
                    ? "(const client_addr_t& in_client_addr, const bool& in_tcp_request, const double& "
                      "in_elapsed_time, const double& in_limit_time)"
                    : "(const client_addr_t& in_client_addr, const double& in_elapsed_time, const double& "
                      "in_limit_time)";
            const char* shutdown =
                t == "EVENT" ? "(const ::Tamo::client_addr_t& client_addr)" : "(const client_addr_t& in_client_addr)";
            Append(out, {"tamo_err_t ", c, "::on_", m, "_connect", connect, "\n{\n",
                         "\t return ::Tamo::c_tamo_err_not_implement;", "\n}", "\n", "void ", c, "::on_", m,
                         "_shutdown", shutdown, "\n{", "\n}", "\n"});
            if (t == "COMMAND") {
                Append(out, {"void ", c, "::on_", m, "_sync",
                             "(const client_addr_t& in_client, const sender_sync_model_t& in_sync_model, const "
                             "double& in_elapsed, const double& in_limit"});
                if (HasInput(info)) Append(out, {",", InputType(info), " const* const pin_buffer"});
                Append(out, {")", "\n{", "\n}", "\n"});
            }
        }
    }
}

bool class_sourceFile::write_text_file(const std::string& text, const std::string& path, std::string* reason) {
    const FileWriteError error = ReplaceFileContents(path, text);
    if (error && reason) *reason = error.reason;
    return !error;
}
