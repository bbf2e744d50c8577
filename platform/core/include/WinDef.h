#pragma once

// The scalar types, handles and plain structs of the Windows API that the editor is written against.
// Message parameters and item data carry pointers, so WPARAM, LPARAM, LRESULT and the *_PTR types are
// 64 bits wide here.

#include <cstdint>

typedef int BOOL;
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef short SHORT;
typedef unsigned short USHORT;
typedef std::uint32_t DWORD;
typedef int INT;
typedef unsigned int UINT;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;
typedef std::int64_t LONGLONG;
typedef std::uint64_t ULONGLONG;

typedef std::intptr_t INT_PTR;
typedef std::uintptr_t UINT_PTR;
typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t ULONG_PTR;
typedef ULONG_PTR DWORD_PTR;

typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

typedef char CHAR;
typedef char TCHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef char* LPTSTR;
typedef const char* LPCTSTR;
typedef int* LPINT;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef DWORD COLORREF;

// Calling-convention and annotation words of the Windows headers; they mean nothing here.
#define PASCAL
#define CALLBACK
#define WINAPI
#define afx_msg

#ifndef _T
#define _T(text) text
#endif
#ifndef _TEXT
#define _TEXT(text) text
#endif

#define MAKEWORD(low, high) ((WORD)(((BYTE)((DWORD_PTR)(low)&0xff)) | ((WORD)((BYTE)((DWORD_PTR)(high)&0xff))) << 8))
#define MAKELONG(low, high) \
    ((LONG)(((WORD)((DWORD_PTR)(low)&0xffff)) | ((DWORD)((WORD)((DWORD_PTR)(high)&0xffff))) << 16))
#define LOWORD(value) ((WORD)((DWORD_PTR)(value)&0xffff))
#define HIWORD(value) ((WORD)(((DWORD_PTR)(value) >> 16) & 0xffff))
#define MAKEWPARAM(low, high) ((WPARAM)(DWORD)MAKELONG(low, high))
#define MAKELPARAM(low, high) ((LPARAM)(DWORD)MAKELONG(low, high))
#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))

#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))

// Handles are opaque pointers; the window layer gives them their meaning.
#define TAMO_DECLARE_HANDLE(name) \
    struct name##__;              \
    typedef name##__* name
TAMO_DECLARE_HANDLE(HWND);
TAMO_DECLARE_HANDLE(HMENU);
TAMO_DECLARE_HANDLE(HICON);
TAMO_DECLARE_HANDLE(HBITMAP);
TAMO_DECLARE_HANDLE(HFONT);
TAMO_DECLARE_HANDLE(HPEN);
TAMO_DECLARE_HANDLE(HBRUSH);
TAMO_DECLARE_HANDLE(HRGN);
TAMO_DECLARE_HANDLE(HDC);
TAMO_DECLARE_HANDLE(HINSTANCE);
TAMO_DECLARE_HANDLE(HCURSOR);
TAMO_DECLARE_HANDLE(HIMAGELIST);
#undef TAMO_DECLARE_HANDLE
typedef void* HANDLE;
typedef void* HGDIOBJ;
typedef HINSTANCE HMODULE;

struct _TREEITEM;
typedef _TREEITEM* HTREEITEM;
struct __POSITION;
typedef __POSITION* POSITION;

struct POINT {
    LONG x;
    LONG y;
};
typedef POINT* LPPOINT;

struct SIZE {
    LONG cx;
    LONG cy;
};
typedef SIZE* LPSIZE;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};
typedef SYSTEMTIME* LPSYSTEMTIME;

#ifndef MAX_PATH
#define MAX_PATH 260
#endif
#define INFINITE 0xFFFFFFFF
