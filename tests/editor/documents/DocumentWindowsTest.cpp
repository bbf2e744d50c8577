#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "CWnd.h"
#include "Colleague.h"
#include "DocumentsDatabaseTest.h"
#include "DomainListTestSupport.h"
#include "EditorResources.h"
#include "SessionMessageBox.h"
#include "TestDriver.h"
#include "class_hmlcontroller.h"
#include "class_msxmlcontroller.h"
#include "class_sdd_print_controller.h"
#include "class_xmlimport_dialog.h"

namespace {

using documents_test::DocumentsDatabaseTest;
using documents_test::ReadFile;
using documents_test::WriteFile;
using tamo::platform::TestDriver;

enum : int { IDD_XML_IMPORT = 391, IDC_DATABASE = 1159, IDC_XML_DOCUMENT = 1160, IDC_RULES = 1161 };
enum : int { IDD_SDD_CHOICE = 426, IDC_SDD_SUMMARY = 1210, IDC_SDD_DETAILED = 1211 };

const char* const kFilter = "Text files(*.xml)|*.xml|";

// The session's boxes are the application's boxes, as in the editor, so that the driver answers them.
int ApplicationBox(LPCTSTR text, UINT type) { return AfxMessageBox(text, type); }

class DocumentWindowsTest : public DocumentsDatabaseTest {
protected:
    explicit DocumentWindowsTest(std::string database = "documents_windows")
        : DocumentsDatabaseTest(std::move(database)) {}

    void SetUp() override {
        DocumentsDatabaseTest::SetUp();
        std::string error;
        ASSERT_TRUE(tamo::res::LoadEditorResources(&error)) << error;
        SetSessionMessageBoxHandler(ApplicationBox);
    }

    std::vector<std::string> BoxTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : driver.MessageBoxes()) texts.push_back(box.text.str());
        return texts;
    }

    // The mode dialog's next showing chooses the button (0: none) and presses OK.
    void AnswerMode(int button) {
        driver.OnDialog(IDD_XML_IMPORT, [button](CDialog& dialog) {
            if (button) TestDriver::Click(dialog, button);
            TestDriver::Click(dialog, IDOK);
        });
    }

    TestDriver driver;
};

TEST_F(DocumentWindowsTest, TheModeDialogShowsTheRulesOfTheChosenMode) {
    const std::string merge =
        "\n\n1) 입력한 XmlDocument의 method_domain id값을 key값으로 사용된다\n\n2) Key 값이 같으면 DB컬럼의 Vaule들은 "
        "수정 된다\n\n3) Key 값이 다르면 DB컬럼의 Vaule들은 생성 된다.\n\n4) DB컬럼의 Vaule들은 생성, 수정 된다.";
    const std::string replace =
        "\n\n1) 입력한 XmlDocument의 method_domain id값을 key값으로 사용된다\n\n2) 기존 DB값은 삭제 하고\n\n3) Import한 "
        "XmlDocument를 기준으로 DB값을 새로 생성한다\n\n4) DB컬럼의 Vaule들은 생성, 삭제 된다.";
    std::vector<std::string> shown;
    driver.OnDialogOf<class_xmlimport_dialog>(IDD_XML_IMPORT, [&](class_xmlimport_dialog& dialog) {
        CString text;
        dialog.GetWindowText(text);
        shown.push_back(text.str());
        EXPECT_FALSE(static_cast<CButton*>(dialog.GetDlgItem(IDC_DATABASE))->GetCheck());
        EXPECT_FALSE(static_cast<CButton*>(dialog.GetDlgItem(IDC_XML_DOCUMENT))->GetCheck());
        dialog.GetDlgItemText(IDC_RULES, text);
        shown.push_back(text.str());
        TestDriver::Click(dialog, IDC_XML_DOCUMENT);
        dialog.GetDlgItemText(IDC_RULES, text);
        shown.push_back(text.str());
        EXPECT_EQ(dialog.m_nMode, 1);
        TestDriver::Click(dialog, IDC_DATABASE);
        dialog.GetDlgItemText(IDC_RULES, text);
        shown.push_back(text.str());
        EXPECT_EQ(dialog.m_nMode, 0);
        TestDriver::Click(dialog, IDC_XML_DOCUMENT);
        TestDriver::Click(dialog, IDOK);
    });
    class_xmlimport_dialog dialog;
    EXPECT_EQ(dialog.m_nMode, 0);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_nMode, 1);
    EXPECT_EQ(shown, (std::vector<std::string>{"XML_IMPORT", "", replace, merge}));

    AnswerMode(0);
    class_xmlimport_dialog untouched;
    EXPECT_EQ(untouched.DoModal(), IDOK);
    EXPECT_EQ(untouched.m_nMode, 0);

    driver.OnDialog(IDD_XML_IMPORT, [](CDialog& d) {
        TestDriver::Click(d, IDC_XML_DOCUMENT);
        TestDriver::Click(d, IDCANCEL);
    });
    class_xmlimport_dialog cancelled;
    EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
}

