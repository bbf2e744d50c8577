#include "CString.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "FormatText.h"
#include "ResourceTable.h"

using tamo::platform::FormatToString;

namespace {

bool IsSpace(char ch) { return std::isspace(static_cast<unsigned char>(ch)) != 0; }

bool InSet(LPCTSTR chars, char ch) { return ch != '\0' && std::strchr(chars, ch) != nullptr; }

}  // namespace

LPTSTR CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) m_text.resize(static_cast<size_t>(minLength), '\0');
    return m_text.data();
}

LPTSTR CString::GetBufferSetLength(int length) {
    m_text.resize(static_cast<size_t>(std::max(length, 0)), '\0');
    return m_text.data();
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0) newLength = static_cast<int>(std::strlen(m_text.c_str()));
    m_text.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}

void CString::FormatV(LPCTSTR format, va_list args) { m_text = FormatToString(format, args); }

void CString::AppendFormatV(LPCTSTR format, va_list args) { m_text += FormatToString(format, args); }

void CString::FormatText(LPCTSTR format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormatText(LPCTSTR format, ...) {
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

BOOL CString::LoadString(UINT id) {
    const CString* text = tamo::platform::ResourceTable::Instance().FindString(id);
    if (!text) return FALSE;
    *this = *text;
    return TRUE;
}

int CString::Find(char ch, int start) const noexcept {
    if (start < 0 || start >= GetLength()) return -1;
    const auto at = m_text.find(ch, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCTSTR sub, int start) const noexcept {
    if (!sub || start < 0 || start > GetLength()) return -1;
    const auto at = m_text.find(sub, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const noexcept {
    const auto at = m_text.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(LPCTSTR chars) const noexcept {
    if (!chars) return -1;
    const auto at = m_text.find_first_of(chars);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(char oldCh, char newCh) {
    int count = 0;
    for (char& ch : m_text)
        if (ch == oldCh) ch = newCh, ++count;
    return count;
}

int CString::Replace(LPCTSTR oldText, LPCTSTR newText) {
    if (!oldText || !*oldText) return 0;
    const std::string from(oldText), to(newText ? newText : "");
    std::string result;
    int count = 0;
    size_t pos = 0;
    for (size_t at; (at = m_text.find(from, pos)) != std::string::npos; pos = at + from.size(), ++count)
        result.append(m_text, pos, at - pos).append(to);
    if (count == 0) return 0;
    result.append(m_text, pos, std::string::npos);
    m_text = std::move(result);
    return count;
}

int CString::Remove(char ch) {
    const auto before = m_text.size();
    m_text.erase(std::remove(m_text.begin(), m_text.end(), ch), m_text.end());
    return static_cast<int>(before - m_text.size());
}

int CString::Insert(int index, char ch) { return Insert(index, std::string(1, ch).c_str()); }

int CString::Insert(int index, LPCTSTR text) {
    index = std::clamp(index, 0, GetLength());
    if (text) m_text.insert(static_cast<size_t>(index), text);
    return GetLength();
}

int CString::Delete(int index, int count) {
    index = std::max(index, 0);
    if (count > 0 && index < GetLength()) m_text.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    first = std::max(first, 0);
    count = std::max(count, 0);
    if (first >= GetLength()) return CString();
    count = std::min(count, GetLength() - first);
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Right(int count) const {
    count = std::clamp(count, 0, GetLength());
    return Mid(GetLength() - count, count);
}

CString CString::SpanIncluding(LPCTSTR chars) const {
    return Left(static_cast<int>(std::strspn(m_text.c_str(), chars ? chars : "")));
}

CString CString::SpanExcluding(LPCTSTR chars) const {
    return Left(static_cast<int>(std::strcspn(m_text.c_str(), chars ? chars : "")));
}

CString& CString::Trim() { return TrimRight(), TrimLeft(); }
CString& CString::Trim(char ch) { return TrimRight(ch), TrimLeft(ch); }
CString& CString::Trim(LPCTSTR chars) { return TrimRight(chars), TrimLeft(chars); }

CString& CString::TrimLeft() {
    const auto first = std::find_if_not(m_text.begin(), m_text.end(), IsSpace);
    m_text.erase(m_text.begin(), first);
    return *this;
}

CString& CString::TrimLeft(char ch) {
    const char set[2] = {ch, '\0'};
    return TrimLeft(set);
}

CString& CString::TrimLeft(LPCTSTR chars) {
    if (!chars) return *this;
    const auto first = std::find_if_not(m_text.begin(), m_text.end(), [chars](char ch) { return InSet(chars, ch); });
    m_text.erase(m_text.begin(), first);
    return *this;
}

CString& CString::TrimRight() {
    while (!m_text.empty() && IsSpace(m_text.back())) m_text.pop_back();
    return *this;
}

CString& CString::TrimRight(char ch) {
    const char set[2] = {ch, '\0'};
    return TrimRight(set);
}

CString& CString::TrimRight(LPCTSTR chars) {
    if (!chars) return *this;
    while (!m_text.empty() && InSet(chars, m_text.back())) m_text.pop_back();
    return *this;
}

CString CString::Tokenize(LPCTSTR delimiters, int& start) const {
    if (start >= 0 && start < GetLength()) {
        if (!delimiters || !*delimiters) {
            // Without delimiters the rest is one token, and the scan ends with it.
            CString rest = Mid(start);
            start = GetLength() + 1;
            return rest;
        }
        const char* place = m_text.c_str() + start;
        const int skipped = static_cast<int>(std::strspn(place, delimiters));
        if (start + skipped < GetLength()) {
            const int from = start + skipped;
            const int length = static_cast<int>(std::strcspn(m_text.c_str() + from, delimiters));
            start = from + length + 1;
            return Mid(from, length);
        }
    }
    start = -1;
    return CString();
}

int CString::Compare(LPCTSTR other) const noexcept { return std::strcmp(m_text.c_str(), other ? other : ""); }

int CString::CompareNoCase(LPCTSTR other) const noexcept {
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_text.c_str());
    const unsigned char* b = reinterpret_cast<const unsigned char*>(other ? other : "");
    for (;; ++a, ++b) {
        const int ca = (*a < 0x80) ? std::tolower(*a) : *a;
        const int cb = (*b < 0x80) ? std::tolower(*b) : *b;
        if (ca != cb || ca == 0) return ca - cb;
    }
}

CString& CString::MakeUpper() {
    for (char& ch : m_text)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return *this;
}

CString& CString::MakeLower() {
    for (char& ch : m_text)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return *this;
}

CString& CString::MakeReverse() {
    std::reverse(m_text.begin(), m_text.end());
    return *this;
}
