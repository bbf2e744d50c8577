#pragma once

#include "class_stub_interface_relation_info.h"
#include "class_uml_interface_box.h"

// The box of a stub interface class: "<< stub_interface >>", the interface name and its CALL, SIGNAL, EVENT
// and INFORMATION members.
class class_uml_stubinterface : public class_uml_interface_box {
public:
    class_uml_stubinterface() = default;

    // A relation given here stands: the item's record is not copied over it when the window is made.
    void set_relation(const class_stub_interface_relation_info& relation) {
        m_relation = relation;
        m_bRelationGiven = true;
    }
    const class_stub_interface_relation_info& get_relation() const { return m_relation; }

protected:
    int relation_method_domain_id() const override { return m_relation.method_domain_id; }
    const std::string& relation_interface_name() const override { return m_relation.interface_name; }
    void copy_relation_from_item() override;
    const char* title_prefix() const override { return "stub_"; }
    const char* load_error_text() const override { return "error( class_uml_stubinterface::set_membermethodinfo()"; }
    const std::vector<MemberMethodPass>& member_passes() const override { return stub_member_passes(); }

private:
    class_stub_interface_relation_info m_relation;
    bool m_bRelationGiven = false;
};
