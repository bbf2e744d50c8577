// "XMLDocument ▷ DB 저장" of the running editor's main frame.

#include "EditorTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FrameTestDatabase.h"

namespace {

using tamo::platform::TestDriver;

enum : UINT { ID_XML_DOCUMENT_TO_DB = 32951, IDD_XML_IMPORT = 391, IDC_XML_DOCUMENT = 1160 };

// A method domain and a data domain of their own, with a data item that the method carries.
const char* const kDocument =
    "<?xml version=\"1.0\"?><domainlist><methoddomain><row><id>960</id><upper_id>0</upper_id>"
    "<name>XmlImportedMethods</name><public>1</public><standard_port>12700</standard_port><description/></row>"
    "<method><row><domain_id>960</domain_id><name>Carry</name><type>EVENT</type><code>0x0001</code>"
    "<out_domain_id>961</out_domain_id><out_data>Item</out_data></row></method>"
    "<interface><row><domain_id>960</domain_id><name>ICarry</name><membermethod>%MEMBERS%</membermethod></row>"
    "</interface></methoddomain><datadomain><row><id>961</id><upper_id>0</upper_id><name>XmlImportedData</name>"
    "<public>1</public><description/></row><data><row><domain_id>961</domain_id><name>Item</name>"
    "<type>int32_t</type></row></data></datadomain></domainlist>";

class XmlImportCommandTest : public frame_test::EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        // The import tests' database: the command changes the design (domain ids 960 and 961 are this test's).
        m_server = frame_test::SampleDatabase("documents_import");
    }

    // Writes the document with the member rows and answers the open dialog and the mode dialog with it.
    void AnswerImport(const std::string& members) {
        std::string text = kDocument;
        text.replace(text.find("%MEMBERS%"), 9, members);
        const std::string path = (std::filesystem::current_path() / "import.xml").string();
        std::ofstream(path) << text;
        driver.AnswerFileDialog(path.c_str());
        driver.OnDialog(IDD_XML_IMPORT, [](CDialog& dialog) {
            TestDriver::Click(dialog, IDC_XML_DOCUMENT);
            TestDriver::Click(dialog, IDOK);
        });
    }

    std::vector<std::string> DataTreeTopLevel() {
        CTreeCtrl& tree = MainFrame()->GetDataDomainView().GetTreeCtrl();
        std::vector<std::string> names;
        for (HTREEITEM item = tree.GetChildItem(tree.GetRootItem()); item; item = tree.GetNextSiblingItem(item))
            names.push_back(tree.GetItemText(item).str());
        return names;
    }
};

TEST_F(XmlImportCommandTest, ImportsTheChosenDocumentRefreshesTheTreesAndSaysWhenItIsDone) {
    CMainFrame* frame = StartEditor();
    ASSERT_NE(frame, nullptr);

    driver.AnswerFileDialog("");
    frame->SendMessage(WM_COMMAND, ID_XML_DOCUMENT_TO_DB, 0);
    EXPECT_TRUE(BoxTexts().empty());

    AnswerImport("<row><method_name>Carry</method_name></row>");
    driver.AnswerMessageBox(IDOK);
    frame->SendMessage(WM_COMMAND, ID_XML_DOCUMENT_TO_DB, 0);
    ASSERT_EQ(BoxTexts(), std::vector<std::string>{"완료 되었습니다"});
    EXPECT_EQ(driver.MessageBoxes()[0].caption, "완료");
    const std::vector<std::string> names = DataTreeTopLevel();
    EXPECT_NE(std::find(names.begin(), names.end(), "XmlImportedData"), names.end());

    // A member method that names no method: the failure is shown, the replacement rolled back, and no "완료".
    AnswerImport("<row><method_name>Missing</method_name></row>");
    driver.SetDefaultMessageBoxAnswer(IDOK);
    frame->SendMessage(WM_COMMAND, ID_XML_DOCUMENT_TO_DB, 0);
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"완료 되었습니다", "추가할 메서드가 없습니다.",
                                                    "가져오기를 멈추고 모든 변경을 되돌렸습니다. 데이타베이스는 "
                                                    "바뀌지 않았습니다."}));
}

}  // namespace
