#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "DomainListTestSupport.h"
#include "XmlDocument.h"

using tamo::documents::XmlDocument;
using tamo::documents::XmlNode;
using documents_test::ReadFile;
using documents_test::WriteFile;

namespace {

namespace fs = std::filesystem;

class XmlDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() / ("tamo-xml-" + std::to_string(::getpid()) + "-" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override {
        fs::permissions(m_folder, fs::perms::owner_all);
        fs::remove_all(m_folder);
    }

    std::string Path(const std::string& name) const { return (m_folder / name).string(); }

    // A document with the declaration, one instruction and a root holding one text element.
    static std::unique_ptr<XmlDocument> SmallDocument(const std::string& text) {
        auto document = XmlDocument::Create();
        document->AppendChild(document->CreateProcessingInstruction("xml", "version=\"1.0\""));
        document->AppendChild(document->CreateProcessingInstruction("xml-stylesheet", "href=\"a.xsl\""));
        XmlNode root = document->AppendChild(document->CreateElement("루트"));
        root.SetAttribute("xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance");
        XmlNode item = document->CreateElement("item");
        item.SetText(text);
        root.AppendChild(item);
        root.AppendChild(document->CreateElement("empty"));
        return document;
    }

    static std::vector<std::string> ChildNames(XmlNode parent) {
        std::vector<std::string> names;
        for (XmlNode child = parent.FirstChildElement(); child; child = child.NextSiblingElement())
            names.push_back(child.Name());
        return names;
    }

    fs::path m_folder;
};

TEST_F(XmlDocumentTest, SavesUtf8WithExactlyTheDeclarationItHolds) {
    const std::string text = "항법 & <위치> \"the ship's\" \\ end";
    auto document = SmallDocument(text);
    std::string saved;
    std::string error;
    ASSERT_TRUE(document->Serialize(saved, error)) << error;

    EXPECT_EQ(saved.substr(0, saved.find('\n')), "<?xml version=\"1.0\"?>");
    EXPECT_NE(saved.find("<?xml-stylesheet href=\"a.xsl\"?>"), std::string::npos);
    EXPECT_EQ(saved.find("encoding"), std::string::npos);
    EXPECT_NE(saved.find("<루트 xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"), std::string::npos);
    EXPECT_NE(saved.find("&amp; &lt;위치&gt;"), std::string::npos) << saved;

    auto parsed = XmlDocument::Parse(saved);
    ASSERT_EQ(parsed.status, XmlDocument::LoadStatus::loaded) << parsed.message;
    const XmlNode root = parsed.document->DocumentElement();
    EXPECT_EQ(root.Name(), "루트");
    EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"item", "empty"}));
    EXPECT_EQ(root.FirstChildElement().Text(), text);
    EXPECT_EQ(root.FirstChildElement().NextSiblingElement().Text(), "");
}

