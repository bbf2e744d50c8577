#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <memory>

#include "AddressField.h"

#include "CIPAddressCtrl.h"
#include "Controls.h"
#include "QtText.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CIPAddressCtrl, CWnd)

namespace tamo::platform {

namespace {

bool IsDigitKey(const QKeyEvent* event) {
    const QString text = event->text();
    return text.size() == 1 && text[0] >= u'0' && text[0] <= u'9' &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

bool IsFieldSeparatorKey(const QKeyEvent* event) {
    const QString text = event->text();
    return text == QStringLiteral(".") || text == QStringLiteral(" ");
}

// The number a field's text stands for, as the control reads it: at most 255; -1 for a blank field.
int FieldValue(const QString& text) {
    return text.isEmpty() ? -1 : std::clamp(text.toInt(), 0, 255);
}

}  // namespace

AddressField::AddressField(IPAddressImpl* control, int index, QWidget* parent)
    : QLineEdit(parent), m_control(control), m_index(index) {
    setFrame(false);
    setAlignment(Qt::AlignHCenter);
    setMaxLength(3);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this));
    if (index > 0) setFocusPolicy(Qt::ClickFocus);
}

IPAddressImpl* AddressField::Control() const {
    auto* control = static_cast<IPAddressImpl*>(m_control.data());
    return control && control->IsLive() ? control : nullptr;
}

void AddressField::keyPressEvent(QKeyEvent* event) {
    IPAddressImpl* control = Control();
    if (control && control->FieldKey(m_index, event)) return;
    const QString before = text();
    QLineEdit::keyPressEvent(event);
    if ((control = Control()) && text() != before) control->FieldEdited(m_index, IsDigitKey(event));
}

void AddressField::focusInEvent(QFocusEvent* event) {
    IPAddressImpl* control = Control();
    const bool fromOutside = control && !control->focusInside;
    if (control) {
        control->focusInside = true;
        control->digitsTyped = 0;
    }
    QLineEdit::focusInEvent(event);
    if (fromOutside) selectAll();
}

void AddressField::focusOutEvent(QFocusEvent* event) {
    if (IPAddressImpl* control = Control()) {
        QWidget* next = QApplication::focusWidget();
        control->focusInside = next && parentWidget() && parentWidget()->isAncestorOf(next);
        if (control->movedOnInto == m_index) control->movedOnInto = -1;
        control->Normalise(m_index);
    }
    QLineEdit::focusOutEvent(event);
}

void AddressField::mousePressEvent(QMouseEvent* event) {
    IPAddressImpl* control = Control();
    const bool fromOutside = control && !control->focusInside;
    QLineEdit::mousePressEvent(event);
    // A click that brings the focus into the control selects the field, so that typing replaces what it shows.
    if (fromOutside) selectAll();
}

bool AddressField::focusNextPrevChild(bool next) {
    // The fields after the first take no Tab focus, so Tab leaves the control from any field; Shift+Tab goes
    // back from the first field, which stands for the control in the order of the dialog.
    if (IPAddressImpl* control = Control(); control && !next && m_index > 0)
        control->fields[0]->setFocus(Qt::BacktabFocusReason);
    return QLineEdit::focusNextPrevChild(next);
}

void AddressField::contextMenuEvent(QContextMenuEvent* event) {
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    for (QAction* action : menu->actions()) {
        if (action->objectName() != QStringLiteral("edit-paste")) continue;
        QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
        QObject::connect(action, &QAction::triggered, this, [this] {
            if (IPAddressImpl* control = Control()) control->Paste(m_index, QGuiApplication::clipboard()->text());
        });
    }
    menu->exec(event->globalPos());
}

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
        fields[i] = new AddressField(this, i, frame);
        layout->addWidget(fields[i], 1);
        if (i < 3) layout->addWidget(new QLabel(QStringLiteral("."), frame));
    }
    frame->setFocusProxy(fields[0]);
    outer = client = frame;
}

void IPAddressImpl::EnterField(int index, Entry entry) {
    AddressField* field = fields[index];
    field->setFocus(Qt::OtherFocusReason);
    digitsTyped = 0;
    if (entry == Entry::SelectAll)
        field->selectAll();
    else
        field->setCursorPosition(entry == Entry::Start ? 0 : static_cast<int>(field->text().size()));
}

