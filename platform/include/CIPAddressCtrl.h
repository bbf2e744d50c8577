#pragma once

// IP address control ("SysIPAddress32"): four fields of 0-255. Its text is "a.b.c.d" (an empty field reads
// as 0). IPN_FIELDCHANGED (an NMIPADDRESS) and EN_CHANGE reach the parent when the user changes a field.

#include "CWnd.h"

#define MAKEIPADDRESS(b1, b2, b3, b4) \
    ((LPARAM)(((DWORD)(b1) << 24) + ((DWORD)(b2) << 16) + ((DWORD)(b3) << 8) + ((DWORD)(b4))))
#define FIRST_IPADDRESS(x) ((x >> 24) & 0xff)
#define SECOND_IPADDRESS(x) ((x >> 16) & 0xff)
#define THIRD_IPADDRESS(x) ((x >> 8) & 0xff)
#define FOURTH_IPADDRESS(x) (x & 0xff)

struct NMIPADDRESS {
    NMHDR hdr;
    int iField;
    int iValue;
};
typedef NMIPADDRESS* LPNMIPADDRESS;

class CIPAddressCtrl : public CWnd {
    DECLARE_DYNAMIC(CIPAddressCtrl)
public:
    CIPAddressCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL IsBlank() const;
    void ClearAddress();
    // Answers the number of fields that are not blank.
    int GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3) const;
    int GetAddress(DWORD& dwAddress) const;
    void SetAddress(BYTE nField0, BYTE nField1, BYTE nField2, BYTE nField3);
    void SetAddress(DWORD dwAddress);
    void SetFieldFocus(WORD nField);
    void SetFieldRange(int nField, BYTE nLower, BYTE nUpper);

protected:
    LPCTSTR GetDefaultWindowClass() const override { return "SysIPAddress32"; }
};
