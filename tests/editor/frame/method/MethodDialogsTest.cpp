// The method tree's dialogs on the sample design: the method dialog's type rules, code checks and data lists,
// the interface dialog's lock, the interface member dialog, the rename dialog of clashing methods and the method
// copy dialog.

#include "CButton.h"
#include "CComboBox.h"
#include "CInterfaceMemberViewDlg.h"
#include "CListCtrl.h"
#include "CNewInterfaceDlg.h"
#include "CNewMethodDlg.h"
#include "DialogTestControls.h"
#include "MethodTreeTestSupport.h"
#include "class_copy_method_dialog.h"
#include "class_edit_overlap_method_dialog.h"

using tamo::platform::TestDriver;
using namespace dialog_test;
using namespace methodtree_test;

namespace {

class MethodDialogsTest : public MethodTreeTest {
protected:
    MethodDialogsTest() : MethodTreeTest("methodtree_dialogs") {}
};

bool Ticked(CDialog& d, int id) { return d.IsDlgButtonChecked(id) == BST_CHECKED; }

// The record by which the member dialog knows an interface.
class_interface_info InterfaceRecord(int domainId, const std::string& name) {
    class_interface_info iface;
    iface.domain_id = domainId;
    iface.name = name;
    return iface;
}

// Runs the method dialog on the domain with the script; answers its result and leaves its members for a look.
int RunMethodDialog(TestDriver& driver, CNewMethodDlg& dialog, const std::function<void(CDialog&)>& script) {
    driver.OnDialog(CNewMethodDlg::IDD, script);
    const int result = static_cast<int>(dialog.DoModal());
    dialog.DeleteOwnedItems();
    return result;
}

TEST_F(MethodDialogsTest, TypeRulesDecideWhichSideCarriesData) {
    struct Rule {
        const char* type;
        bool input, output;
    };
    const Rule rules[] = {{"CALLBACK", true, true},    {"SIGNAL", true, false},      {"SIGNALBACK", false, true},
                          {"EVENT", false, true},      {"INFORMATION", false, true}, {"COMMAND", true, false},
                          {"BROADCAST", false, true},  {"CALL", true, true}};
    CNewMethodDlg dialog;
    dialog.m_nDomainId = kPositionService;
    RunMethodDialog(driver, dialog, [&](CDialog& d) {
        // The type list holds the keywords in the dialog's order; a new method starts as CALL with nothing chosen.
        ASSERT_EQ(Combo(d, 1011).GetCount(), 8);
        EXPECT_EQ(Selected(d, 1011), "CALL");
        EXPECT_EQ(Combo(d, 1033).GetCount(), 2);  // Pos and 기본형, the data domains 위치서비스 uses
        EXPECT_EQ(Combo(d, 1033).GetCurSel(), CB_ERR);
        Choose(d, 1033, "Pos");
        Choose(d, 1035, "기본형");
        for (const Rule& rule : rules) {
            SCOPED_TRACE(rule.type);
            Choose(d, 1011, rule.type);
            for (const auto& [side, carries] : {std::pair{0, rule.input}, std::pair{2, rule.output}}) {
                for (int list : {1033 + side, 1034 + side}) {
                    EXPECT_EQ(Enabled(d, list), carries) << list;
                    EXPECT_EQ(Combo(d, list).GetCurSel(), carries ? 0 : CB_ERR) << list;
                }
                const int nullBox = 1040 + side / 2;
                EXPECT_EQ(Ticked(d, nullBox), !carries);
                EXPECT_EQ(Enabled(d, nullBox), carries);
            }
            // The first domain comes up with its own data, never with the data another domain left in the list.
            if (rule.output) {
                EXPECT_EQ(Selected(d, 1036), "Course");
            }
        }
        TestDriver::Click(d, IDCANCEL);
    });

    // A stored type that is no keyword changes nothing; the sides follow the method's data.
    CNewMethodDlg edit;
    edit.m_nEditMode = 1;
    edit.m_nDomainId = kPositionService;
    edit.m_strType = "FOO";
    edit.m_strName = "x";
    edit.m_input.domainName = "Pos";
    edit.m_input.dataName = "위치";
    RunMethodDialog(driver, edit, [&](CDialog& d) {
        EXPECT_EQ(Combo(d, 1011).GetCurSel(), CB_ERR);
        EXPECT_TRUE(Enabled(d, 1033) && Enabled(d, 1034));
        EXPECT_EQ(Selected(d, 1034), "위치");
        EXPECT_FALSE(Ticked(d, 1040));
        // No output domain: the output side opens closed although nothing forbids output.
        EXPECT_FALSE(Enabled(d, 1035));
        EXPECT_TRUE(Ticked(d, 1041));
        TestDriver::Click(d, IDCANCEL);
    });
    EXPECT_EQ(edit.m_input.isNull, 0);
    EXPECT_EQ(edit.m_output.isNull, 1);
}

TEST_F(MethodDialogsTest, OkChecksTheNameThenTheCodeThenItsClashes) {
    struct CodeCase {
        const char* name;
        const char* code;
        const char* message;  // null: accepted
    };
    const CodeCase cases[] = {
        {"x", "1a", nullptr},
        {"x", "0x12", "코드값은 4자리 16진수 이어야 합니다."},
        {"x", "12345", "코드값은 4자리 16진수 이어야 합니다."},
        {"x", "", "코드값은 4자리 16진수 이어야 합니다."},
        {"", "zz", "메서드 이름을 입력하세요"},
        {"x", "100", "* Codde 중복 *\n위치조회 (CALL, 0x0100)\n"},
    };
    for (const CodeCase& c : cases) {
        SCOPED_TRACE(c.code);
        CNewMethodDlg dialog;
        dialog.m_nDomainId = kPositionService;
        if (c.message) driver.AnswerMessageBox(IDOK);
        const int result = RunMethodDialog(driver, dialog, [&](CDialog& d) {
            TestDriver::Type(d, 1038, c.name);
            TestDriver::Type(d, 1037, c.code);
            TestDriver::Click(d, IDOK);
            if (!c.message) return;
            EXPECT_TRUE(d.IsModalRunning());
            TestDriver::Click(d, IDCANCEL);
        });
        if (c.message) {
            EXPECT_EQ(result, IDCANCEL);
            ASSERT_FALSE(BoxTexts().empty());
            EXPECT_EQ(BoxTexts().back(), c.message);
        } else {
            EXPECT_EQ(result, IDOK);
            EXPECT_EQ(dialog.m_strCode, "1A");
            EXPECT_EQ(dialog.m_strType, "CALL");
        }
    }
    EXPECT_EQ(BoxTexts().size(), 5u);  // one box per refusal: no code message after the name's

    // The method itself is left out of the clash check when it keeps its code.
    CNewMethodDlg edit;
    edit.m_nEditMode = 1;
    edit.m_nDomainId = kPositionService;
    edit.m_strType = "CALL";
    edit.m_strCode = "0100";
    edit.m_strName = "위치조회";
    edit.m_strPreviousName = "위치조회";
    EXPECT_EQ(RunMethodDialog(driver, edit, [](CDialog& d) { TestDriver::Click(d, IDOK); }), IDOK);
}

TEST_F(MethodDialogsTest, DataListsShowFieldsAndConstantsOfTheChosenData) {
    CNewMethodDlg dialog;
    dialog.m_nDomainId = kPositionService;
    driver.AnswerMessageBox(IDOK);
    RunMethodDialog(driver, dialog, [&](CDialog& d) {
        EXPECT_FALSE(Visible(d, 1125) || Visible(d, 1126) || Visible(d, 1127) || Visible(d, 1128));
        // No domain chosen yet: "입력데이타추가" puts a "NULL" entry in place, which carries no data.
        TestDriver::Click(d, 1118);
        EXPECT_EQ(Selected(d, 1034), "NULL");
        TestDriver::ChooseComboItem(d, 1034, 0);
        EXPECT_FALSE(Visible(d, 1125) || Visible(d, 1126));

        Choose(d, 1035, "Pos");
        Choose(d, 1036, "위치");
        EXPECT_TRUE(Visible(d, 1127) && Enabled(d, 1127));
        EXPECT_FALSE(Visible(d, 1128));
        Choose(d, 1035, "기본형");  // a domain change leaves the buttons of the last data
        EXPECT_TRUE(Visible(d, 1127));
        Choose(d, 1036, "Mode16");
        EXPECT_TRUE(Visible(d, 1128) && !Visible(d, 1127));
        Choose(d, 1036, "Int8");
        EXPECT_FALSE(Visible(d, 1127) || Visible(d, 1128));
        Choose(d, 1036, "Mode16");
        TestDriver::Click(d, 1041);  // Null: the side carries nothing, its buttons go
        EXPECT_FALSE(Enabled(d, 1035) || Visible(d, 1128));

        TestDriver::Type(d, 1038, "널_입력");
        TestDriver::Type(d, 1037, "7ff0");
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"도메인을 선택하세요"});
    EXPECT_EQ(dialog.m_input.dataName, "NULL");
    EXPECT_EQ(dialog.m_output.dataName, "");
    EXPECT_EQ(dialog.m_output.isNull, 1);
    EXPECT_EQ(dialog.m_strName, "널_입력");
}

TEST_F(MethodDialogsTest, InterfaceDialogKeepsTheNameOfALockedInterface) {
    CNewInterfaceDlg fresh;  // a new interface asks for no lock
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(CNewInterfaceDlg::IDD, [](CDialog& d) {
        TestDriver::Click(d, IDOK);
        EXPECT_TRUE(d.IsModalRunning());
        TestDriver::Type(d, 1031, "I_새");
        TestDriver::Type(d, 1010, "설명");
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(fresh.DoModal(), IDOK);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"데이타 이름을 입력하세요"});
    EXPECT_EQ(fresh.m_strName, "I_새");

    CNewInterfaceDlg locked;
    locked.m_nDomainId = kPositionService;
    locked.m_strName = "I위치";
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(CNewInterfaceDlg::IDD, [](CDialog& d) {
        EXPECT_FALSE(Enabled(d, 1031));
        TestDriver::Type(d, 1010, "잠긴 인터페이스");
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(locked.DoModal(), IDOK);
    EXPECT_EQ(BoxTexts().back(),
              "*System Domain에서 System과 연결된 Interface 입니다.*\n 현재 System이 Lock 상태 이므로 수정 할 수 없습니다.");
    EXPECT_EQ(locked.m_strName, "I위치");
    EXPECT_EQ(locked.m_strDescription, "잠긴 인터페이스");
}

TEST_F(MethodDialogsTest, MemberDialogReloadsBothListsAfterEachChange) {
    const int domain = NewMethodDomain(UniqueName());
    NewMethod(domain, "m1", "CALL", 1);
    NewMethod(domain, "m2", "EVENT", 2);
    NewMethod(domain, "m3", "SIGNAL", 3);
    NewInterface(domain, "I_멤버", {"m1"});
    class_interface_info iface = InterfaceRecord(domain, "I_멤버");

    auto rows = [](CDialog& d, int id) { return ListColumn(List(d, id), id == 1042 ? 1 : 0); };
    CInterfaceMemberViewDlg dialog;
    dialog.m_pInterface = &iface;
    driver.AnswerMessageBox(IDCANCEL);
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(CNewMethodDlg::IDD, [](CDialog& d) {
        TestDriver::Type(d, 1038, "새_메서드");
        TestDriver::Type(d, 1037, "4");
        TestDriver::Click(d, IDOK);
    });
    driver.OnDialog(CInterfaceMemberViewDlg::IDD, [&](CDialog& d) {
        EXPECT_EQ(rows(d, 1042), std::vector<std::string>{"m1"});
        EXPECT_EQ(rows(d, 1046), (std::vector<std::string>{"m2", "m3"}));
        CListCtrl& members = List(d, 1042);
        EXPECT_EQ(members.GetItemText(0, 12), std::to_string(domain).c_str());
        EXPECT_EQ(members.GetItemText(0, 3), "0x0001");

        TestDriver::ClickListRow(List(d, 1046), 1);
        TestDriver::Click(d, 1045);
        EXPECT_EQ(rows(d, 1042), (std::vector<std::string>{"m1", "m3"}));
        EXPECT_EQ(rows(d, 1046), std::vector<std::string>{"m2"});

        TestDriver::ClickListRow(members, 0);
        TestDriver::Click(d, 1052);  // cancelled: nothing is sent
        EXPECT_EQ(rows(d, 1042), (std::vector<std::string>{"m1", "m3"}));
        TestDriver::Click(d, 1052);
        EXPECT_EQ(rows(d, 1042), std::vector<std::string>{"m3"});
        EXPECT_EQ(rows(d, 1046), (std::vector<std::string>{"m1", "m2"}));

        TestDriver::Click(d, 1117);
        EXPECT_EQ(rows(d, 1046), (std::vector<std::string>{"m1", "m2", "새_메서드"}));
        TestDriver::Click(d, IDOK);
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.m_nMethodCreated, 1);
    EXPECT_EQ(StoredMembers(domain, "I_멤버"), std::vector<std::string>{"m3"});
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "선택된 멤버메서드를 해제 하시겠습니까?");
    EXPECT_EQ(driver.MessageBoxes()[0].caption, "클라이언트");
}

TEST_F(MethodDialogsTest, MemberDialogShowsTheWholeDomainOfEachMember) {
    // A member of a method domain three levels down: its qualifier is longer than the column's own width.
    const int top = NewMethodDomain("Navigation" + UniqueName());
    const int middle = NewMethodDomain("Positioning", top);
    const int domain = NewMethodDomain("SatelliteReceivers", middle);
    NewMethod(domain, "ReportFixWithDilutionOfPrecision", "CALL", 1);
    NewMethod(domain, "m2", "EVENT", 2);
    NewInterface(domain, "IFix", {"ReportFixWithDilutionOfPrecision"});
    class_interface_info iface = InterfaceRecord(domain, "IFix");

    CInterfaceMemberViewDlg dialog;
    dialog.m_pInterface = &iface;
    driver.OnDialog(CInterfaceMemberViewDlg::IDD, [&](CDialog& d) {
        CListCtrl& members = List(d, 1042);
        ASSERT_EQ(members.GetItemCount(), 1);
        // The dialog's font (its template: 9 points of 굴림).
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(90, "굴림"));
        CDC measure;
        measure.SelectObject(&font);
        for (int column : {0, 1}) {
            const CString text = members.GetItemText(0, column);
            EXPECT_GT(members.GetColumnWidth(column), measure.GetTextExtent(text).cx) << text.GetString();
        }
        EXPECT_GT(measure.GetTextExtent(members.GetItemText(0, 0)).cx, 120);
        // The narrow widths stay where the texts need no more, the hidden columns stay hidden.
        EXPECT_EQ(List(d, 1046).GetColumnWidth(0), 250);
        EXPECT_EQ(members.GetColumnWidth(2), 0);
        EXPECT_TRUE(TestDriver::SaveWindowPng(d, TestDriver::ArtifactPath("interface-members.png")));
        TestDriver::Click(d, IDOK);
    });
    dialog.DoModal();
}

TEST_F(MethodDialogsTest, RenameDialogAcceptsOnlyACheckedValueWithoutClash) {
    class_method_info first, second;
    first.name = "Ping";
    first.code = "1";
    second.name = "Pong";
    second.code = "16";

    class_edit_overlap_method_dialog names;
    names.m_strLabel = "Method Name :";
    names.m_strValue = "Ping";
    names.m_vecMethods = {first, second};
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.OnDialog(class_edit_overlap_method_dialog::IDD, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1149), "Method Name :");
        TestDriver::Click(d, IDOK);            // no check yet
        TestDriver::Type(d, 1148, "Pong");
        TestDriver::Click(d, 1167);            // a clash
        TestDriver::Click(d, IDOK);            // is not accepted
        TestDriver::Type(d, 1148, "Ping2");
        TestDriver::Click(d, 1167);
        TestDriver::Type(d, 1148, "Ping3");    // changed since the check
        TestDriver::Click(d, IDOK);
        TestDriver::Click(d, 1167);
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(names.DoModal(), IDOK);
    EXPECT_EQ(names.m_strResult, "Ping3");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"중복검사를 해주세요", "변경된 이름도 중복 입니다. 다시 변경해 주세요",
                                                    "중복검사를 해주세요", "중복검사를 해주세요"}));

    // Codes are shown and typed in hexadecimal and compared as numbers.
    class_edit_overlap_method_dialog codes;
    codes.m_nMode = class_edit_overlap_method_dialog::MODE_CODE;
    codes.m_strLabel = "Method Code :";
    codes.m_strValue = "1";
    codes.m_vecMethods = {first, second};
    driver.OnDialog(class_edit_overlap_method_dialog::IDD, [](CDialog& d) {
        EXPECT_EQ(Text(d, 1148), "0001");
        TestDriver::Click(d, 1167);            // 1 is Ping's code
        TestDriver::Type(d, 1148, "10");       // 0x10 is Pong's
        TestDriver::Click(d, 1167);
        TestDriver::Type(d, 1148, "1G");
        TestDriver::Click(d, 1167);
        TestDriver::Type(d, 1148, "00ff");
        TestDriver::Click(d, 1167);
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(codes.DoModal(), IDOK);
    EXPECT_EQ(codes.m_strResult, "00ff");
    const std::vector<std::string> texts = BoxTexts();
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[4], "Ping(데이타)와 : Code가 현재 중복 입니다. 변경해주세요. ");
    EXPECT_EQ(texts[5], "Pong(데이타)와 : Code가 현재 중복 입니다. 변경해주세요. ");
    EXPECT_EQ(texts[6], "코드값은 4자리 16진수 이어야 합니다.");
}

