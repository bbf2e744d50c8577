#include "StubObjectId.h"

#include <charconv>

std::optional<int> parse_stub_object_id(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || at != end) return std::nullopt;
    return value;
}
