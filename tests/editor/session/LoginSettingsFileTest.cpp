// The settings file of the login values, byte for byte.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "FileSizeLimit.h"
#include "LoginSettingsFile.h"

namespace {

namespace fs = std::filesystem;

class LoginSettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tamo-login-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        path_ = (dir_ / "login.cfg").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string ReadBytes() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void WriteBytes(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }

    // The 128 bytes of a field as the file holds it: the text, then zeros.
    static std::string Field(const std::string& text) { return text + std::string(128 - text.size(), '\0'); }

    static CLoginValues AllValues() {
        CLoginValues values;
        const char* texts[] = {"10.0.0.7", "3307", "tamo", "tamo", "tamo-pw", "관리자", "비밀"};
        for (int field = 0; field < LOGIN_FIELD_COUNT; ++field) values.SetField(LoginField(field), texts[field]);
        return values;
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(LoginSettingsFileTest, TheCheckBoxesDecideWhichAccountsAreWritten) {
    const struct {
        bool rememberDb;
        bool rememberUser;
    } cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rememberDb) + "/" + std::to_string(c.rememberUser));
        const CLoginValues values = AllValues();
        EXPECT_TRUE(StoreLoginSettings(path_.c_str(), values, c.rememberDb, c.rememberUser).empty());
        const std::string expected = Field("10.0.0.7") + Field("3307") + Field("tamo") +
                                     Field(c.rememberDb ? "tamo" : "") + Field(c.rememberDb ? "tamo-pw" : "") +
                                     Field(c.rememberUser ? "관리자" : "") + Field(c.rememberUser ? "비밀" : "");
        EXPECT_EQ(ReadBytes(), expected);
        // The values in memory keep all seven fields.
        EXPECT_STREQ(values.UserPassword(), "비밀");

        CLoginValues loaded;
        EXPECT_TRUE(LoadLoginSettings(path_.c_str(), loaded).empty());
        EXPECT_EQ(std::memcmp(loaded.Block(), expected.data(), CLoginValues::BLOCK_SIZE), 0);
    }
}

