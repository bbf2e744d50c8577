#pragma once

#include <array>
#include <vector>

#include "CUmlEntity.h"
#include "LineGeometry.h"

// The red frame around a network diagram that marks where links leave the system: from the element's
// position to 50 units right of and 80 units below the far corner the view gives it.
class class_uml_out_line : public CUmlEntity {
public:
    class_uml_out_line() = default;

    BOOL CreateEntityWindow(CWnd* parent) override;
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override { delete this; }

    void set_far_corner(CPoint corner) { m_farCorner = corner; }
    const std::array<CPoint, 4>& get_corners() const { return m_corners; }

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    std::vector<line_geometry::Band> bands() const;

    std::array<CPoint, 4> m_corners;
    CPoint m_farCorner;
};
