#include "ComponentNameRules.h"

#include "CString.h"

namespace {

std::string TrimChars(const std::string& text, LPCTSTR chars) {
    CString trimmed(text.c_str());
    trimmed.Trim(chars);
    return trimmed.str();
}

}  // namespace

bool IsReservedComponentName(const std::string& name) {
    const CString text(name.c_str());
    return text.CompareNoCase("proxy") == 0 || text.CompareNoCase("stub") == 0;
}

std::string DefaultClassName(const std::string& interfaceName) { return "class_" + TrimChars(interfaceName, "_if"); }

std::string DefaultObjectNamePrefix(const std::string& kind) {
    return kind == "proxy" ? "object_proxy_" : "object_stub_";
}

std::string TrimBlanks(const std::string& text) { return TrimChars(text, " \t\r\n"); }

std::string EnteredObjectLine(const std::string& interfaceName, const std::string& className,
                              const std::string& objectName) {
    return " - " + interfaceName + " : " + className + " : " + objectName;
}
