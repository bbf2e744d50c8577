#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "ConnectionSettingsText.h"
#include "FileSizeLimit.h"

namespace {

class_custum_table ProxyEntry(const std::string& className, const std::string& ip, const std::string& stubId) {
    class_custum_table entry;
    entry.class_name = className;
    entry.stub_ip = ip;
    entry.stub_object_id = stubId;
    entry.object_id = "not written";
    return entry;
}

class_custum_table StubEntry(const std::string& className, const std::string& id, const std::string& domain,
                             int port) {
    class_custum_table entry;
    entry.class_name = className;
    entry.object_id = id;
    entry.method_domain_name = domain;
    entry.method_domain_port = port;
    entry.stub_ip = "not written";
    return entry;
}

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::string TempPath(const std::string& name) {
    return ::testing::TempDir() + name + "_" + std::to_string(::getpid());
}

TEST(ConnectionSettingsText, SectionsFollowTheEntriesAndEndInAnEmptyLine) {
    EXPECT_EQ(BuildProxySections({ProxyEntry("class_Heartbeat", "192.168.1.40", "401")}),
              "[ class_Heartbeat ]\nType = proxy\nStub IP = 192.168.1.40\nStub ID = 401\n\n");
    EXPECT_EQ(BuildStubSections({StubEntry("class_위치", "301", "위치서비스", 10001),
                                 StubEntry("class_b", "", "D [x]", 0)}),
              "[ class_위치 ]\nType = stub\nStub ID = 301\nMetho_Domain_Name = 위치서비스\nMetho_Domain_port = 10001\n\n"
              "[ class_b ]\nType = stub\nStub ID = \nMetho_Domain_Name = D [x]\nMetho_Domain_port = 0\n\n");
    EXPECT_EQ(BuildProxySections({}), "");
    EXPECT_EQ(BuildStubSections({}), "");
}

TEST(ConnectionSettingsText, TheFileHoldsExactlyTheText) {
    const std::string path = TempPath("settings");
    const std::string text = "[ c ]\nType = proxy\n\n";
    EXPECT_EQ(WriteConnectionSettingsFile(path, text), "");
    EXPECT_EQ(FileBytes(path), text);
    // No entries: an empty file, also where a longer one stood.
    EXPECT_EQ(WriteConnectionSettingsFile(path, ""), "");
    std::ifstream written(path, std::ios::binary | std::ios::ate);
    ASSERT_TRUE(written.is_open());
    EXPECT_EQ(written.tellg(), 0);
    std::remove(path.c_str());
}

TEST(ConnectionSettingsText, AFileThatCannotBeWrittenIsReportedWithItsPathAndKeepsItsOldText) {
    const std::string missing = TempPath("no_such_folder") + "/a.ini";
    const std::string openError = WriteConnectionSettingsFile(missing, "x\n");
    EXPECT_EQ(openError, "err(fopen) : " + missing + "\n" + std::strerror(ENOENT));

    // The disk refuses the new text (no file may grow past 8 bytes): the old settings stay whole.
    const std::string path = TempPath("kept");
    ASSERT_EQ(WriteConnectionSettingsFile(path, "[ old ]\n"), "");
    std::string writeError;
    {
        const tamo::testing::FileSizeLimit full(8);
        writeError = WriteConnectionSettingsFile(path, "[ new and longer ]\n");
    }
    EXPECT_EQ(writeError, "err(fwrite) : " + path + "\n" + std::strerror(EFBIG));
    EXPECT_EQ(FileBytes(path), "[ old ]\n");
    std::remove(path.c_str());
}

}  // namespace
