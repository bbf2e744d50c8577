#pragma once

// The naming rules of the component and class dialogs, without windows.

#include <string>

// "proxy" and "stub", in any letter case, are the kind words of the tree and no component's name.
bool IsReservedComponentName(const std::string& name);

// The class name offered for an interface: "class_" and the interface name without any leading or trailing
// "_", "i" and "f" (nav_if gives class_nav, info_if gives class_nfo).
std::string DefaultClassName(const std::string& interfaceName);

// The object name offered for a new class of the kind: "object_proxy_" for "proxy", else "object_stub_".
std::string DefaultObjectNamePrefix(const std::string& kind);

// The text without leading and trailing blanks, tabs, carriage returns and line feeds.
std::string TrimBlanks(const std::string& text);

// The line that the class dialog lists for a class it has entered: " - " interface " : " class " : " object.
std::string EnteredObjectLine(const std::string& interfaceName, const std::string& className,
                              const std::string& objectName);
