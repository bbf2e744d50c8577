#pragma once

#include <string>

#include "ResultSets.h"
#include "XML_db_core.h"

namespace tamo::exporters::domain {

// Which data items get their "datafields": pelvane writes the fields of structures and the constants of
// enumerations, quorrin the fields of structures only.
enum class DataFields { structures_and_enumerations, structures_only };

// The domain generation of the exporters' per-run object (pelvane, quorrin): writes the domain export document
// rooted in "tamo_system_interface", with paths joined by "::". Every error ends the run with an ExportError
// that carries the section's text.
class XML_db : public XML_db_core {
public:
    explicit XML_db(DataFields data_fields);

    // pelvane: one data domain and every data domain its data refer to.
    void export_data_domain(const std::string& id, const std::string& save_path);
    // quorrin: one system domain, the method domains its deployed processes use and their data domains.
    void export_system_domain(const std::string& id, const std::string& save_path);

    // The names of the domain and its parents from the top down, joined by "::"; empty for "0" and "(null)".
    std::string domain_path(const std::string& id, const std::string& kind);

    void add_system_domain(xercesc::DOMElement* parent, const std::string& id);
    // The ports of a domain as systemDomainPortViewList answered them.
    void add_ports(xercesc::DOMElement* parent, const ResultSets& results);
    void add_links(xercesc::DOMElement* parent, const std::string& system_id);
    void add_nodes(xercesc::DOMElement* parent, const std::string& system_id);
    void add_processes(xercesc::DOMElement* parent, const std::string& system_id, const std::string& node_id);
    void add_custom_proxies(xercesc::DOMElement* parent, const std::string& node_id, const std::string& component_id);
    void add_custom_stubs(xercesc::DOMElement* parent, const std::string& node_id, const std::string& component_id);
    void add_method_domains(xercesc::DOMElement* parent);
    void add_data_domains(xercesc::DOMElement* parent);
    // Writes every domain of `to_write` and then, wave after wave, the domains their aliases refer to that
    // `known` does not hold yet (each wave is added to `known` first).
    void add_data_domain_info(xercesc::DOMElement* parent, IdMap& known, const IdMap& to_write);

private:
    void add_value(xercesc::DOMElement* parent, const char* name, const ResultSet& set, const char* key,
                   std::size_t row);
    void add_custom_entries(xercesc::DOMElement* parent, const std::string& call, const char* list_name,
                            const char* row_name);
    void add_method_domain(xercesc::DOMElement* parent, const std::string& id, const std::string& referred_name);
    void add_data_domain(xercesc::DOMElement* parent, const std::string& id, const std::string& referred_name,
                         const IdMap& known, IdMap& found);
    void add_data_fields(xercesc::DOMElement* data, const ResultSet& datas, std::size_t row, const IdMap& known,
                         IdMap& found);
    bool has_data_fields(const std::string& type) const;

    DataFields data_fields_;
};

}  // namespace tamo::exporters::domain
