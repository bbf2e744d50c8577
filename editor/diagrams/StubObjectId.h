#pragma once

#include <optional>
#include <string_view>

// An object id as a custom entry keeps it (as text): a decimal number, or nothing when the text is empty (an
// id not set) or anything else. Calls that take the id as a number are sent only for a number.
std::optional<int> parse_stub_object_id(std::string_view text);
