#pragma once

// A value that is a text or a number, as the property grid and its callers pass it around (VARIANT).

#include "CString.h"
#include "WinDef.h"

typedef unsigned short VARTYPE;
#define VT_EMPTY 0
#define VT_I2 2
#define VT_I4 3
#define VT_R8 5
#define VT_BSTR 8
#define VT_BOOL 11
#define VT_I1 16
#define VT_UI1 17
#define VT_UI2 18
#define VT_UI4 19
#define VT_I8 20
#define VT_UI8 21
#define VT_INT 22
#define VT_UINT 23

class COleVariant {
public:
    COleVariant() = default;
    COleVariant(LPCTSTR text) : vt(VT_BSTR), m_text(text) {}
    COleVariant(const CString& text) : vt(VT_BSTR), m_text(text) {}
    COleVariant(short value, VARTYPE type = VT_I2) : vt(type), m_integer(value) {}
    COleVariant(int value, VARTYPE type = VT_I4) : vt(type), m_integer(value) {}
    COleVariant(long value, VARTYPE type = VT_I4) : vt(type), m_integer(value) {}
    COleVariant(unsigned short value) : vt(VT_UI2), m_integer(value) {}
    COleVariant(unsigned int value) : vt(VT_UINT), m_integer(value) {}
    COleVariant(unsigned long value) : vt(VT_UI4), m_integer(static_cast<long long>(value)) {}
    COleVariant(long long value) : vt(VT_I8), m_integer(value) {}
    COleVariant(double value) : vt(VT_R8), m_real(value) {}
    COleVariant(bool value) : vt(VT_BOOL), m_integer(value ? -1 : 0) {}

    VARTYPE vt = VT_EMPTY;

    // The value as text: numbers in decimal, booleans as "True"/"False".
    CString ToString() const;
    long long ToInteger() const;
    bool operator==(const COleVariant& other) const;
    bool operator!=(const COleVariant& other) const { return !(*this == other); }

private:
    CString m_text;
    long long m_integer = 0;
    double m_real = 0;
};

typedef COleVariant _variant_t;

// A text taken from a value: (LPCTSTR)(_bstr_t)variant.
class _bstr_t {
public:
    _bstr_t() = default;
    _bstr_t(LPCTSTR text) : m_text(text) {}
    _bstr_t(const COleVariant& value) : m_text(value.ToString()) {}
    operator LPCTSTR() const { return m_text; }
    unsigned int length() const { return static_cast<unsigned int>(m_text.GetLength()); }

private:
    CString m_text;
};
