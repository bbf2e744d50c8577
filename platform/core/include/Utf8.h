#pragma once

#include <cstddef>
#include <string_view>

namespace tamo::platform {

// The length of the longest start of `text` that has at most `maxBytes` bytes and ends at a character
// boundary: byte limits never split a UTF-8 character.
std::size_t Utf8PrefixLength(std::string_view text, std::size_t maxBytes);

}  // namespace tamo::platform
