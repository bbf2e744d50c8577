#pragma once

// printf-style formatting into a std::string of any length. Returns the length of the text.

#include <string>

int FormatStdString(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
