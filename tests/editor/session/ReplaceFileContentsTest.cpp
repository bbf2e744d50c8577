// Replacing a file whole: the target holds its old bytes or all of the new ones, whatever step fails.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "FileSizeLimit.h"
#include "ReplaceFileContents.h"

namespace {

namespace fs = std::filesystem;
using Step = FileWriteError::Step;

class ReplaceFileContentsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tamo-replace-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const char* name) const { return (dir_ / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static unsigned Mode(const std::string& path) {
        struct stat status {};
        EXPECT_EQ(stat(path.c_str(), &status), 0);
        return status.st_mode & 07777;
    }
    // The names in the folder: a temporary file left behind would show here.
    std::size_t Entries() const { return std::distance(fs::directory_iterator(dir_), fs::directory_iterator()); }

    fs::path dir_;
};

TEST_F(ReplaceFileContentsTest, TheNewBytesReplaceTheFileWholeAndItKeepsItsMode) {
    const mode_t mask = umask(022);
    const std::string path = Path("a.h");
    EXPECT_FALSE(ReplaceFileContents(path, "first\n"));
    EXPECT_EQ(Read(path), "first\n");
    EXPECT_EQ(Mode(path), 0644u);

    // An existing file keeps its mode; a shorter text leaves nothing of the longer one.
    chmod(path.c_str(), 0640);
    EXPECT_FALSE(ReplaceFileContents(path, "2\n"));
    EXPECT_EQ(Read(path), "2\n");
    EXPECT_EQ(Mode(path), 0640u);

    // Private files are narrowed to their owner, also when they were readable by others.
    chmod(path.c_str(), 0666);
    EXPECT_FALSE(ReplaceFileContents(path, "", {.ownerOnly = true}));
    EXPECT_EQ(Read(path), "");
    EXPECT_EQ(Mode(path), 0600u);
    EXPECT_EQ(Entries(), 1u);
    umask(mask);
}

TEST_F(ReplaceFileContentsTest, AFailureAtAnyStepLeavesTheTargetAsItWas) {
    const std::string path = Path("kept.ini");
    Write(path, "old contents\n");
    const std::string folder = Path("folder");
    fs::create_directory(folder);
    Write(folder + "/inside", "x");

    struct Case {
        const char* what;
        std::string target;
        std::function<void()> around;  // runs the write under its condition
        Step step;
        int error;
    };
    FileWriteError result;
    const std::string text(4096, 'n');
    const Case cases[] = {
        {"the disk refuses the bytes", path,
         [&] {
             const tamo::testing::FileSizeLimit full(100);
             result = ReplaceFileContents(path, text);
         },
         Step::write, EFBIG},
        {"the folder does not exist", Path("missing/kept.ini"),
         [&] { result = ReplaceFileContents(Path("missing/kept.ini"), text); }, Step::create, ENOENT},
        {"a folder stands at the path", folder, [&] { result = ReplaceFileContents(folder, text); }, Step::create,
         EISDIR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.around();
        EXPECT_EQ(result.step, c.step);
        EXPECT_EQ(result.path, c.target);
        EXPECT_EQ(result.reason, std::strerror(c.error));
        EXPECT_EQ(result.Describe("쓰기 실패"), "쓰기 실패 : " + c.target + "\n" + std::strerror(c.error));
        EXPECT_EQ(Read(path), "old contents\n");
        EXPECT_EQ(Read(folder + "/inside"), "x");
        EXPECT_EQ(Entries(), 2u);
    }
    EXPECT_EQ(ReplaceFileContents(dir_.string() + "/", "x").step, Step::create);

    // A FIFO (or a device) is nobody's file to replace.
    const std::string fifo = Path("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReplaceFileContents(fifo, "x").reason, "일반 파일이 아닙니다");
    EXPECT_EQ(ReplaceFileContents("/dev/null", "x").step, Step::create);
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(ReplaceFileContentsTest, ALinkIsWrittenThroughUnlessTheFileIsPrivate) {
    const std::string real = Path("real.h");
    const std::string link = Path("link.h");
    Write(real, "old");
    fs::create_symlink(real, link);
    EXPECT_FALSE(ReplaceFileContents(link, "through the link"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(real), "through the link");

    // A private file never lands where a link leads: the link itself is replaced.
    EXPECT_FALSE(ReplaceFileContents(link, "secret", {.ownerOnly = true}));
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(Read(link), "secret");
    EXPECT_EQ(Read(real), "through the link");
}

// A link that names nothing takes the new file in its own place, in the folder the path names: no file comes
// into being where the link points (another folder, maybe one the user never chose). A link that cannot be
// followed for another reason stays as it is.
TEST_F(ReplaceFileContentsTest, ALinkToNothingIsReplacedAndWhatItNamesIsNotMade) {
    const mode_t mask = umask(022);
    const fs::path elsewhere = dir_ / "elsewhere";
    fs::create_directory(elsewhere);
    const std::string dangling = Path("dangling.h");
    fs::create_symlink(elsewhere / "planted.h", dangling);
    const std::string deep = Path("deep.h");
    fs::create_symlink(elsewhere / "missing" / "planted.h", deep);
    for (const std::string& link : {dangling, deep}) {
        SCOPED_TRACE(link);
        EXPECT_FALSE(ReplaceFileContents(link, "new\n"));
        EXPECT_FALSE(fs::is_symlink(link));
        EXPECT_EQ(Read(link), "new\n");
        EXPECT_EQ(Mode(link), 0644u);
    }
    EXPECT_TRUE(fs::is_empty(elsewhere));

    const std::string loop = Path("loop.h");
    fs::create_symlink(loop, loop);
    const FileWriteError refused = ReplaceFileContents(loop, "x");
    EXPECT_EQ(refused.step, Step::create);
    EXPECT_EQ(refused.reason, "일반 파일이 아닙니다");
    EXPECT_TRUE(fs::is_symlink(loop));
    EXPECT_EQ(Entries(), 4u);
    umask(mask);
}

}  // namespace
