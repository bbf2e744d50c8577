#include <QFrame>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "CIPAddressCtrl.h"
#include "Controls.h"
#include "QtText.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CIPAddressCtrl, CWnd)

namespace tamo::platform {

void IPAddressImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    auto* frame = new QFrame(parentArea);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    frame->setAutoFillBackground(true);
    frame->setBackgroundRole(QPalette::Base);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    (void)cs;
    for (int i = 0; i < 4; ++i) {
        auto* field = new QLineEdit(frame);
        field->setFrame(false);
        field->setAlignment(Qt::AlignHCenter);
        field->setMaxLength(3);
        field->setValidator(new QIntValidator(0, 255, field));
        fields[i] = field;
        layout->addWidget(field, 1);
        if (i < 3) layout->addWidget(new QLabel(QStringLiteral("."), frame));
        QObject::connect(field, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            NMIPADDRESS notice{};
            notice.hdr.code = IPN_FIELDCHANGED;
            notice.iField = i;
            notice.iValue = text.isEmpty() ? -1 : text.toInt();
            Notify(notice.hdr);
            if (dead) return;
            NotifyCommand(EN_CHANGE);
            // A full field moves on to the next one, as the Windows control does.
            if (text.size() == 3 && i < 3 && fields[i + 1]) fields[i + 1]->setFocus();
        });
    }
    frame->setFocusProxy(fields[0]);
    outer = client = frame;
}

int IPAddressImpl::Field(int index) const {
    const QString text = fields[index]->text();
    return text.isEmpty() ? -1 : std::clamp(text.toInt(), 0, 255);
}

void IPAddressImpl::SetField(int index, int value) {
    const QSignalBlocker blocker(fields[index]);
    fields[index]->setText(value < 0 ? QString() : QString::number(std::clamp(value, 0, 255)));
}

CString IPAddressImpl::GetText() const {
    CString text;
    text.Format("%d.%d.%d.%d", std::max(Field(0), 0), std::max(Field(1), 0), std::max(Field(2), 0),
                std::max(Field(3), 0));
    return text;
}

void IPAddressImpl::SetText(const CString& text) {
    const QStringList parts = ToQ(text).trimmed().split(u'.');
    bool valid = parts.size() == 4;
    int values[4] = {-1, -1, -1, -1};
    for (int i = 0; valid && i < 4; ++i) {
        bool number = false;
        values[i] = parts[i].toInt(&number);
        valid = number && values[i] >= 0 && values[i] <= 255;
    }
    for (int i = 0; i < 4; ++i) SetField(i, valid ? values[i] : -1);
}

}  // namespace tamo::platform

BOOL CIPAddressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("SysIPAddress32", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CIPAddressCtrl::IsBlank() const {
    IPAddressImpl* impl = ImplAs<IPAddressImpl>(this);
    if (!impl) return TRUE;
    for (int i = 0; i < 4; ++i)
        if (impl->Field(i) >= 0) return FALSE;
    return TRUE;
}

void CIPAddressCtrl::ClearAddress() {
    if (IPAddressImpl* impl = ImplAs<IPAddressImpl>(this))
        for (int i = 0; i < 4; ++i) impl->SetField(i, -1);
}

int CIPAddressCtrl::GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3) const {
    IPAddressImpl* impl = ImplAs<IPAddressImpl>(this);
    if (!impl) return 0;
    BYTE* out[4] = {&nField0, &nField1, &nField2, &nField3};
    int filled = 0;
    for (int i = 0; i < 4; ++i) {
        const int value = impl->Field(i);
        *out[i] = static_cast<BYTE>(std::max(value, 0));
        filled += value >= 0 ? 1 : 0;
    }
    return filled;
}

int CIPAddressCtrl::GetAddress(DWORD& dwAddress) const {
    BYTE a = 0, b = 0, c = 0, d = 0;
    const int filled = GetAddress(a, b, c, d);
    dwAddress = static_cast<DWORD>(MAKEIPADDRESS(a, b, c, d));
    return filled;
}

void CIPAddressCtrl::SetAddress(BYTE nField0, BYTE nField1, BYTE nField2, BYTE nField3) {
    IPAddressImpl* impl = ImplAs<IPAddressImpl>(this);
    if (!impl) return;
    const BYTE values[4] = {nField0, nField1, nField2, nField3};
    for (int i = 0; i < 4; ++i) impl->SetField(i, values[i]);
}

void CIPAddressCtrl::SetAddress(DWORD dwAddress) {
    SetAddress(static_cast<BYTE>(FIRST_IPADDRESS(dwAddress)), static_cast<BYTE>(SECOND_IPADDRESS(dwAddress)),
               static_cast<BYTE>(THIRD_IPADDRESS(dwAddress)), static_cast<BYTE>(FOURTH_IPADDRESS(dwAddress)));
}

void CIPAddressCtrl::SetFieldFocus(WORD nField) {
    IPAddressImpl* impl = ImplAs<IPAddressImpl>(this);
    if (impl && nField < 4) impl->fields[nField]->setFocus();
}

void CIPAddressCtrl::SetFieldRange(int nField, BYTE nLower, BYTE nUpper) {
    IPAddressImpl* impl = ImplAs<IPAddressImpl>(this);
    if (impl && nField >= 0 && nField < 4)
        impl->fields[nField]->setValidator(new QIntValidator(nLower, nUpper, impl->fields[nField]));
}
