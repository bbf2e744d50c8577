#pragma once

// CString: the editor's text type. It holds UTF-8 bytes; lengths, positions and comparisons count bytes, as
// the frame library's multi-byte string does. It converts to `const char*` (LPCTSTR) wherever C text is
// expected, so it can be handed to printf-style functions only through that conversion; Format and
// AppendFormat do the conversion themselves for CString and std::string arguments.

#include <cstdarg>
#include <string>
#include <string_view>
#include <type_traits>

#include "WinDef.h"

class CString;

namespace tamo_platform_detail {
// Turns one Format argument into what printf expects: texts into `const char*`, everything else unchanged.
template <typename T>
decltype(auto) FormatArgument(const T& value);
}  // namespace tamo_platform_detail

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(const char* text, int length) : m_text(text ? text : "", text && length > 0 ? length : 0) {}
    CString(char ch, int repeat = 1) : m_text(repeat > 0 ? repeat : 0, ch) {}
    CString(const std::string& text) : m_text(text) {}
    CString(std::string&& text) noexcept : m_text(std::move(text)) {}
    CString(std::string_view text) : m_text(text) {}

    // A new text rather than an assignment into the old one: GCC 12 warns (-Wrestrict) wrongly where a short
    // literal is assigned into a std::string after inlining.
    CString& operator=(const char* text) { return m_text = std::string(text ? text : ""), *this; }
    CString& operator=(const std::string& text) { return m_text = text, *this; }
    CString& operator=(char ch) { return m_text.assign(1, ch), *this; }

    // The text as C text; valid until the string changes.
    operator LPCTSTR() const noexcept { return m_text.c_str(); }
    LPCTSTR GetString() const noexcept { return m_text.c_str(); }
    const std::string& str() const noexcept { return m_text; }

    int GetLength() const noexcept { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const noexcept { return m_text.empty(); }
    void Empty() noexcept { m_text.clear(); }
    char GetAt(int index) const { return m_text.at(index); }
    void SetAt(int index, char ch) { m_text.at(index) = ch; }
    char operator[](int index) const { return m_text.at(index); }

    // A writable buffer of at least minLength bytes plus a terminator; ReleaseBuffer ends the writing and
    // takes the length from the terminator (-1) or from the argument.
    LPTSTR GetBuffer(int minLength = 0);
    LPTSTR GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

    template <typename... Args>
    void Format(LPCTSTR format, const Args&... args) {
        FormatText(format, tamo_platform_detail::FormatArgument(args)...);
    }
    template <typename... Args>
    void AppendFormat(LPCTSTR format, const Args&... args) {
        AppendFormatText(format, tamo_platform_detail::FormatArgument(args)...);
    }
    void FormatV(LPCTSTR format, va_list args);
    void AppendFormatV(LPCTSTR format, va_list args);

    // Loads the text of a string-table entry; FALSE (and the text unchanged) when there is none.
    BOOL LoadString(UINT id);

    // Positions are byte offsets; -1 when nothing is found or the start is out of range.
    int Find(char ch, int start = 0) const noexcept;
    int Find(LPCTSTR sub, int start = 0) const noexcept;
    int ReverseFind(char ch) const noexcept;
    int FindOneOf(LPCTSTR chars) const noexcept;

    int Replace(char oldCh, char newCh);
    int Replace(LPCTSTR oldText, LPCTSTR newText);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, LPCTSTR text);
    int Delete(int index, int count = 1);

    // Out-of-range arguments are clamped as the frame library clamps them.
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString SpanIncluding(LPCTSTR chars) const;
    CString SpanExcluding(LPCTSTR chars) const;

    // Without arguments these remove white space; with a set, every byte of the set.
    CString& Trim();
    CString& Trim(char ch);
    CString& Trim(LPCTSTR chars);
    CString& TrimLeft();
    CString& TrimLeft(char ch);
    CString& TrimLeft(LPCTSTR chars);
    CString& TrimRight();
    CString& TrimRight(char ch);
    CString& TrimRight(LPCTSTR chars);

    // The next token after `start`, skipping leading delimiters; at the end it returns an empty text and
    // sets `start` to -1.
    CString Tokenize(LPCTSTR delimiters, int& start) const;

    // Byte-wise comparisons (strcmp order); the case-insensitive one folds ASCII letters only.
    int Compare(LPCTSTR other) const noexcept;
    int CompareNoCase(LPCTSTR other) const noexcept;
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    CString& operator+=(const CString& text) { return m_text += text.m_text, *this; }
    CString& operator+=(LPCTSTR text) { return m_text += text ? text : "", *this; }
    CString& operator+=(const std::string& text) { return m_text += text, *this; }
    CString& operator+=(char ch) { return m_text += ch, *this; }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_text + b.m_text); }
    friend CString operator+(const CString& a, LPCTSTR b) {
        CString r(a);
        return r += b;
    }
    friend CString operator+(LPCTSTR a, const CString& b) {
        CString r(a);
        return r += b;
    }
    friend CString operator+(const CString& a, char b) {
        CString r(a);
        return r += b;
    }
    friend CString operator+(char a, const CString& b) {
        CString r(a);
        return r += b;
    }

    friend bool operator==(const CString& a, const CString& b) noexcept { return a.Compare(b) == 0; }
    friend bool operator==(const CString& a, LPCTSTR b) noexcept { return a.Compare(b) == 0; }
    friend bool operator==(LPCTSTR a, const CString& b) noexcept { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) noexcept { return a.Compare(b) != 0; }
    friend bool operator!=(const CString& a, LPCTSTR b) noexcept { return a.Compare(b) != 0; }
    friend bool operator!=(LPCTSTR a, const CString& b) noexcept { return b.Compare(a) != 0; }
    friend bool operator<(const CString& a, const CString& b) noexcept { return a.Compare(b) < 0; }
    friend bool operator<(const CString& a, LPCTSTR b) noexcept { return a.Compare(b) < 0; }
    friend bool operator<(LPCTSTR a, const CString& b) noexcept { return b.Compare(a) > 0; }
    friend bool operator>(const CString& a, const CString& b) noexcept { return a.Compare(b) > 0; }
    friend bool operator>(const CString& a, LPCTSTR b) noexcept { return a.Compare(b) > 0; }
    friend bool operator>(LPCTSTR a, const CString& b) noexcept { return b.Compare(a) < 0; }
    friend bool operator<=(const CString& a, const CString& b) noexcept { return a.Compare(b) <= 0; }
    friend bool operator<=(const CString& a, LPCTSTR b) noexcept { return a.Compare(b) <= 0; }
    friend bool operator<=(LPCTSTR a, const CString& b) noexcept { return b.Compare(a) >= 0; }
    friend bool operator>=(const CString& a, const CString& b) noexcept { return a.Compare(b) >= 0; }
    friend bool operator>=(const CString& a, LPCTSTR b) noexcept { return a.Compare(b) >= 0; }
    friend bool operator>=(LPCTSTR a, const CString& b) noexcept { return b.Compare(a) <= 0; }

private:
    void FormatText(LPCTSTR format, ...);
    void AppendFormatText(LPCTSTR format, ...);

    std::string m_text;
};

namespace tamo_platform_detail {
template <typename T>
decltype(auto) FormatArgument(const T& value) {
    if constexpr (std::is_same_v<T, CString>) {
        return value.GetString();
    } else if constexpr (std::is_same_v<T, std::string>) {
        return value.c_str();
    } else {
        static_assert(!std::is_class_v<T>, "Format takes numbers, pointers, C texts, CString and std::string");
        return value;
    }
}
}  // namespace tamo_platform_detail
