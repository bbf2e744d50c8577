#include "domain/XML_db.h"

#include <set>
#include <vector>

#include "ExportError.h"
#include "ReferencedDomain.h"

namespace tamo::exporters::domain {

using xercesc::DOMElement;

// Rows are built apart from the document and appended once complete.

XML_db::XML_db(DataFields data_fields) : data_fields_(data_fields) {}

void XML_db::export_data_domain(const std::string& id, const std::string& save_path) {
    require_id(id);
    // The domain the run starts from must stand, as the system and the component must: a domain the data refer
    // to may be gone and is passed over, but without this one there is nothing to write. The builder's own read
    // of it is answered from the run's answers.
    const ResultSets start =
        read("call domainDataInfo(" + number(id) + ", 'data')", "query error", "query result error");
    if (start.set(1).row_count() == 0) throw ExportError("data domain don't exist");
    build_and_save("tamo_system_interface", save_path, [this, &id](DOMElement* root) {
        used_data_domains.clear();
        used_data_domains.emplace(id, "");
        add_data_domains(root);
    });
}

void XML_db::export_system_domain(const std::string& id, const std::string& save_path) {
    require_id(id);
    build_and_save("tamo_system_interface", save_path, [this, &id](DOMElement* root) {
        used_method_domains.clear();
        used_data_domains.clear();
        add_system_domain(root, id);
        add_method_domains(root);
        add_data_domains(root);
    });
}

std::string XML_db::domain_path(const std::string& id, const std::string& kind) {
    // Walks up from the domain; a lookup that fails ends the walk there, and so does a parent id met before,
    // so that a cycle in the parents cannot run without end.
    std::vector<std::string> names;
    std::set<std::string> visited;
    const std::string name_key = "domain_" + kind + ".name";
    const std::string parent_key = "domain_" + kind + ".upper_id";
    for (std::string current = id; current != "0" && current != ResultSet::null_text;) {
        if (!visited.insert(current).second) break;
        ResultSets results;
        query(results, "call domain_table_Info(" + number(current) + ", '" + kind + "')");
        if (!results.status_ok() || results.data_rows() == 0) break;
        names.push_back(results.set(1).cell(name_key, 0));
        current = results.set(1).cell(parent_key, 0);
    }
    std::string path;
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        if (!path.empty()) path += "::";
        path += *name;
    }
    return path;
}

void XML_db::add_value(DOMElement* parent, const char* name, const ResultSet& set, const char* key,
                       std::size_t row) {
    add_text_element(parent, name, set.cell(key, row));
}

void XML_db::add_system_domain(DOMElement* parent, const std::string& id) {
    const ResultSets results =
        read("call domainViewDomainInfo(" + number(id) + ", 'system')", "query err", "query result err");
    const ResultSet& info = results.set(1);
    if (info.row_count() == 0) throw ExportError("system don't exist");
    DOMElement* system = add_element(parent, "system");
    add_value(system, "name", info, "a.name", 0);
    add_text_element(system, "path", domain_path(id, "system"));
    add_value(system, "author", info, "u.user_id", 0);
    add_value(system, "description", info, "a.description", 0);
    add_value(system, "create", info, "a.create_date", 0);
    add_value(system, "update", info, "a.last_update", 0);
    add_ports(system, read("call systemDomainPortViewList(" + number(id) + ")", "query err", "query result err"));
    add_links(system, id);
    add_nodes(system, id);
}

void XML_db::add_ports(DOMElement* parent, const ResultSets& results) {
    const ResultSet& ports = results.set(1);
    DOMElement* list = add_element(parent, "ports");
    for (std::size_t row = 0; row < ports.row_count(); ++row) {
        DOMElement* port = create_element(list, "port");
        add_value(port, "number", ports, "domain_system_port.port_num", row);
        add_value(port, "group", ports, "domain_system_port.port_group", row);
        add_value(port, "description", ports, "domain_system_port.description", row);
        append(list, port);
    }
}

void XML_db::add_links(DOMElement* parent, const std::string& system_id) {
    const ResultSets results =
        read("call NetworklinkViewNetworkinkList(" + number(system_id) + ")", "query err", "query result err");
    const ResultSet& links = results.set(1);
    DOMElement* list = add_element(parent, "links");
    for (std::size_t row = 0; row < links.row_count(); ++row) {
        DOMElement* link = create_element(list, "link");
        add_value(link, "s_node_name", links, "x.sname", row);
        add_value(link, "s_node_id", links, "x.s_node_id", row);
        add_value(link, "s_port_id", links, "x.s_port_id", row);
        add_value(link, "d_node_name", links, "x.dname", row);
        add_value(link, "d_node_id", links, "x.d_node_id", row);
        add_value(link, "d_port_id", links, "x.d_port_id", row);
        append(list, link);
    }
}

