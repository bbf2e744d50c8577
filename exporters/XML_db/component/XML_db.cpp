#include "component/XML_db.h"

#include <set>
#include <vector>

#include "ExportError.h"
#include "ReferencedDomain.h"

namespace tamo::exporters::component {

using xercesc::DOMElement;

// Rows are built apart from the document and appended once complete.

struct XML_db::Interfaces {
    const char* list_call;
    const char* list_name;
    const char* list_error;
    const char* object_call;
    const char* object_error;
    const char* object_id_key;
    const char* object_id_name;
    const char* object_name_key;
    const char* object_component_key;
};

XML_db::XML_db(Build build)
    : XML_db_core(build == Build::vandrel ? KeyStyle::bare_field : KeyStyle::table_and_field), build_(build) {
    if (build_ == Build::vandrel) end_run_on_failed_statement();
}

void XML_db::export_component(const std::string& id, const std::string& save_path) {
    require_id(id);
    build_and_save("tamo_zelk", save_path, [this, &id](DOMElement* root) {
        used_method_domains.clear();
        used_data_domains.clear();
        written_data_domains.clear();
        add_component_info(root, id);
        add_methoddomain_section(root);
        add_datadomain_section(root);
    });
}

std::string_view XML_db::key(const char* table_and_field) const {
    const std::string_view text = table_and_field;
    if (build_ == Build::skarrow) return text;
    const auto point = text.find('.');
    return point == std::string_view::npos ? text : text.substr(point + 1);
}

const std::string& XML_db::value(const ResultSet& set, const char* key_name, std::size_t row) const {
    return set.cell(key(key_name), row);
}

void XML_db::add_value(DOMElement* parent, const char* name, const ResultSet& set, const char* key_name,
                       std::size_t row) {
    add_text_element(parent, name, value(set, key_name, row));
}

std::string XML_db::domain_path(const std::string& id, const char* procedure, const char* kind) {
    // Walks up from the domain; a lookup that fails ends the walk there, and so does a parent id met before,
    // so that a cycle in the parents cannot run without end.
    std::vector<std::string> names;
    std::set<std::string> visited;
    const std::string table = std::string("domain_") + kind;
    for (std::string current = id; current != "0";) {
        if (!visited.insert(current).second) break;
        ResultSets results;
        query(results, std::string("call ") + procedure + "(" + number(current) + ", '" + kind + "')");
        if (!results.status_ok() || results.data_rows() == 0) break;
        names.push_back(value(results.set(1), (table + ".name").c_str(), 0));
        current = value(results.set(1), (table + ".upper_id").c_str(), 0);
    }
    std::string path;
    for (auto name = names.rbegin(); name != names.rend(); ++name) path += "/" + *name;
    return path;
}

std::string XML_db::data_domain_path(const std::string& id) { return domain_path(id, "domainDataInfo", "data"); }

std::string XML_db::method_domain_path(const std::string& id) {
    return domain_path(id, "domainMethodInfo", "method");
}

void XML_db::add_component_info(DOMElement* parent, const std::string& id) {
    const ResultSets results = read("call componentEntityViewcomponentinfoList(" + number(id) + ")", "query err",
                                    "query result err");
    const ResultSet& info = results.set(1);
    if (info.row_count() == 0) throw ExportError("component don't exist");
    DOMElement* component = add_element(parent, "component");
    add_value(component, "id", info, "component.id", 0);
    add_value(component, "systemdomain_id", info, "component.systemdomain_id", 0);
    add_value(component, "name", info, "component.name", 0);
    add_value(component, "seq", info, "component.seq", 0);
    add_value(component, "description", info, "component.description", 0);
    add_proxy_list(component, id);
    add_stub_list(component, id);
}

void XML_db::add_proxy_list(DOMElement* component, const std::string& id) {
    static const Interfaces proxies{"call proxyInterfaceViewList(",
                                    "proxy_list",
                                    "query err",
                                    "call proxyInterfaceObjectViewList(",
                                    "query err",
                                    "proxy_interface_object.proxy_interface_id",
                                    "proxy_interface_id",
                                    "proxy_interface_object.object_name",
                                    "proxy_interface_object.component_id"};
    add_interface_list(component, id, proxies);
}

void XML_db::add_stub_list(DOMElement* component, const std::string& id) {
    static const Interfaces stubs{"call stubInterfaceViewList(",
                                  "stub_list",
                                  "query error",
                                  "call stubInterfaceObjectViewList(",
                                  "query error",
                                  "stub_interface_object.stub_interface_id",
                                  "stub_interface_id",
                                  "stub_interface_object.object_name",
                                  "stub_interface_object.component_id"};
    add_interface_list(component, id, stubs);
}

void XML_db::add_interface_list(DOMElement* component, const std::string& id, const Interfaces& interfaces) {
    // A failed status test leaves a list empty.
    const ResultSets results =
        read(std::string(interfaces.list_call) + number(id) + ")", interfaces.list_error, nullptr);
    const ResultSet& classes = results.set(1);
    const std::size_t rows = results.status_ok() ? classes.row_count() : 0;
    DOMElement* list = add_element(component, interfaces.list_name);
    for (std::size_t row = 0; row < rows; ++row) {
        const std::string& class_id = value(classes, "a.id", row);
        DOMElement* entry = create_element(list, "row");
        add_value(entry, "id", classes, "a.id", row);
        add_value(entry, "method_domain_id", classes, "a.method_domain_id", row);
        add_value(entry, "component_id", classes, "a.component_id", row);
        add_value(entry, "interface_name", classes, "a.interface_name", row);
        add_value(entry, "method_domain_name", classes, "b.method_domain_name", row);
        add_value(entry, "class_name", classes, "a.class_name", row);

        const ResultSets object_results =
            read(std::string(interfaces.object_call) + number(class_id) + ")", interfaces.object_error, nullptr);
        const ResultSet& objects = object_results.set(1);
        const std::size_t object_rows = object_results.status_ok() ? objects.row_count() : 0;
        DOMElement* object_list = add_element(entry, "object_list");
        for (std::size_t object = 0; object < object_rows; ++object) {
            DOMElement* object_row = create_element(object_list, "row");
            add_value(object_row, interfaces.object_id_name, objects, interfaces.object_id_key, object);
            add_value(object_row, "object_name", objects, interfaces.object_name_key, object);
            add_value(object_row, "component_id", objects, interfaces.object_component_key, object);
            append(object_list, object_row);
        }
        append(list, entry);
        used_method_domains.emplace(value(classes, "a.method_domain_id", row),
                                    value(classes, "b.method_domain_name", row));
    }
}

void XML_db::add_methoddomain_section(DOMElement* parent) {
    DOMElement* section = add_element(parent, "methoddomain");
    for (const auto& [id, name] : used_method_domains) add_method_domain_row(section, id, name);
}

void XML_db::add_method_domain_row(DOMElement* section, const std::string& id, const std::string& referred_name) {
    bool info_ok = false;
    const ResultSets results =
        read_referenced_domain(*this, "call domainMethodInfo(" + number(id) + ", 'method')",
                               {id, "메서드", referred_name}, "query error", nullptr, &info_ok);
    const ResultSet& info = results.set(1);
    DOMElement* domain = create_element(section, "row");
    add_text_element(domain, "path",
                     info_ok ? method_domain_path(value(info, "domain_method.upper_id", 0)) + "/" +
                                   value(info, "domain_method.name", 0)
                             : "");
    add_value(domain, "id", info, "domain_method.id", 0);
    add_value(domain, "upper_id", info, "domain_method.upper_id", 0);
    add_value(domain, "name", info, "domain_method.name", 0);
    add_value(domain, "author", info, "domain_method.user_id", 0);
    add_value(domain, "public", info, "domain_method.public", 0);
    add_value(domain, "standard_port", info, "domain_method.standard_port", 0);
    add_value(domain, "create-day", info, "domain_method.create_date", 0);
    add_value(domain, "edit-day", info, "domain_method.last_update", 0);
    add_value(domain, "description", info, "domain_method.description", 0);

    IdMap data_domains;
    add_method_rows(domain, id, data_domains);
    DOMElement* references = add_element(domain, "ref_data_domain");
    for (const auto& [data_domain_id, name] : data_domains)
        add_text_element(add_element(references, "row"), "data_domain_id", data_domain_id);
    add_interface_rows(domain, id);
    append(section, domain);
    used_data_domains.insert(data_domains.begin(), data_domains.end());
}

void XML_db::add_method_rows(DOMElement* domain_row, const std::string& id, IdMap& data_domains) {
    const ResultSets results =
        read("call methodViewMethodList(" + number(id) + ", 'method','ALL',null, '%%')", "query error", nullptr);
    const ResultSet& methods = results.set(1);
    const std::size_t rows = results.status_ok() ? methods.row_count() : 0;
    DOMElement* list = add_element(domain_row, "method");
    for (std::size_t row = 0; row < rows; ++row) {
        const std::string& in_domain = value(methods, "i.in_domain_id", row);
        const std::string& out_domain = value(methods, "o.out_domain_id", row);
        DOMElement* method = create_element(list, "row");
        add_value(method, "name", methods, "a.method_name", row);
        add_value(method, "type", methods, "a.type", row);
        add_text_element(method, "code", method_code(value(methods, "a.code", row)));
        add_value(method, "in_data_domain_id", methods, "i.in_domain_id", row);
        add_value(method, "in_data_domain", methods, "b.in_domain_name", row);
        add_value(method, "in_data", methods, "i.in_data_name", row);
        add_value(method, "out_data_domain_id", methods, "o.out_domain_id", row);
        add_value(method, "out_data_domain", methods, "c.out_domain_name", row);
        add_value(method, "out_data", methods, "o.out_data_name", row);
        add_value(method, "description", methods, "a.description", row);
        append(list, method);
        if (is_reference(in_domain)) data_domains.emplace(in_domain, value(methods, "b.in_domain_name", row));
        if (is_reference(out_domain)) data_domains.emplace(out_domain, value(methods, "c.out_domain_name", row));
    }
}

void XML_db::add_interface_rows(DOMElement* domain_row, const std::string& id) {
    const ResultSets results =
        read("call interfaceViewInterfaceList(" + number(id) + ", 'method','%%')", "query error", nullptr);
    const ResultSet& interfaces = results.set(1);
    const std::size_t rows = results.status_ok() ? interfaces.row_count() : 0;
    DOMElement* list = add_element(domain_row, "interface");
    for (std::size_t row = 0; row < rows; ++row) {
        DOMElement* interface = create_element(list, "row");
        add_value(interface, "name", interfaces, "interface.name", row);
        add_value(interface, "author", interfaces, "interface.user_id", row);
        add_value(interface, "description", interfaces, "interface.description", row);
        add_value(interface, "domain_id", interfaces, "interface.domain_id", row);
        add_value(interface, "seq", interfaces, "interface.seq", row);
        const ResultSets member_results = read("call interfaceViewMemberMethodList(" + number(id) + ", 'method'," +
                                                   quoted(value(interfaces, "interface.name", row)) + ")",
                                               "query_err", nullptr);
        const ResultSet& members = member_results.set(1);
        const std::size_t member_rows = member_results.status_ok() ? members.row_count() : 0;
        DOMElement* member_list = add_element(interface, "membermethod");
        for (std::size_t member = 0; member < member_rows; ++member)
            add_value(add_element(member_list, "row"), "method_name", members, "a.method_name", member);
        append(list, interface);
    }
}

void XML_db::add_datadomain_section(DOMElement* parent) {
    DOMElement* section = add_element(parent, "datadomain");
    for (const auto& [id, name] : used_data_domains) {
        if (written_data_domains.count(id)) continue;
        append(section, make_datadomain_row(section, id, name));
    }
}

DOMElement* XML_db::make_datadomain_row(DOMElement* section, const std::string& id, const std::string& referred_name) {
    const ResultSets results = read_referenced_domain(*this, "call domainDataInfo(" + number(id) + ", 'data')",
                                                      {id, "데이타", referred_name}, "query error", "result error");
    const ResultSet& info = results.set(1);
    const std::string& name = value(info, "domain_data.name", 0);
    const std::string path = data_domain_path(value(info, "domain_data.upper_id", 0)) + "/" + name;
    // Recorded before anything else, so that a domain that refers to itself is not written again.
    written_data_domains.emplace(id, name);

    DOMElement* row = create_element(section, "row");
    add_text_element(row, "domain_name", name);
    add_text_element(row, "path", path);
    add_value(row, "id", info, "domain_data.id", 0);
    add_value(row, "name", info, "domain_data.name", 0);
    add_value(row, "author", info, "domain_data.user_id", 0);
    add_value(row, "public", info, "domain_data.public", 0);
    add_value(row, "create-day", info, "domain_data.create_date", 0);
    add_value(row, "edit-day", info, "domain_data.last_update", 0);
    add_value(row, "description", info, "domain_data.description", 0);

    IdMap parents;
    add_data_rows(row, section, id, parents);
    DOMElement* parent_list = add_element(row, "parent_domain_list");
    for (const auto& [parent_id, parent_name] : parents)
        add_text_element(add_element(parent_list, "row"), "parent_domain_id", parent_id);
    return row;
}

void XML_db::add_data_rows(DOMElement* domain_row, DOMElement* section, const std::string& id, IdMap& parents) {
    const ResultSets results =
        read("call metadataViewMetadataList(" + number(id) + ", '%%', 'data')", "query error", "result error");
    const ResultSet& datas = results.set(1);
    DOMElement* list = add_element(domain_row, "data");
    for (std::size_t row = 0; row < datas.row_count(); ++row) {
        const std::string& type = value(datas, "a.type", row);
        DOMElement* data = create_element(list, "row");
        add_value(data, "name", datas, "a.name", row);
        add_value(data, "type", datas, "a.type", row);
        add_text_element(data, "physical", "");
        add_value(data, "real_domain_id", datas, "b.real_domain_id", row);
        add_value(data, "real_domain_name", datas, "c.real_domain_name", row);
        add_value(data, "real_data", datas, "b.real_data_name", row);
        add_value(data, "scmin", datas, "a.scmin", row);
        add_value(data, "scmax", datas, "a.scmax", row);
        add_value(data, "description", datas, "a.description", row);
        add_field_rows(data, section, id, datas, row, parents);
        append(list, data);
        if (type == "alias")
            follow_alias(section, id, value(datas, "b.real_domain_id", row), value(datas, "c.real_domain_name", row),
                         parents);
    }
}

void XML_db::add_field_rows(DOMElement* data_row, DOMElement* section, const std::string& id,
                            const ResultSet& datas, std::size_t row, IdMap& parents) {
    DOMElement* list = add_element(data_row, "datafield");
    if (value(datas, "a.type", row) != "struct") return;
    const ResultSets results =
        read("call metadataViewMetafieldList(" + number(value(datas, "a.domain_id", row)) + ", " +
                 quoted(value(datas, "a.name", row)) + ", 'data')",
             "query error", "result error");
    const ResultSet& fields = results.set(1);
    for (std::size_t field = 0; field < fields.row_count(); ++field) {
        const std::string& real_data = value(fields, "i.real_data_name", field);
        const std::string& array_type = value(fields, "a.arraytype", field);
        DOMElement* element = create_element(list, "row");
        add_value(element, "member_name", fields, "a.member_name", field);
        add_value(element, "real_domain_id", fields, "i.real_domain_id", field);
        add_value(element, "real_domain_name", fields, "b.real_domain_name", field);
        add_value(element, "real_data", fields, "i.real_data_name", field);
        add_value(element, "type", fields, "a.type", field);
        add_text_element(element, "real_type", real_data == ResultSet::null_text ? "NULL" : real_data);
        add_text_element(element, "physical", "");
        add_value(element, "bitsize", fields, "a.bitsize", field);
        add_value(element, "scmin", fields, "a.scimin", field);
        add_value(element, "scmax", fields, "a.scimax", field);
        add_text_element(element, "contain_array", array_type == "FIX" || array_type == "VARIABLE" ? "true" : "false");
        add_value(element, "arraytype", fields, "a.arraytype", field);
        add_value(element, "arraysize", fields, "a.arraysize", field);
        add_value(element, "description", fields, "a.description", field);
        append(list, element);
        if (value(fields, "a.type", field) == "alias")
            follow_alias(section, id, value(fields, "i.real_domain_id", field),
                         value(fields, "b.real_domain_name", field), parents);
    }
}

void XML_db::follow_alias(DOMElement* section, const std::string& own_id, const std::string& real_domain,
                          const std::string& real_domain_name, IdMap& parents) {
    if (!is_reference(real_domain)) return;
    if (!written_data_domains.count(real_domain))
        append(section, make_datadomain_row(section, real_domain, real_domain_name));
    if (real_domain != own_id) parents.emplace(real_domain, real_domain_name);
}

}  // namespace tamo::exporters::component
