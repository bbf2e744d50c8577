#pragma once

#include <vector>

#include "CUmlEntity.h"
#include "LineGeometry.h"

// The link between two sub-systems of a network diagram: a drop below each end joined by a horizontal run.
// The view sets the insets from the two elements' edges and the drop; the points are computed when the window
// is created. A click turns the line blue for good.
class class_sub_system_line : public CUmlEntity {
public:
    class_sub_system_line() = default;

    BOOL CreateEntityWindow(CWnd* parent) override;
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override { delete this; }

    void set_line_ends(const CRect& first, const CRect& second, CPoint secondCentre);
    void set_end_kind(int kind) { m_nEndKind = kind; }
    // The first inset counts left from the first end's right edge, the second right from the second end's
    // left edge; the drop is how far below the elements the run lies.
    void set_run(int firstInset, int secondInset, int drop);
    void set_line_colour(COLORREF colour);

    const line_geometry::EndRects& get_line_ends() const { return m_ends; }
    const line_geometry::SubSystemPoints& get_points() const { return m_points; }
    int get_end_kind() const { return m_nEndKind; }
    COLORREF get_line_colour() const { return RGB(m_red, m_green, m_blue); }

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    std::vector<line_geometry::Band> bands() const;

    line_geometry::EndRects m_ends;
    int m_nEndKind = 0;
    line_geometry::SubSystemPoints m_points;
    int m_nFirstInset = 0;
    int m_nSecondInset = 0;
    int m_nDrop = 0;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
};