void XML_db::add_nodes(DOMElement* parent, const std::string& system_id) {
    const ResultSets results = read("call nodeViewList(" + number(system_id) + ")", "query err", "query result err");
    const ResultSet& nodes = results.set(1);
    DOMElement* list = add_element(parent, "nodes");
    for (std::size_t row = 0; row < nodes.row_count(); ++row) {
        const std::string& sub_system = nodes.cell("xxx.sub_system_domain_id", row);
        DOMElement* node = create_element(list, "node");
        add_value(node, "name", nodes, "xxx.aname", row);
        add_value(node, "type", nodes, "xxx.type", row);
        add_value(node, "description", nodes, "xxx.description", row);
        add_text_element(node, "subsystem", domain_path(sub_system, "system"));
        // The domain the node stands for may be one that the account may not read.
        add_ports(node, read_referenced_domain(*this, "call systemDomainPortViewList(" + number(sub_system) + ")",
                                               {sub_system, "시스템", nodes.cell("s.sub_system_name", row)},
                                               "query err", "query result err"));
        add_processes(node, system_id, nodes.cell("xxx.Id", row));
        append(list, node);
    }
}

void XML_db::add_processes(DOMElement* parent, const std::string& system_id, const std::string& node_id) {
    const ResultSets results =
        read("call nodeDeploymentViewInstallList(" + number(system_id) + "," + number(node_id) + ")", "query err",
             "query result err");
    const ResultSet& processes = results.set(1);
    DOMElement* list = add_element(parent, "processes");
    for (std::size_t row = 0; row < processes.row_count(); ++row) {
        const std::string& component_id = processes.cell("A.component_id", row);
        DOMElement* process = create_element(list, "process");
        add_value(process, "name", processes, "A.name", row);
        add_text_element(process, "component",
                         domain_path(processes.cell("A.systemdomain_id", row), "system") + component_id);
        add_value(process, "description", processes, "A.description", row);
        add_value(process, "update", processes, "A.seq", row);
        add_custom_proxies(process, node_id, component_id);
        add_custom_stubs(process, node_id, component_id);
        append(list, process);
    }
}

void XML_db::add_custom_proxies(DOMElement* parent, const std::string& node_id, const std::string& component_id) {
    add_custom_entries(parent, "call coustim_proxyViewlistinfo(" + number(node_id) + "," + number(component_id) + ")",
                       "proxies", "proxy");
}

void XML_db::add_custom_stubs(DOMElement* parent, const std::string& node_id, const std::string& component_id) {
    add_custom_entries(parent, "call coustim_stubViewlistinfo(" + number(node_id) + "," + number(component_id) + ")",
                       "stubes", "stub");
}

void XML_db::add_custom_entries(DOMElement* parent, const std::string& call, const char* list_name,
                                const char* row_name) {
    const ResultSets results = read(call, "query err", "query result err");
    const ResultSet& entries = results.set(1);
    DOMElement* list = add_element(parent, list_name);
    for (std::size_t row = 0; row < entries.row_count(); ++row) {
        const std::string& method_domain_id = entries.cell("c.id", row);
        DOMElement* entry = create_element(list, row_name);
        add_text_element(entry, "name", entries.cell("a.object_name", row) + "_" + entries.cell("a.object_id", row));
        add_value(entry, "object_name", entries, "a.object_name", row);
        add_value(entry, "object_id", entries, "a.object_id", row);
        add_text_element(entry, "interface_path", domain_path(method_domain_id, "method"));
        add_value(entry, "interface", entries, "b.interface_name", row);
        add_value(entry, "class", entries, "b.class_name", row);
        add_value(entry, "public", entries, "a.public", row);
        append(list, entry);
        used_method_domains.emplace(method_domain_id, entries.cell("c.name", row));
    }
}

void XML_db::add_method_domains(DOMElement* parent) {
    DOMElement* section = add_element(parent, "method_domains");
    for (const auto& [id, name] : used_method_domains) add_method_domain(section, id, name);
}

