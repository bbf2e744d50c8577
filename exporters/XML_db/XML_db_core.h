#pragma once

#include <xercesc/dom/DOM.hpp>
#include <xercesc/util/TransService.hpp>

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "AnswerCache.h"
#include "ResultSets.h"

struct st_mysql;
struct st_mysql_res;

namespace tamo::exporters {

class RowsAhead;

// Domain ids (decimal texts) mapped to the domain's name as the referring row gave it. Ordered by the id
// text, so walks visit "10" before "9".
using IdMap = std::map<std::string, std::string>;

// How result sets name their columns: "table.field" (the exporters), or the bare field name (vandrel).
enum class KeyStyle { table_and_field, bare_field };

struct DocumentRelease {
    void operator()(xercesc::DOMDocument* document) const { document->release(); }
};
using Document = std::unique_ptr<xercesc::DOMDocument, DocumentRelease>;

// The database and DOM part that both generations of XML_db share: the one connection of a run, the statement
// runner that turns procedure answers into result sets, the login, call-text quoting, element building and
// the guarded save. One lives on the stack of an exporter's main for the whole run.
class XML_db_core {
public:
    explicit XML_db_core(KeyStyle keys = KeyStyle::table_and_field);
    virtual ~XML_db_core();
    XML_db_core(const XML_db_core&) = delete;
    XML_db_core& operator=(const XML_db_core&) = delete;

    // The seconds any one wait of a statement may last (tamo::database::WAIT_BOUND_SECONDS); set before
    // connect. Tests shorten it.
    void set_wait_bound(unsigned seconds) { wait_bound_ = seconds; }
    // Null on success, else the client library's error text.
    const char* connect(const std::string& host, const std::string& port, const std::string& dbname,
                        const std::string& user, const std::string& password);
    // Runs one statement text and stores every result set it answers in `results`. Null on success, else the
    // client library's error text; a failed send leaves `results` as it was.
    virtual const char* run_query(ResultSets& results, const char* text, std::size_t length);
    // Runs a statement of the export: each distinct text is sent once in a run, and asked again it answers what
    // it answered the first time (also a failure). A statement that lost the connection (the server went away,
    // or did not answer within the wait bound) ends the run with an ExportError that says so.
    const char* query(ResultSets& results, const std::string& text);

    // Logs the application account in: "query err" when a statement fails, "login error" when the server
    // does not accept the account.
    void log_in(const std::string& user, const std::string& password);

    // A text argument of a call text: escaped for the connection and enclosed in single quotes.
    std::string quoted(const std::string& text);
    // An id argument: its decimal text when it is one (optional sign and digits), else NULL.
    static std::string number(const std::string& text);
    static bool is_number(const std::string& text);
    // A method code as the documents show it: the stored text read as a decimal integer, written "0x%04X".
    static std::string method_code(const std::string& stored);

    Document create_document(std::string_view root_name);
    xercesc::DOMElement* add_element(xercesc::DOMElement* parent, std::string_view name);
    xercesc::DOMElement* add_text_element(xercesc::DOMElement* parent, std::string_view name,
                                          std::string_view value);
    // Creates an element (a row) in the parent's document without appending it; it is meant for the parent.
    xercesc::DOMElement* create_element(xercesc::DOMElement* parent, std::string_view name);
    // Appends a node that the parent's document created and that has no parent yet. A row made by
    // create_element is finished when it is appended: while a document is built for its file (build_and_save),
    // its text takes the place of its nodes.
    void append(xercesc::DOMElement* parent, xercesc::DOMNode* child);
    // Links the child as the parent's last child, as the library's appendChild does.
    static void link(xercesc::DOMElement* parent, xercesc::DOMNode* child);

    // Builds a document rooted in `root_name` with `build` and writes it to `path`, holding its finished rows as
    // text while it grows (a large export holds about its text instead of many times that in nodes). When a
    // row holds what the library's serializer lays out its own way, the document is built again whole and the
    // library writes it; the statements answer from the run's answers then. `build` starts from a clean state.
    void build_and_save(std::string_view root_name, const std::string& path,
                        const std::function<void(xercesc::DOMElement* root)>& build);

    // The document as the serializer writes it with pretty printing (UTF-8).
    std::string serialize_document(const xercesc::DOMDocument* document);
    // The same text, written by the library's serializer itself.
    static std::string serialize_with_library(const xercesc::DOMDocument* document);
    // Writes the document to `path` through a temporary file in the same folder that replaces the target
    // only when it is complete; nothing is left behind on failure.
    void save_document(const xercesc::DOMDocument* document, const std::string& path);

protected:
    // An id that a run starts from: anything but a decimal number ends the run with "query err".
    static void require_id(const std::string& id);
    // Whether a referring column names a domain (is not NULL).
    static bool is_reference(const std::string& id);

    // Runs a list procedure; a failed statement ends the run with `statement_error`, a failed status test
    // with `status_error` (not tested when null). `status_ok`, when given, tells whether the status test passed.
    ResultSets read(const std::string& call, const char* statement_error, const char* status_error,
                    bool* status_ok = nullptr);

    // vandrel's runner ends the run itself with "query err" when a statement fails.
    void end_run_on_failed_statement() { failed_statement_ends_run_ = true; }

    std::u16string to_xml(std::string_view text);

    st_mysql* mysql;
    IdMap used_method_domains;
    IdMap used_data_domains;

private:
    void read_result_set(ResultSet& set, st_mysql_res* result) const;
    xercesc::DOMElement* new_element(xercesc::DOMDocument* document, std::string_view name);

    KeyStyle keys_;
    AnswerCache answers_;
    std::unique_ptr<RowsAhead> ahead_;  // while build_and_save writes rows ahead
    bool failed_statement_ends_run_ = false;
    unsigned wait_bound_;
    xercesc::DOMImplementation* dom_ls = nullptr;
    xercesc::DOMImplementation* dom_core = nullptr;  // kept beside "LS" as the library hands it out
    std::unique_ptr<xercesc::XMLTranscoder> transcoder;
};

}  // namespace tamo::exporters
