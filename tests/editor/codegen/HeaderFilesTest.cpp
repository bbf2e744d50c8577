#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "CMysqlQuery.h"
#include "CodegenTestSession.h"
#include "CompileCheck.h"
#include "DomainHeader.h"
#include "FileSizeLimit.h"
#include "GoldenFile.h"
#include "HeaderFiles.h"
#include "SourceGeneration.h"

using namespace tamo::codegen::testing;
namespace fs = std::filesystem;

namespace {

class HeaderFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ConnectSession(tamo::testing::TestDatabase::Prepare("codegen", true)), "");
        db = CMysqlQuery::GetInstance();
    }
    void TearDown() override { db->Close(); }

    CMysqlQuery* db = nullptr;
    MessageBoxRecorder boxes;
};

const std::vector<std::string> kSavedHeaders = {
    "Tamo/Method/NavService/NavService.h", "Tamo/Method/Control/Control.h",
    "Tamo/Method/NavService/위치서비스/위치서비스.h", "Tamo/Data/Nav/Nav.h", "Tamo/Data/기본형/기본형.h",
    "Tamo/Data/Secret/Secret.h", "Tamo/Data/Nav/Pos/Pos.h", "Tamo/Data/Nav/Pos/센서/센서.h"};

}  // namespace

TEST_F(HeaderFiles, MakeDirectoryCreatesEveryNameThatEndsInASlash) {
    const std::string folder = FreshFolder("mkdir");
    EXPECT_EQ(MakeDirectory(folder + "/a/b/c"), 1);
    EXPECT_TRUE(fs::is_directory(folder + "/a/b"));
    EXPECT_FALSE(fs::exists(folder + "/a/b/c"));
    EXPECT_EQ(MakeDirectory(""), 0);
    WriteFile(folder + "/file", "x");
    EXPECT_EQ(MakeDirectory(folder + "/file/sub/"), 0);
}

TEST_F(HeaderFiles, SaveAllWritesTheTreeOfBothKinds) {
    const std::string folder = FreshFolder("save_all");
    SaveDomainHeadersBelow(*db, folder);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"저장을 완료했습니다"});
    for (const std::string& header : kSavedHeaders) EXPECT_TRUE(fs::is_regular_file(folder + "/" + header)) << header;

    class_domain_info pos;
    pos.id = 2;
    pos.name = "Pos";
    std::string expected;
    MakeDomainHeader(expected, "data", *db, pos);
    EXPECT_EQ(WithoutTimes(ReadFile(folder + "/Tamo/Data/Nav/Pos/Pos.h")), WithoutTimes(expected));
}

// A folder that cannot be created and a header file that cannot be written are reported with the path and the
// system's reason, the other domains are still written, and nothing says that the saving is done.
TEST_F(HeaderFiles, SaveAllReportsWhatCannotBeWrittenAndGoesOn) {
    const std::string folder = FreshFolder("save_all_blocked");
    fs::create_directories(folder + "/Tamo/Data/Secret/Secret.h");  // a folder where the header of Secret belongs
    fs::create_directories(folder + "/Tamo/Method/NavService");
    WriteFile(folder + "/Tamo/Method/NavService/위치서비스", "a file where the folder of 위치서비스 belongs");
    SaveDomainHeadersBelow(*db, folder);
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{
                  "쓰기 실패 : " + folder + "/Tamo/Method/NavService/위치서비스/위치서비스.h\n" + std::strerror(ENOTDIR),
                  "쓰기 실패 : " + folder + "/Tamo/Data/Secret/Secret.h\n" + std::strerror(EISDIR)}));
    EXPECT_TRUE(fs::is_regular_file(folder + "/Tamo/Method/NavService/NavService.h"));
    EXPECT_TRUE(fs::is_regular_file(folder + "/Tamo/Data/Nav/Pos/센서/센서.h"));

    boxes.Clear();
    const std::string blocked = FreshFolder("save_all_file");
    WriteFile(blocked + "/Tamo", "a file where a folder belongs");
    SaveDomainHeadersBelow(*db, blocked);
    ASSERT_EQ(boxes.Texts().size(), 8u);
    const std::string reason = std::string("\n") + std::strerror(ENOTDIR);
    EXPECT_EQ(boxes.Texts().front(), blocked + "/Tamo/Method/Control/ 디렉토리 생성 실패" + reason);
    EXPECT_EQ(boxes.Texts()[3], blocked + "/Tamo/Data/Nav/디렉토리 생성 실패" + reason);
}

