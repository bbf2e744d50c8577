#include "DomainListWriter.h"

#include <cstdio>

#include "CMysqlResult.h"
#include "DomainListFields.h"

using tamo::documents::XmlDocument;
using tamo::documents::XmlNode;

namespace {

const char* const kDeclaration = "version=\"1.0\"";
const char* const kStyleSheet = "type=\"text/xsl\" href=\"domainlist.xsl\"";
const char* const kSchemaLocation = "allzelkschema.xsd";
const char* const kSchemaInstanceNamespace = "http://www.w3.org/2001/XMLSchema-instance";

template <typename Record>
std::string FieldText(const Record& record, const domainlist::Field<Record>& field) {
    struct Text {
        const Record& record;
        std::string operator()(int Record::*member) const { return std::to_string(record.*member); }
        std::string operator()(std::uint16_t Record::*member) const { return std::to_string(record.*member); }
        std::string operator()(std::string Record::*member) const { return record.*member; }
        std::string operator()(domainlist::MethodCode<Record> code) const {
            return DomainListMethodCode(record.*code.member);
        }
    };
    return std::visit(Text{record}, field.member);
}

// Every element is created, given its text and appended; a row is appended to its container before its
// fields are added.
class DomainListBuilder {
public:
    explicit DomainListBuilder(XmlDocument& document) : m_document(document) {}

    XmlNode Append(XmlNode parent, const char* name) { return parent.AppendChild(m_document.CreateElement(name)); }

    void AppendText(XmlNode row, const char* name, const std::string& text) {
        XmlNode element = m_document.CreateElement(name);
        element.SetText(text);
        row.AppendChild(element);
    }

    template <typename Record, std::size_t N>
    void AppendFields(XmlNode row, const Record& record, const domainlist::Field<Record> (&fields)[N]) {
        for (const auto& field : fields) AppendText(row, field.name, FieldText(record, field));
    }

    template <typename Record, std::size_t N>
    XmlNode AppendRow(XmlNode container, const Record& record, const domainlist::Field<Record> (&fields)[N]) {
        XmlNode row = Append(container, domainlist::kRow);
        AppendFields(row, record, fields);
        return row;
    }

    XmlNode AppendRoot() {
        m_document.AppendChild(m_document.CreateProcessingInstruction("xml", kDeclaration));
        m_document.AppendChild(m_document.CreateProcessingInstruction("xml-stylesheet", kStyleSheet));
        XmlNode root = m_document.AppendChild(m_document.CreateElement(domainlist::kRoot));
        root.SetAttribute("xsi:noNamespaceSchemaLocation", kSchemaLocation);
        root.SetAttribute("xmlns:xsi", kSchemaInstanceNamespace);
        return root;
    }

private:
    XmlDocument& m_document;
};

void WriteMethodDomain(DomainListBuilder& out, XmlNode root, const class_xmlexport_lists& lists,
                       const std::string& domainPath) {
    using namespace domainlist;
    XmlNode methodDomain = out.Append(root, kMethodDomain);
    XmlNode row = out.Append(methodDomain, kRow);
    out.AppendText(row, kPath, "method\\" + domainPath);
    for (const auto& domain : lists.method_domains) out.AppendFields(row, domain, kMethodDomainFields);

    XmlNode methods = out.Append(methodDomain, kMethod);
    for (const auto& method : lists.methods) out.AppendRow(methods, method, kMethodFields);

    XmlNode interfaces = out.Append(methodDomain, kInterface);
    for (const auto& item : lists.interfaces) {
        XmlNode members = out.Append(out.AppendRow(interfaces, item, kInterfaceFields), kMemberMethod);
        const auto found = lists.member_methods.find(item.name);
        if (found == lists.member_methods.end()) continue;
        for (const auto& member : found->second) out.AppendText(out.Append(members, kRow), kMethodName, member.name);
    }
}

void WriteDataDomains(DomainListBuilder& out, XmlNode root, const class_xmlexport_lists& lists) {
    using namespace domainlist;
    XmlNode dataDomain = out.Append(root, kDataDomain);
    for (const auto& [id, domains] : lists.data_domains)
        for (const auto& domain : domains) out.AppendRow(dataDomain, domain, kDataDomainFields);

    XmlNode data = out.Append(dataDomain, kData);
    for (const auto& [key, items] : lists.data_items)
        for (const auto& item : items) out.AppendRow(data, item, kDataFields);

    XmlNode fields = out.Append(data, kDatafield);
    for (const auto& field : lists.fields) out.AppendRow(fields, field, kDatafieldFields);
}

}  // namespace

void WriteDomainList(XmlDocument& document, const class_xmlexport_lists& lists, const std::string& domainPath) {
    DomainListBuilder out(document);
    XmlNode root = out.AppendRoot();
    WriteMethodDomain(out, root, lists, domainPath);
    WriteDataDomains(out, root, lists);
}

std::string DomainListMethodCode(const std::string& stored) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(string_to_int(stored.c_str())));
    return text;
}
