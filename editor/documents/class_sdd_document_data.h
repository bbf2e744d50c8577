#pragma once

// The software design description of one component as an HWPML document: a title and one table that lists,
// interface by interface in the order of their names, the member methods of every proxy and stub interface of
// the component. The detailed kind also lists under each method the member functions that the generated
// classes give it (object creation and destruction, and the handlers of its method type).

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "HwpmlBuilder.h"
#include "SessionRecords.h"

// 1: summary ("요약 SDD 문서 출력"), 2: detailed ("상세 SDD 문서 출력").
using SddOutputKind = int;
enum : SddOutputKind { SDD_SUMMARY = 1, SDD_DETAILED = 2 };

class class_sdd_document_data : public HwpmlBuilder {
public:
    // An interface is named by its name and its method domain: same-named interfaces of two method domains are
    // two interfaces. Ordered by name, then by domain id.
    using InterfaceKey = std::pair<std::string, int>;

    class_sdd_document_data() = default;
    ~class_sdd_document_data() override = default;

    // The member methods of the component's proxy interfaces, then of its stub interfaces; an interface that is
    // both is read once. A failed lookup shows the server's text and the gathering goes on.
    void gather_interfaces(int componentId);
    // The number of body rows the table gets for the output kind.
    int count_function_rows() const;

    SddOutputKind m_nOutputKind = 0;
    std::string m_strComponentName;
    std::map<InterfaceKey, std::vector<class_method_info>> m_memberMethods;

protected:
    void write_content(XmlNode section) override;

private:
    void write_function_table(XmlNode section);
    // The member-function rows of the detailed kind under the method's own row; a method type without
    // generated handlers is told with a message.
    void write_member_function_rows(const class_method_info& method, int& row);
    // Reads the member methods of the interface unless it is listed already.
    void gather_members(int methodDomainId, const std::string& methodDomainName, const std::string& interfaceName);
};