// A disk that fills up while the headers are written: each header that does not fit is reported, and the one
// saved before stays exactly as it was instead of being cut short.
TEST_F(HeaderFiles, SaveAllOnAFullDiskKeepsTheHeadersThatWereThere) {
    const std::string folder = FreshFolder("save_all_full");
    SaveDomainHeadersBelow(*db, folder);
    for (const std::string& header : kSavedHeaders) WriteFile(folder + "/" + header, "// saved before\n");
    boxes.Clear();
    {
        const tamo::testing::FileSizeLimit full(64);  // every header is longer
        SaveDomainHeadersBelow(*db, folder);
    }
    std::vector<std::string> expected;
    for (const std::string& header : {kSavedHeaders[1], kSavedHeaders[0], kSavedHeaders[2], kSavedHeaders[3],
                                      kSavedHeaders[5], kSavedHeaders[4], kSavedHeaders[6], kSavedHeaders[7]})
        expected.push_back("쓰기 실패 : " + folder + "/" + header + "\n" + std::strerror(EFBIG));
    EXPECT_EQ(boxes.Texts(), expected);
    for (const std::string& header : kSavedHeaders) EXPECT_EQ(ReadFile(folder + "/" + header), "// saved before\n");
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) files += entry.is_regular_file();
    EXPECT_EQ(files, kSavedHeaders.size());  // no temporary file is left behind
}

// Component mode without its window: the classes of an interface with a parent, then the headers of the
// method and data domains they use, laid out below the component's folder.
TEST_F(HeaderFiles, ComponentSourcesAndTheirDomainHeaders) {
    const std::string base = FreshFolder("component");
    fs::create_directories(base + "/Bridge/Proxy");
    fs::create_directories(base + "/Bridge/Stub");
    InterfaceInfoMap members;
    DomainIdMap methodDomains;
    DomainIdMap dataDomains;
    SourceRequest request{7, "I위치", "PosClient", "Proxy", base + "/Bridge/Proxy"};
    GenerateInterfaceSources(*db, request, members, methodDomains, dataDomains);
    request.side = "Stub";
    request.className = "PosServer";
    request.outputPath = base + "/Bridge/Stub";
    GenerateInterfaceSources(*db, request, members, methodDomains, dataDomains);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{"Proxy 파일생성 완료되었습니다.", "Stub 파일생성이 완료되었습니다."}));
    for (const char* file : {"Proxy/PosClient.h", "Proxy/PosClient.cpp", "Stub/PosServer.h", "Stub/PosServer.cpp"}) {
        EXPECT_TRUE(fs::is_regular_file(base + "/Bridge/" + file)) << file;
    }
    EXPECT_EQ(ReadFile(base + "/Bridge/Proxy/PosClient.h").rfind("#include <Tamo/Method/NavService/위치서비스/위치서비스.h>", 0), 0u);
    // I위치 derives from INavigation (NavService, 6), which derives from IHeartbeat (6).
    EXPECT_EQ(methodDomains, (DomainIdMap{{6, ""}, {7, ""}}));
    EXPECT_EQ(members.size(), 8u);
    EXPECT_EQ(dataDomains.count(1) + dataDomains.count(2) + dataDomains.count(3), 3u);

    boxes.Clear();
    AddAliasDomains(*db, dataDomains);
    WriteComponentMethodHeaders(*db, base, "Bridge", methodDomains);
    WriteComponentDataHeaders(*db, base, "Bridge", dataDomains);
    EXPECT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
    // Each header stands where the generated includes name it, below its parent domains.
    for (const char* header : {"Tamo/Method/NavService/NavService.h", "Tamo/Method/NavService/위치서비스/위치서비스.h",
                               "Tamo/Data/Nav/Nav.h", "Tamo/Data/Nav/Pos/Pos.h", "Tamo/Data/기본형/기본형.h"}) {
        EXPECT_TRUE(fs::is_regular_file(base + "/Bridge/" + header)) << header;
    }
}

