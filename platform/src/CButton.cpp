#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "CButton.h"
#include "Controls.h"
#include "GdiImpl.h"
#include "QtText.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CButton, CWnd)

namespace tamo::platform {

namespace {

// How a click changes a check box or radio button: not at all (BS_CHECKBOX, BS_RADIOBUTTON: the program
// decides), to the next state (auto check boxes) or to checked (auto radio buttons).
enum class ClickChange { None, Next, Check };

template <typename Base>
class StateButton : public Base {
public:
    StateButton(ClickChange change, QWidget* parent) : Base(parent), m_change(change) {}

protected:
    void nextCheckState() override {
        if (m_change == ClickChange::Next)
            Base::nextCheckState();
        else if (m_change == ClickChange::Check)
            Base::setChecked(true);
    }

private:
    ClickChange m_change;
};

}  // namespace

bool ButtonImpl::IsAuto() const {
    const DWORD type = Type();
    return type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE || type == BS_AUTORADIOBUTTON;
}

bool ButtonImpl::IsRadio() const { return Type() == BS_RADIOBUTTON || Type() == BS_AUTORADIOBUTTON; }

void ButtonImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    style = static_cast<DWORD>(cs.style);
    const DWORD type = Type();
    if (type == BS_GROUPBOX) {
        group = new QGroupBox(parentArea);
        group->setAttribute(Qt::WA_TransparentForMouseEvents);
        group->lower();
        outer = client = group;
        return;
    }
    if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE) {
        auto* check = new StateButton<QCheckBox>(IsAuto() ? ClickChange::Next : ClickChange::None, parentArea);
        check->setTristate(type == BS_3STATE || type == BS_AUTO3STATE);
        button = check;
    } else if (IsRadio()) {
        auto* radio = new StateButton<QRadioButton>(IsAuto() ? ClickChange::Check : ClickChange::None, parentArea);
        radio->setAutoExclusive(false);
        button = radio;
    } else {
        auto* push = new QPushButton(parentArea);
        push->setAutoDefault(false);
        push->setDefault(false);
        button = push;
    }
    QObject::connect(button, &QAbstractButton::clicked, this, [this] { OnClicked(); });
    outer = client = button;
}

void ButtonImpl::OnClicked() {
    if (dead) return;
    // An auto radio button takes the check from the others of its group (WS_GROUP to the next WS_GROUP).
    if (Type() == BS_AUTORADIOBUTTON && parent && button && button->isChecked()) {
        const auto& siblings = parent->children;
        auto at = std::find(siblings.begin(), siblings.end(), this);
        auto first = at;
        while (first != siblings.begin() && !((*first)->style & WS_GROUP)) --first;
        for (auto it = first; it != siblings.end(); ++it) {
            if (it != first && ((*it)->style & WS_GROUP)) break;
            auto* radio = dynamic_cast<ButtonImpl*>(*it);
            if (radio && radio != this && radio->Type() == BS_AUTORADIOBUTTON) radio->SetCheck(BST_UNCHECKED);
        }
    }
    NotifyCommand(BN_CLICKED);
}

void ButtonImpl::Click() {
    if (button && button->isEnabled())
        button->click();
    else if (!button)
        NotifyCommand(BN_CLICKED);
}

CString ButtonImpl::GetText() const {
    if (button) return FromQ(button->text());
    if (group) return FromQ(group->title());
    return CString();
}

void ButtonImpl::SetText(const CString& text) {
    if (button) button->setText(ToQ(text));
    if (group) group->setTitle(WithoutMnemonics(ToQ(text)));
}

int ButtonImpl::Check() const {
    if (auto* check = qobject_cast<QCheckBox*>(button)) {
        switch (check->checkState()) {
        case Qt::Checked:
            return BST_CHECKED;
        case Qt::PartiallyChecked:
            return BST_INDETERMINATE;
        default:
            return BST_UNCHECKED;
        }
    }
    return button && button->isCheckable() && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void ButtonImpl::SetCheck(int check) {
    if (!button || !button->isCheckable()) return;
    const QSignalBlocker blocker(button);
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        box->setCheckState(check == BST_CHECKED         ? Qt::Checked
                           : check == BST_INDETERMINATE ? Qt::PartiallyChecked
                                                        : Qt::Unchecked);
    } else {
        button->setChecked(check == BST_CHECKED);
    }
}

LRESULT ButtonImpl::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case BM_GETCHECK:
        return Check();
    case BM_SETCHECK:
        SetCheck(static_cast<int>(wParam));
        return 0;
    case BM_CLICK:
        Click();
        return 0;
    default:
        return WndImpl::DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace tamo::platform

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("Button", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

int CButton::GetCheck() const {
    ButtonImpl* impl = ImplAs<ButtonImpl>(this);
    return impl ? impl->Check() : BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck) {
    if (ButtonImpl* impl = ImplAs<ButtonImpl>(this)) impl->SetCheck(nCheck);
}

UINT CButton::GetState() const {
    ButtonImpl* impl = ImplAs<ButtonImpl>(this);
    if (!impl) return 0;
    UINT state = static_cast<UINT>(impl->Check());
    if (impl->button && impl->button->isDown()) state |= 0x0004;
    if (impl->button && impl->button->hasFocus()) state |= 0x0008;
    return state;
}

void CButton::SetState(BOOL bHighlight) {
    ButtonImpl* impl = ImplAs<ButtonImpl>(this);
    if (impl && impl->button) impl->button->setDown(bHighlight);
}

UINT CButton::GetButtonStyle() const {
    ButtonImpl* impl = ImplAs<ButtonImpl>(this);
    return impl ? (impl->style & 0xFFFF) : 0;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL) {
    ButtonImpl* impl = ImplAs<ButtonImpl>(this);
    if (!impl) return;
    // Only the default-button mark can change here; the kind of button stays.
    const DWORD type = impl->Type();
    if ((type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) &&
        ((nStyle & BS_TYPEMASK) == BS_PUSHBUTTON || (nStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON))
        impl->style = (impl->style & ~BS_TYPEMASK) | (nStyle & BS_TYPEMASK);
}

HICON CButton::SetIcon(HICON hIcon) {
    ButtonImpl* impl = ImplAs<ButtonImpl>(this);
    if (impl && impl->button) impl->button->setIcon(IconOf(hIcon));
    return nullptr;
}

void CButton::Click() {
    if (ButtonImpl* impl = ImplAs<ButtonImpl>(this)) impl->Click();
}
