#include "class_sdd_print_controller.h"

#include "CFileDialog.h"
#include "CurrentRecords.h"
#include "DocumentPath.h"
#include "class_choice_sdd_document_dialog.h"
#include "class_sdd_document_data.h"

int class_sdd_print_controller::print_sdd_document(const class_component_info& component,
                                                   [[maybe_unused]] const std::string& componentName) {
    class_choice_sdd_document_dialog choice;
    if (choice.DoModal() != IDOK) return -1;
    CFileDialog dialog(FALSE, nullptr, nullptr, OFN_OVERWRITEPROMPT, "HWPML files(*.hml)|*.hml|", nullptr, 0, TRUE);
    if (dialog.DoModal() != IDOK) return -1;

    // The component as it stands now: one that is gone makes no document, a renamed one is named as it is now.
    class_component_info current;
    if (!ReadCurrentComponent(component.component_id, current, "컴포넌트가 없습니다. 다른 사용자가 지웠습니다."))
        return -1;
    class_sdd_document_data data;
    data.m_strOutputPath = DocumentPath(dialog.GetPathName().str(), ".hml");
    data.m_strComponentName = current.name;
    data.gather_interfaces(component.component_id);
    data.m_nOutputKind = choice.m_nOutputKind;
    return data.build_document();
}
