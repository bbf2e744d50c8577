#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

#include "CComboBox.h"
#include "Controls.h"
#include "QtText.h"
#include "Utf8.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace tamo::platform {

void ComboImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    style = static_cast<DWORD>(cs.style);
    combo = new QComboBox(parentArea);
    combo->setEditable(Editable());
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setDuplicatesEnabled(true);
    if (combo->lineEdit()) {
        combo->lineEdit()->setCompleter(nullptr);
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, this, [this] { NotifyCommand(CBN_EDITCHANGE); });
    }
    // Every change that does not come through the program's calls is the user's.
    QObject::connect(combo, &QComboBox::currentIndexChanged, this, [this] { NotifyCommand(CBN_SELCHANGE); });
    outer = client = combo;
}

void ComboImpl::SetGeometry(const QRect& rect) {
    // The template's height is that of the dropped list; the box itself is one line high.
    const int boxHeight = combo->sizeHint().height();
    const int rowHeight = std::max(1, combo->fontMetrics().height() + 2);
    combo->setMaxVisibleItems(std::max(5, (rect.height() - boxHeight) / rowHeight));
    combo->setGeometry(QRect(rect.topLeft(), QSize(rect.width(), boxHeight)));
}

CString ComboImpl::GetText() const {
    if (Editable()) return FromQ(combo->currentText());
    return combo->currentIndex() >= 0 ? FromQ(combo->itemText(combo->currentIndex())) : CString();
}

void ComboImpl::SetText(const CString& text) {
    const ProgramChange change(this);
    if (Editable() && combo->lineEdit()) {
        combo->lineEdit()->setText(ToQ(text));
        return;
    }
    const int found = FindExact(-1, text, false);
    if (found >= 0) combo->setCurrentIndex(found);
}