TEST_F(DocumentWindowsTest, TheExportAsksForTheFileAndAppendsTheExtension) {
    class_msxmlcontroller controller;
    driver.AnswerFileDialog("");
    EXPECT_EQ(controller.export_xml_document(6, "NavService", "NavService\\"), -1);
    ASSERT_EQ(driver.FileDialogs().size(), 1u);
    const auto& asked = driver.FileDialogs()[0];
    EXPECT_FALSE(asked.open);
    EXPECT_EQ(asked.filter, kFilter);
    EXPECT_EQ(asked.initialName, "NavService");
    EXPECT_EQ(asked.defaultExtension, "");
    EXPECT_EQ(asked.flags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT), DWORD(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_TRUE(controller.GetDocumentData().m_strExportPath.empty());

    const struct {
        std::string chosen;
        std::string written;
    } paths[] = {{"out", "out.xml"}, {"out.xml", "out.xml"}, {"a.xml.txt", "a.xml.txt"}, {"a.XML", "a.XML.xml"}};
    for (const auto& path : paths) {
        std::filesystem::remove(FilePath(path.written));
        driver.AnswerFileDialog(FilePath(path.chosen).c_str());
        EXPECT_EQ(controller.export_xml_document(6, "NavService", "NavService\\"), 0) << path.chosen;
        EXPECT_NE(ReadFile(FilePath(path.written)).find("<path>method\\NavService\\</path>"), std::string::npos)
            << path.chosen;
        EXPECT_TRUE(controller.GetDocumentData().m_export.methods.empty());  // emptied after each export
    }

    // A document that cannot be saved says where and why; the caller then says that none was made.
    const std::string unwritable = FilePath("no/such/folder/out.xml");
    driver.AnswerFileDialog(unwritable.c_str());
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(controller.export_xml_document(6, "NavService", "NavService\\"), -1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"XML 문서를 저장하지 못했습니다.\n" + unwritable + ": " +
                                                   std::strerror(ENOENT)});
}

TEST_F(DocumentWindowsTest, TheImportAsksForTheFileAndTheModeAndTellsHowItWent) {
    class_msxmlcontroller controller;
    driver.AnswerFileDialog("");
    EXPECT_EQ(controller.import_xml_document(), -1);
    ASSERT_EQ(driver.FileDialogs().size(), 1u);
    EXPECT_TRUE(driver.FileDialogs()[0].open);
    EXPECT_EQ(driver.FileDialogs()[0].filter, kFilter);
    EXPECT_EQ(driver.FileDialogs()[0].initialName, "");

    const std::string path = FilePath("import.xml");
    WriteFile(path, "<?xml version=\"1.0\"?><domainlist><methoddomain><row><id>920</id><upper_id>0</upper_id>"
                    "<name>Windowed</name><public>1</public><standard_port>12600</standard_port>"
                    "<description/></row><method><row><domain_id>920</domain_id><name>M</name><type>EVENT</type>"
                    "<code>0x0001</code></row></method></methoddomain></domainlist>");
    driver.AnswerFileDialog(path.c_str());
    driver.OnDialog(IDD_XML_IMPORT, [](CDialog& d) { TestDriver::Click(d, IDCANCEL); });
    EXPECT_EQ(controller.import_xml_document(), -1);
    EXPECT_EQ(AdminValue("SELECT COUNT(*) FROM domain WHERE id = 920"), "0");

    driver.AnswerFileDialog(path.c_str());
    AnswerMode(IDC_XML_DOCUMENT);
    EXPECT_EQ(controller.import_xml_document(), 0);
    EXPECT_EQ(AdminValue("SELECT name FROM method WHERE domain_id = 920"), "M");
    EXPECT_EQ(controller.GetDocumentData().m_nMode, 0);
    EXPECT_TRUE(BoxTexts().empty());

    driver.AnswerFileDialog(FilePath("missing.xml").c_str());
    AnswerMode(IDC_DATABASE);
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(controller.import_xml_document(), 1);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"파일을 읽어 오는데 실패했습니다"});
}

