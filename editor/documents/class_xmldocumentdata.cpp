#include "class_xmldocumentdata.h"

#include <utility>

#include "DomainListImport.h"
#include "DomainListReader.h"
#include "DomainListWriter.h"
#include "SessionMessageBox.h"

using tamo::documents::XmlDocument;

namespace {

const char* const kNoDocument = "xmlDocument가 생성되지 않았습니다";
const char* const kNotSaved = "XML 문서를 저장하지 못했습니다.";
const char* const kCannotRead = "파일을 읽어 오는데 실패했습니다";
const char* const kDoesNotParse = "XML 문서의 형식이 올바르지 않습니다";

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
    if (!m_pDocument) return -1;
    std::string error;
    if (m_pDocument->Save(m_strExportPath, error)) return 0;
    // The caller only says that no document came out; why, and where, is told here.
    SessionMessageBox((std::string(kNotSaved) + "\n" + error).c_str());
    return -1;
}

// ---- Gathering -------------------------------------------------------------------------------------------------

void class_xmldocumentdata::load_methoddomain(int id) { Gathering().MethodDomain(id); }

void class_xmldocumentdata::load_datadomain(int id) { Gathering().DataDomain(id); }

void class_xmldocumentdata::load_data(int id, const std::string& name) { Gathering().Data(id, name); }

void class_xmldocumentdata::load_datafields(int id, const std::string& name) { Gathering().DataFields(id, name); }

MethodDomainGathering class_xmldocumentdata::Gathering() {
    return MethodDomainGathering(m_export, MethodDomainGathering::Extent::domain_list);
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
