#pragma once

// The connection settings dialog 419 "Component 연결 정보": the settings file text of one component installed
// on one node (its proxy sections, then its stub sections), and "저장", which writes the built text (not what
// was typed into the edit) to an .ini file the user chooses. The dialog closes with OK after "저장" whether or
// not a file was written.

#include <string>
#include <vector>

#include "CDialog.h"
#include "class_component_info.h"
#include "class_custum_table.h"
#include "class_node_info.h"

class class_ini_dialog : public CDialogEx {
public:
    enum { IDD = 419 };

    explicit class_ini_dialog(CWnd* pParent = nullptr);

    // Copies both records into the dialog before it runs.
    void set_connection_info(const class_node_info& node, const class_component_info& component);

    // Append the sections of the installed proxy and stub entries to the text; false when the list failed
    // (shown).
    bool show_proxy_info();
    bool show_stub_info();

    const std::string& GetSettingsText() const { return m_strSettings; }

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()

private:
    // Appends the built sections of a list that loaded (0); shows the failure of one that did not.
    bool AppendSections(int loaded, const std::vector<class_custum_table>& entries,
                        std::string (*build)(const std::vector<class_custum_table>&));

    class_node_info m_NodeInfo;            // its id is used
    class_component_info m_ComponentInfo;  // its component id is used
    std::string m_strSettings;             // the built text, lines ending in a line feed
};
