#pragma once

#include <string>

#include "CUmlEntity.h"

// The small box with a port number at an end of a network link. Its position is the port's anchor point;
// the box is 12 x 12 around it.
class class_uml_port : public CUmlEntity {
public:
    class_uml_port() = default;

    BOOL CreateEntityWindow(CWnd* parent) override;
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override { delete this; }

    void set_port_text(const std::string& text) { m_strPort = text; }
    const std::string& get_port_text() const { return m_strPort; }

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    std::string m_strPort = "0";
};
