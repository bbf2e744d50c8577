#include "DomainListReader.h"

#include <cctype>
#include <climits>
#include <cstdint>
#include <functional>
#include <initializer_list>

#include "CMysqlResult.h"
#include "DomainListFields.h"
#include "DomainListImport.h"

using tamo::documents::XmlNode;

namespace {

// A number of the document as the C library's decimal reading takes it: blanks, a sign and the digits up to the
// first other character, 0 without digits. False when the number does not fit an int (it would wrap).
bool ReadInteger(const std::string& text, int& value) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    std::int64_t magnitude = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > -static_cast<std::int64_t>(INT_MIN)) return false;
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    if (number > INT_MAX) return false;
    value = static_cast<int>(number);
    return true;
}

std::string OutOfRange(const char* field, const std::string& text, const char* range) {
    return std::string(field) + " 값 '" + text + "'이(가) 범위(" + range + ")를 벗어났습니다.";
}

// Sets the record's field from the element's text; empty, or what is wrong with a number that does not fit.
template <typename Record>
std::string SetField(Record& record, const domainlist::Field<Record>& field, const std::string& text) {
    struct Set {
        Record& record;
        const char* name;
        const std::string& text;
        std::string operator()(int Record::*member) const {
            int value = 0;
            if (!ReadInteger(text, value)) return OutOfRange(name, text, "-2147483648~2147483647");
            record.*member = value;
            return {};
        }
        // The standard port is read into an unsigned 16-bit field, as its Part reads it.
        std::string operator()(std::uint16_t Record::*member) const {
            record.*member = static_cast<std::uint16_t>(string_to_int(text.c_str()));
            return {};
        }
        std::string operator()(std::string Record::*member) const {
            record.*member = text;
            return {};
        }
        std::string operator()(domainlist::MethodCode<Record> code) const {
            record.*code.member = text;
            if (ImportedMethodCode(text) > 0xFFFF) return OutOfRange(name, text, "0x0000~0xFFFF");
            return {};
        }
    };
    return std::visit(Set{record, field.name, text}, field.member);
}

// The rows of one path of the document: the faults of their numbers are kept under the row's index, with a
// text that names the row and the field.
template <typename Record>
class RowReader {
public:
    RowReader(const char* path, std::vector<Record>& list, class_xmlimport_faults& faults)
        : m_path(path), m_list(list), m_faults(faults) {}

    // Sets the field that `element` names; false when no field has that name. The first fault of a row counts.
    template <std::size_t N>
    bool ReadNamedField(Record& record, XmlNode element, const domainlist::Field<Record> (&fields)[N]) {
        const std::string name = element.Name();
        for (const auto& field : fields) {
            if (name != field.name) continue;
            Keep(SetField(record, field, element.Text()));
            return true;
        }
        return false;
    }

    template <std::size_t N>
    void ReadByName(XmlNode row, const domainlist::Field<Record> (&fields)[N]) {
        Record record;
        for (XmlNode child = row.FirstChildElement(); child; child = child.NextSiblingElement())
            ReadNamedField(record, child, fields);
        Append(std::move(record));
    }

    template <std::size_t N>
    void ReadByPosition(XmlNode row, const domainlist::Field<Record> (&fields)[N]) {
        Record record;
        XmlNode child = row.FirstChildElement();
        for (const auto& field : fields) {
            if (!child) break;
            if (child.Name() == field.name) Keep(SetField(record, field, child.Text()));
            child = child.NextSiblingElement();
        }
        Append(std::move(record));
    }

    void Append(Record record) {
        if (!m_fault.empty())
            m_faults.emplace(m_list.size(),
                             "문서의 " + std::string(m_path) + " " + std::to_string(m_list.size() + 1) + "번째 row: " + m_fault);
        m_fault.clear();
        m_list.push_back(std::move(record));
    }

    // The fault of the row being read, empty while it has none.
    const std::string& Fault() const { return m_fault; }

private:
    void Keep(std::string fault) {
        if (m_fault.empty()) m_fault = std::move(fault);
    }

    const char* m_path;
    std::vector<Record>& m_list;
    class_xmlimport_faults& m_faults;
    std::string m_fault;
};

// Calls `visit` for every element at the end of `path` below `parent`, in document order.
void ForEachAt(XmlNode parent, const std::initializer_list<const char*>& path, std::size_t depth,
               const std::function<void(XmlNode)>& visit) {
    const char* name = *(path.begin() + depth);
    for (XmlNode child = parent.FirstChildElement(); child; child = child.NextSiblingElement()) {
        if (child.Name() != name) continue;
        if (depth + 1 == path.size()) visit(child);
        else ForEachAt(child, path, depth + 1, visit);
    }
}