TEST_F(DocumentWindowsTest, TheMethodDomainDocumentAsksForTheFileAndAppendsTheExtension) {
    class_hmlcontroller controller;
    driver.AnswerFileDialog("");
    EXPECT_EQ(controller.create_hml_document(6, "NavService"), -1);
    ASSERT_EQ(driver.FileDialogs().size(), 1u);
    const auto& asked = driver.FileDialogs()[0];
    EXPECT_FALSE(asked.open);
    EXPECT_EQ(asked.filter, "HWPML files(*.hml)|*.hml|");
    EXPECT_EQ(asked.initialName, "NavService");
    EXPECT_EQ(asked.defaultExtension, "");
    EXPECT_EQ(asked.flags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT), DWORD(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));

    const struct {
        std::string chosen;
        std::string written;
    } paths[] = {{"plan", "plan.hml"}, {"plan.hml.bak", "plan.hml.bak"}, {"PLAN.HML", "PLAN.HML.hml"}};
    for (const auto& path : paths) {
        driver.AnswerFileDialog(FilePath(path.chosen).c_str());
        EXPECT_EQ(controller.create_hml_document(6, "NavService"), 0) << path.chosen;
        EXPECT_TRUE(documents_test::WellFormed(FilePath(path.written))) << path.chosen;
        EXPECT_TRUE(controller.GetDocumentData().m_lists.methods.empty());  // emptied after each document
    }
    EXPECT_TRUE(BoxTexts().empty());
}

// The documents are made from what the server holds when the command runs: a method domain or a component that
// another user renamed is written under its current name, one that it deleted is refused with a message and no
// file (an empty document would look made).
class DocumentsOfAChangedDesignTest : public DocumentWindowsTest {
protected:
    DocumentsOfAChangedDesignTest() : DocumentWindowsTest("documents_windows_changed") {}

    void Colleague(const std::string& call) { tamo::testing::RunAsColleague(m_server, {call}); }
};

TEST_F(DocumentsOfAChangedDesignTest, DocumentsFollowWhatAnotherUserChanged) {
    const std::string suffix = std::to_string(::getpid());
    const std::string oldName = "Old_m" + suffix, newName = "New_m" + suffix;
    const int method = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "method",
                                                     0, oldName, 0, "1", ""));
    ASSERT_GT(method, 0) << db->GetLastErrorText();
    const int system = db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s', %d,'%s','%s')", "system",
                                                     0, "S" + suffix, 0, "1", ""));
    ASSERT_GT(system, 0) << db->GetLastErrorText();
    class_component_info component;
    component.component_id =
        db->QueryInt(db->FormatCall("call componentsNewcomponent(%d,'%s','%s')", system, "옛 부품", ""));
    ASSERT_GT(component.component_id, 0) << db->GetLastErrorText();
    const std::string id = std::to_string(method), componentId = std::to_string(component.component_id);
    Colleague("call domainViewEditDomain(" + id + ",'method','" + newName + "', 0,'1','')");
    Colleague("call ComponentViewEditComponent(" + componentId + "," + std::to_string(system) + ",'새 부품','')");

    class_msxmlcontroller xml;
    driver.AnswerFileDialog(FilePath("renamed.xml").c_str());
    EXPECT_EQ(xml.export_xml_document(method, oldName, (oldName + "\\").c_str()), 0);
    const std::string document = ReadFile(FilePath("renamed.xml"));
    EXPECT_NE(document.find("<path>method\\" + newName + "\\</path>"), std::string::npos) << document;
    EXPECT_EQ(document.find(oldName), std::string::npos) << document;

    class_sdd_print_controller sdd;
    driver.OnDialog(IDD_SDD_CHOICE, [](CDialog& dialog) {
        TestDriver::Click(dialog, IDC_SDD_SUMMARY);
        TestDriver::Click(dialog, IDOK);
    });
    driver.AnswerFileDialog(FilePath("renamed").c_str());
    EXPECT_EQ(sdd.print_sdd_document(component, "옛 부품"), 0);
    EXPECT_NE(ReadFile(FilePath("renamed.hml")).find("<CHAR>새 부품 Component"), std::string::npos);
    EXPECT_TRUE(BoxTexts().empty());

    Colleague("call domainViewDeleteDomain(" + id + ",'method')");
    Colleague("call componentViewDeletecomponent(" + componentId + "," + std::to_string(system) + ")");
    driver.SetDefaultMessageBoxAnswer(IDOK);
    driver.AnswerFileDialog(FilePath("gone.xml").c_str());
    EXPECT_EQ(xml.export_xml_document(method, oldName, (oldName + "\\").c_str()), -1);
    class_hmlcontroller hml;
    driver.AnswerFileDialog(FilePath("gone.hml").c_str());
    EXPECT_EQ(hml.create_hml_document(method, oldName), -1);
    driver.OnDialog(IDD_SDD_CHOICE, [](CDialog& dialog) {
        TestDriver::Click(dialog, IDC_SDD_SUMMARY);
        TestDriver::Click(dialog, IDOK);
    });
    driver.AnswerFileDialog(FilePath("gone_sdd").c_str());
    EXPECT_EQ(sdd.print_sdd_document(component, "옛 부품"), -1);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"도메인이 없습니다. 다른 사용자가 지웠습니다.",
                                                    "도메인이 없습니다. 다른 사용자가 지웠습니다.",
                                                    "컴포넌트가 없습니다. 다른 사용자가 지웠습니다."}));
    for (const char* file : {"gone.xml", "gone.hml", "gone_sdd.hml"})
        EXPECT_FALSE(std::filesystem::exists(FilePath(file))) << file;
}

