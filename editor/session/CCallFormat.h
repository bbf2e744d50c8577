#pragma once

// The format of a stored-procedure call text, checked when the program is compiled.
//
// CMysqlQuery::FormatCall takes the format as a CCallFormat, so a call text such as
//     "call acountViewEditAcount('%s','%s','%s')"
// compiles only when its conversions and arguments agree:
//   - %d, %i, %u, %x, %X (optionally with flags, width, and the length l or ll) take an integer or an enum;
//   - %s takes a text (const char*, CString, std::string, std::string_view), is written exactly "%s" and
//     stands inside single quotes of the format ('%s', '%%%s%%', '%s/%%'), because the session escapes the
//     text for use between quotes;
//   - %% writes one percent sign; every other conversion, a missing or surplus argument, or an unbalanced
//     quote stops the compilation with an error that names a call_format_error_... function.
// The format must be a string literal (or another constant expression).

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

#include "CString.h"

namespace tamo_session_detail {

enum class CallArgumentKind { number, text };

template <typename T>
inline constexpr bool is_call_text_v =
    std::is_same_v<T, const char*> || std::is_same_v<T, char*> || std::is_same_v<T, CString> ||
    std::is_same_v<T, std::string> || std::is_same_v<T, std::string_view>;

template <typename T>
inline constexpr bool is_call_number_v = (std::is_integral_v<T> && !std::is_same_v<T, bool>) || std::is_enum_v<T>;

template <typename T>
consteval CallArgumentKind CallArgumentKindOf() {
    static_assert(is_call_text_v<T> || is_call_number_v<T>,
                  "a call text takes integers, enums and texts (const char*, CString, std::string) only");
    return is_call_text_v<T> ? CallArgumentKind::text : CallArgumentKind::number;
}

// Reached only while a format is checked at compile time: the call is not a constant expression, so the
// compiler stops and names the fault.
void call_format_error_more_conversions_than_arguments();
void call_format_error_more_arguments_than_conversions();
void call_format_error_unknown_conversion();
void call_format_error_text_argument_for_a_number_conversion();
void call_format_error_number_argument_for_s();
void call_format_error_s_outside_single_quotes();
void call_format_error_s_with_flags_width_or_length();
void call_format_error_unbalanced_single_quote();

consteval bool IsFlag(char c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }
consteval bool IsDigit(char c) { return c >= '0' && c <= '9'; }

consteval void CheckCallFormat(std::string_view format, const CallArgumentKind* kinds, std::size_t count) {
    std::size_t next = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '\'') {
            quoted = !quoted;
            continue;
        }
        if (format[i] != '%') continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < format.size() && IsFlag(format[j])) ++j;
        while (j < format.size() && IsDigit(format[j])) ++j;
        if (j < format.size() && format[j] == '.') {
            ++j;
            while (j < format.size() && IsDigit(format[j])) ++j;
        }
        if (j < format.size() && format[j] == 'l') ++j;
        if (j < format.size() && format[j] == 'l') ++j;
        const char conversion = j < format.size() ? format[j] : '\0';
        if (next >= count) call_format_error_more_conversions_than_arguments();
        const CallArgumentKind kind = kinds[next++];
        if (conversion == 's') {
            if (j != i + 1) call_format_error_s_with_flags_width_or_length();
            if (!quoted) call_format_error_s_outside_single_quotes();
            if (kind != CallArgumentKind::text) call_format_error_number_argument_for_s();
        } else if (conversion == 'd' || conversion == 'i' || conversion == 'u' || conversion == 'x' ||
                   conversion == 'X') {
            if (kind != CallArgumentKind::number) call_format_error_text_argument_for_a_number_conversion();
        } else {
            call_format_error_unknown_conversion();
        }
        i = j;
    }
    if (next != count) call_format_error_more_arguments_than_conversions();
    if (quoted) call_format_error_unbalanced_single_quote();
}

// One argument as the call text receives it: a text already escaped, or the bits of an integer.
struct CallArgument {
    CallArgumentKind kind = CallArgumentKind::number;
    unsigned long long bits = 0;
    std::string text;
};

// Writes the call text: the format with every conversion replaced by its argument, "%%" by "%".
CString ComposeCallText(std::string_view format, const CallArgument* arguments, std::size_t count);

}  // namespace tamo_session_detail

template <typename... Args>
class CCallFormat {
public:
    template <typename Text>
        requires std::is_convertible_v<const Text&, std::string_view>
    consteval CCallFormat(const Text& format) : m_format(format) {
        const tamo_session_detail::CallArgumentKind kinds[sizeof...(Args) + 1] = {
            tamo_session_detail::CallArgumentKindOf<Args>()..., tamo_session_detail::CallArgumentKind::number};
        tamo_session_detail::CheckCallFormat(m_format, kinds, sizeof...(Args));
    }

    std::string_view Get() const { return m_format; }

private:
    std::string_view m_format;
};
