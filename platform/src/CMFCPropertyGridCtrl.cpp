#include <algorithm>

#include <QComboBox>
#include <QFontMetrics>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "CMFCPropertyGridCtrl.h"
#include "PropertyGridImpl.h"
#include "QtText.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CMFCPropertyGridProperty, CObject)
IMPLEMENT_DYNAMIC(CMFCPropertyGridCtrl, CWnd)

const UINT AFX_WM_PROPERTY_CHANGED = RegisterWindowMessage("AFX_WM_PROPERTY_CHANGED");

// Values
CString COleVariant::ToString() const {
    CString text;
    switch (vt) {
    case VT_EMPTY:
        break;
    case VT_BSTR:
        text = m_text;
        break;
    case VT_BOOL:
        text = m_integer ? "True" : "False";
        break;
    case VT_R8:
        text.Format("%g", m_real);
        break;
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UI8:
    case VT_UINT:
        text.Format("%llu", static_cast<unsigned long long>(m_integer));
        break;
    default:
        text.Format("%lld", m_integer);
        break;
    }
    return text;
}

long long COleVariant::ToInteger() const {
    if (vt == VT_BSTR) return std::atoll(m_text.GetString());
    if (vt == VT_R8) return static_cast<long long>(m_real);
    return m_integer;
}

bool COleVariant::operator==(const COleVariant& other) const {
    if (vt == VT_BSTR || other.vt == VT_BSTR) return vt == other.vt && m_text == other.m_text;
    if (vt == VT_R8 || other.vt == VT_R8) return vt == other.vt && m_real == other.m_real;
    return vt == other.vt && m_integer == other.m_integer;
}

namespace tamo::platform {

namespace {

// Edits the value column (the names are not edited): a list of the row's options, or a line edit.
class ValueDelegate : public QStyledItemDelegate {
public:
    ValueDelegate(PropertyGridImpl* grid, QObject* parent) : QStyledItemDelegate(parent), m_grid(grid) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    // An option picked from the list: the editor closes first, so that the owner may rebuild the grid while
    // it hears of the change.
    void OptionPicked(QComboBox* combo, const QPersistentModelIndex& cell);

    PropertyGridImpl* m_grid;
};

CMFCPropertyGridProperty* PropertyAt(const PropertyGridImpl* grid, const QModelIndex& index) {
    return grid->properties.value(grid->tree->itemFromIndex(index), nullptr);
}

QWidget* ValueDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    CMFCPropertyGridProperty* property = index.column() == 1 ? PropertyAt(m_grid, index) : nullptr;
    if (!property || property->IsGroup() || !property->IsEnabled()) return nullptr;
    if (property->GetOptionCount() > 0) {
        auto* combo = new QComboBox(parent);
        combo->setEditable(property->IsAllowEdit());
        for (int i = 0; i < property->GetOptionCount(); ++i) combo->addItem(ToQ(property->GetOption(i)));
        auto* self = const_cast<ValueDelegate*>(this);
        QObject::connect(combo, &QComboBox::activated, combo,
                         [self, combo, cell = QPersistentModelIndex(index)] { self->OptionPicked(combo, cell); });
        return combo;
    }
    if (!property->IsAllowEdit()) return nullptr;
    return new QLineEdit(parent);
}

void ValueDelegate::OptionPicked(QComboBox* combo, const QPersistentModelIndex& cell) {
    CMFCPropertyGridProperty* property = cell.isValid() ? PropertyAt(m_grid, cell) : nullptr;
    const QString text = combo->currentText();
    emit closeEditor(combo, QAbstractItemDelegate::NoHint);
    m_grid->Changed(property, text);
}

void ValueDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::DisplayRole).toString();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        const int at = combo->findText(text);
        if (at >= 0)
            combo->setCurrentIndex(at);
        else if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(-1);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setText(text);
    }
}

void ValueDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const {
    QString text;
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        if (!combo->isEditable() && combo->currentIndex() < 0) return;
        text = combo->currentText();
    } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        text = line->text();
    }
    m_grid->Changed(PropertyAt(m_grid, index), text);
}

}  // namespace

void PropertyGridImpl::Build(const CREATESTRUCT&, QWidget* parentArea) {
    auto* area = new QWidget(parentArea);
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tree = new QTreeWidget(area);
    tree->setColumnCount(2);
    tree->setRootIsDecorated(true);
    tree->setAlternatingRowColors(false);
    tree->setUniformRowHeights(true);
    tree->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    tree->header()->setStretchLastSection(true);
    tree->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                          QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    tree->setItemDelegate(new ValueDelegate(this, tree));
    description = new QLabel(area);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    description->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    description->setMinimumHeight(48);
    description->setTextFormat(Qt::RichText);
    description->hide();
    layout->addWidget(tree, 1);
    layout->addWidget(description);
    QObject::connect(tree, &QTreeWidget::currentItemChanged, this, [this] { ShowDescription(); });
    outer = client = area;
}

