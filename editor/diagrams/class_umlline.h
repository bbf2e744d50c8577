#pragma once

#include <vector>

#include "CUmlEntity.h"
#include "LineGeometry.h"

class DiagramDocument;

// The connector between a component and its interfaces or between components: a dotted line with an arrow
// head at the second end. Its anchors are where the line between the two ends' centres leaves the first
// element and enters the second; they are computed when the window is created.
class class_umlline : public CUmlEntity {
public:
    class_umlline() = default;

    // A new connector of the document from the first rectangle to the second (its position the first's
    // centre, its second end the second's centre); its window is not created yet. Null when the document
    // makes no line.
    static class_umlline* add_between(DiagramDocument& document, const CRect& first, const CRect& second);

    BOOL CreateEntityWindow(CWnd* parent) override;
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override { delete this; }

    // The creator sets the ends before the window is created; the position is the first end's centre.
    void set_line_ends(const CRect& first, const CRect& second, CPoint secondCentre);
    // The kind of the element at the second end: 1238 (stub interface) closes the arrow head, 1245 draws a
    // solid black line without head.
    void set_end_kind(int kind) { m_nEndKind = kind; }
    void set_line_colour(COLORREF colour);

    const line_geometry::EndRects& get_line_ends() const { return m_ends; }
    CPoint get_start_anchor() const { return m_start; }
    CPoint get_end_anchor() const { return m_end; }
    int get_end_kind() const { return m_nEndKind; }
    COLORREF get_line_colour() const { return RGB(m_red, m_green, m_blue); }
    bool is_selected() const { return m_bSelected; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    // The bands around the line and its arrow head (the arrow points are computed first).
    std::vector<line_geometry::Band> head_bands();

    line_geometry::EndRects m_ends;
    CPoint m_start;
    CPoint m_end;
    CPoint m_arrow1;
    CPoint m_arrow2;
    int m_nEndKind = 0;
    bool m_bSelected = false;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
};
