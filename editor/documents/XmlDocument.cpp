#include "XmlDocument.h"

#include <xercesc/dom/DOM.hpp>
#include <xercesc/framework/MemBufFormatTarget.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/sax/ErrorHandler.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLUni.hpp>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "ReplaceFileContents.h"
#include "Utf8Transcoder.h"

namespace tamo::documents {

using namespace xercesc;

namespace {

// Entity references a document may expand in all; far above what a hand-written document needs, far below
// what a document built to exhaust memory needs.
constexpr XMLSize_t kEntityExpansionLimit = 1000;

// Xerces is initialised once per process, on first use, and terminated at exit.
class XercesLibrary {
public:
    XercesLibrary() { XMLPlatformUtils::Initialize(); }
    ~XercesLibrary() { XMLPlatformUtils::Terminate(); }
};

bool UseXerces() {
    try {
        static XercesLibrary library;
        return true;
    } catch (const XMLException&) {
        return false;
    }
}

std::u16string Xml(std::string_view text) { return Utf8Transcoder::ToUtf16(text); }

template <typename T>
struct Release {
    void operator()(T* object) const { object->release(); }
};

// Keeps the first problem the parser reports, with its place, and lets the parse end.
class FirstParseError : public ErrorHandler {
public:
    void warning(const SAXParseException&) override {}
    void error(const SAXParseException& problem) override { Keep(problem); }
    void fatalError(const SAXParseException& problem) override { Keep(problem); }
    void resetErrors() override {}

    bool found = false;
    std::string message;

private:
    void Keep(const SAXParseException& problem) {
        if (found) return;
        found = true;
        message = "줄 " + std::to_string(problem.getLineNumber()) + ", 열 " +
                  std::to_string(problem.getColumnNumber()) + ": " + Utf8Transcoder::ToUtf8(problem.getMessage());
    }
};

// Keeps the first problem the serializer reports.
class FirstWriteError : public DOMErrorHandler {
public:
    bool handleError(const DOMError& problem) override {
        if (message.empty()) message = Utf8Transcoder::ToUtf8(problem.getMessage());
        return false;
    }
    std::string message;
};

XmlDocument::LoadResult Failure(XmlDocument::LoadStatus status, std::string message) {
    XmlDocument::LoadResult result;
    result.status = status;
    result.message = std::move(message);
    return result;
}

}  // namespace

std::unique_ptr<XmlDocument> XmlDocument::Create() {
    if (!UseXerces()) return nullptr;
    try {
        DOMImplementation* dom = DOMImplementationRegistry::getDOMImplementation(u"LS");
        if (!dom) return nullptr;
        DOMDocument* document = dom->createDocument();
        // The builders append fixed names child below parent; the library's checks of every insertion walk all
        // ancestors and cost more than the building itself.
        document->setStrictErrorChecking(false);
        return std::unique_ptr<XmlDocument>(new XmlDocument(document));
    } catch (const OutOfMemoryException&) {
        return nullptr;
    } catch (const DOMException&) {
        return nullptr;
    }
}

XmlDocument::LoadResult XmlDocument::Load(const std::string& path) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return Failure(LoadStatus::cannot_read, path + ": " + std::strerror(errno));
    std::string bytes;
    char block[1 << 16];
    std::size_t read = 0;
    while ((read = std::fread(block, 1, sizeof block, file.get())) > 0) bytes.append(block, read);
    if (std::ferror(file.get())) return Failure(LoadStatus::cannot_read, path + ": " + std::strerror(errno));
    return Parse(bytes);
}