void PropertyGridImpl::ApplyFont(const QFont& font) {
    tree->setFont(font);
    description->setFont(font);
    FitNameColumn();
}

void PropertyGridImpl::FitNameColumn() {
    // The room a cell takes beside its text (margins and the focus frame), as the tree's style draws it.
    constexpr int kCellPadding = 16;
    const QFontMetrics metrics(tree->font());
    int widest = 0;
    for (auto at = items.constBegin(); at != items.constEnd(); ++at) {
        if (at.key()->IsGroup()) continue;
        int depth = tree->rootIsDecorated() ? 1 : 0;
        for (const QTreeWidgetItem* up = at.value()->parent(); up; up = up->parent()) ++depth;
        widest = std::max(widest, depth * tree->indentation() + metrics.horizontalAdvance(at.value()->text(0)) +
                                      kCellPadding);
    }
    if (widest > 0) tree->header()->resizeSection(0, widest);
}

void PropertyGridImpl::Add(QTreeWidgetItem* container, CMFCPropertyGridProperty* property) {
    auto* item = new QTreeWidgetItem;
    items.insert(property, item);
    properties.insert(item, property);
    if (container)
        container->addChild(item);
    else
        tree->addTopLevelItem(item);
    Refresh(property);
    for (int i = 0; i < property->GetSubItemsCount(); ++i) Add(item, property->GetSubItem(i));
    item->setExpanded(property->IsExpanded());
    item->setHidden(!property->IsVisible());
}

void PropertyGridImpl::Refresh(const CMFCPropertyGridProperty* property) {
    QTreeWidgetItem* item = items.value(property, nullptr);
    if (!item) return;
    item->setText(0, ToQ(property->GetName()));
    QFont font = tree->font();
    if (property->IsGroup()) {
        font.setBold(true);
        item->setFont(0, font);
        item->setFirstColumnSpanned(true);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        QBrush band(QColor(220, 220, 220));
        item->setBackground(0, band);
        return;
    }
    item->setText(1, ToQ(property->GetValue().ToString()));
    font.setBold(Grid() && Grid()->IsMarkModifiedProperties() && property->IsModified());
    item->setFont(1, font);
    Qt::ItemFlags flags = Qt::ItemIsSelectable;
    if (property->IsEnabled()) flags |= Qt::ItemIsEnabled | Qt::ItemIsEditable;
    item->setFlags(flags);
}

void PropertyGridImpl::Rebuild(const std::vector<CMFCPropertyGridProperty*>& top) {
    // The selected row stays selected when it is still there (the pointer is only compared: it may be gone).
    const CMFCPropertyGridProperty* selected = Current();
    tree->clear();
    items.clear();
    properties.clear();
    for (CMFCPropertyGridProperty* property : top) Add(nullptr, property);
    FitNameColumn();
    if (QTreeWidgetItem* item = items.value(selected, nullptr)) {
        const QAbstractItemView::EditTriggers triggers = tree->editTriggers();
        tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tree->setCurrentItem(item, 1);
        tree->setEditTriggers(triggers);
    }
    ShowDescription();
}

CMFCPropertyGridProperty* PropertyGridImpl::Current() const {
    return properties.value(tree->currentItem(), nullptr);
}

void PropertyGridImpl::ShowDescription() {
    CMFCPropertyGridProperty* property = Current();
    if (!property) {
        description->clear();
        return;
    }
    description->setText(QStringLiteral("<b>%1</b><br>%2")
                             .arg(ToQ(property->GetName()).toHtmlEscaped(),
                                  ToQ(property->GetDescription()).toHtmlEscaped()));
}

void PropertyGridImpl::Changed(CMFCPropertyGridProperty* property, const QString& text) {
    if (!property || ToQ(property->GetValue().ToString()) == text) return;
    property->SetValue(COleVariant(FromQ(text)));
    if (CMFCPropertyGridCtrl* grid = Grid()) grid->OnPropertyChanged(property);
}

WndImpl* CreatePropertyGridImpl(CWnd* owner) { return new PropertyGridImpl(owner); }

}  // namespace tamo::platform

// Properties
CMFCPropertyGridProperty::CMFCPropertyGridProperty(const CString& strGroupName, DWORD_PTR dwData, BOOL)
    : m_name(strGroupName), m_dwData(dwData), m_bGroup(TRUE) {}

CMFCPropertyGridProperty::CMFCPropertyGridProperty(const CString& strName, const COleVariant& varValue,
                                                   LPCTSTR lpszDescr, DWORD_PTR dwData, LPCTSTR, LPCTSTR, LPCTSTR)
    : m_name(strName),
      m_value(varValue),
      m_originalValue(varValue),
      m_description(lpszDescr ? lpszDescr : ""),
      m_dwData(dwData) {}