TEST_F(DocumentWindowsTest, TheDesignDescriptionAsksForTheKindThenTheFile) {
    const int helm = std::stoi(AdminValue("SELECT id FROM component WHERE name = '조타 제어기'"));
    class_component_info component;
    component.component_id = helm;
    class_sdd_print_controller controller;

    // "저장" without a choice keeps the dialog open; "취소" ends without a file dialog.
    std::vector<std::string> shown;
    driver.OnDialog(IDD_SDD_CHOICE, [&](CDialog& dialog) {
        CString caption;
        dialog.GetWindowText(caption);
        shown.push_back(caption.str());
        EXPECT_FALSE(dialog.IsDlgButtonChecked(IDC_SDD_SUMMARY) || dialog.IsDlgButtonChecked(IDC_SDD_DETAILED));
        TestDriver::Click(dialog, IDOK);
        EXPECT_TRUE(dialog.IsWindowVisible());
        TestDriver::Click(dialog, IDCANCEL);
    });
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(controller.print_sdd_document(component, "조타 제어기"), -1);
    EXPECT_EQ(shown, std::vector<std::string>{"SDD 문서 출력"});
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"출력할 Type을 선택해 주세요."});
    EXPECT_TRUE(driver.FileDialogs().empty());

    const auto choose = [this](int button) {
        driver.OnDialog(IDD_SDD_CHOICE, [button](CDialog& dialog) {
            TestDriver::Click(dialog, button);
            TestDriver::Click(dialog, IDOK);
        });
    };
    choose(IDC_SDD_SUMMARY);
    driver.AnswerFileDialog("");
    EXPECT_EQ(controller.print_sdd_document(component, "조타 제어기"), -1);
    ASSERT_EQ(driver.FileDialogs().size(), 1u);
    EXPECT_EQ(driver.FileDialogs()[0].filter, "HWPML files(*.hml)|*.hml|");
    EXPECT_EQ(driver.FileDialogs()[0].initialName, "");
    EXPECT_EQ(driver.FileDialogs()[0].flags & OFN_OVERWRITEPROMPT, DWORD(OFN_OVERWRITEPROMPT));

    // Summary: the four member methods of IHeartbeat and I위치; detailed: their member functions as well, and
    // the BROADCAST Heartbeat is told to have none.
    choose(IDC_SDD_SUMMARY);
    driver.AnswerFileDialog(FilePath("summary").c_str());
    EXPECT_EQ(controller.print_sdd_document(component, "조타 제어기"), 0);
    EXPECT_TRUE(documents_test::WellFormed(FilePath("summary.hml")));
    const std::string summary = ReadFile(FilePath("summary.hml"));
    EXPECT_NE(summary.find("<CHAR>조타 제어기 Component Interface 함수 목록(CSU 함수 목록)</CHAR>"), std::string::npos);
    EXPECT_NE(summary.find("RowCount=\"5\""), std::string::npos);

    choose(IDC_SDD_DETAILED);
    driver.AnswerFileDialog(FilePath("detailed").c_str());
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(controller.print_sdd_document(component, "조타 제어기"), 0);
    EXPECT_TRUE(documents_test::WellFormed(FilePath("detailed.hml")));
    // 4 × 3 own and object rows, SIGNAL 2, CALL 2, EVENT 4.
    EXPECT_NE(ReadFile(FilePath("detailed.hml")).find("RowCount=\"21\""), std::string::npos);
    EXPECT_EQ(BoxTexts().back(), "class_sdd_document_data_417\n(tamo method 타입 분류 실패)");

    // A file that cannot be written is no success.
    choose(IDC_SDD_SUMMARY);
    driver.AnswerFileDialog(FilePath("no/such/folder/out.hml").c_str());
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(controller.print_sdd_document(component, "조타 제어기"), -1);
    EXPECT_NE(BoxTexts().back().find(FilePath("no/such/folder/out.hml")), std::string::npos);
}

}  // namespace