void ForEachRow(XmlNode root, std::initializer_list<const char*> path, const std::function<void(XmlNode)>& visit) {
    ForEachAt(root, path, 0, visit);
}

// The member methods of an interface row: each row of "membermethod" names one by the text of its first
// element, whatever that element is called. The interface's domain id and name are those the row has given
// before "membermethod"; a fault of that domain id is the members' fault as well.
void ReadMemberMethods(XmlNode members, const class_interface_info& item, const std::string& interfaceFault,
                       std::vector<class_xmlmembermethod_info>& list, class_xmlimport_faults& faults) {
    for (XmlNode row = members.FirstChildElement(); row; row = row.NextSiblingElement()) {
        const XmlNode first = row.FirstChildElement();
        if (!first) continue;
        class_xmlmembermethod_info member;
        member.domain_id = item.domain_id;
        member.interface_name = item.name;
        member.member_name = first.Text();
        if (!interfaceFault.empty())
            faults.emplace(list.size(), "문서의 methoddomain/interface/row/membermethod " +
                                            std::to_string(list.size() + 1) + "번째 row: 인터페이스 " + item.name +
                                            "의 " + interfaceFault);
        list.push_back(member);
    }
}

template <typename Record, std::size_t N>
void ReadRowsByName(XmlNode root, std::initializer_list<const char*> path, const char* pathText,
                    const domainlist::Field<Record> (&fields)[N], std::vector<Record>& list,
                    class_xmlimport_faults& faults) {
    RowReader<Record> reader(pathText, list, faults);
    ForEachRow(root, path, [&](XmlNode row) { reader.ReadByName(row, fields); });
}

void read_methoddomain_rows(XmlNode root, class_xmlimport_lists& lists) {
    using namespace domainlist;
    ReadRowsByName(root, {kMethodDomain, kRow}, "methoddomain/row", kMethodDomainFields, lists.method_domains,
                   lists.faults.method_domains);
}

void read_method_rows(XmlNode root, class_xmlimport_lists& lists) {
    using namespace domainlist;
    ReadRowsByName(root, {kMethodDomain, kMethod, kRow}, "methoddomain/method/row", kMethodFields, lists.methods,
                   lists.faults.methods);
}

void read_interface_rows(XmlNode root, class_xmlimport_lists& lists) {
    using namespace domainlist;
    RowReader<class_interface_info> reader("methoddomain/interface/row", lists.interfaces, lists.faults.interfaces);
    ForEachRow(root, {kMethodDomain, kInterface, kRow}, [&](XmlNode row) {
        class_interface_info item;
        for (XmlNode child = row.FirstChildElement(); child; child = child.NextSiblingElement()) {
            if (child.Name() == kMemberMethod)
                ReadMemberMethods(child, item, reader.Fault(), lists.member_methods, lists.faults.member_methods);
            else
                reader.ReadNamedField(item, child, kInterfaceFields);
        }
        reader.Append(std::move(item));
    });
}

void read_datadomain_rows(XmlNode root, class_xmlimport_lists& lists) {
    using namespace domainlist;
    RowReader<class_domain_info> reader("datadomain/row", lists.data_domains, lists.faults.data_domains);
    ForEachRow(root, {kDataDomain, kRow}, [&](XmlNode row) { reader.ReadByPosition(row, kDataDomainFields); });
}

void read_data_rows(XmlNode root, class_xmlimport_lists& lists) {
    using namespace domainlist;
    ReadRowsByName(root, {kDataDomain, kData, kRow}, "datadomain/data/row", kDataFields, lists.data_items,
                   lists.faults.data_items);
}

void read_datafield_rows(XmlNode root, class_xmlimport_lists& lists) {
    using namespace domainlist;
    ReadRowsByName(root, {kDataDomain, kData, kDatafield, kRow}, "datadomain/data/datafield/row", kDatafieldFields,
                   lists.fields, lists.faults.fields);
}

}  // namespace

void ReadDomainList(const tamo::documents::XmlDocument& document, class_xmlimport_lists& lists) {
    const XmlNode root = document.DocumentElement();
    if (!root || root.Name() != domainlist::kRoot) return;
    read_methoddomain_rows(root, lists);
    read_method_rows(root, lists);
    read_interface_rows(root, lists);
    read_datadomain_rows(root, lists);
    read_data_rows(root, lists);
    read_datafield_rows(root, lists);
}