XmlDocument::LoadResult XmlDocument::Parse(std::string_view bytes) {
    if (!UseXerces()) return Failure(LoadStatus::does_not_parse, "XML 라이브러리를 시작하지 못했습니다");
    try {
        XercesDOMParser parser;
        parser.setValidationScheme(XercesDOMParser::Val_Never);
        parser.setDoNamespaces(false);
        parser.setDoSchema(false);
        parser.setLoadExternalDTD(false);
        parser.setSkipDTDValidation(true);
        parser.setDisableDefaultEntityResolution(true);
        parser.setCreateEntityReferenceNodes(false);
        parser.setCreateCommentNodes(false);
        SecurityManager security;
        security.setEntityExpansionLimit(kEntityExpansionLimit);
        parser.setSecurityManager(&security);
        FirstParseError errors;
        parser.setErrorHandler(&errors);

        MemBufInputSource source(reinterpret_cast<const XMLByte*>(bytes.data()), bytes.size(), "document", false);
        parser.parse(source);
        if (errors.found) return Failure(LoadStatus::does_not_parse, errors.message);
        if (parser.getErrorCount() != 0) return Failure(LoadStatus::does_not_parse, "XML 문서가 올바르지 않습니다");
        DOMDocument* document = parser.adoptDocument();
        if (!document) return Failure(LoadStatus::does_not_parse, "XML 문서가 올바르지 않습니다");
        LoadResult result;
        result.status = LoadStatus::loaded;
        result.document.reset(new XmlDocument(document));
        return result;
    } catch (const OutOfMemoryException&) {
        return Failure(LoadStatus::does_not_parse, "XML 문서가 너무 큽니다");
    } catch (const XMLException& problem) {
        return Failure(LoadStatus::does_not_parse, Utf8Transcoder::ToUtf8(problem.getMessage()));
    } catch (const SAXException& problem) {
        return Failure(LoadStatus::does_not_parse, Utf8Transcoder::ToUtf8(problem.getMessage()));
    } catch (const DOMException& problem) {
        return Failure(LoadStatus::does_not_parse, Utf8Transcoder::ToUtf8(problem.getMessage()));
    }
}

XmlDocument::~XmlDocument() { m_document->release(); }

XmlNode XmlDocument::CreateProcessingInstruction(std::string_view target, std::string_view data) {
    return XmlNode(m_document->createProcessingInstruction(Xml(target).c_str(), Xml(data).c_str()));
}

XmlNode XmlDocument::CreateElement(std::string_view name) {
    return XmlNode(m_document->createElement(Xml(name).c_str()));
}

XmlNode XmlDocument::AppendChild(XmlNode child) {
    if (child) m_document->appendChild(child.Get());
    return child;
}

XmlNode XmlDocument::DocumentElement() const { return XmlNode(m_document->getDocumentElement()); }

bool XmlDocument::Serialize(std::string& text, std::string& error) const {
    text.clear();
    try {
        auto* ls = static_cast<DOMImplementationLS*>(DOMImplementationRegistry::getDOMImplementation(u"LS"));
        std::unique_ptr<DOMLSSerializer, Release<DOMLSSerializer>> serializer(ls->createLSSerializer());
        FirstWriteError errors;
        DOMConfiguration* config = serializer->getDomConfig();
        config->setParameter(XMLUni::fgDOMWRTFormatPrettyPrint, true);
        config->setParameter(XMLUni::fgDOMXMLDeclaration, false);
        config->setParameter(XMLUni::fgDOMErrorHandler, static_cast<DOMErrorHandler*>(&errors));
        MemBufFormatTarget target;
        std::unique_ptr<DOMLSOutput, Release<DOMLSOutput>> output(ls->createLSOutput());
        output->setByteStream(&target);
        output->setEncoding(u"UTF-8");
        if (!serializer->write(m_document, output.get())) {
            error = errors.message.empty() ? "XML 문서를 쓰지 못했습니다" : errors.message;
            return false;
        }
        text.assign(reinterpret_cast<const char*>(target.getRawBuffer()), target.getLen());
        // The pretty printer breaks the line before every top-level node, the first one included.
        text.erase(0, text.find_first_not_of('\n'));
        return true;
    } catch (const OutOfMemoryException&) {
        error = "XML 문서가 너무 큽니다";
    } catch (const XMLException& problem) {
        error = Utf8Transcoder::ToUtf8(problem.getMessage());
    } catch (const DOMException& problem) {
        error = Utf8Transcoder::ToUtf8(problem.getMessage());
    }
    return false;
}

bool XmlDocument::Save(const std::string& path, std::string& error) const {
    std::string text;
    if (!Serialize(text, error)) return false;
    const FileWriteError failure = ReplaceFileContents(path, text);
    if (failure) error = path + ": " + failure.reason;
    return !failure;
}

}  // namespace tamo::documents
