#include "Utf8.h"

namespace tamo::platform {

namespace {
bool IsContinuationByte(unsigned char byte) { return (byte & 0xC0) == 0x80; }
}  // namespace

std::size_t Utf8PrefixLength(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) return text.size();
    std::size_t length = maxBytes;
    // Step back over the continuation bytes of a character that the limit would cut.
    while (length > 0 && IsContinuationByte(static_cast<unsigned char>(text[length]))) --length;
    return length;
}

std::size_t CodePageLength(std::string_view text) {
    std::size_t length = 0;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80)
            length += 1;
        else if (!IsContinuationByte(byte))
            length += 2;
    }
    return length;
}

}  // namespace tamo::platform