void XML_db::add_method_domain(DOMElement* parent, const std::string& id, const std::string& referred_name) {
    const ResultSets results = read_referenced_domain(*this, "call domainMethodInfo(" + number(id) + ", 'method')",
                                                      {id, "메서드", referred_name}, "query error", "query result err");
    const ResultSet& info = results.set(1);
    const std::string& name = info.cell("domain_method.name", 0);
    const std::string parent_path = domain_path(info.cell("domain_method.upper_id", 0), "method");
    DOMElement* domain = create_element(parent, "method_domain");
    add_text_element(domain, "path", parent_path.empty() ? name : parent_path + "::" + name);
    add_value(domain, "name", info, "domain_method.name", 0);
    add_value(domain, "author", info, "domain_method.user_id", 0);
    add_value(domain, "public", info, "domain_method.public", 0);
    add_value(domain, "standard_port", info, "domain_method.standard_port", 0);
    add_value(domain, "create-day", info, "domain_method.create_date", 0);
    add_value(domain, "edit-day", info, "domain_method.last_update", 0);
    add_value(domain, "description", info, "domain_method.description", 0);

    IdMap data_domains;
    const ResultSets method_results = read("call methodViewMethodList(" + number(id) + ", 'method','ALL',null, '%%')",
                                           "query error", "query result err");
    const ResultSet& methods = method_results.set(1);
    DOMElement* method_list = add_element(domain, "methods");
    for (std::size_t row = 0; row < methods.row_count(); ++row) {
        const std::string& in_domain = methods.cell("i.in_domain_id", row);
        const std::string& out_domain = methods.cell("o.out_domain_id", row);
        DOMElement* method = create_element(method_list, "method");
        add_value(method, "name", methods, "a.method_name", row);
        add_value(method, "type", methods, "a.type", row);
        add_text_element(method, "code", method_code(methods.cell("a.code", row)));
        add_text_element(method, "in_data_domain_path", domain_path(in_domain, "data"));
        add_value(method, "in_data", methods, "i.in_data_name", row);
        add_text_element(method, "out_data_domain_path", domain_path(out_domain, "data"));
        add_value(method, "out_data", methods, "o.out_data_name", row);
        add_value(method, "description", methods, "a.description", row);
        append(method_list, method);
        if (is_reference(in_domain)) data_domains.emplace(in_domain, methods.cell("b.in_domain_name", row));
        if (is_reference(out_domain)) data_domains.emplace(out_domain, methods.cell("c.out_domain_name", row));
    }

    const ResultSets interface_results = read("call interfaceViewInterfaceList(" + number(id) + ", 'method','%%')",
                                              "query error", "query result err");
    const ResultSet& interfaces = interface_results.set(1);
    DOMElement* interface_list = add_element(domain, "interfaces");
    for (std::size_t row = 0; row < interfaces.row_count(); ++row) {
        DOMElement* interface = create_element(interface_list, "interface");
        add_value(interface, "name", interfaces, "interface.name", row);
        add_value(interface, "author", interfaces, "interface.user_id", row);
        add_value(interface, "description", interfaces, "interface.description", row);
        add_value(interface, "seq", interfaces, "interface.seq", row);
        const ResultSets member_results =
            read("call interfaceViewMemberMethodList(" + number(id) + ", 'method'," +
                     quoted(interfaces.cell("interface.name", row)) + ")",
                 "query_err", "query result err");
        const ResultSet& members = member_results.set(1);
        DOMElement* member_list = add_element(interface, "membermethods");
        for (std::size_t member = 0; member < members.row_count(); ++member)
            add_value(add_element(member_list, "membermethod"), "method_name", members, "a.method_name", member);
        append(interface_list, interface);
    }
    append(parent, domain);
    used_data_domains.insert(data_domains.begin(), data_domains.end());
}

void XML_db::add_data_domains(DOMElement* parent) {
    add_data_domain_info(add_element(parent, "data_domains"), used_data_domains, used_data_domains);
}

void XML_db::add_data_domain_info(DOMElement* parent, IdMap& known, const IdMap& to_write) {
    // Wave after wave: the domains found in one wave are written, in id order, after the whole wave.
    IdMap wave = to_write;
    while (!wave.empty()) {
        IdMap found;
        for (const auto& [id, name] : wave) add_data_domain(parent, id, name, known, found);
        known.insert(found.begin(), found.end());
        wave = std::move(found);
    }
}

