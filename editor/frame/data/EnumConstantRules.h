#pragma once

// What an enumeration's constant may hold: the generated header writes its value as it stands into
// "const Type NAME = value;", so the value must be an integer literal that the enumeration's type can hold.
// The server refuses the same values with the same text.

#include <cstdint>
#include <optional>
#include <string>

// The largest value of an enumeration type ("enum8_t" 255 up to "enum64_t"); nothing for any other type.
std::optional<std::uint64_t> EnumTypeMaximum(const std::string& type);

// The number a constant's value stands for: decimal digits without a leading zero (a leading zero would make
// the literal octal), or "0x" (or "0X") and hexadecimal digits of either case; nothing for any other text, and
// for a number that needs more than 64 bits.
std::optional<std::uint64_t> EnumConstantNumber(const std::string& value);

// Empty when the value fits the enumeration's type (or the type is no enumeration); otherwise the refusal to
// show, which names the constant, the type and its range.
std::string EnumConstantRefusal(const std::string& type, const std::string& constantName, const std::string& value);
