#pragma once

#include <string>
#include <vector>

#include "CUmlEntity.h"
#include "LineGeometry.h"

// The straight link between two nodes of a network diagram: vertical from a node to one above or below it,
// horizontal between nodes on one level. The view sets the offset that keeps parallel links apart; the
// anchors are computed when the window is created.
class class_nodes_line : public CUmlEntity {
public:
    class_nodes_line() = default;

    BOOL CreateEntityWindow(CWnd* parent) override;
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override { delete this; }

    void set_line_ends(const CRect& first, const CRect& second, CPoint secondCentre);
    void set_end_kind(int kind) { m_nEndKind = kind; }
    void set_offset(int offset) { m_nOffset = offset; }
    // "out_line" marks a link that leaves the system; any other text changes nothing.
    void set_line_kind(const std::string& kind);

    const line_geometry::EndRects& get_line_ends() const { return m_ends; }
    CPoint get_start_anchor() const { return m_start; }
    CPoint get_end_anchor() const { return m_end; }
    int get_offset() const { return m_nOffset; }
    int get_end_kind() const { return m_nEndKind; }

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    std::vector<line_geometry::Band> bands() const { return {line_geometry::axis_band(m_start, m_end)}; }

    line_geometry::EndRects m_ends;
    CPoint m_start;
    CPoint m_end;
    int m_nOffset = 0;
    bool m_bOuterLine = false;  // cleared by set_line_kind("out_line"); nothing reads it
    int m_nEndKind = 0;
};
