#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "ExportError.h"
#include "ExportFiles.h"
#include "XML_db_core.h"

using tamo::exporters::Document;
using tamo::exporters::ExportError;
using tamo::exporters::XML_db_core;
using tamo::exporters::testing::FolderEntries;
using tamo::exporters::testing::ReadFile;
using tamo::exporters::testing::ScratchFolder;
using tamo::exporters::testing::Values;

namespace {

Document SmallDocument(XML_db_core& db, const std::string& text) {
    Document document = db.create_document("tamo_zelk");
    auto* component = db.add_element(document->getDocumentElement(), "component");
    db.add_text_element(component, "name", text);
    db.add_text_element(component, "physical", "");
    db.add_element(component, "proxy_list");
    return document;
}

TEST(SaveDocument, WritesThePrettyPrintedUtf8Document) {
    ScratchFolder folder;
    XML_db_core db;
    Document document = SmallDocument(db, "o'brien <&> \"장치\" 😀");
    db.save_document(document.get(), folder.file("out.xml"));
    EXPECT_EQ(ReadFile(folder.file("out.xml")),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n"
              "<tamo_zelk>\n"
              "\n"
              "  <component>\n"
              "    <name>o'brien &lt;&amp;&gt; \"장치\" 😀</name>\n"
              "    <physical></physical>\n"
              "    <proxy_list/>\n"
              "  </component>\n"
              "\n"
              "</tamo_zelk>\n");
    EXPECT_EQ(Values(ReadFile(folder.file("out.xml")), "component/name"),
              std::vector<std::string>{"o'brien <&> \"장치\" 😀"});
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"out.xml"});
}

TEST(SaveDocument, ReplacesAnExistingFileAndKeepsTheUsualPermissions) {
    ScratchFolder folder;
    std::ofstream(folder.file("out.xml")) << "old text that is longer than nothing at all";
    XML_db_core db;
    db.save_document(SmallDocument(db, "new").get(), folder.file("out.xml"));
    EXPECT_EQ(Values(ReadFile(folder.file("out.xml")), "component/name"), std::vector<std::string>{"new"});
    struct stat status {};
    ASSERT_EQ(stat(folder.file("out.xml").c_str(), &status), 0);
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask);
}

TEST(SaveDocument, FailuresLeaveNoFileBehindAndKeepTheOldOne) {
    struct Case {
        const char* what;
        std::string text;
        std::string target;
    };
    ScratchFolder folder;
    std::ofstream(folder.file("kept.xml")) << "kept";
    const Case cases[] = {
        {"a missing folder", "fine", folder.file("missing/out.xml")},
        {"a character XML forbids", std::string("bell\x01here"), folder.file("out.xml")},
        {"a character XML forbids, over an existing file", std::string("\x1f"), folder.file("kept.xml")},
        {"a folder as target", "fine", folder.path()},
    };
    for (const Case& c : cases) {
        XML_db_core db;
        Document document = SmallDocument(db, c.text);
        try {
            db.save_document(document.get(), c.target);
            ADD_FAILURE() << c.what << ": saved";
        } catch (const ExportError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("failed to save " + c.target + ": ", 0), 0u) << error.what();
        }
        EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"kept.xml"}) << c.what;
    }
    EXPECT_EQ(ReadFile(folder.file("kept.xml")), "kept");
}

// What stands at the path already decides: only a regular file that the caller may write is replaced, in
// place of a link the file that the link names, and the replaced file keeps its permissions.
TEST(SaveDocument, AnExistingTargetMustBeAWritableRegularFile) {
    ScratchFolder folder;
    ASSERT_EQ(mkfifo(folder.file("fifo").c_str(), 0600), 0);
    ASSERT_EQ(symlink("/dev/null", folder.file("device").c_str()), 0);
    std::ofstream(folder.file("read-only.xml")) << "kept";
    ASSERT_EQ(chmod(folder.file("read-only.xml").c_str(), 0444), 0);
    ASSERT_EQ(mkdir(folder.file("folder").c_str(), 0700), 0);
    for (const char* target : {"fifo", "device", "read-only.xml", "folder"}) {
        XML_db_core db;
        try {
            db.save_document(SmallDocument(db, "x").get(), folder.file(target));
            ADD_FAILURE() << target << ": saved";
        } catch (const ExportError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("failed to save " + folder.file(target) + ": ", 0), 0u)
                << error.what();
        }
    }
    struct stat status {};
    ASSERT_EQ(lstat(folder.file("fifo").c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    ASSERT_EQ(lstat(folder.file("device").c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    EXPECT_EQ(ReadFile(folder.file("read-only.xml")), "kept");
    EXPECT_EQ(FolderEntries(folder.path()), (std::vector<std::string>{"device", "fifo", "folder", "read-only.xml"}));
}

TEST(SaveDocument, ALinkToAFileIsWrittenThroughAndTheFileKeepsItsPermissions) {
    ScratchFolder folder;
    ASSERT_EQ(mkdir(folder.file("real").c_str(), 0700), 0);
    std::ofstream(folder.file("real/out.xml")) << "old";
    ASSERT_EQ(chmod(folder.file("real/out.xml").c_str(), 0640), 0);
    ASSERT_EQ(symlink("real/out.xml", folder.file("link.xml").c_str()), 0);
    ASSERT_EQ(symlink("link.xml", folder.file("link-to-link.xml").c_str()), 0);
    ASSERT_EQ(symlink("real/new.xml", folder.file("dangling.xml").c_str()), 0);
    XML_db_core db;
    db.save_document(SmallDocument(db, "through").get(), folder.file("link-to-link.xml"));
    db.save_document(SmallDocument(db, "new").get(), folder.file("dangling.xml"));

    struct stat status {};
    ASSERT_EQ(lstat(folder.file("link-to-link.xml").c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    EXPECT_EQ(Values(ReadFile(folder.file("real/out.xml")), "component/name"), std::vector<std::string>{"through"});
    ASSERT_EQ(stat(folder.file("real/out.xml").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    // A link that names no file is replaced by the document: nothing comes into being where it points.
    ASSERT_EQ(lstat(folder.file("dangling.xml").c_str(), &status), 0);
    EXPECT_TRUE(S_ISREG(status.st_mode));
    EXPECT_EQ(Values(ReadFile(folder.file("dangling.xml")), "component/name"), std::vector<std::string>{"new"});
    EXPECT_EQ(FolderEntries(folder.file("real")), std::vector<std::string>{"out.xml"});
}

TEST(SaveDocument, TextThatIsNotUtf8EndsTheRunWithAnError) {
    XML_db_core db;
    Document document = db.create_document("tamo_zelk");
    EXPECT_THROW(db.add_text_element(document->getDocumentElement(), "name", "\xc3"), ExportError);
    EXPECT_THROW(db.add_text_element(document->getDocumentElement(), "name", "a\xff b"), ExportError);
}

}  // namespace
