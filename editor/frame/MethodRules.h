#pragma once

// The method tree's rules that need no window: which data each method type keyword carries,
// and the method code, which users type as hexadecimal digits while the method list keeps it as decimal text.

#include <string>

// Which data a method of the type carries: input, output or both. False (and both left alone) for a text that
// is no method type keyword; the comparison is exact.
bool GetMethodTypeData(const std::string& type, bool& hasInput, bool& hasOutput);

// A method code as typed: one to four hexadecimal digits, either case, nothing else. False for any other text.
bool ParseMethodCode(const std::string& text, unsigned& code);

// The decimal code text of the method list (read like "%d": 0 when it is no number) as upper-case hexadecimal
// digits without "0x": four at least, so 255 shows as "00FF".
std::string MethodCodeDigits(const std::string& decimalCode);
