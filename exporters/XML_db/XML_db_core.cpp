#include "XML_db_core.h"

#include <fcntl.h>
#include <mysql.h>
#include <sys/stat.h>
#include <unistd.h>

#include <xercesc/dom/impl/DOMElementImpl.hpp>
#include <xercesc/dom/impl/DOMTextImpl.hpp>
#include <xercesc/framework/MemBufFormatTarget.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLUni.hpp>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <optional>
#include <string_view>
#include <vector>

#include "DatabaseClient.h"
#include "DocumentMemory.h"
#include "ExportError.h"
#include "PrettyWriter.h"
#include "RowsAhead.h"

namespace tamo::exporters {

using namespace xercesc;

namespace {

// found rows, interactive, multiple statements, multiple results
constexpr unsigned long connect_flags = 0x30402;
constexpr XMLSize_t transcoder_block_size = 0x4000;

std::string utf8_of(const XMLCh* text) {
    if (!text) return {};
    TranscodeToStr utf8(text, "UTF-8");
    return reinterpret_cast<const char*>(utf8.str());
}

// Keeps the first error the serializer reports, so that a failed write can say why.
class FirstError : public DOMErrorHandler {
public:
    bool handleError(const DOMError& error) override {
        if (message.empty()) message = utf8_of(error.getMessage());
        return false;
    }
    std::string message;
};

template <typename T>
struct Release {
    void operator()(T* object) const { object->release(); }
};

std::string folder_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string system_error_text() { return std::strerror(errno); }

bool is_element_or_text(const DOMNode* node) {
    const auto type = node->getNodeType();
    return type == DOMNode::ELEMENT_NODE || type == DOMNode::TEXT_NODE;
}

// The parts of an element or a text node that the library links nodes by.
DOMNodeImpl& node_part(DOMNode* node) {
    if (node->getNodeType() == DOMNode::ELEMENT_NODE) return static_cast<DOMElementImpl*>(node)->fNode;
    return static_cast<DOMTextImpl*>(node)->fNode;
}

DOMChildNode& child_part(DOMNode* node) {
    if (node->getNodeType() == DOMNode::ELEMENT_NODE) return static_cast<DOMElementImpl*>(node)->fChild;
    return static_cast<DOMTextImpl*>(node)->fChild;
}

mode_t file_mode_for_new_files() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

std::string joined(const std::string& folder, const std::string& name) {
    if (!name.empty() && name.front() == '/') return name;
    return folder == "/" ? "/" + name : folder + "/" + name;
}

// The file a path names once its symbolic links are followed (at most 40, as the kernel does); the path itself
// when it is no link, and also when its links lead to no file: that file would come into being wherever the
// links point, in a folder nobody chose for the document (a link planted there by someone else), so the link
// that the path names is replaced instead.
std::string link_target(const std::string& path, const std::function<void(const std::string&)>& fail) {
    std::string target = path;
    for (int links = 0;; ++links) {
        struct stat status {};
        if (lstat(target.c_str(), &status) != 0) return links > 0 && errno == ENOENT ? path : target;
        if (!S_ISLNK(status.st_mode)) return target;
        if (links == 40) fail(std::strerror(ELOOP));
        std::vector<char> name(static_cast<std::size_t>(status.st_size > 0 ? status.st_size : 255) + 1);
        const ssize_t length = readlink(target.c_str(), name.data(), name.size());
        if (length < 0) fail(system_error_text());
        if (static_cast<std::size_t>(length) >= name.size()) fail("the link changed while it was read");
        target = joined(folder_of(target), std::string(name.data(), static_cast<std::size_t>(length)));
    }
}

// What the file that a save replaces must keep.
struct Replaced {
    bool exists = false;
    struct stat status {};
};

// An existing target must be a regular file that the caller may write; anything else (a folder, a device, a
// FIFO, a read-only file) is refused before a byte is written. A file without any write permission is
// write-protected also for the superuser, as rm treats it.
Replaced check_target(const std::string& target, const std::function<void(const std::string&)>& fail) {
    Replaced replaced;
    if (stat(target.c_str(), &replaced.status) != 0) {
        if (errno != ENOENT) fail(system_error_text());
        return replaced;
    }
    replaced.exists = true;
    if (!S_ISREG(replaced.status.st_mode)) fail("not a regular file");
    if (access(target.c_str(), W_OK) != 0) fail(system_error_text());
    if ((replaced.status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) fail("the file is write-protected");
    return replaced;
}

// Writes all of `text` to the file; the error text when that fails.
std::string write_all(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return system_error_text();
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// Hands a save's text over to the file: `put` takes the next block, `restart` drops what was put so far.
using Put = std::function<void(std::string_view)>;
using Restart = std::function<void()>;

// Writes the text that `produce` puts to a temporary file beside the file that `path` names and renames it onto
// that file; on any failure (also an exception of `produce`) the temporary file is removed and the error names
// the reason. A symbolic link to a file is written through (a link to none is replaced), and an existing file
// keeps its permissions and, where the caller may give it, its owner.
void write_file_replacing(const std::string& path, const std::function<void(const Put&, const Restart&)>& produce) {
    const std::function<void(const std::string&)> fail = [&path](const std::string& reason) {
        throw ExportError("failed to save " + path + ": " + reason);
    };
    if (path.empty() || path.back() == '/') fail("not a file name");
    const std::string target = link_target(path, fail);
    const Replaced replaced = check_target(target, fail);
    std::string temporary = folder_of(target) + "/.tamo-export-XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) fail(system_error_text());

    // The pieces are gathered into blocks: a document's rows come as pieces of a few hundred bytes each, and a
    // write per piece cost more than writing the text.
    constexpr std::size_t block_size = 64 * 1024;
    std::string block;
    std::string reason;
    const auto write_block = [fd, &block, &reason] {
        if (reason.empty()) reason = write_all(fd, block);
        block.clear();
    };
    const Put put = [&block, &reason, &write_block, fd](std::string_view text) {
        if (block.size() + text.size() > block_size) write_block();
        if (text.size() >= block_size) {
            if (reason.empty()) reason = write_all(fd, text);
        } else {
            block += text;
        }
    };
    const Restart restart = [fd, &block, &reason] {
        block.clear();
        if (reason.empty() && (ftruncate(fd, 0) != 0 || lseek(fd, 0, SEEK_SET) != 0)) reason = system_error_text();
    };
    try {
        block.reserve(block_size);
        produce(put, restart);
        write_block();
    } catch (...) {
        close(fd);
        unlink(temporary.c_str());
        throw;
    }
    const mode_t mode = replaced.exists ? replaced.status.st_mode & 07777 : file_mode_for_new_files();
    if (replaced.exists) (void)!fchown(fd, replaced.status.st_uid, replaced.status.st_gid);
    if (reason.empty() && fchmod(fd, mode) != 0) reason = system_error_text();
    if (close(fd) != 0 && reason.empty()) reason = system_error_text();
    if (reason.empty() && std::rename(temporary.c_str(), target.c_str()) != 0) reason = system_error_text();
    if (!reason.empty()) {
        unlink(temporary.c_str());
        fail(reason);
    }
}

}  // namespace

XML_db_core::XML_db_core(KeyStyle keys)
    : mysql(mysql_init(nullptr)), keys_(keys), wait_bound_(tamo::database::WAIT_BOUND_SECONDS) {
    if (!mysql) throw std::bad_alloc();
    try {
        XMLPlatformUtils::Initialize(XMLUni::fgXercescDefaultLocale, nullptr, nullptr, &DocumentMemory::instance());
    } catch (const XMLException& error) {
        mysql_close(mysql);
        throw ExportError(utf8_of(error.getMessage()));
    }
    dom_core = DOMImplementationRegistry::getDOMImplementation(u"core");
    dom_ls = DOMImplementationRegistry::getDOMImplementation(u"LS");
    XMLTransService::Codes code;
    transcoder.reset(XMLPlatformUtils::fgTransService->makeNewTranscoderFor("UTF-8", code, transcoder_block_size));
}

XML_db_core::~XML_db_core() {
    try {
        transcoder.reset();
        XMLPlatformUtils::Terminate();
    } catch (...) {
        std::fputs("catched exception in destructor.\n", stderr);
        std::fflush(stderr);
        std::abort();
    }
    mysql_close(mysql);
}

const char* XML_db_core::connect(const std::string& host, const std::string& port, const std::string& dbname,
                                 const std::string& user, const std::string& password) {
    const auto port_number = static_cast<unsigned>(std::strtoll(port.c_str(), nullptr, 10));
    tamo::database::SetConnectionTimeouts(mysql, wait_bound_);
    if (!mysql_real_connect(mysql, host.c_str(), user.c_str(), password.c_str(), dbname.c_str(), port_number,
                            nullptr, connect_flags))
        return mysql_error(mysql);
    if (mysql_set_character_set(mysql, "utf8mb4") != 0) return mysql_error(mysql);
    return nullptr;
}

const char* XML_db_core::run_query(ResultSets& results, const char* text, std::size_t length) {
    if (mysql_real_query(mysql, text, static_cast<unsigned long>(length)) != 0) {
        return tamo::database::StatementErrorText(mysql);
    }
    results.clear();
    for (;;) {
        if (MYSQL_RES* result = mysql_store_result(mysql)) {
            read_result_set(results.append(), result);
            mysql_free_result(result);
        } else if (mysql_field_count(mysql) != 0) {
            return tamo::database::StatementErrorText(mysql);
        }
        // An error raised after the sets already read (a procedure that fails late) surfaces here.
        const int next = mysql_next_result(mysql);
        if (next > 0) return tamo::database::StatementErrorText(mysql);
        if (next < 0) return nullptr;
    }
}

void XML_db_core::read_result_set(ResultSet& set, MYSQL_RES* result) const {
    const unsigned field_count = mysql_num_fields(result);
    const auto rows = static_cast<std::size_t>(mysql_num_rows(result));
    const MYSQL_FIELD* fields = mysql_fetch_fields(result);
    std::vector<ResultSet::Column*> columns;
    columns.reserve(field_count);
    std::string key;
    for (unsigned i = 0; i < field_count; ++i) {
        const bool bare = keys_ == KeyStyle::bare_field || !fields[i].table || !*fields[i].table;
        key.clear();
        if (!bare) key.append(fields[i].table).append(1, '.');
        key.append(fields[i].name);
        ResultSet::Column& column = set.size_column(key, 0);
        column.reserve(rows);
        // Where keys meet (bare field names), the last field of that name fills the column.
        std::replace(columns.begin(), columns.end(), &column, static_cast<ResultSet::Column*>(nullptr));
        columns.push_back(&column);
    }
    for (std::size_t row = 0; row < rows; ++row) {
        MYSQL_ROW cells = mysql_fetch_row(result);
        if (!cells) break;
        for (unsigned i = 0; i < field_count; ++i) {
            if (!columns[i]) continue;
            if (cells[i]) columns[i]->emplace_back(cells[i]);
            else columns[i]->push_back(ResultSet::null_text);
        }
    }
    // Rows the library could not hand over read as NULL.
    for (ResultSet::Column* column : columns)
        if (column) column->resize(rows, ResultSet::null_text);
}

const char* XML_db_core::query(ResultSets& results, const std::string& text) {
    const char* error = nullptr;
    if (const std::optional<AnswerCache::Hit> kept = answers_.find(text, results)) {
        error = kept->error;
    } else {
        const auto started = std::chrono::steady_clock::now();
        ResultSets answered;
        error = run_query(answered, text.data(), text.size());
        // Every later statement would fail as well: the run ends here, saying why.
        if (error && tamo::database::IsConnectionLost(mysql_errno(mysql))) {
            const bool waited = std::chrono::steady_clock::now() - started >= std::chrono::seconds(wait_bound_);
            throw ExportError(tamo::database::LostConnectionText(waited, wait_bound_, error));
        }
        // A failure keeps the sets it answered before it (a refusal's status row), which the caller reads.
        answers_.keep(text, answered, error);
        if (!error || !answered.empty()) results = std::move(answered);
    }
    if (error && failed_statement_ends_run_) throw ExportError("query err");
    return error;
}

void XML_db_core::log_in(const std::string& user, const std::string& password) {
    // What the statements answer depends on the account: the answers of another login are forgotten, and the
    // login's own answer is never kept.
    answers_.clear();
    ResultSets results;
    if (!tamo::database::SetLoginVariables(mysql, user, password).empty()) throw ExportError("query err");
    const char* error = query(results, "call loginResult()");
    answers_.clear();
    if (error) throw ExportError("query err");
    if (!results.status_ok()) throw ExportError("login error");
}

std::string XML_db_core::quoted(const std::string& text) {
    std::string escaped(text.size() * 2 + 1, '\0');
    escaped.resize(mysql_real_escape_string(mysql, escaped.data(), text.data(), text.size()));
    return "'" + escaped + "'";
}

bool XML_db_core::is_number(const std::string& text) {
    std::size_t digits = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (digits == text.size()) return false;
    for (std::size_t i = digits; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9') return false;
    return true;
}

std::string XML_db_core::number(const std::string& text) { return is_number(text) ? text : "NULL"; }

void XML_db_core::require_id(const std::string& id) {
    if (!is_number(id)) throw ExportError("query err");
}

bool XML_db_core::is_reference(const std::string& id) { return id != ResultSet::null_text; }

ResultSets XML_db_core::read(const std::string& call, const char* statement_error, const char* status_error,
                             bool* status_ok) {
    ResultSets results;
    if (query(results, call)) throw ExportError(statement_error);
    const bool passed = results.status_ok();
    if (status_error && !passed) throw ExportError(status_error);
    if (status_ok) *status_ok = passed;
    return results;
}

std::string XML_db_core::method_code(const std::string& stored) {
    // Read as "%d" reads it: a text that is no number counts as 0, a negative one wraps around.
    const auto code = static_cast<unsigned>(std::strtoll(stored.c_str(), nullptr, 10));
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", code);
    return text;
}

std::u16string XML_db_core::to_xml(std::string_view text) {
    // Most names and values are ASCII, which widens unit by unit; other texts go through the transcoder.
    if (std::all_of(text.begin(), text.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; }))
        return std::u16string(text.begin(), text.end());
    std::u16string converted(4 * text.size() + 1, u'\0');
    std::vector<unsigned char> sizes(converted.size());
    const auto* bytes = reinterpret_cast<const XMLByte*>(text.data());
    XMLSize_t eaten_total = 0;
    XMLSize_t written = 0;
    try {
        while (eaten_total < text.size()) {
            XMLSize_t eaten = 0;
            written += transcoder->transcodeFrom(bytes + eaten_total, text.size() - eaten_total,
                                                 converted.data() + written, converted.size() - 1 - written,
                                                 eaten, sizes.data());
            if (eaten == 0) throw ExportError("text is not UTF-8: " + std::string(text));
            eaten_total += eaten;
        }
    } catch (const XMLException& error) {
        throw ExportError(utf8_of(error.getMessage()));
    }
    converted.resize(written);
    return converted;
}

Document XML_db_core::create_document(std::string_view root_name) {
    try {
        Document document(dom_ls->createDocument(nullptr, to_xml(root_name).c_str(), nullptr));
        // The exports build their trees from fixed names, child below parent; the library's checks of every
        // insertion (a walk over all ancestors) cost more than the rest of building the document.
        document->setStrictErrorChecking(false);
        return document;
    } catch (const DOMException& error) {
        throw ExportError(utf8_of(error.getMessage()));
    }
}

DOMElement* XML_db_core::new_element(DOMDocument* document, std::string_view name) {
    try {
        return document->createElement(to_xml(name).c_str());
    } catch (const DOMException& error) {
        throw ExportError(utf8_of(error.getMessage()));
    }
}

DOMElement* XML_db_core::create_element(DOMElement* parent, std::string_view name) {
    if (!ahead_) return new_element(parent->getOwnerDocument(), name);
    DOMElement* element = new_element(ahead_->document_for_row(parent), name);
    ahead_->made(element, parent);
    return element;
}

void XML_db_core::append(DOMElement* parent, DOMNode* child) {
    // A row is finished when it is appended: its text, at the level it will stand at, takes its place.
    link(parent, ahead_ ? ahead_->finish(parent, child) : child);
}

void XML_db_core::link(DOMElement* parent, DOMNode* child) {
    // Links the child as the library's fast append does (the path its parser builds documents on), without
    // the dynamic casts across the implementation's bases by which that finds the parts of each node: they
    // took a third of an export's time. The exports append only elements and texts that the parent's
    // document made and that have no parent yet; anything else takes the library's own path.
    if (!is_element_or_text(child)) {
        parent->appendChild(child);
        return;
    }
    DOMParentNode& children = static_cast<DOMElementImpl*>(parent)->fParent;
    DOMNodeImpl& node = node_part(child);
    DOMChildNode& links = child_part(child);
    node.fOwnerNode = parent;
    node.isOwned(true);
    if (!children.fFirstChild) {
        children.fFirstChild = child;
        node.isFirstChild(true);
        links.previousSibling = child;  // the first child's previous sibling is the last child
        return;
    }
    DOMChildNode& first = child_part(children.fFirstChild);
    DOMNode* last = first.previousSibling;
    child_part(last).nextSibling = child;
    links.previousSibling = last;
    first.previousSibling = child;
}

DOMElement* XML_db_core::add_element(DOMElement* parent, std::string_view name) {
    DOMElement* element = new_element(parent->getOwnerDocument(), name);
    if (ahead_) ahead_->counted(parent);
    link(parent, element);
    return element;
}

DOMElement* XML_db_core::add_text_element(DOMElement* parent, std::string_view name, std::string_view value) {
    DOMElement* element = new_element(parent->getOwnerDocument(), name);
    if (ahead_) ahead_->counted(parent);
    link(element, parent->getOwnerDocument()->createTextNode(to_xml(value).c_str()));
    link(parent, element);
    return element;
}

std::string XML_db_core::serialize_document(const DOMDocument* document) {
    if (std::optional<std::string> text = PrettyWriter::write(document)) return std::move(*text);
    return serialize_with_library(document);
}

std::string XML_db_core::serialize_with_library(const DOMDocument* document) {
    auto* ls = static_cast<DOMImplementationLS*>(DOMImplementationRegistry::getDOMImplementation(u"LS"));
    std::unique_ptr<DOMLSSerializer, Release<DOMLSSerializer>> serializer(ls->createLSSerializer());
    FirstError errors;
    DOMConfiguration* config = serializer->getDomConfig();
    config->setParameter(XMLUni::fgDOMWRTFormatPrettyPrint, true);
    config->setParameter(XMLUni::fgDOMErrorHandler, static_cast<DOMErrorHandler*>(&errors));
    MemBufFormatTarget target;
    std::unique_ptr<DOMLSOutput, Release<DOMLSOutput>> output(ls->createLSOutput());
    output->setByteStream(&target);
    bool written = false;
    try {
        written = serializer->write(document, output.get());
    } catch (const XMLException& error) {
        errors.message = utf8_of(error.getMessage());
    } catch (const DOMException& error) {
        errors.message = utf8_of(error.getMessage());
    }
    if (!written) throw ExportError(errors.message.empty() ? "the document could not be written" : errors.message);
    return std::string(reinterpret_cast<const char*>(target.getRawBuffer()), target.getLen());
}

void XML_db_core::build_and_save(std::string_view root_name, const std::string& path,
                                 const std::function<void(DOMElement* root)>& build) {
    struct Forget {
        std::unique_ptr<RowsAhead>& ahead;
        ~Forget() { ahead.reset(); }
    };
    for (const bool ahead : {true, false}) {
        Document document = create_document(root_name);
        const Forget forget{ahead_};
        if (ahead) ahead_ = std::make_unique<RowsAhead>(dom_ls, document.get());
        try {
            build(document->getDocumentElement());
        } catch (const RowsAhead::Declined&) {
            continue;
        }
        // A text the library lays out its own way cannot stand beside rows written ahead: built again whole.
        if (ahead && !PrettyWriter::accepts(document.get())) continue;
        save_document(document.get(), path);
        return;
    }
}

void XML_db_core::save_document(const DOMDocument* document, const std::string& path) {
    PrettyWriter::Rows* rows = ahead_ ? &ahead_->texts() : nullptr;
    write_file_replacing(path, [rows, document, &path](const Put& put, const Restart& restart) {
        if (PrettyWriter::write(document, put, rows)) return;
        // Declined: the library's serializer writes the document instead, from the start.
        restart();
        try {
            put(serialize_with_library(document));
        } catch (const ExportError& error) {
            throw ExportError("failed to save " + path + ": " + error.what());
        }
    });
}

}  // namespace tamo::exporters
