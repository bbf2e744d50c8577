#pragma once

// The editor's XML document of a method domain (root "domainlist"): the gathering of one method domain from
// the design database into the export lists, the writer that saves them as a document, and the import that
// reads such a document into the import lists and writes them into the database, merging (mode 0) or first
// deleting what the domain holds (mode 1, in one transaction). Messages go through the session's message box.

#include <memory>
#include <string>

#include "MethodDomainGathering.h"
#include "XmlDocument.h"
#include "class_xmlexport_lists.h"
#include "class_xmlimport_lists.h"

class class_xmldocumentdata {
public:
    enum { MODE_MERGE = 0, MODE_REPLACE = 1 };

    class_xmldocumentdata() = default;
    virtual ~class_xmldocumentdata() = default;
    class_xmldocumentdata(const class_xmldocumentdata&) = delete;
    class_xmldocumentdata& operator=(const class_xmldocumentdata&) = delete;

    // ---- Export --------------------------------------------------------------------------------------------

    // Builds the document from the export lists and saves it to the export path: 0, or -1 when the document
    // cannot be created ("xmlDocument가 생성되지 않았습니다" is shown) or saved (nothing shown).
    int export_xmldocument();
    // Saves the document to the export path: 0, or -1.
    int save_xmldocument();

    // ---- Gathering into the export lists -----------------------------------------------------------------
    // Lookups of the domain, methods, interfaces, member methods and data domains that fail show the server's
    // text and the gathering goes on; a failed data-item or field lookup gives no rows.

    // The domain record, its methods, interfaces and member methods, and the data its methods carry.
    void load_methoddomain(int id);
    // The record of one data domain, unless the data-domain map holds it already or the id is 0.
    void load_datadomain(int id);
    // One data item with its fields, then along its alias chain until an item that is gathered already.
    void load_data(int id, const std::string& name);
    // The item's fields, after the data items that its alias-typed fields refer to.
    void load_datafields(int id, const std::string& name);
    void clear_export_lists();

    // ---- Import ------------------------------------------------------------------------------------------

    // Loads the file at the import path: 0, or -1 after "파일을 읽어 오는데 실패했습니다" (the file cannot be
    // read) or a message saying that it is no well-formed XML document.
    int load_xmlfile();
    // Fills the import lists from the loaded document (nothing without one).
    void parse_xmldocument();
    // Writes the import lists into the database in the mode: 0 when every statement succeeded, -1 when
    // any failed (its message shown). In replace mode any failure rolls everything back.
    int import_database();
    // Empties the import lists; in replace mode also the export lists that the deletion filled. Mode back to 0.
    void clear_import_lists();

    std::string m_strExportPath;  // the file chosen for the export
    std::string m_strDomainPath;  // the exported domain's path, for "path"
    std::string m_strImportPath;  // the file chosen for the import
    int m_nMode = MODE_MERGE;
    class_xmlexport_lists m_export;
    class_xmlimport_lists m_import;

private:
    MethodDomainGathering Gathering();

    std::unique_ptr<tamo::documents::XmlDocument> m_pDocument;  // the last document built or loaded
};
