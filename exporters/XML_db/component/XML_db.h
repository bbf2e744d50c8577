#pragma once

#include <string>
#include <string_view>

#include "ResultSets.h"
#include "XML_db_core.h"

namespace tamo::exporters::component {

// skarrow, or its older build vandrel: vandrel's result sets are keyed by bare field names and its runner ends
// the run with "query err" on any failed statement.
enum class Build { skarrow, vandrel };

// The component generation of the exporters' per-run object (skarrow, vandrel): writes the component export
// document rooted in "tamo_zelk", every list of "row" elements, with paths joined by "/". Every error ends the
// run with an ExportError that carries the list's text.
class XML_db : public XML_db_core {
public:
    explicit XML_db(Build build);

    // One component with its proxy and stub lists, the method domains they use and those domains' data domains.
    void export_component(const std::string& id, const std::string& save_path);

    // "/" before each name from the top down; empty for "0".
    std::string data_domain_path(const std::string& id);
    std::string method_domain_path(const std::string& id);

    void add_component_info(xercesc::DOMElement* parent, const std::string& id);
    void add_proxy_list(xercesc::DOMElement* component, const std::string& id);
    void add_stub_list(xercesc::DOMElement* component, const std::string& id);
    void add_methoddomain_section(xercesc::DOMElement* parent);
    void add_datadomain_section(xercesc::DOMElement* parent);
    // Builds the row of one data domain without appending it; the rows of the domains its aliases refer to
    // that are not written yet go to `section` first.
    // The row of a data domain that an exported row refers to, by the name that row gives it.
    xercesc::DOMElement* make_datadomain_row(xercesc::DOMElement* section, const std::string& id,
                                             const std::string& referred_name);

protected:
    IdMap written_data_domains;

private:
    struct Interfaces;  // which procedures, keys and texts a proxy or a stub list uses

    // The key a reader asks for ("a.type") as this build's result sets name it.
    std::string_view key(const char* table_and_field) const;
    const std::string& value(const ResultSet& set, const char* key_name, std::size_t row) const;
    void add_value(xercesc::DOMElement* parent, const char* name, const ResultSet& set, const char* key_name,
                   std::size_t row);
    std::string domain_path(const std::string& id, const char* procedure, const char* kind);

    void add_interface_list(xercesc::DOMElement* component, const std::string& id, const Interfaces& interfaces);
    void add_method_domain_row(xercesc::DOMElement* section, const std::string& id, const std::string& referred_name);
    void add_method_rows(xercesc::DOMElement* domain_row, const std::string& id, IdMap& data_domains);
    void add_interface_rows(xercesc::DOMElement* domain_row, const std::string& id);
    void add_data_rows(xercesc::DOMElement* domain_row, xercesc::DOMElement* section, const std::string& id,
                       IdMap& parents);
    void add_field_rows(xercesc::DOMElement* data_row, xercesc::DOMElement* section, const std::string& id,
                        const ResultSet& datas, std::size_t row, IdMap& parents);
    // An alias into another data domain: writes that domain first when it is not written yet, and notes it as
    // a parent unless it is the domain itself.
    void follow_alias(xercesc::DOMElement* section, const std::string& own_id, const std::string& real_domain,
                      const std::string& real_domain_name, IdMap& parents);

    Build build_;
};

}  // namespace tamo::exporters::component