TEST_F(LoginSettingsFileTest, TheFileIsReadableByItsOwnerOnly) {
    WriteBytes("old");
    chmod(path_.c_str(), 0644);
    StoreLoginSettings(path_.c_str(), AllValues(), true, true);
    struct stat status {};
    ASSERT_EQ(stat(path_.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    EXPECT_EQ(ReadBytes().size(), 896u);
}

TEST_F(LoginSettingsFileTest, AMissingFileGivesTheFirstRunValues) {
    CLoginValues values = AllValues();
    EXPECT_TRUE(LoadLoginSettings(path_.c_str(), values).empty());
    EXPECT_STREQ(values.ServerAddress(), "127.0.0.1");
    for (int field = 1; field < LOGIN_FIELD_COUNT; ++field) EXPECT_STREQ(values.GetField(LoginField(field)), "");
}

TEST_F(LoginSettingsFileTest, AShortFileFillsWhatItHolds) {
    std::string bytes = Field("srv") + Field("1") + Field("db") + std::string(116, 'x');
    ASSERT_EQ(bytes.size(), 500u);
    WriteBytes(bytes);
    CLoginValues values = AllValues();
    EXPECT_EQ(LoadLoginSettings(path_.c_str(), values), std::vector<CString>{"err(fread)"});
    EXPECT_STREQ(values.ServerAddress(), "srv");
    EXPECT_STREQ(values.Port(), "1");
    EXPECT_STREQ(values.DatabaseName(), "db");
    EXPECT_EQ(std::string(values.DatabaseId()), std::string(116, 'x'));
    EXPECT_STREQ(values.DatabasePassword(), "");
    EXPECT_STREQ(values.UserPassword(), "");
}

TEST_F(LoginSettingsFileTest, AFieldWithoutTerminatorIsCutAtACharacterBoundary) {
    // Field 0: 128 ASCII bytes; field 5: 42 three-byte characters and two more bytes, no terminator.
    std::string korean;
    for (int i = 0; i < 42; ++i) korean += "가";
    const std::string bytes = std::string(128, 'a') + Field("1") + Field("db") + Field("id") + Field("pw") +
                              korean + "bb" + Field("userpw");
    ASSERT_EQ(bytes.size(), 896u);
    WriteBytes(bytes);
    CLoginValues values;
    EXPECT_TRUE(LoadLoginSettings(path_.c_str(), values).empty());
    EXPECT_EQ(std::string(values.ServerAddress()), std::string(127, 'a'));
    EXPECT_EQ(std::string(values.UserId()), korean + "b");
    EXPECT_STREQ(values.UserPassword(), "userpw");
}

TEST_F(LoginSettingsFileTest, LongValuesAreCutWithinTheirField) {
    CLoginValues values;
    values.SetField(LOGIN_DB_NAME, std::string(200, 'n'));
    EXPECT_EQ(std::string(values.DatabaseName()), std::string(127, 'n'));
    std::string korean;
    for (int i = 0; i < 60; ++i) korean += "한";  // 180 bytes
    values.SetField(LOGIN_USER_ID, korean);
    EXPECT_EQ(std::string(values.UserId()), korean.substr(0, 126));  // 42 whole characters
    EXPECT_STREQ(values.DatabasePassword(), "");

    StoreLoginSettings(path_.c_str(), values, true, true);
    EXPECT_EQ(ReadBytes().substr(256, 128), std::string(127, 'n') + '\0');
}

TEST_F(LoginSettingsFileTest, AFileThatCannotBeCreatedIsSilentlyNotWritten) {
    const std::string missingFolder = (dir_ / "missing" / "login.cfg").string();
    EXPECT_TRUE(StoreLoginSettings(missingFolder.c_str(), AllValues(), true, true).empty());
    EXPECT_FALSE(fs::exists(missingFolder));
}

TEST_F(LoginSettingsFileTest, AFailedWriteIsReportedAndKeepsTheOldSettings) {
    CLoginValues old;
    old.SetField(LOGIN_SERVER, "10.9.9.9");
    ASSERT_TRUE(StoreLoginSettings(path_.c_str(), old, true, true).empty());
    const std::string before = ReadBytes();
    std::vector<CString> messages;
    {
        const tamo::testing::FileSizeLimit full(100);  // the new block is refused while it is written
        messages = StoreLoginSettings(path_.c_str(), AllValues(), true, true);
    }
    EXPECT_EQ(messages, std::vector<CString>{("err(fwrite) : " + path_ + "\n" + std::strerror(EFBIG)).c_str()});
    EXPECT_EQ(ReadBytes(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

// A FIFO would block the reader and take the passwords to whoever reads it; a link would carry them into the
// file it names. Neither is a settings file.
TEST_F(LoginSettingsFileTest, OnlyARegularFileIsReadOrWritten) {
    ASSERT_EQ(mkfifo(path_.c_str(), 0600), 0);
    CLoginValues values;
    EXPECT_TRUE(LoadLoginSettings(path_.c_str(), values).empty());
    EXPECT_STREQ(values.ServerAddress(), "127.0.0.1");
    const int reader = open(path_.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(StoreLoginSettings(path_.c_str(), AllValues(), true, true).empty());
    char byte;
    EXPECT_LE(read(reader, &byte, 1), 0);
    close(reader);
    fs::remove(path_);

    const std::string other = (dir_ / "other").string();
    std::ofstream(other) << "someone else's file";
    fs::create_symlink(other, path_);
    EXPECT_TRUE(StoreLoginSettings(path_.c_str(), AllValues(), true, true).empty());
    EXPECT_TRUE(fs::is_symlink(path_));
    std::ifstream kept(other);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "someone else's file");

    // Reading through a link to a settings file does no harm.
    const std::string real = (dir_ / "real.cfg").string();
    EXPECT_TRUE(StoreLoginSettings(real.c_str(), AllValues(), true, true).empty());
    fs::remove(path_);
    fs::create_symlink(real, path_);
    EXPECT_TRUE(LoadLoginSettings(path_.c_str(), values).empty());
    EXPECT_STREQ(values.UserPassword(), "비밀");
}

}  // namespace
