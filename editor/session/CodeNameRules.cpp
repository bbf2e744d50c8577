#include "CodeNameRules.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

constexpr std::string_view kKeywords[] = {
    "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break", "case", "catch",
    "char", "char8_t", "char16_t", "char32_t", "class", "compl", "concept", "const", "consteval", "constexpr",
    "constinit", "const_cast", "continue", "co_await", "co_return", "co_yield", "decltype", "default", "delete",
    "do", "double", "dynamic_cast", "else", "enum", "explicit", "export", "extern", "false", "final", "float",
    "for", "friend", "goto", "if", "import", "inline", "int", "long", "module", "mutable", "namespace", "new",
    "noexcept", "not", "not_eq", "nullptr", "operator", "or", "or_eq", "override", "private", "protected",
    "public", "register", "reinterpret_cast", "requires", "return", "short", "signed", "sizeof", "static",
    "static_assert", "static_cast", "struct", "switch", "template", "this", "thread_local", "throw", "true", "try",
    "typedef", "typeid", "typename", "union", "unsigned", "using", "virtual", "void", "volatile", "wchar_t",
    "while", "xor", "xor_eq",
    // macros of the standard headers that the SDK includes
    "NULL", "offsetof", "SIZE_MAX", "PTRDIFF_MIN", "PTRDIFF_MAX", "SIG_ATOMIC_MIN", "SIG_ATOMIC_MAX",
    "WCHAR_MIN", "WCHAR_MAX", "WINT_MIN", "WINT_MAX"};

// The SDK's names in its name space Tamo and the names the generated headers declare or use unqualified in
// every name space of the design (the headers open every domain's name space to the global one).
constexpr std::string_view kSdkNames[] = {
    "Tamo", "std", "size_t", "tamo_sizeof", "c_standard_port",
    "int8_t", "int16_t", "int32_t", "int64_t", "u_int8_t", "u_int16_t", "u_int32_t", "u_int64_t", "char_t",
    "tamo_wchar_t", "ieee754_32_t", "ieee754_64_t", "ieee754_80_t", "ip_t", "port_t", "domain_t", "pksize_t",
    "second_t", "psecond_t", "packed_node_addr_t", "packed_client_addr_t", "packed_server_addr_t", "enum8_t",
    "enum16_t", "enum32_t", "enum64_t", "real", "template_history_elem", "template_history",
    "variable_array_field_dctrl_t", "tamo_err_t", "c_tamo_err_none", "c_tamo_err_not_implement",
    "struct_node_addr", "struct_server_addr", "struct_client_addr", "client_addr_t", "server_addr_t",
    "sender_sync_model_t", "letter_case_t", "return_object_t", "tamo_object", "tamo_proxy_object",
    "tamo_connecting_proxy", "tamo_connected_stub", "tamo_proxy_object_call", "tamo_object_call",
    "tamo_proxy_object_signal", "tamo_object_signal", "tamo_proxy_object_broadcast", "tamo_object_broadcast",
    "tamo_proxy_object_event", "tamo_object_event", "tamo_proxy_object_information", "tamo_object_information",
    "tamo_proxy_object_command", "tamo_object_command"};

// The members of the SDK's object bases that the generated method classes call, and the handlers they
// override (a method whose handler on_<name> is one of them replaces it).
constexpr std::string_view kSdkMembers[] = {
    "is_connected", "async_connect", "async_connect_return", "shutdown", "disconnect",
    "disconnect_all_client_object", "disconnect_one_client_node", "disconnect_one_client_object", "async_call",
    "async_return", "cancel", "signal", "broadcast", "event", "set_sync", "see_history", "set_history_size",
    "read", "set_sync_model", "get", "post", "write", "get_client_count"};
constexpr std::string_view kSdkHandlers[] = {
    "on_disconnected", "on_shutdown", "on_call", "on_call_cancel", "on_signal", "on_signal_cancel",
    "on_broadcast", "on_event", "on_connect", "on_sync"};

// The members the generator gives every structure.
constexpr std::string_view kStructMembers[] = {"get_sizeof", "dynamicsize", "dynamicbuffer",
                                                            "init_daynamic_buffer", "_maxDynamicSize"};

template <std::size_t N>
bool Holds(const std::string_view (&names)[N], const std::string& name) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

bool IsAsciiLetter(unsigned char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); }
bool IsAsciiDigit(unsigned char ch) { return ch >= '0' && ch <= '9'; }

// The ASCII part of the form: letters, digits, "_" and "$", not a digit first. Bytes beyond ASCII pass.
bool HasIdentifierForm(const std::string& name) {
    if (name.empty() || IsAsciiDigit(static_cast<unsigned char>(name.front()))) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        const auto ch = static_cast<unsigned char>(c);
        return ch >= 0x80 || IsAsciiLetter(ch) || IsAsciiDigit(ch) || ch == '_' || ch == '$';
    });
}

// U?INT(_LEAST|_FAST)?(8|16|32|64|MAX|PTR)_(MIN|MAX|C): the limit macros of <cstdint>.
bool IsIntegerLimitMacro(const std::string& name) {
    std::string_view rest = name;
    auto take = [&rest](std::string_view part) {
        if (rest.substr(0, part.size()) != part) return false;
        rest.remove_prefix(part.size());
        return true;
    };
    take("U");
    if (!take("INT")) return false;
    take("_LEAST") || take("_FAST");
    if (!(take("8") || take("16") || take("32") || take("64") || take("MAX") || take("PTR"))) return false;
    return rest == "_MIN" || rest == "_MAX" || rest == "_C";
}

bool IsReservedForCompiler(const std::string& name) {
    return name.size() >= 2 && name[0] == '_' && (name[1] == '_' || (name[1] >= 'A' && name[1] <= 'Z'));
}

bool UsedInScope(CodeNameScope scope, const std::string& name) {
    if (Holds(kSdkNames, name)) return true;
    if (scope == CodeNameScope::Method) {
        return Holds(kSdkMembers, name) || Holds(kSdkHandlers, name) || Holds(kSdkHandlers, "on_" + name);
    }
    return scope == CodeNameScope::Field && Holds(kStructMembers, name);
}

}  // namespace

std::string CodeNameRefusal(CodeNameScope scope, const std::string& name, const std::string& standingName) {
    if (!standingName.empty() && name == standingName) return {};
    return CodeNameRefusal(scope, name);
}

std::string CodeNameRefusal(CodeNameScope scope, const std::string& name) {
    if (!HasIdentifierForm(name)) {
        return name + " 는 코드의 이름이 될 수 없습니다: 이름에는 글자(한글 포함), 숫자, _ 와 $ 만 쓸 수 있고, "
                      "숫자로 시작할 수 없습니다.";
    }
    if (IsReservedForCompiler(name)) {
        return name + " 는 쓸 수 없습니다: __ 나 _ 와 대문자로 시작하는 이름은 C++ 컴파일러가 씁니다.";
    }
    if (Holds(kKeywords, name) || IsIntegerLimitMacro(name)) return name + " 는 C++ 예약어라서 이름으로 쓸 수 없습니다.";
    if (UsedInScope(scope, name)) {
        return name + " 는 생성되는 코드나 Tamo SDK가 그 범위에서 이미 쓰는 이름이라서 쓸 수 없습니다.";
    }
    if ((scope == CodeNameScope::Domain || scope == CodeNameScope::Class) && name.size() > kCodeFileNameBytes) {
        return "이름이 파일 이름이 되므로 " + std::to_string(kCodeFileNameBytes) + "바이트까지 쓸 수 있는데 " +
               std::to_string(name.size()) + "바이트입니다.";
    }
    return {};
}
