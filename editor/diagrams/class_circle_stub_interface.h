#pragma once

#include <string>
#include <vector>

#include "CUmlEntity.h"
#include "LineGeometry.h"
#include "class_custum_table.h"
#include "class_stub_circle_method_pop_up.h"

// A lollipop on a component of the deployment diagram: a short stick from the component's right edge and a
// circle with the stub object id in it. A click opens the interface's member methods in a pop-up at the
// cursor, the next click closes it. Its window covers the view and is cut to the stick and the circle, also
// while the pop-up is open.
class class_circle_stub_interface : public CUmlEntity {
public:
    class_circle_stub_interface() = default;

    BOOL CreateEntityWindow(CWnd* parent) override;
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override { delete this; }

    // The two components the lollipop stands between (nothing is drawn from them).
    void set_line_ends(const CRect& first, const CRect& second, CPoint secondCentre);
    void set_lollipop(CPoint stickStart, CPoint stickEnd, const CRect& headBox);
    void set_mode(int mode) { m_nMode = mode; }
    void set_component_text(const std::string& text) { m_strComponentText = text; }
    void set_interface_text(const std::string& text) { m_strInterfaceText = text; }
    // The interface name, method domain name and method domain id of a custom entry.
    void set_interface_info(const class_custum_table& entry);

    const CRect& get_head_box() const { return m_headBox; }
    CPoint get_stick_start() const { return m_stickStart; }
    CPoint get_stick_end() const { return m_stickEnd; }
    const std::string& get_interface_text() const { return m_strInterfaceText; }
    const std::string& get_component_text() const { return m_strComponentText; }
    const std::string& get_interface_name() const { return m_strInterfaceName; }
    int get_method_domain_id() const { return m_nMethodDomainId; }
    bool is_popup_shown() const { return m_bPopupShown; }
    class_stub_circle_method_pop_up& get_popup() { return m_popup; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void cut_window();
    void show_popup();
    void redraw();

    CWnd* m_pParent = nullptr;  // the diagram view; not owned
    line_geometry::EndRects m_ends;
    CRect m_headBox;
    CPoint m_stickStart;
    CPoint m_stickEnd;
    int m_nMethodDomainId = 0;
    std::string m_strInterfaceName;
    std::string m_strMethodDomainName;
    std::string m_strComponentText;
    std::string m_strInterfaceText;
    bool m_bPopupShown = false;
    class_stub_circle_method_pop_up m_popup;
    int m_nMode = 0;
};