int ComboImpl::Add(const CString& text) {
    const ProgramChange change(this);
    const QString value = ToQ(text);
    int index = combo->count();
    if (style & CBS_SORT) {
        index = 0;
        while (index < combo->count() && QString::compare(combo->itemText(index), value, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    InsertKeepingSelection(index, value);
    return index;
}

// Qt selects the first item put into an empty box; Windows leaves the selection (and the edit text) alone.
void ComboImpl::InsertKeepingSelection(int index, const QString& value) {
    const QString editText = Editable() ? combo->currentText() : QString();
    const bool noSelection = combo->currentIndex() < 0;
    combo->insertItem(index, value);
    if (noSelection) combo->setCurrentIndex(-1);
    if (Editable() && combo->currentText() != editText) combo->setEditText(editText);
}

int ComboImpl::Insert(int index, const CString& text) {
    if (index < 0 || index > combo->count()) index = combo->count();
    const ProgramChange change(this);
    InsertKeepingSelection(index, ToQ(text));
    return index;
}

int ComboImpl::FindExact(int startAfter, const CString& text, bool prefix) const {
    const int count = combo->count();
    if (count == 0) return CB_ERR;
    const QString wanted = ToQ(text);
    int start = (startAfter < 0 || startAfter >= count) ? 0 : startAfter + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (start + step) % count;
        const QString item = combo->itemText(index);
        const bool match = prefix ? item.startsWith(wanted, Qt::CaseInsensitive)
                                  : QString::compare(item, wanted, Qt::CaseInsensitive) == 0;
        if (match) return index;
    }
    return CB_ERR;
}

LRESULT ComboImpl::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    switch (message) {
    case CB_ADDSTRING:
        return Add(reinterpret_cast<LPCTSTR>(lParam));
    case CB_INSERTSTRING:
        return Insert(index, reinterpret_cast<LPCTSTR>(lParam));
    case CB_GETCOUNT:
        return combo->count();
    case CB_GETCURSEL:
        return combo->currentIndex() >= 0 ? combo->currentIndex() : CB_ERR;
    case CB_SETCURSEL: {
        const ProgramChange change(this);
        if (index < 0 || index >= combo->count()) {
            combo->setCurrentIndex(-1);
            return CB_ERR;
        }
        combo->setCurrentIndex(index);
        return index;
    }
    case CB_RESETCONTENT: {
        const ProgramChange change(this);
        combo->clear();
        return CB_OKAY;
    }
    case CB_DELETESTRING: {
        if (index < 0 || index >= combo->count()) return CB_ERR;
        const ProgramChange change(this);
        const bool selected = combo->currentIndex() == index;
        const QString editText = Editable() ? combo->currentText() : QString();
        combo->removeItem(index);
        if (selected) combo->setCurrentIndex(-1);
        if (Editable()) combo->setEditText(editText);
        return combo->count();
    }
    case CB_GETITEMDATA:
        return index >= 0 && index < combo->count() ? static_cast<LRESULT>(combo->itemData(index).toULongLong())
                                                    : CB_ERR;
    case CB_SETITEMDATA:
        if (index < 0 || index >= combo->count()) return CB_ERR;
        combo->setItemData(index, QVariant::fromValue<qulonglong>(static_cast<qulonglong>(lParam)));
        return CB_OKAY;
    case CB_FINDSTRINGEXACT:
        return FindExact(index, reinterpret_cast<LPCTSTR>(lParam), false);
    case CB_FINDSTRING:
        return FindExact(index, reinterpret_cast<LPCTSTR>(lParam), true);
    default:
        return WndImpl::DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace tamo::platform

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("ComboBox", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    return impl ? impl->combo->count() : CB_ERR;
}

int CComboBox::GetCurSel() const {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    return impl && impl->combo->currentIndex() >= 0 ? impl->combo->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int nSelect) {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    return impl ? static_cast<int>(impl->DefaultHandling(CB_SETCURSEL, static_cast<WPARAM>(nSelect), 0)) : CB_ERR;
}

int CComboBox::AddString(LPCTSTR lpszString) {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    return impl ? impl->Add(lpszString ? lpszString : "") : CB_ERR;
}

int CComboBox::InsertString(int nIndex, LPCTSTR lpszString) {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    return impl ? impl->Insert(nIndex, lpszString ? lpszString : "") : CB_ERR;
}

int CComboBox::DeleteString(UINT nIndex) {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    return impl ? static_cast<int>(impl->DefaultHandling(CB_DELETESTRING, nIndex, 0)) : CB_ERR;
}

void CComboBox::ResetContent() {
    if (ComboImpl* impl = ImplAs<ComboImpl>(this)) impl->DefaultHandling(CB_RESETCONTENT, 0, 0);
}

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    if (!impl || nIndex < 0 || nIndex >= impl->combo->count() || !lpszText) return CB_ERR;
    const QByteArray text = impl->combo->itemText(nIndex).toUtf8();
    std::memcpy(lpszText, text.constData(), static_cast<size_t>(text.size()) + 1);
    return static_cast<int>(text.size());
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    rString = impl && nIndex >= 0 && nIndex < impl->combo->count() ? FromQ(impl->combo->itemText(nIndex)) : CString();
}

int CComboBox::GetLBTextLen(int nIndex) const {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    if (!impl || nIndex < 0 || nIndex >= impl->combo->count()) return CB_ERR;
    return static_cast<int>(impl->combo->itemText(nIndex).toUtf8().size());
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    return impl ? static_cast<DWORD_PTR>(impl->DefaultHandling(CB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0))
                : static_cast<DWORD_PTR>(CB_ERR);
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    return impl ? static_cast<int>(impl->DefaultHandling(CB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                                                         static_cast<LPARAM>(dwItemData)))
                : CB_ERR;
}

int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    return impl ? impl->FindExact(nIndexStart, lpszFind ? lpszFind : "", false) : CB_ERR;
}

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    return impl ? impl->FindExact(nStartAfter, lpszString ? lpszString : "", true) : CB_ERR;
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) {
    const int found = FindString(nStartAfter, lpszString);
    if (found != CB_ERR) SetCurSel(found);
    return found;
}

void CComboBox::ShowDropDown(BOOL bShowIt) {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    if (!impl) return;
    if (bShowIt)
        impl->combo->showPopup();
    else
        impl->combo->hidePopup();
}

BOOL CComboBox::GetDroppedState() const {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    return impl && impl->combo->view()->isVisible();
}

BOOL CComboBox::LimitText(int nMaxChars) {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    if (!impl || !impl->combo->lineEdit()) return FALSE;
    impl->combo->lineEdit()->setMaxLength(nMaxChars > 0 ? nMaxChars : 32767);
    return TRUE;
}

DWORD CComboBox::GetEditSel() const {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    if (!impl || !impl->combo->lineEdit()) return 0;
    const QLineEdit* edit = impl->combo->lineEdit();
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int end = edit->hasSelectedText() ? edit->selectionEnd() : start;
    return static_cast<DWORD>(MAKELONG(start, end));
}

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) {
    ComboImpl* impl = ImplAs<ComboImpl>(this);
    if (!impl || !impl->combo->lineEdit()) return FALSE;
    QLineEdit* edit = impl->combo->lineEdit();
    const int length = static_cast<int>(edit->text().size());
    const int start = nStartChar < 0 ? length : std::min(nStartChar, length);
    const int end = nEndChar < 0 ? length : std::min(nEndChar, length);
    edit->setSelection(start, end - start);
    return TRUE;
}
