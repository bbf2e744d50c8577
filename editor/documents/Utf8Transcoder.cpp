#include "Utf8Transcoder.h"

namespace tamo::documents {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }
bool IsSurrogate(char32_t ch) { return ch >= 0xD800 && ch <= 0xDFFF; }

// Decodes the character at `text[at]` and advances `at` past it; an invalid sequence yields U+FFFD and
// advances by one byte.
char32_t DecodeUtf8(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 0;
    char32_t ch = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, ch = lead & 0x1F, lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, ch = lead & 0x0F, lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, ch = lead & 0x07, lowest = 0x10000;
    } else {
        ++at;
        return kReplacement;
    }
    if (text.size() - at < length) {
        ++at;
        return kReplacement;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if (!IsContinuation(byte)) {
            ++at;
            return kReplacement;
        }
        ch = (ch << 6) | (byte & 0x3F);
    }
    if (ch < lowest || ch > 0x10FFFF || IsSurrogate(ch)) {
        ++at;
        return kReplacement;
    }
    at += length;
    return ch;
}

void AppendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else if (ch < 0x10000) {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (ch >> 18));
        out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

}  // namespace

std::u16string Utf8Transcoder::ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const char32_t ch = DecodeUtf8(text, at);
        if (ch < 0x10000) {
            out += static_cast<char16_t>(ch);
        } else {
            out += static_cast<char16_t>(0xD800 + ((ch - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((ch - 0x10000) & 0x3FF));
        }
    }
    return out;
}

std::string Utf8Transcoder::ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (std::size_t at = 0; at < text.size(); ++at) {
        char32_t ch = text[at];
        if (ch >= 0xD800 && ch <= 0xDBFF && at + 1 < text.size() && text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF) {
            ch = 0x10000 + ((ch - 0xD800) << 10) + (text[at + 1] - 0xDC00);
            ++at;
        } else if (IsSurrogate(ch)) {
            ch = kReplacement;
        }
        AppendUtf8(out, ch);
    }
    return out;
}

std::string Utf8Transcoder::ToUtf8(const char16_t* text) {
    return text ? ToUtf8(std::u16string_view(text)) : std::string();
}

}  // namespace tamo::documents