void XML_db::add_data_domain(DOMElement* parent, const std::string& id, const std::string& referred_name,
                             const IdMap& known, IdMap& found) {
    // The domain a run starts from has no referring row (an empty name); the others are referenced.
    const std::string call = "call domainDataInfo(" + number(id) + ", 'data')";
    const ResultSets results = referred_name.empty()
                                   ? read(call, "query error", "query result error")
                                   : read_referenced_domain(*this, call, {id, "데이타", referred_name}, "query error",
                                                            "query result error");
    const ResultSet& info = results.set(1);
    if (info.row_count() == 0) return;  // a domain the server no longer knows is passed over
    const std::string& name = info.cell("domain_data.name", 0);
    const std::string parent_path = domain_path(info.cell("domain_data.upper_id", 0), "data");
    DOMElement* domain = create_element(parent, "data_domain");
    add_text_element(domain, "path", parent_path.empty() ? name : parent_path + "::" + name);
    add_value(domain, "name", info, "domain_data.name", 0);
    add_value(domain, "author", info, "domain_data.user_id", 0);
    add_value(domain, "public", info, "domain_data.public", 0);
    add_value(domain, "create-day", info, "domain_data.create_date", 0);
    add_value(domain, "edit-day", info, "domain_data.last_update", 0);
    add_value(domain, "description", info, "domain_data.description", 0);

    const ResultSets data_results =
        read("call metadataViewMetadataList(" + number(id) + ", '%%', 'data')", "query err", nullptr);
    const ResultSet& datas = data_results.set(1);
    DOMElement* data_list = add_element(domain, "datas");
    for (std::size_t row = 0; row < datas.row_count(); ++row) {
        const std::string& real_domain = datas.cell("b.real_domain_id", row);
        DOMElement* data = create_element(data_list, "data");
        add_value(data, "name", datas, "a.name", row);
        add_value(data, "type", datas, "a.type", row);
        add_text_element(data, "physical", "");
        add_text_element(data, "real_domain_path", domain_path(real_domain, "data"));
        add_value(data, "real_data", datas, "b.real_data_name", row);
        add_value(data, "scmin", datas, "a.scmin", row);
        add_value(data, "scmax", datas, "a.scmax", row);
        add_value(data, "description", datas, "a.description", row);
        add_data_fields(data, datas, row, known, found);
        append(data_list, data);
        if (datas.cell("a.type", row) == "alias" && is_reference(real_domain) && !known.count(real_domain))
            found.emplace(real_domain, datas.cell("c.real_domain_name", row));
    }
    append(parent, domain);
}

bool XML_db::has_data_fields(const std::string& type) const {
    if (type == "struct") return true;
    return data_fields_ == DataFields::structures_and_enumerations &&
           (type == "enum8_t" || type == "enum16_t" || type == "enum32_t" || type == "enum64_t");
}

void XML_db::add_data_fields(DOMElement* data, const ResultSet& datas, std::size_t row, const IdMap& known,
                             IdMap& found) {
    DOMElement* field_list = add_element(data, "datafields");
    if (!has_data_fields(datas.cell("a.type", row))) return;
    const ResultSets results = read("call metadataViewMetafieldList(" + number(datas.cell("a.domain_id", row)) +
                                        ", " + quoted(datas.cell("a.name", row)) + ", 'data')",
                                    "query err", "query result err");
    const ResultSet& fields = results.set(1);
    for (std::size_t field = 0; field < fields.row_count(); ++field) {
        const std::string& real_domain = fields.cell("i.real_domain_id", field);
        const std::string& real_data = fields.cell("i.real_data_name", field);
        DOMElement* element = create_element(field_list, "datafield");
        add_value(element, "member_name", fields, "a.member_name", field);
        add_text_element(element, "real_domain_path", domain_path(real_domain, "data"));
        add_value(element, "real_data", fields, "i.real_data_name", field);
        add_value(element, "type", fields, "a.type", field);
        add_text_element(element, "real_type", real_data == ResultSet::null_text ? "NULL" : real_data);
        add_value(element, "bitsize", fields, "a.bitsize", field);
        add_value(element, "scmin", fields, "a.scimin", field);
        add_value(element, "scmax", fields, "a.scimax", field);
        add_value(element, "arraytype", fields, "a.arraytype", field);
        add_value(element, "arraysize", fields, "a.arraysize", field);
        add_value(element, "description", fields, "a.description", field);
        append(field_list, element);
        if (fields.cell("a.type", field) == "alias" && is_reference(real_domain) && !known.count(real_domain))
            found.emplace(real_domain, fields.cell("b.real_domain_name", field));
    }
}

}  // namespace tamo::exporters::domain