TEST_F(MethodDialogsTest, CopyDialogHandsBackTheSelectedMethods) {
    class_copy_method_dialog dialog;
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.OnDialog(class_copy_method_dialog::IDD, [](CDialog& d) {
        // Sub-domains follow their parent, one "-" deeper.
        const std::vector<std::string> domains = ComboEntries(d, 1186);
        const auto navService = std::find(domains.begin(), domains.end(), "NavService");
        ASSERT_TRUE(navService != domains.end() && navService + 1 != domains.end());
        EXPECT_EQ(navService[1], "-위치서비스");
        TestDriver::Click(d, IDOK);  // no domain
        Choose(d, 1186, "NavService");
        TestDriver::Click(d, IDOK);  // no method
        CListCtrl& list = List(d, 1187);
        EXPECT_EQ(list.GetItemText(0, 0), "GetPosition");
        EXPECT_EQ(list.GetItemText(0, 2), "CALL");
        TestDriver::ClickListRow(list, 2);
        TestDriver::ClickListRow(list, 0, true);
        TestDriver::Click(d, IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(dialog.m_vecChosenMethods.size(), 2u);
    EXPECT_EQ(dialog.m_vecChosenMethods[0].name, "GetPosition");
    EXPECT_EQ(dialog.m_vecChosenMethods[1].code, "16");
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Domain 선택이 않되었습니다.", "Method가 선택이 않되었습니다."}));
    dialog.free_item_data();

    class_copy_method_dialog cancelled;
    driver.OnDialog(class_copy_method_dialog::IDD, [](CDialog& d) { TestDriver::Click(d, 4); });
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
}

}  // namespace
