// The fuzz target of the document reader: any bytes go through the parser, and a document that parses goes
// through the domain list reader and the import's reading of method codes. Nothing may crash or trip the
// sanitizers.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "DomainListImport.h"
#include "DomainListReader.h"
#include "XmlDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using tamo::documents::XmlDocument;
    const auto parsed = XmlDocument::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    if (parsed.status != XmlDocument::LoadStatus::loaded) return 0;
    class_xmlimport_lists lists;
    ReadDomainList(*parsed.document, lists);
    static volatile unsigned codes = 0;
    for (const auto& method : lists.methods) codes = codes + ImportedMethodCode(method.code);
    return 0;
}
