#include "CopyDialogSupport.h"

#include <set>
#include <string>

#include "CMysqlQuery.h"

namespace {

struct DomainComboFill {
    CComboBox& combo;
    const std::multimap<int, class_domain_info>& domains;
    std::vector<class_domain_info*>& owned;
    std::set<int> placed;
    std::string prefix;

    void Level(int parentId) {
        const auto range = domains.equal_range(parentId);
        for (auto entry = range.first; entry != range.second; ++entry) {
            const class_domain_info& domain = entry->second;
            if (!placed.insert(domain.id).second) continue;
            auto* copy = new class_domain_info(domain);
            owned.push_back(copy);
            const int index = combo.InsertString(-1, (prefix + domain.name).c_str());
            combo.SetItemDataPtr(index, copy);
            prefix += '-';
            Level(domain.id);
            prefix.pop_back();
        }
    }
};

}  // namespace

void FillFlattenedDomainCombo(CComboBox& combo, const std::multimap<int, class_domain_info>& domains,
                              std::vector<class_domain_info*>& owned) {
    DomainComboFill fill{combo, domains, owned, {}, {}};
    fill.Level(0);
}

std::vector<DWORD_PTR> SelectedRowData(CListCtrl& list) {
    std::vector<DWORD_PTR> rows;
    POSITION position = list.GetFirstSelectedItemPosition();
    while (position != nullptr) rows.push_back(list.GetItemData(list.GetNextSelectedItem(position)));
    return rows;
}

void LoadCopyDomains(CComboBox& combo, const char* kind, std::multimap<int, class_domain_info>& domains,
                     std::vector<class_domain_info*>& owned) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    domains.clear();
    if (db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','%s')", kind), domains) != 0)
        db->ShowLastError();
    FillFlattenedDomainCombo(combo, domains, owned);
}

class_domain_info* ChosenCopyDomain(CComboBox& combo) {
    const int selection = combo.GetCurSel();
    if (selection == CB_ERR) {
        combo.SetCurSel(-1);
        return nullptr;
    }
    return static_cast<class_domain_info*>(combo.GetItemDataPtr(selection));
}

void SetUpCopyList(CListCtrl& list, const std::vector<CopyListColumn>& columns) {
    list.SetExtendedStyle(list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    int index = 0;
    for (const CopyListColumn& column : columns) list.InsertColumn(index++, column.heading, LVCFMT_LEFT, column.width);
}
