#include "DomainListReader.h"

#include <functional>
#include <initializer_list>

#include "CMysqlResult.h"
#include "DomainListFields.h"

using tamo::documents::XmlNode;

namespace {

template <typename Record>
void SetField(Record& record, const domainlist::Field<Record>& field, const std::string& text) {
    struct Set {
        Record& record;
        const std::string& text;
        void operator()(int Record::*member) const { record.*member = string_to_int(text.c_str()); }
        void operator()(std::uint16_t Record::*member) const {
            record.*member = static_cast<std::uint16_t>(string_to_int(text.c_str()));
        }
        void operator()(std::string Record::*member) const { record.*member = text; }
        void operator()(domainlist::MethodCode<Record> code) const { record.*code.member = text; }
    };
    std::visit(Set{record, text}, field.member);
}

// Sets the field that `element` names; false when no field has that name.
template <typename Record, std::size_t N>
bool ReadNamedField(Record& record, XmlNode element, const domainlist::Field<Record> (&fields)[N]) {
    const std::string name = element.Name();
    for (const auto& field : fields) {
        if (name != field.name) continue;
        SetField(record, field, element.Text());
        return true;
    }
    return false;
}

template <typename Record, std::size_t N>
Record ReadRowByName(XmlNode row, const domainlist::Field<Record> (&fields)[N]) {
    Record record;
    for (XmlNode child = row.FirstChildElement(); child; child = child.NextSiblingElement())
        ReadNamedField(record, child, fields);
    return record;
}

template <typename Record, std::size_t N>
Record ReadRowByPosition(XmlNode row, const domainlist::Field<Record> (&fields)[N]) {
    Record record;
    XmlNode child = row.FirstChildElement();
    for (const auto& field : fields) {
        if (!child) break;
        if (child.Name() == field.name) SetField(record, field, child.Text());
        child = child.NextSiblingElement();
    }
    return record;
}

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
// before "membermethod".
void ReadMemberMethods(XmlNode members, const class_interface_info& item,
                       std::vector<class_xmlmembermethod_info>& list) {
    for (XmlNode row = members.FirstChildElement(); row; row = row.NextSiblingElement()) {
        const XmlNode first = row.FirstChildElement();
        if (!first) continue;
        class_xmlmembermethod_info member;
        member.domain_id = item.domain_id;
        member.interface_name = item.name;
        member.member_name = first.Text();
        list.push_back(member);
    }
}

template <typename Record, std::size_t N>
void ReadRowsByName(XmlNode root, std::initializer_list<const char*> path,
                    const domainlist::Field<Record> (&fields)[N], std::vector<Record>& list) {
    ForEachRow(root, path, [&](XmlNode row) { list.push_back(ReadRowByName(row, fields)); });
}

void read_methoddomain_rows(XmlNode root, class_xmlimport_lists& lists) {
    using namespace domainlist;
    ReadRowsByName(root, {kMethodDomain, kRow}, kMethodDomainFields, lists.method_domains);
}

void read_method_rows(XmlNode root, class_xmlimport_lists& lists) {
    using namespace domainlist;
    ReadRowsByName(root, {kMethodDomain, kMethod, kRow}, kMethodFields, lists.methods);
}

void read_interface_rows(XmlNode root, class_xmlimport_lists& lists) {
    using namespace domainlist;
    ForEachRow(root, {kMethodDomain, kInterface, kRow}, [&](XmlNode row) {
        class_interface_info item;
        for (XmlNode child = row.FirstChildElement(); child; child = child.NextSiblingElement()) {
            if (child.Name() == kMemberMethod) ReadMemberMethods(child, item, lists.member_methods);
            else ReadNamedField(item, child, kInterfaceFields);
        }
        lists.interfaces.push_back(item);
    });
}

void read_datadomain_rows(XmlNode root, class_xmlimport_lists& lists) {
    using namespace domainlist;
    ForEachRow(root, {kDataDomain, kRow},
               [&](XmlNode row) { lists.data_domains.push_back(ReadRowByPosition(row, kDataDomainFields)); });
}

void read_data_rows(XmlNode root, class_xmlimport_lists& lists) {
    using namespace domainlist;
    ReadRowsByName(root, {kDataDomain, kData, kRow}, kDataFields, lists.data_items);
}

void read_datafield_rows(XmlNode root, class_xmlimport_lists& lists) {
    using namespace domainlist;
    ReadRowsByName(root, {kDataDomain, kData, kDatafield, kRow}, kDatafieldFields, lists.fields);
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
