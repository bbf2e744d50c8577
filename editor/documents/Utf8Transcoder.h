#pragma once

// The one conversion between the editor's texts (UTF-8) and the DOM's texts (UTF-16). It is UTF-8 by
// definition and never asks the process locale, whose code page would break Hangul.

#include <string>
#include <string_view>

namespace tamo::documents {

class Utf8Transcoder {
public:
    // Bytes that are no valid UTF-8 (stray continuation bytes, overlong or cut sequences, surrogates, values
    // above U+10FFFF) each become U+FFFD, so every text converts.
    static std::u16string ToUtf16(std::string_view text);
    // A surrogate without its partner becomes U+FFFD.
    static std::string ToUtf8(std::u16string_view text);
    // A null text is empty.
    static std::string ToUtf8(const char16_t* text);
};

}  // namespace tamo::documents
