#pragma once

// The C runtime functions of the Windows library that the editor calls, with their Windows semantics.

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <strings.h>

#include "WinDef.h"

#define _TRUNCATE ((size_t)-1)

// Writes at most `count` bytes. Returns the length when the text fits; when it does not, writes the first
// `count` bytes without a terminator and returns -1. A text of exactly `count` bytes gets no terminator.
int _vsnprintf(char* buffer, size_t count, const char* format, va_list args);
int _snprintf(char* buffer, size_t count, const char* format, ...) __attribute__((format(printf, 3, 4)));

// Always terminates. With count _TRUNCATE it writes what fits into the buffer; otherwise at most `count`
// bytes. Returns the length, or -1 when the text was cut.
int _vsnprintf_s(char* buffer, size_t sizeOfBuffer, size_t count, const char* format, va_list args);
int _snprintf_s(char* buffer, size_t sizeOfBuffer, size_t count, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

// Terminates always; an empty buffer and -1 when the text does not fit.
int vsprintf_s(char* buffer, size_t sizeOfBuffer, const char* format, va_list args);
int sprintf_s(char* buffer, size_t sizeOfBuffer, const char* format, ...) __attribute__((format(printf, 3, 4)));
template <size_t N>
int sprintf_s(char (&buffer)[N], const char* format, ...) __attribute__((format(printf, 2, 3)));
template <size_t N>
int sprintf_s(char (&buffer)[N], const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int length = vsprintf_s(buffer, N, format, args);
    va_end(args);
    return length;
}

// The editor scans only numbers ("%d", "%x"), which take no buffer sizes, so the secure form is the plain one.
#define sscanf_s sscanf

inline int _stricmp(const char* a, const char* b) { return strcasecmp(a, b); }
inline int _strnicmp(const char* a, const char* b, size_t count) { return strncasecmp(a, b, count); }

void GetLocalTime(LPSYSTEMTIME time);
