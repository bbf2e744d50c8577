#include "SystemDialogControls.h"

#include "CMysqlQuery.h"
#include "CSearchDomainDlg.h"

void InsertListColumns(CListCtrl& list, std::initializer_list<ListColumn> columns) {
    for (const ListColumn& column : columns)
        list.InsertColumn(list.GetColumnCount(), column.title, column.format, column.width);
}

int AppendListRow(CListCtrl& list, const std::vector<std::string>& texts) {
    if (texts.empty()) return -1;
    const int row = list.InsertItem(list.GetItemCount(), texts.front().c_str());
    for (size_t column = 1; column < texts.size(); ++column)
        list.SetItemText(row, static_cast<int>(column), texts[column].c_str());
    return row;
}

int FirstSelectedRow(const CListCtrl& list) {
    POSITION position = list.GetFirstSelectedItemPosition();
    return position == nullptr ? -1 : list.GetNextSelectedItem(position);
}

bool ChooseDomains(LPCTSTR kind, std::vector<class_domain_info>& chosen) {
    CSearchDomainDlg dialog;
    dialog.m_strKind = kind;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','%s')", kind),
                                dialog.m_mapDomainList) != 0) {
        db->ShowLastError();
        return false;
    }
    const bool chosenOk = dialog.DoModal() == IDOK;
    if (chosenOk) chosen = dialog.m_vecSelection;
    dialog.DeleteOwnedItems();
    return chosenOk;
}
