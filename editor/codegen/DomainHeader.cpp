#include "DomainHeader.h"

#include <ctime>

#include "CMysqlQuery.h"
#include "CodeText.h"
#include "DataDefinitions.h"
#include "DomainPaths.h"
#include "InterfaceDefinitions.h"
#include "MethodDefinitions.h"
#include "SessionRows.h"

using namespace tamo::codegen;

namespace {

std::string ForwardSlashes(std::string text) {
    ReplaceAll(text, "/");
    return text;
}

// The text before the include guard's "_h": "Define__" is written in front of it.
std::string GuardName(const std::string& headerPath, const std::string& domainName) {
    std::string guard = headerPath;
    ReplaceAll(guard, "__");
    return guard + domainName;
}

void WriteParentIncludes(CMysqlQuery& session, const CString& statement, const std::string& kind,
                         std::string& buffer) {
    std::vector<CodegenRow> rows;
    if (QueryRows(session, statement, rows) != 0) {
        session.ShowLastError();
        return;
    }
    for (const CodegenRow& row : rows) {
        const std::string& name = Column(row, 2);
        if (name == "Tamo") continue;
        Append(buffer, {"#include <", HeaderPath(session, kind, ReadDecimal(Column(row, 0))), name, ".h>\n"});
    }
    buffer += "\n";
}

}  // namespace

DomainNamespaces OpenDomainNamespaces(const std::string& headerPath) {
    DomainNamespaces result;
    std::size_t nameStart = 0;
    std::size_t searchFrom = 0;
    for (std::size_t slash; (slash = headerPath.find('\\', searchFrom)) != std::string::npos;) {
        const std::string name = headerPath.substr(nameStart, slash - nameStart);
        Append(result.openers, {"namespace  ", name, " { "});
        Append(result.qualifier, {name, "::"});
        result.names.push_back(name);
        ++result.count;
        nameStart = slash + 1;
        searchFrom = slash + 2;
    }
    if (result.qualifier.size() >= 2) result.qualifier.erase(result.qualifier.size() - 2);
    return result;
}

std::string CloseDomainNamespaces(const DomainNamespaces& namespaces) {
    std::string closing;
    for (auto name = namespaces.names.rbegin(); name != namespaces.names.rend(); ++name) {
        Append(closing, {"} ", "using namespace ", *name, "; "});
    }
    return closing;
}

void WriteDataPrelude(std::string& text) {
    text += "#ifndef Define__Tamo__Data\n";
    text += "#define Define__Tamo__Data\n\n";
    text += "namespace  Tamo { namespace  Data { \n";
    text += "  template<class TYPE>\n";
    text += "  inline ::Tamo::pksize_t tamo_sizeof(TYPE const* const& p) { return sizeof(*p); } \n";
    text += "} using namespace Data; } using namespace Tamo;\n";
    text += "#endif // Define__Tamo__Data";
}

void WriteMethodParentIncludes(CMysqlQuery& session, int domainId, std::string& buffer) {
    WriteParentIncludes(session, session.FormatCall("call inheritance_method_methodViewDomainList(%d)", domainId),
                        "method", buffer);
}

void WriteDataParentIncludes(CMysqlQuery& session, const CString& statement, std::string& buffer) {
    WriteParentIncludes(session, statement, "data", buffer);
}

void WriteMethodDomainDocHeader(CMysqlQuery& session, const class_domain_info& domain, std::string& standardPort,
                                std::string& text) {
    const std::string now = CurrentCtimeText();
    std::vector<class_domain_info> records;
    if (LoadDomainRecord(session, domain.id, "method", records) != 0) {
        session.ShowLastError();
        return;
    }
    for (const class_domain_info& record : records) {
        text += MethodDocComment(record, now);
        standardPort = std::to_string(static_cast<unsigned>(record.standard_port));
    }
}

void WriteDataDomainDocHeader(CMysqlQuery& session, const class_domain_info& domain, std::string& text) {
    const std::string now = CurrentCtimeText();
    std::vector<class_domain_info> records;
    if (LoadDomainRecord(session, domain.id, "data", records) != 0) {
        session.ShowLastError();
        return;
    }
    for (const class_domain_info& record : records) text += DataDocComment(record, now);
}