CMFCPropertyGridProperty::~CMFCPropertyGridProperty() {
    for (CMFCPropertyGridProperty* sub : m_subItems) delete sub;
}

BOOL CMFCPropertyGridProperty::AddSubItem(CMFCPropertyGridProperty* pProp) {
    if (!pProp || pProp->m_pParent) return FALSE;
    pProp->m_pParent = this;
    pProp->SetOwnerList(m_pWndList);
    m_subItems.push_back(pProp);
    if (m_pWndList) m_pWndList->Rebuild();
    return TRUE;
}

BOOL CMFCPropertyGridProperty::RemoveSubItem(CMFCPropertyGridProperty*& pProp, BOOL bDelete) {
    const auto at = std::find(m_subItems.begin(), m_subItems.end(), pProp);
    if (at == m_subItems.end()) return FALSE;
    m_subItems.erase(at);
    pProp->m_pParent = nullptr;
    pProp->SetOwnerList(nullptr);
    if (bDelete) {
        delete pProp;
        pProp = nullptr;
    }
    if (m_pWndList) m_pWndList->Rebuild();
    return TRUE;
}

CMFCPropertyGridProperty* CMFCPropertyGridProperty::GetSubItem(int nIndex) const {
    return nIndex >= 0 && nIndex < GetSubItemsCount() ? m_subItems[static_cast<size_t>(nIndex)] : nullptr;
}

BOOL CMFCPropertyGridProperty::AddOption(LPCTSTR lpszOption, BOOL bInsertUnique) {
    const CString option = lpszOption ? lpszOption : "";
    if (bInsertUnique && std::find(m_options.begin(), m_options.end(), option) != m_options.end()) return FALSE;
    m_options.push_back(option);
    return TRUE;
}

void CMFCPropertyGridProperty::RemoveAllOptions() { m_options.clear(); }

LPCTSTR CMFCPropertyGridProperty::GetOption(int nIndex) const {
    return nIndex >= 0 && nIndex < GetOptionCount() ? m_options[static_cast<size_t>(nIndex)].GetString() : nullptr;
}

void CMFCPropertyGridProperty::SetValue(const COleVariant& varValue) {
    m_value = varValue;
    if (auto* grid = ImplAs<PropertyGridImpl>(m_pWndList)) grid->Refresh(this);
}

void CMFCPropertyGridProperty::SetName(LPCTSTR lpszName, BOOL) {
    m_name = lpszName ? lpszName : "";
    if (auto* grid = ImplAs<PropertyGridImpl>(m_pWndList)) {
        grid->Refresh(this);
        grid->FitNameColumn();
    }
}

void CMFCPropertyGridProperty::Enable(BOOL bEnable) {
    m_bEnabled = bEnable;
    if (auto* grid = ImplAs<PropertyGridImpl>(m_pWndList)) grid->Refresh(this);
}

BOOL CMFCPropertyGridProperty::Expand(BOOL bExpand) {
    if (!m_bGroup && m_subItems.empty()) return FALSE;
    m_bExpanded = bExpand;
    if (auto* grid = ImplAs<PropertyGridImpl>(m_pWndList))
        if (QTreeWidgetItem* item = grid->items.value(this, nullptr)) item->setExpanded(bExpand);
    return TRUE;
}

void CMFCPropertyGridProperty::Show(BOOL bShow, BOOL) {
    m_bVisible = bShow;
    if (auto* grid = ImplAs<PropertyGridImpl>(m_pWndList))
        if (QTreeWidgetItem* item = grid->items.value(this, nullptr)) item->setHidden(!bShow);
}

void CMFCPropertyGridProperty::SetOwnerList(CMFCPropertyGridCtrl* pList) {
    m_pWndList = pList;
    for (CMFCPropertyGridProperty* sub : m_subItems) sub->SetOwnerList(pList);
}

// The grid
CMFCPropertyGridCtrl::~CMFCPropertyGridCtrl() {
    for (CMFCPropertyGridProperty* property : m_properties) delete property;
    m_properties.clear();
}

BOOL CMFCPropertyGridCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!CWnd::Create("TamoPropertyGrid", nullptr, dwStyle, rect, pParentWnd, nID)) return FALSE;
    Rebuild();
    return TRUE;
}

void CMFCPropertyGridCtrl::Rebuild() {
    auto* grid = ImplAs<PropertyGridImpl>(this);
    if (!grid) return;
    grid->tree->setHeaderLabels({ToQ(m_leftColumn), ToQ(m_rightColumn)});
    grid->tree->setHeaderHidden(!m_bHeaderCtrl);
    grid->description->setVisible(m_bDescriptionArea);
    grid->Rebuild(m_properties);
}

