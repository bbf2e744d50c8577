#include "class_diagram_builder.h"

#include "Class_UmlControl.h"
#include "CurrentRecords.h"
#include "class_diagramscrollview.h"
#include "class_domain_info.h"

class_diagram_builder::~class_diagram_builder() {
    if (m_pView) m_pView->cover_elements();
}

bool class_diagram_builder::bind() {
    m_control.bind_active_frame();
    m_pView = m_control.get_active_view();
    m_pDocument = m_control.get_active_document();
    return m_pView && m_pDocument;
}

void class_diagram_builder::remember(int kind, const TreeNodeData& item, const TreeNodeData& second) {
    m_pView->set_diagram_items(item, second);
    m_pView->set_diagram_kind(kind);
}

TreeNodeData* class_diagram_builder::item() const { return const_cast<TreeNodeData*>(&m_pView->get_diagram_item()); }

TreeNodeData* class_diagram_builder::second_item() const {
    return const_cast<TreeNodeData*>(&m_pView->get_second_item());
}

bool class_diagram_builder::read_system_domain(const class_domain_info& shown, class_domain_info& current) {
    current = shown;
    return shown.id == 0 || ReadCurrentDomain("system", shown.id, current, "도메인이 없습니다. 다른 사용자가 지웠습니다.");
}