TEST_F(XmlDocumentTest, ElementWalksPassOverTextCommentsAndInstructions) {
    auto parsed = XmlDocument::Parse(
        "<r>\n  <!-- note -->\n  <a>1<b>2</b><![CDATA[<3>]]></a>\n  <?pi x?>\n  text\n  <c/>\n</r>");
    ASSERT_EQ(parsed.status, XmlDocument::LoadStatus::loaded) << parsed.message;
    const XmlNode root = parsed.document->DocumentElement();
    EXPECT_EQ(ChildNames(root), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(root.FirstChildElement().Text(), "12<3>");
    EXPECT_FALSE(root.FirstChildElement().NextSiblingElement().FirstChildElement());
    EXPECT_FALSE(XmlNode().FirstChildElement());
    EXPECT_EQ(XmlNode().Text(), "");
}

TEST_F(XmlDocumentTest, TellsAFileThatCannotBeReadFromOneThatDoesNotParse) {
    EXPECT_EQ(XmlDocument::Load(Path("missing.xml")).status, XmlDocument::LoadStatus::cannot_read);
    EXPECT_EQ(XmlDocument::Load(m_folder.string()).status, XmlDocument::LoadStatus::cannot_read);

    const struct {
        const char* name;
        std::string bytes;
    } broken[] = {
        {"empty", ""},
        {"unclosed", "<?xml version=\"1.0\"?>\n<domainlist>\n<methoddomain>\n</domainlist>"},
        {"two roots", "<a/><b/>"},
        {"not utf-8", std::string("<a>\xFF\xFE</a>")},
        {"text only", "domainlist"},
    };
    for (const auto& file : broken) {
        WriteFile(Path("broken.xml"), file.bytes);
        const auto loaded = XmlDocument::Load(Path("broken.xml"));
        EXPECT_EQ(loaded.status, XmlDocument::LoadStatus::does_not_parse) << file.name;
        EXPECT_FALSE(loaded.document) << file.name;
        EXPECT_FALSE(loaded.message.empty()) << file.name;
    }
    WriteFile(Path("broken.xml"), "<a>\n<b>\n</a>");
    EXPECT_EQ(XmlDocument::Load(Path("broken.xml")).message.rfind("줄 3, ", 0), 0u);
}

TEST_F(XmlDocumentTest, FetchesNoExternalEntityAndLimitsExpansion) {
    const std::string secret = Path("secret.txt");
    WriteFile(secret, "SECRET");
    const auto external = XmlDocument::Parse("<!DOCTYPE r [<!ENTITY x SYSTEM \"file://" + secret +
                                             "\">]><r>&x;</r>");
    if (external.status == XmlDocument::LoadStatus::loaded) {
        EXPECT_EQ(external.document->DocumentElement().Text().find("SECRET"), std::string::npos);
    }

    std::string laughs = "<!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\">";
    for (char level = 'b'; level <= 'j'; ++level) {
        std::string entity(1, static_cast<char>(level - 1));
        laughs += std::string("<!ENTITY ") + level + " \"";
        for (int i = 0; i < 10; ++i) laughs += "&" + entity + ";";
        laughs += "\">";
    }
    laughs += "]><r>&j;</r>";
    EXPECT_EQ(XmlDocument::Parse(laughs).status, XmlDocument::LoadStatus::does_not_parse);
}

TEST_F(XmlDocumentTest, DeepNestingIsReadWithoutExhaustingTheStack) {
    const int depth = 100000;
    std::string text;
    for (int i = 0; i < depth; ++i) text += "<a>";
    text += "x";
    for (int i = 0; i < depth; ++i) text += "</a>";
    const auto parsed = XmlDocument::Parse(text);
    if (parsed.status == XmlDocument::LoadStatus::loaded) {
        EXPECT_EQ(parsed.document->DocumentElement().Text(), "x");
    }
}

TEST_F(XmlDocumentTest, ASaveReplacesTheFileOnlyWhenItIsComplete) {
    const std::string path = Path("out.xml");
    WriteFile(path, "old");
    std::string error;
    ASSERT_TRUE(SmallDocument("new")->Save(path, error)) << error;
    EXPECT_NE(ReadFile(path).find("<item>new</item>"), std::string::npos);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);

    EXPECT_FALSE(SmallDocument("x")->Save(Path("no/such/folder/out.xml"), error));
    EXPECT_NE(error.find("no/such/folder/out.xml"), std::string::npos) << error;
    EXPECT_FALSE(SmallDocument("x")->Save(m_folder.string() + "/", error));

    if (::geteuid() != 0) {  // root writes into a read-only folder anyway
        fs::permissions(m_folder, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(SmallDocument("newer")->Save(path, error));
        fs::permissions(m_folder, fs::perms::owner_all);
        EXPECT_NE(ReadFile(path).find("<item>new</item>"), std::string::npos);
    }
    for (const auto& entry : fs::directory_iterator(m_folder))
        EXPECT_EQ(entry.path().filename().string().rfind(".tamo-", 0), std::string::npos) << entry.path();
}

}  // namespace