int CMFCPropertyGridCtrl::AddProperty(CMFCPropertyGridProperty* pProp, BOOL, BOOL) {
    if (!pProp || std::find(m_properties.begin(), m_properties.end(), pProp) != m_properties.end()) return -1;
    pProp->SetOwnerList(this);
    m_properties.push_back(pProp);
    Rebuild();
    return static_cast<int>(m_properties.size()) - 1;
}

BOOL CMFCPropertyGridCtrl::DeleteProperty(CMFCPropertyGridProperty*& pProp, BOOL, BOOL) {
    if (!pProp) return FALSE;
    const auto at = std::find(m_properties.begin(), m_properties.end(), pProp);
    if (at != m_properties.end()) {
        m_properties.erase(at);
        delete pProp;
        pProp = nullptr;
        Rebuild();
        return TRUE;
    }
    return pProp->GetParent() ? pProp->GetParent()->RemoveSubItem(pProp, TRUE) : FALSE;
}

void CMFCPropertyGridCtrl::RemoveAll() {
    const auto properties = std::move(m_properties);
    m_properties.clear();
    Rebuild();
    for (CMFCPropertyGridProperty* property : properties) delete property;
}

CMFCPropertyGridProperty* CMFCPropertyGridCtrl::GetProperty(int nIndex) const {
    return nIndex >= 0 && nIndex < GetPropertyCount() ? m_properties[static_cast<size_t>(nIndex)] : nullptr;
}

CMFCPropertyGridProperty* CMFCPropertyGridCtrl::FindItemByData(DWORD_PTR dwData, BOOL bSearchSubItems) const {
    std::vector<CMFCPropertyGridProperty*> pending(m_properties.rbegin(), m_properties.rend());
    while (!pending.empty()) {
        CMFCPropertyGridProperty* property = pending.back();
        pending.pop_back();
        if (property->GetData() == dwData) return property;
        if (bSearchSubItems)
            for (int i = property->GetSubItemsCount() - 1; i >= 0; --i) pending.push_back(property->GetSubItem(i));
    }
    return nullptr;
}

CMFCPropertyGridProperty* CMFCPropertyGridCtrl::GetCurSel() const {
    auto* grid = ImplAs<PropertyGridImpl>(this);
    return grid ? grid->Current() : nullptr;
}

void CMFCPropertyGridCtrl::SetCurSel(CMFCPropertyGridProperty* pProp, BOOL) {
    auto* grid = ImplAs<PropertyGridImpl>(this);
    if (grid) grid->tree->setCurrentItem(grid->items.value(pProp, nullptr));
}

void CMFCPropertyGridCtrl::ExpandAll(BOOL bExpand) {
    std::vector<CMFCPropertyGridProperty*> pending(m_properties.begin(), m_properties.end());
    while (!pending.empty()) {
        CMFCPropertyGridProperty* property = pending.back();
        pending.pop_back();
        property->Expand(bExpand);
        for (int i = 0; i < property->GetSubItemsCount(); ++i) pending.push_back(property->GetSubItem(i));
    }
}

void CMFCPropertyGridCtrl::EnableHeaderCtrl(BOOL bEnable, LPCTSTR lpszLeftColumn, LPCTSTR lpszRightColumn) {
    m_bHeaderCtrl = bEnable;
    m_leftColumn = lpszLeftColumn ? lpszLeftColumn : "";
    m_rightColumn = lpszRightColumn ? lpszRightColumn : "";
    Rebuild();
}

void CMFCPropertyGridCtrl::EnableDescriptionArea(BOOL bEnable) {
    m_bDescriptionArea = bEnable;
    if (auto* grid = ImplAs<PropertyGridImpl>(this)) grid->description->setVisible(bEnable);
}

void CMFCPropertyGridCtrl::SetVSDotNetLook(BOOL bSet) { m_bVSDotNetLook = bSet; }

void CMFCPropertyGridCtrl::MarkModifiedProperties(BOOL bMark, BOOL) {
    m_bMarkModified = bMark;
    Rebuild();
}

void CMFCPropertyGridCtrl::AdjustLayout() {}

int CMFCPropertyGridCtrl::GetLeftColumnWidth() const {
    auto* grid = ImplAs<PropertyGridImpl>(this);
    return grid ? grid->tree->header()->sectionSize(0) : 0;
}

void CMFCPropertyGridCtrl::OnPropertyChanged(CMFCPropertyGridProperty* pProp) const {
    CWnd* owner = GetOwner();
    if (owner)
        owner->SendMessage(AFX_WM_PROPERTY_CHANGED, static_cast<WPARAM>(GetDlgCtrlID()),
                           reinterpret_cast<LPARAM>(pProp));
}