void MakeDomainHeader(std::string& text, const std::string& kind, CMysqlQuery& session,
                      const class_domain_info& domain) {
    const std::string name = domain.name;
    const std::string headerPath = HeaderPath(session, kind, domain.id);

    std::string methodParents;
    if (kind != "data") WriteMethodParentIncludes(session, domain.id, methodParents);
    std::string dataParents;
    WriteDataParentIncludes(session,
                            kind == "data" ? session.FormatCall("call inheritance_data_dataViewDomainList(%d)", domain.id)
                                           : session.FormatCall("call inheritance_method_dataViewDomainList(%d)", domain.id),
                            dataParents);

    std::string standardPort = "0";
    if (kind == "method") {
        WriteMethodDomainDocHeader(session, domain, standardPort, text);
    } else if (kind == "data") {
        WriteDataDomainDocHeader(session, domain, text);
    }

    const std::string guard = GuardName(headerPath, name);
    const DomainNamespaces namespaces = OpenDomainNamespaces(headerPath);

    text += Banner("Prevent Duplicated Including", 116);
    Append(text, {"#ifndef Define__", guard, "_h\n"});
    Append(text, {"#define Define__", guard, "_h\n", "\n\n"});

    text += Banner("Include Tamo Sdk Document", 119);
    text += "#include <Tamo/Tamo.h>\n\n\n";

    text += Banner("Include Inline", 119);
    if (kind == "data") WriteDataPrelude(text);
    text += "\n\n";

    text += Banner("Include Method_Parent Domains Document", 113);
    Append(text, {ForwardSlashes(methodParents), "\n"});

    text += Banner("Include Data Parent Domains Document", 113);
    Append(text, {ForwardSlashes(dataParents), "\n"});

    text += Banner("Domain Define", 131);
    Append(text, {namespaces.openers, "\n\n"});

    if (kind == "method") {
        text += Banner("Standard Domain Port Constance", 110);
        Append(text, {"\n", "        const ::Tamo::domain_t c_standard_port = ", standardPort, ";\n", "\n\n"});
    }

    text += Banner("Data Defines", 128);
    if (kind == "data") WriteDataDefinitions(session, text, domain);
    text += "\n";

    Append(text, {"    ", Banner("Method Defines", 126)});
    if (kind == "method") WriteMethodClasses(session, domain, text);
    text += "\n\n";

    Append(text, {"    ", Banner("Interface Defines", 123)});
    if (kind == "method") WriteInterfaceClasses(session, text, domain);
    text += "\n\n";

    Append(text, {CloseDomainNamespaces(namespaces), "\n\n"});
    Append(text, {"#endif // #ifdef Define__", guard, "_h\n"});
}

namespace tamo::codegen {

std::string Banner(const std::string& title, std::size_t stars) {
    std::string line;
    Append(line, {"/* ", title, " ", Repeat('*', stars), "/\n"});
    return line;
}

std::string DescriptionLines(const std::string& label, const std::string& description) {
    std::vector<std::string> pieces;
    for (std::size_t start = 0; start <= description.size();) {
        std::size_t end = description.find('\n', start);
        if (end == std::string::npos) end = description.size();
        if (end > start) pieces.push_back(description.substr(start, end - start));
        start = end + 1;
    }
    std::string lines = label;
    if (pieces.empty()) return lines + "\n";
    Append(lines, {KeepInsideBlockComment(pieces.front()), "\n"});
    for (std::size_t i = 1; i < pieces.size(); ++i) Append(lines, {"   ", KeepInsideBlockComment(pieces[i]), "\n"});
    return lines + "   \n";
}

std::string MethodDocComment(const class_domain_info& record, const std::string& ctimeText) {
    const std::string author = KeepInsideBlockComment(record.user_id);
    std::string block;
    Append(block, {"/", Repeat('*', 148), "\n", "\n", "    Document Header\n", "\n"});
    Append(block, {"    domain : ", record.name, "\n"});
    Append(block, {"    creator : ", author, "\n"});
    Append(block, {"    create date  : ", record.create_date, "\n"});
    Append(block, {"    standardport : ", std::to_string(static_cast<unsigned>(record.standard_port)), "\n"});
    block += DescriptionLines("    description : ", record.description);
    Append(block, {"     by ", author, ", at ", ctimeText});
    Append(block, {"\n", Repeat('*', 148), "/\n", "\n", "\n"});
    return block;
}

std::string DataDocComment(const class_domain_info& record, const std::string& ctimeText) {
    const std::string author = KeepInsideBlockComment(record.user_id);
    std::string block;
    Append(block, {"/", Repeat('*', 148), "\n", "\n", "    Document Header\n", "\n"});
    Append(block, {"    domain   : ", record.name, "\n"});
    Append(block, {"    creator  : ", author, "\n"});
    Append(block, {"    create date          : ", record.create_date, "\n"});
    block += DescriptionLines("    description          : ", record.description);
    Append(block, {" by ", author, ", at ", ctimeText});
    Append(block, {"\n", Repeat('*', 148), "/\n", "\n", "\n"});
    return block;
}

std::string CurrentCtimeText() {
    const std::time_t now = std::time(nullptr);
    char buffer[64];
    if (now == static_cast<std::time_t>(-1) || ctime_r(&now, buffer) == nullptr) return {};
    return buffer;
}

}  // namespace tamo::codegen
