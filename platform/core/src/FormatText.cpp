#include "FormatText.h"

#include <cstdio>

namespace tamo::platform {

std::string FormatToString(const char* format, va_list args) {
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0) return std::string();
    std::string text(static_cast<size_t>(length), '\0');
    va_list write;
    va_copy(write, args);
    std::vsnprintf(text.data(), text.size() + 1, format, write);
    va_end(write);
    return text;
}

}  // namespace tamo::platform
