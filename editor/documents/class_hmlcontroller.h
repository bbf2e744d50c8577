#pragma once

// The method tree's "HML 문서 생성": the HWPML document of one method domain. One controller serves the whole
// session: the method-domain pane creates it behind g_pHmlController on the first command and deletes it when
// the pane is destroyed. Each command starts from empty document data and leaves it empty.

#include <string>

#include "class_hmldocumentdata.h"

class class_hmlcontroller {
public:
    class_hmlcontroller() = default;
    virtual ~class_hmlcontroller() = default;
    class_hmlcontroller(const class_hmlcontroller&) = delete;
    class_hmlcontroller& operator=(const class_hmlcontroller&) = delete;

    // Asks for the file (the domain's name as the initial name; ".hml" is appended when the path holds none),
    // gathers the method domain and writes its document. 0 when written; -1 when cancelled (nothing read) or
    // the document could not be created or saved (shown).
    int create_hml_document(int domainId, const std::string& domainName);

    class_hmldocumentdata& GetDocumentData() { return m_data; }

private:
    class_hmldocumentdata m_data;
};

// The session's controller; null until the first command.
extern class_hmlcontroller* g_pHmlController;