// A data domain used only through an alias of another used domain also gets its header.
TEST_F(HeaderFiles, AliasClosureReachesTheDomainsBehindAliases) {
    DomainIdMap dataDomains{{2, "Latitude"}};
    AddAliasDomains(*db, dataDomains);
    EXPECT_EQ(dataDomains, (DomainIdMap{{2, "Latitude"}, {3, ""}}));

    // The domain came in through a structure that refers to nothing: its other items' aliases still count,
    // because the whole domain's header is written.
    DomainIdMap throughStructure{{2, "위치"}};
    AddAliasDomains(*db, throughStructure);
    EXPECT_EQ(throughStructure, (DomainIdMap{{2, "위치"}, {3, ""}}));
}

TEST_F(HeaderFiles, ClassFilesThatCannotBeWrittenAreReported) {
    const std::string missing = FreshFolder("class_files") + "/missing";
    InterfaceInfoMap members;
    DomainIdMap methodDomains;
    DomainIdMap dataDomains;
    GenerateInterfaceSources(*db, {6, "IHeartbeat", "Beat", "Proxy", missing}, members, methodDomains,
                             dataDomains);
    const std::string reason = std::strerror(ENOENT);
    EXPECT_EQ(boxes.Texts(), (std::vector<std::string>{missing + "/Beat.h Proxy파일 생성에 실패했습니다!\n" + reason,
                                                       missing + "/Beat.cpp Proxy파일 생성에 실패했습니다!\n" + reason}));
}

// Domain names that lead out of the chosen folder, as a database from before the server refused them may hold:
// their headers are not written anywhere, the other domains' are.
TEST(HeaderFilesGuard, SaveAllWritesOnlyInsideTheChosenFolder) {
    using tamo::testing::TestDatabase;
    const tamo::testing::ConnectionValues server = TestDatabase::Prepare("codegen_escape", false);
    auto insert = [&](const std::string& kind, const std::string& parent, const std::string& name) {
        return TestDatabase::AdminQuery(server.database,
                                        "INSERT IGNORE INTO domain (kind, upper_id, name, user_id, description) VALUES "
                                        "('" + kind + "', " + parent + ", '" + name + "', 'admin', ''); "
                                        "SELECT id FROM domain WHERE kind = '" + kind + "' AND upper_id = " + parent +
                                        " AND name = '" + name + "'");
    };
    std::string parent = "0";
    for (int level = 0; level < 4; ++level) {
        parent = insert("data", parent, "..");
        parent.pop_back();
    }
    insert("data", parent, "Escaped");
    insert("method", "0", ".");
    insert("data", "0", "Kept");
    ASSERT_EQ(ConnectSession(server), "");
    MessageBoxRecorder boxes;

    const std::string outer = FreshFolder("save_all_escape");
    const std::string folder = outer + "/a/b/chosen";
    fs::create_directories(folder);
    SaveDomainHeadersBelow(*CMysqlQuery::GetInstance(), folder);
    CMysqlQuery::GetInstance()->Close();

    std::vector<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(outer))
        if (entry.is_regular_file()) written.push_back(fs::relative(entry.path(), outer).string());
    EXPECT_EQ(written, std::vector<std::string>{"a/b/chosen/Tamo/Data/Kept/Kept.h"});
    EXPECT_EQ(boxes.Texts().size(), 6u);  // the domains that were not written, and no word that all is done
    EXPECT_NE(boxes.Texts().back(), "저장을 완료했습니다");
}
