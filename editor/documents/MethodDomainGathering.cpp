#include "MethodDomainGathering.h"

#include <utility>
#include <vector>

#include "CMysqlQuery.h"
#include "ReferencedDomainFailure.h"

namespace {

void ShowFailure(int result) {
    if (result == -1) CMysqlQuery::GetInstance()->ShowLastError();
}

void ShowReferenceFailure(int result, int domainId, const std::string& domainName) {
    ShowReferencedDomainFailure(result, "데이타", domainId, domainName);
}

}  // namespace

void MethodDomainGathering::MethodDomain(int id) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (WholeDomainList())
        ShowFailure(db->SelectDomainInfoList(db->FormatCall("call domainMethodInfo(%d,'method')", id), "method",
                                             m_lists.method_domains));
    ShowFailure(db->SelectMethodList(db->FormatCall("call methodViewMethodList(%d,'method','ALL','%%','%%')", id),
                                     m_lists.methods));
    if (WholeDomainList()) {
        ShowFailure(db->SelectInterfaceList(db->FormatCall("call interfaceViewInterfaceList('%d','method','%%')", id),
                                            m_lists.interfaces));
        for (const auto& item : m_lists.interfaces) {
            std::vector<class_method_info> members;
            ShowFailure(db->SelectMemberMethodList(
                db->FormatCall("call interfaceViewMemberMethodList(%d,'method','%s')", id, item.name), members));
            m_lists.member_methods.emplace(item.name, std::move(members));
        }
    }
    for (const auto& method : m_lists.methods) {
        MethodData(method.in_domain_id, method.in_domain_name, method.in_data);
        MethodData(method.out_domain_id, method.out_domain_name, method.out_data);
    }
}

void MethodDomainGathering::MethodData(int domainId, const std::string& domainName, const std::string& name) {
    if (WholeDomainList()) DataDomain(domainId, domainName);
    Data(domainId, name, domainName);
}

void MethodDomainGathering::DataDomain(int id, const std::string& referredName, bool showFailure) {
    // A domain is read once: the map keeps its first entry, so reading it again would change nothing. Id 0
    // names no domain and would bring an empty entry.
    if (id == 0 || m_lists.data_domains.count(id) != 0) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_domain_info> domains;
    const int result = db->SelectDomainInfoList(db->FormatCall("call domainDataInfo(%d,'data')", id), "data", domains);
    if (showFailure) ShowReferenceFailure(result, id, referredName);
    m_lists.data_domains.emplace(id, std::move(domains));
}

void MethodDomainGathering::Data(int id, const std::string& name, const std::string& referredDomainName) {
    class_xmlexport_lists::DataItemKey key(id, name);
    std::string domainName = referredDomainName;
    // The chain ends at an item that is gathered already: every item is gathered once, so a cycle of aliases
    // ends after one pass.
    while (key.first != 0 && !key.second.empty() && m_lists.data_items.count(key) == 0) {
        std::vector<class_metadata_info> rows;
        ShowDataFailure(CMysqlQuery::GetInstance()->SelectMetadataList(key.first, key.second.c_str(), rows), key.first,
                        domainName);
        const auto entry = m_lists.data_items.emplace(key, std::move(rows)).first;
        DataFields(key.first, key.second);
        const std::vector<class_metadata_info>& items = entry->second;
        if (items.empty() || items.front().type != "alias") break;
        if (WholeDomainList()) DataDomain(items.front().real_domain_id, items.front().real_domain_name, false);
        key = {items.front().real_domain_id, items.front().real_data};
        domainName = items.front().real_domain_name;
    }
}

void MethodDomainGathering::DataFields(int id, const std::string& name) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_datafield_info> fields;
    ShowDataFailure(
        db->SelectDatafieldList(db->FormatCall("call metadataViewMetafieldList(%d,'%s','data')", id, name), fields), id,
        "");
    for (auto& field : fields) {
        // The field list answers the stored physical quantity in the column the record keeps apart; the
        // documents carry it (and an import of the domain list does not clear it).
        field.physical = field.listed_physical;
        if (WholeDomainList() && field.type == "alias") {
            DataDomain(field.real_domain_id, field.real_domain_name);
            Data(field.real_domain_id, field.real_data, field.real_domain_name);
        }
        m_lists.fields.push_back(std::move(field));
    }
}

void MethodDomainGathering::ShowDataFailure(int result, int domainId, const std::string& domainName) const {
    if (!WholeDomainList()) ShowReferenceFailure(result, domainId, domainName);
}
