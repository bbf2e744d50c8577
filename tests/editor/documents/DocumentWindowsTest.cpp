#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CWnd.h"
#include "DocumentsDatabaseTest.h"
#include "DomainListTestSupport.h"
#include "EditorResources.h"
#include "SessionMessageBox.h"
#include "TestDriver.h"
#include "class_msxmlcontroller.h"
#include "class_xmlimport_dialog.h"

namespace {

using documents_test::DocumentsDatabaseTest;
using documents_test::ReadFile;
using documents_test::WriteFile;
using tamo::platform::TestDriver;

enum : int { IDD_XML_IMPORT = 391, IDC_DATABASE = 1159, IDC_XML_DOCUMENT = 1160, IDC_RULES = 1161 };

const char* const kFilter = "Text files(*.xml)|*.xml|";

// The session's boxes are the application's boxes, as in the editor, so that the driver answers them.
int ApplicationBox(LPCTSTR text, UINT type) { return AfxMessageBox(text, type); }

class DocumentWindowsTest : public DocumentsDatabaseTest {
protected:
    DocumentWindowsTest() : DocumentsDatabaseTest("documents_import") {}

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

    driver.AnswerFileDialog(FilePath("no/such/folder/out.xml").c_str());
    EXPECT_EQ(controller.export_xml_document(6, "NavService", "NavService\\"), -1);
    EXPECT_TRUE(BoxTexts().empty());
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

}  // namespace
