#include "class_xmldocumentdata.h"

#include <set>
#include <utility>
#include <vector>

#include "CMysqlQuery.h"
#include "DomainListImport.h"
#include "DomainListReader.h"
#include "DomainListWriter.h"
#include "SessionMessageBox.h"

using tamo::documents::XmlDocument;

namespace {

const char* const kNoDocument = "xmlDocument가 생성되지 않았습니다";
const char* const kCannotRead = "파일을 읽어 오는데 실패했습니다";
const char* const kDoesNotParse = "XML 문서의 형식이 올바르지 않습니다";

void ShowFailure(int result) {
    if (result == -1) CMysqlQuery::GetInstance()->ShowLastError();
}

}  // namespace

// ---- Export ----------------------------------------------------------------------------------------------------

int class_xmldocumentdata::export_xmldocument() {
    m_pDocument = XmlDocument::Create();
    if (!m_pDocument) {
        SessionMessageBox(kNoDocument);
        return -1;
    }
    WriteDomainList(*m_pDocument, m_export, m_strDomainPath);
    return save_xmldocument();
}

int class_xmldocumentdata::save_xmldocument() {
    std::string error;
    return m_pDocument && m_pDocument->Save(m_strExportPath, error) ? 0 : -1;
}

// ---- Gathering -------------------------------------------------------------------------------------------------

void class_xmldocumentdata::load_methoddomain(int id) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    ShowFailure(db->SelectDomainInfoList(db->FormatCall("call domainMethodInfo(%d,'method')", id), "method",
                                         m_export.method_domains));
    ShowFailure(db->SelectMethodList(db->FormatCall("call methodViewMethodList(%d,'method','ALL','%%','%%')", id),
                                     m_export.methods));
    ShowFailure(db->SelectInterfaceList(db->FormatCall("call interfaceViewInterfaceList('%d','method','%%')", id),
                                        m_export.interfaces));
    for (const auto& item : m_export.interfaces) {
        std::vector<class_method_info> members;
        ShowFailure(db->SelectMemberMethodList(
            db->FormatCall("call interfaceViewMemberMethodList(%d,'method','%s')", id, item.name), members));
        m_export.member_methods.emplace(item.name, std::move(members));
    }
    for (const auto& method : m_export.methods) {
        GatherMethodData(method.in_domain_id, method.in_data);
        GatherMethodData(method.out_domain_id, method.out_data);
    }
}

void class_xmldocumentdata::GatherMethodData(int domainId, const std::string& name) {
    load_datadomain(domainId);
    load_data(domainId, name);
}

void class_xmldocumentdata::load_datadomain(int id) { GatherDataDomain(id, true); }

void class_xmldocumentdata::GatherDataDomain(int id, bool showFailure) {
    // A domain is read once: the map keeps its first entry, so reading it again would change nothing. Id 0
    // names no domain and would bring an empty entry.
    if (id == 0 || m_export.data_domains.count(id) != 0) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_domain_info> domains;
    const int result = db->SelectDomainInfoList(db->FormatCall("call domainDataInfo(%d,'data')", id), "data", domains);
    if (showFailure) ShowFailure(result);
    m_export.data_domains.emplace(id, std::move(domains));
}

void class_xmldocumentdata::load_data(int id, const std::string& name) {
    class_xmlexport_lists::DataItemKey key(id, name);
    // The chain ends at an item that is gathered already: every item is gathered once, so a cycle of aliases
    // ends after one pass.
    while (key.first != 0 && !key.second.empty() && m_export.data_items.count(key) == 0) {
        std::vector<class_metadata_info> rows;
        CMysqlQuery::GetInstance()->SelectMetadataList(key.first, key.second.c_str(), rows);
        const auto entry = m_export.data_items.emplace(key, std::move(rows)).first;
        load_datafields(key.first, key.second);
        const std::vector<class_metadata_info>& items = entry->second;
        if (items.empty() || items.front().type != "alias") break;
        GatherDataDomain(items.front().real_domain_id, false);
        key = {items.front().real_domain_id, items.front().real_data};
    }
}

void class_xmldocumentdata::load_datafields(int id, const std::string& name) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<class_datafield_info> fields;
    db->SelectDatafieldList(db->FormatCall("call metadataViewMetafieldList(%d,'%s','data')", id, name), fields);
    for (auto& field : fields) {
        // The field list answers the stored physical quantity in the column the record keeps apart; the
        // document carries it, so that an import does not clear it.
        field.physical = field.listed_physical;
        if (field.type == "alias") {
            load_datadomain(field.real_domain_id);
            load_data(field.real_domain_id, field.real_data);
        }
        m_export.fields.push_back(std::move(field));
    }
}

void class_xmldocumentdata::clear_export_lists() { m_export.clear(); }

// ---- Import ----------------------------------------------------------------------------------------------------

int class_xmldocumentdata::load_xmlfile() {
    m_pDocument.reset();
    XmlDocument::LoadResult loaded = XmlDocument::Load(m_strImportPath);
    switch (loaded.status) {
    case XmlDocument::LoadStatus::loaded:
        m_pDocument = std::move(loaded.document);
        return 0;
    case XmlDocument::LoadStatus::cannot_read:
        SessionMessageBox(kCannotRead);
        return -1;
    case XmlDocument::LoadStatus::does_not_parse:
        SessionMessageBox((std::string(kDoesNotParse) + "\n" + loaded.message).c_str());
        return -1;
    }
    return -1;
}

void class_xmldocumentdata::parse_xmldocument() {
    if (m_pDocument) ReadDomainList(*m_pDocument, m_import);
}

int class_xmldocumentdata::import_database() { return ImportDomainList(*this); }

void class_xmldocumentdata::clear_import_lists() {
    m_import.clear();
    if (m_nMode == MODE_REPLACE) clear_export_lists();
    m_nMode = MODE_MERGE;
}