bool IPAddressImpl::FieldKey(int index, QKeyEvent* event) {
    AddressField* field = fields[index];
    const bool selection = field->hasSelectedText();
    const int cursor = field->cursorPosition();
    const auto length = static_cast<int>(field->text().size());
    if (event->matches(QKeySequence::Paste)) {
        Paste(index, QGuiApplication::clipboard()->text());
        return true;
    }
    if (IsFieldSeparatorKey(event)) {
        // Right after a full field moved on, the "." the user types after those digits only confirms the move.
        const bool confirmsMove = movedOnInto == index;
        movedOnInto = -1;
        if (!confirmsMove && index < 3) EnterField(index + 1, Entry::SelectAll);
        return true;
    }
    if (IsDigitKey(event) && !selection) {
        if (field->text() == QStringLiteral("0")) {
            // The 0 a field shows is replaced, not put in front of what is typed.
            field->setText(event->text());
            FieldEdited(index, true);
            return true;
        }
        if (length == 3) {
            // A full field: the digit belongs to the next one.
            if (cursor == 3 && index < 3) {
                EnterField(index + 1, Entry::SelectAll);
                fields[index + 1]->insert(event->text());
                FieldEdited(index + 1, true);
            }
            return true;
        }
        return false;
    }
    switch (event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Left:
        if (!selection && cursor == 0 && index > 0) {
            EnterField(index - 1, Entry::End);
            return true;
        }
        return false;
    case Qt::Key_Right:
        if (!selection && cursor == length && index < 3) {
            EnterField(index + 1, Entry::Start);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void IPAddressImpl::FieldEdited(int index, bool typed) {
    if (movedOnInto == index) movedOnInto = -1;
    NMIPADDRESS notice{};
    notice.hdr.code = IPN_FIELDCHANGED;
    notice.iField = index;
    notice.iValue = Field(index);
    QPointer<IPAddressImpl> guard(this);
    Notify(notice.hdr);
    if (!guard || dead) return;
    NotifyCommand(EN_CHANGE);
    if (!guard || dead) return;
    // Three digits typed move on to the next field, as the Windows control does (also when the field keeps
    // fewer: a 0 typed first is replaced by the next digit).
    AddressField* field = fields[index];
    if (!typed || !field->hasFocus()) return;
    ++digitsTyped;
    const bool full = field->text().size() == 3 && field->cursorPosition() == 3;
    if (index < 3 && (full || digitsTyped >= 3)) {
        EnterField(index + 1, Entry::SelectAll);
        movedOnInto = index + 1;
    }
}

void IPAddressImpl::Paste(int index, const QString& pasted) {
    const QString text = pasted.trimmed();
    if (!text.contains(u'.')) {
        // Digits go into the field as typed; the field refuses anything else.
        const QString before = fields[index]->text();
        fields[index]->insert(text);
        if (fields[index]->text() != before) FieldEdited(index, false);
        return;
    }
    const QStringList parts = text.split(u'.');
    const int first = parts.size() == 4 ? 0 : index;
    if (first + parts.size() > 4) return;
    std::vector<int> values;
    for (const QString& part : parts) {
        bool number = false;
        const int value = part.toInt(&number);
        if (!number || value < 0 || value > 255 || part.size() > 3) return;
        values.push_back(value);
    }
    QPointer<IPAddressImpl> guard(this);
    for (size_t i = 0; i < values.size() && guard && !dead; ++i) {
        const int at = first + static_cast<int>(i);
        if (Field(at) == values[i]) continue;
        SetField(at, values[i]);
        FieldEdited(at, false);
    }
    if (guard && !dead) EnterField(first + static_cast<int>(values.size()) - 1, Entry::End);
}

void IPAddressImpl::Normalise(int index) {
    const QString text = fields[index]->text();
    const int value = FieldValue(text);
    if (value < 0 || text == QString::number(value)) return;
    SetField(index, value);
    FieldEdited(index, false);
}

int IPAddressImpl::Field(int index) const { return FieldValue(fields[index]->text()); }

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
