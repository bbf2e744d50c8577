#include "CrtCompat.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/time.h>

#include "FormatText.h"

using tamo::platform::FormatToString;

int _vsnprintf(char* buffer, size_t count, const char* format, va_list args) {
    const std::string text = FormatToString(format, args);
    if (text.size() > count) {
        std::memcpy(buffer, text.data(), count);
        return -1;
    }
    std::memcpy(buffer, text.data(), text.size());
    if (text.size() < count) buffer[text.size()] = '\0';
    return static_cast<int>(text.size());
}

int _snprintf(char* buffer, size_t count, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int length = _vsnprintf(buffer, count, format, args);
    va_end(args);
    return length;
}

int _vsnprintf_s(char* buffer, size_t sizeOfBuffer, size_t count, const char* format, va_list args) {
    if (!buffer || sizeOfBuffer == 0) return -1;
    const std::string text = FormatToString(format, args);
    const size_t room = sizeOfBuffer - 1;
    if (count != _TRUNCATE && count > room && text.size() > room) {
        // Windows treats a count that the buffer cannot hold as an invalid argument.
        buffer[0] = '\0';
        return -1;
    }
    const size_t limit = count == _TRUNCATE ? room : std::min(count, room);
    const size_t written = std::min(text.size(), limit);
    std::memcpy(buffer, text.data(), written);
    buffer[written] = '\0';
    return text.size() > limit ? -1 : static_cast<int>(written);
}

int _snprintf_s(char* buffer, size_t sizeOfBuffer, size_t count, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int length = _vsnprintf_s(buffer, sizeOfBuffer, count, format, args);
    va_end(args);
    return length;
}

int vsprintf_s(char* buffer, size_t sizeOfBuffer, const char* format, va_list args) {
    if (!buffer || sizeOfBuffer == 0) return -1;
    const std::string text = FormatToString(format, args);
    if (text.size() >= sizeOfBuffer) {
        buffer[0] = '\0';
        return -1;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return static_cast<int>(text.size());
}

int sprintf_s(char* buffer, size_t sizeOfBuffer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int length = vsprintf_s(buffer, sizeOfBuffer, format, args);
    va_end(args);
    return length;
}

void GetLocalTime(LPSYSTEMTIME time) {
    timeval now{};
    gettimeofday(&now, nullptr);
    std::tm local{};
    localtime_r(&now.tv_sec, &local);
    time->wYear = static_cast<WORD>(local.tm_year + 1900);
    time->wMonth = static_cast<WORD>(local.tm_mon + 1);
    time->wDayOfWeek = static_cast<WORD>(local.tm_wday);
    time->wDay = static_cast<WORD>(local.tm_mday);
    time->wHour = static_cast<WORD>(local.tm_hour);
    time->wMinute = static_cast<WORD>(local.tm_min);
    time->wSecond = static_cast<WORD>(local.tm_sec);
    time->wMilliseconds = static_cast<WORD>(now.tv_usec / 1000);
}
