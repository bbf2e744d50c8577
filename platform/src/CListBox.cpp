#include <QListWidget>
#include <QScrollBar>
#include <QSignalBlocker>

#include "CListBox.h"
#include "Controls.h"
#include "QtText.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace tamo::platform {

void ListBoxImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    style = static_cast<DWORD>(cs.style);
    list = new QListWidget(parentArea);
    list->setSelectionMode((style & LBS_EXTENDEDSEL)   ? QAbstractItemView::ExtendedSelection
                           : (style & LBS_MULTIPLESEL) ? QAbstractItemView::MultiSelection
                                                       : QAbstractItemView::SingleSelection);
    list->setVerticalScrollBarPolicy((style & WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy((style & WS_HSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    if (!(style & WS_BORDER) && !(cs.dwExStyle & WS_EX_CLIENTEDGE)) list->setFrameShape(QFrame::NoFrame);
    QObject::connect(list, &QListWidget::itemSelectionChanged, this, [this] {
        if (style & LBS_NOTIFY) NotifyCommand(LBN_SELCHANGE);
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, this, [this] {
        if (style & LBS_NOTIFY) NotifyCommand(LBN_DBLCLK);
    });
    outer = list;
    client = list->viewport();
}

int ListBoxImpl::Add(const CString& text) {
    const ProgramChange change(this);
    const QString value = ToQ(text);
    int index = list->count();
    if (style & LBS_SORT) {
        index = 0;
        while (index < list->count() && QString::compare(list->item(index)->text(), value, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    list->insertItem(index, value);
    return index;
}

int ListBoxImpl::Insert(int index, const CString& text) {
    if (index < 0 || index > list->count()) index = list->count();
    const ProgramChange change(this);
    list->insertItem(index, ToQ(text));
    return index;
}

LRESULT ListBoxImpl::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(wParam);
    switch (message) {
    case LB_ADDSTRING:
        return Add(reinterpret_cast<LPCTSTR>(lParam));
    case LB_INSERTSTRING:
        return Insert(index, reinterpret_cast<LPCTSTR>(lParam));
    case LB_GETCOUNT:
        return list->count();
    case LB_GETCURSEL:
        return list->currentRow() >= 0 && list->currentItem()->isSelected() ? list->currentRow() : LB_ERR;
    case LB_SETCURSEL: {
        const ProgramChange change(this);
        if (index < 0 || index >= list->count()) {
            list->clearSelection();
            list->setCurrentRow(-1);
            return index == -1 ? 0 : LB_ERR;
        }
        list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        return index;
    }
    case LB_DELETESTRING: {
        if (index < 0 || index >= list->count()) return LB_ERR;
        const ProgramChange change(this);
        delete list->takeItem(index);
        return list->count();
    }
    case LB_RESETCONTENT: {
        const ProgramChange change(this);
        list->clear();
        return 0;
    }
    case LB_GETITEMDATA:
        return index >= 0 && index < list->count()
                   ? static_cast<LRESULT>(list->item(index)->data(Qt::UserRole).toULongLong())
                   : LB_ERR;
    case LB_SETITEMDATA:
        if (index < 0 || index >= list->count()) return LB_ERR;
        list->item(index)->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(static_cast<qulonglong>(lParam)));
        return 0;
    default:
        return WndImpl::DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace tamo::platform

namespace {
ListBoxImpl* ListOf(const CListBox* wnd) { return ImplAs<ListBoxImpl>(wnd); }
}  // namespace

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("ListBox", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const {
    ListBoxImpl* impl = ListOf(this);
    return impl ? impl->list->count() : LB_ERR;
}

int CListBox::GetItemHeight(int nIndex) const {
    ListBoxImpl* impl = ListOf(this);
    if (!impl || nIndex < 0 || nIndex >= impl->list->count()) return LB_ERR;
    return impl->list->sizeHintForRow(nIndex);
}

int CListBox::GetCurSel() const {
    ListBoxImpl* impl = ListOf(this);
    return impl ? static_cast<int>(impl->DefaultHandling(LB_GETCURSEL, 0, 0)) : LB_ERR;
}

int CListBox::SetCurSel(int nSelect) {
    ListBoxImpl* impl = ListOf(this);
    return impl ? static_cast<int>(impl->DefaultHandling(LB_SETCURSEL, static_cast<WPARAM>(nSelect), 0)) : LB_ERR;
}

int CListBox::GetSel(int nIndex) const {
    ListBoxImpl* impl = ListOf(this);
    if (!impl || nIndex < 0 || nIndex >= impl->list->count()) return LB_ERR;
    return impl->list->item(nIndex)->isSelected() ? 1 : 0;
}

int CListBox::SetSel(int nIndex, BOOL bSelect) {
    ListBoxImpl* impl = ListOf(this);
    if (!impl) return LB_ERR;
    const ProgramChange change(impl);
    if (nIndex == -1) {
        for (int i = 0; i < impl->list->count(); ++i) impl->list->item(i)->setSelected(bSelect);
        return 0;
    }
    if (nIndex < 0 || nIndex >= impl->list->count()) return LB_ERR;
    impl->list->item(nIndex)->setSelected(bSelect);
    return 0;
}

int CListBox::GetSelCount() const {
    ListBoxImpl* impl = ListOf(this);
    return impl ? static_cast<int>(impl->list->selectedItems().size()) : LB_ERR;
}

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const {
    ListBoxImpl* impl = ListOf(this);
    if (!impl) return LB_ERR;
    int count = 0;
    for (int i = 0; i < impl->list->count() && count < nMaxItems; ++i)
        if (impl->list->item(i)->isSelected()) rgIndex[count++] = i;
    return count;
}

int CListBox::AddString(LPCTSTR lpszItem) {
    ListBoxImpl* impl = ListOf(this);
    return impl ? impl->Add(lpszItem ? lpszItem : "") : LB_ERR;
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem) {
    ListBoxImpl* impl = ListOf(this);
    return impl ? impl->Insert(nIndex, lpszItem ? lpszItem : "") : LB_ERR;
}

int CListBox::DeleteString(UINT nIndex) {
    ListBoxImpl* impl = ListOf(this);
    return impl ? static_cast<int>(impl->DefaultHandling(LB_DELETESTRING, nIndex, 0)) : LB_ERR;
}

void CListBox::ResetContent() {
    if (ListBoxImpl* impl = ListOf(this)) impl->DefaultHandling(LB_RESETCONTENT, 0, 0);
}

int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const {
    ListBoxImpl* impl = ListOf(this);
    if (!impl || nIndex < 0 || nIndex >= impl->list->count() || !lpszBuffer) return LB_ERR;
    const QByteArray text = impl->list->item(nIndex)->text().toUtf8();
    std::memcpy(lpszBuffer, text.constData(), static_cast<size_t>(text.size()) + 1);
    return static_cast<int>(text.size());
}

void CListBox::GetText(int nIndex, CString& rString) const {
    ListBoxImpl* impl = ListOf(this);
    rString = impl && nIndex >= 0 && nIndex < impl->list->count() ? FromQ(impl->list->item(nIndex)->text()) : CString();
}

int CListBox::GetTextLen(int nIndex) const {
    CString text;
    if (nIndex < 0 || nIndex >= GetCount()) return LB_ERR;
    GetText(nIndex, text);
    return text.GetLength();
}

DWORD_PTR CListBox::GetItemData(int nIndex) const {
    ListBoxImpl* impl = ListOf(this);
    return impl ? static_cast<DWORD_PTR>(impl->DefaultHandling(LB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0))
                : static_cast<DWORD_PTR>(LB_ERR);
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    ListBoxImpl* impl = ListOf(this);
    return impl ? static_cast<int>(impl->DefaultHandling(LB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                                                         static_cast<LPARAM>(dwItemData)))
                : LB_ERR;
}

int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
    ListBoxImpl* impl = ListOf(this);
    if (!impl || impl->list->count() == 0) return LB_ERR;
    const int count = impl->list->count();
    const int start = (nIndexStart < 0 || nIndexStart >= count) ? 0 : nIndexStart + 1;
    for (int step = 0; step < count; ++step) {
        const int index = (start + step) % count;
        if (QString::compare(impl->list->item(index)->text(), ToQ(lpszFind), Qt::CaseInsensitive) == 0) return index;
    }
    return LB_ERR;
}

int CListBox::GetTopIndex() const {
    ListBoxImpl* impl = ListOf(this);
    if (!impl) return LB_ERR;
    QListWidgetItem* top = impl->list->itemAt(0, 0);
    return top ? impl->list->row(top) : 0;
}

int CListBox::SetTopIndex(int nIndex) {
    ListBoxImpl* impl = ListOf(this);
    if (!impl || nIndex < 0 || nIndex >= impl->list->count()) return LB_ERR;
    impl->list->scrollToItem(impl->list->item(nIndex), QAbstractItemView::PositionAtTop);
    return 0;
}

void CListBox::SetHorizontalExtent(int) {}
