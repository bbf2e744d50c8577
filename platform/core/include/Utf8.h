#pragma once

#include <cstddef>
#include <string_view>

namespace tamo::platform {

// The length of the longest start of `text` that has at most `maxBytes` bytes and ends at a character
// boundary: byte limits never split a UTF-8 character.
std::size_t Utf8PrefixLength(std::string_view text, std::size_t maxBytes);

// The length of `text` as the editor's original code page (EUC-KR) counted it: 1 for every ASCII character,
// 2 for every other character. Widths that are computed from a name's length use it, so that Korean names
// keep the proportions of the drawings.
std::size_t CodePageLength(std::string_view text);

}  // namespace tamo::platform
