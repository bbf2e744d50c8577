// The OK checks of every dialog that makes or renames a name of the generated code: a name the code cannot carry
// is refused with the rule's text before anything is sent, and the dialog stays open; a name that stands already
// passes the rule unchanged.

#include <functional>
#include <string>
#include <vector>

#include "CConstViewDlg.h"
#include "CDataFieldViewDlg.h"
#include "CNewDomainDlg.h"
#include "CNewInterfaceDlg.h"
#include "CNewMetadataDlg.h"
#include "CNewMethodDlg.h"
#include "CodeNameRules.h"
#include "DataTreeTestSupport.h"
#include "DialogTestControls.h"

using namespace dialog_test;
using tamo::platform::TestDriver;

namespace {

class CodeNameDialogsTest : public datatree_test::DataTreeTest {
protected:
    CodeNameDialogsTest() : DataTreeTest("datatree_code_names") {}
};

struct DialogCase {
    const char* what;
    CodeNameScope scope;
    int nameControl;
    int okButton;
    int closeButton;
    // Runs the dialog with the script; the dialog ends when the script cancels it.
    std::function<void(const std::function<void(CDialog&)>&)> run;
};

}  // namespace

TEST_F(CodeNameDialogsTest, EveryDialogRefusesANameTheCodeCannotCarryBeforeItSends) {
    const int domain = NewDataDomain(UniqueName());
    Call(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", domain, "S", "struct", 0, "",
                        "", ""));
    Call(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')", domain, "E", "enum8_t", 0, "",
                        "", ""));
    const std::vector<DialogCase> cases = {
        {"domain", CodeNameScope::Domain, 1007, IDOK, IDCANCEL,
         [this](const std::function<void(CDialog&)>& script) {
             CNewDomainDlg dialog;
             dialog.m_strKind = "data";
             driver.OnDialog(CNewDomainDlg::IDD, script);
             dialog.DoModal();
         }},
        {"data item", CodeNameScope::Data, 1010, IDOK, IDCANCEL,
         [this, domain](const std::function<void(CDialog&)>& script) {
             CNewMetadataDlg dialog;
             dialog.m_nDomainId = domain;
             driver.OnDialog(CNewMetadataDlg::IDD, script);
             dialog.DoModal();
         }},
        {"field", CodeNameScope::Field, 1029, 1022, IDCANCEL,
         [this, domain](const std::function<void(CDialog&)>& script) {
             CDataFieldViewDlg dialog;
             dialog.m_nDomainId = domain;
             dialog.m_strStructName = "S";
             driver.OnDialog(CDataFieldViewDlg::IDD, script);
             dialog.DoModal();
         }},
        {"constant", CodeNameScope::Data, 1052, 1055, IDOK,
         [this, domain](const std::function<void(CDialog&)>& script) {
             CConstViewDlg dialog;
             dialog.m_nDomainId = domain;
             dialog.m_strEnumName = "E";
             driver.OnDialog(CConstViewDlg::IDD, [script](CDialog& d) {
                 TestDriver::Type(d, 1053, "1");
                 script(d);
             });
             dialog.DoModal();
         }},
        {"interface", CodeNameScope::Interface, 1031, IDOK, IDCANCEL,
         [this](const std::function<void(CDialog&)>& script) {
             CNewInterfaceDlg dialog;
             driver.OnDialog(CNewInterfaceDlg::IDD, script);
             dialog.DoModal();
         }},
        {"method", CodeNameScope::Method, 1038, IDOK, IDCANCEL,
         [this](const std::function<void(CDialog&)>& script) {
             CNewMethodDlg dialog;
             dialog.m_nDomainId = 6;
             driver.OnDialog(CNewMethodDlg::IDD, [script](CDialog& d) {
                 TestDriver::Type(d, 1037, "7ff0");
                 script(d);
             });
             dialog.DoModal();
             dialog.DeleteOwnedItems();
         }},
    };
    const int before = std::stoi(AdminValue("SELECT COUNT(*) FROM data_item d LEFT JOIN data_field f ON f.data_id = d.id "
                                            "WHERE d.domain_id = " + std::to_string(domain)));
    for (const DialogCase& c : cases) {
        for (const char* name : {"class", "gps-fix", "1st", "cancel", "get_sizeof"}) {
            const std::string refusal = CodeNameRefusal(c.scope, name);
            if (refusal.empty()) continue;  // an SDK member is a name only where it meets the SDK
            SCOPED_TRACE(std::string(c.what) + " " + name);
            driver.AnswerMessageBox(IDOK);
            c.run([&](CDialog& d) {
                TestDriver::Type(d, c.nameControl, name);
                TestDriver::Click(d, c.okButton);
                EXPECT_TRUE(d.IsModalRunning());
                TestDriver::Click(d, c.closeButton);
            });
            ASSERT_FALSE(BoxTexts().empty());
            EXPECT_EQ(BoxTexts().back(), refusal);
        }
    }
    EXPECT_EQ(std::stoi(AdminValue("SELECT COUNT(*) FROM data_item d LEFT JOIN data_field f ON f.data_id = d.id "
                                   "WHERE d.domain_id = " + std::to_string(domain))),
              before);
}

// An edit that keeps a name that stands from before (the server took it before its rules) is not refused by
// them: the domain dialog closes with the name as it was.
TEST_F(CodeNameDialogsTest, ANameThatStandsPassesUnchanged) {
    const int domain = NewDataDomain(UniqueName());
    const std::string standing = "old name " + std::to_string(domain);
    AdminRows("UPDATE domain SET name = '" + standing + "' WHERE id = " + std::to_string(domain));
    CNewDomainDlg dialog;
    dialog.m_nDomainId = domain;
    dialog.m_strName = standing.c_str();
    dialog.m_strKind = "data";
    driver.OnDialog(CNewDomainDlg::IDD, [](CDialog& d) { TestDriver::Click(d, IDOK); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_strName, standing.c_str());
    EXPECT_TRUE(BoxTexts().empty()) << BoxTexts().front();
}
