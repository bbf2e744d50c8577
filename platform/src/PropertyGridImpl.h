#pragma once

// The window of CMFCPropertyGridCtrl: a two-column Qt tree of the grid's groups and rows with a description
// area below it. The value column is edited in place: a row with options offers them in a list, another row
// a line edit. Picking an option counts at once (the list closes and the owner hears of the change); a typed
// value counts when its editor closes.

#include <QHash>

#include "CMFCPropertyGridCtrl.h"
#include "WndImpl.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace tamo::platform {

class PropertyGridImpl : public WndImpl {
public:
    using WndImpl::WndImpl;

    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    void ApplyFont(const QFont& font) override;

    CMFCPropertyGridCtrl* Grid() const { return dynamic_cast<CMFCPropertyGridCtrl*>(owner); }

    // Shows the properties (and their sub-items) anew.
    void Rebuild(const std::vector<CMFCPropertyGridProperty*>& top);
    // Shows a property's name, value and state anew.
    void Refresh(const CMFCPropertyGridProperty* property);
    CMFCPropertyGridProperty* Current() const;
    void ShowDescription();
    // A value the user chose or typed: the property takes it and the owner hears of it, when it differs.
    void Changed(CMFCPropertyGridProperty* property, const QString& text);
    // The name column takes the width of the widest name of a row (groups span both columns), so that no
    // name is cut; the values have the rest, and a grid too narrow for both scrolls sideways.
    void FitNameColumn();

    QTreeWidget* tree = nullptr;
    QLabel* description = nullptr;
    QHash<const CMFCPropertyGridProperty*, QTreeWidgetItem*> items;
    QHash<const QTreeWidgetItem*, CMFCPropertyGridProperty*> properties;

private:
    void Add(QTreeWidgetItem* container, CMFCPropertyGridProperty* property);
};

}  // namespace tamo::platform
