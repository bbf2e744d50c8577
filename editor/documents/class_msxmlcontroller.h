#pragma once

// The commands of the editor's XML document of a method domain: the export of the method tree's "XML 문서 생성"
// and the import of the main frame's "XMLDocument ▷ DB 저장". A controller lives for one command: the caller
// creates it behind g_pMsXmlController, calls one operation, deletes it and clears the pointer.

#include <string>

#include "CString.h"
#include "class_xmldocumentdata.h"

class class_msxmlcontroller {
public:
    class_msxmlcontroller() = default;
    virtual ~class_msxmlcontroller() = default;
    class_msxmlcontroller(const class_msxmlcontroller&) = delete;
    class_msxmlcontroller& operator=(const class_msxmlcontroller&) = delete;

    // Asks for the file (the domain's name as the initial name; ".xml" is appended when the path holds none),
    // gathers the method domain and writes its document. 0 when written; -1 when cancelled or the document
    // could not be created or saved. The domain and its path are read by its id once the file is chosen: one
    // that is gone or hidden is refused (-1, shown), and the document writes the path the server holds then,
    // not `domainPath` (the tree's).
    int export_xml_document(int domainId, const std::string& domainName, const CString& domainPath);

    // Asks for the file and the mode (dialog 391), reads the document and writes it into the database.
    // -1 when either dialog was cancelled (nothing changed); 0 when every row was written; 1 when the import
    // ran but something failed (the file could not be read or parsed, or a statement failed: each shown).
    int import_xml_document();

    class_xmldocumentdata& GetDocumentData() { return m_data; }

private:
    class_xmldocumentdata m_data;
};

// The controller of the command that runs; null between commands.
extern class_msxmlcontroller* g_pMsXmlController;
