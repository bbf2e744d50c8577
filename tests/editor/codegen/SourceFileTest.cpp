#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "GoldenFile.h"
#include "InterfaceInfoCollection.h"
#include "class_sourceFile.h"

namespace {

// A member-method row: 0 path, 1 name, 2 type, 3 code, 4-6 input (domain id, domain name, data name), 7-9
// output, 10 writer, 11 description, 12 method domain id.
std::vector<std::string> Member(const std::string& name, const std::string& type, const std::string& code,
                                bool in, bool out, const std::string& description = "") {
    return {"::Tamo::Method", name, type, code, in ? "2" : "", in ? "Pos" : "", in ? "Request" : "",
            out ? "3" : "", out ? "기본형" : "", out ? "Reply" : "", "kim", description, "6"};
}

InterfaceInfoMap MapOf(const std::vector<std::vector<std::string>>& rows) {
    InterfaceInfoMap map;
    for (const auto& row : rows) {
        class_InterfaceInfo info = InterfaceInfoFromRow(row);
        map.emplace(InterfaceInfoKey{info.domain_path, info.code}, info);
    }
    return map;
}

class_sourceFile SourceFile() {
    class_sourceFile file;
    file.class_name = "NavClient";
    file.header_name = "NavService";
    file.interface_name = "INavigation";
    file.domain_path = "Tamo\\Method\\";
    file.set_data_header_path([](int domainId) {
        return domainId == 2 ? std::string("Tamo\\Data\\Nav\\") : std::string("Tamo\\Data\\");
    });
    return file;
}

struct Texts {
    std::string proxyHeader, proxySource, stubHeader, stubSource;
};

Texts MakeAll(InterfaceInfoMap map) {
    class_sourceFile file = SourceFile();
    Texts t;
    file.make_proxy_header(map, t.proxyHeader);
    file.make_proxy_source(map, t.proxySource);
    file.make_stub_header(map, t.stubHeader);
    file.make_stub_source(map, t.stubSource);
    return t;
}

std::vector<std::vector<std::string>> EveryTypeWithAndWithoutData() {
    const std::vector<std::string> types = {"CALL",  "CALLBACK",    "SIGNAL",  "SIGNALBACK",
                                            "EVENT", "INFORMATION", "COMMAND", "BROADCAST"};
    std::vector<std::vector<std::string>> rows;
    int code = 1;
    for (const std::string& type : types) {
        rows.push_back(Member(type + "_None", type, std::to_string(code++), false, false));
        rows.push_back(Member(type + "_Data", type, std::to_string(code++), true, true, "line one\r\nline two"));
    }
    return rows;
}

}  // namespace

TEST(SourceFile, FourTextsOfEveryTypeMatchGolden) {
    const Texts t = MakeAll(MapOf(EveryTypeWithAndWithoutData()));
    tamo::codegen::testing::ExpectMatchesGolden("source_table_proxy.h.txt", t.proxyHeader);
    tamo::codegen::testing::ExpectMatchesGolden("source_table_proxy.cpp.txt", t.proxySource);
    tamo::codegen::testing::ExpectMatchesGolden("source_table_stub.h.txt", t.stubHeader);
    tamo::codegen::testing::ExpectMatchesGolden("source_table_stub.cpp.txt", t.stubSource);
}

TEST(SourceFile, OnlyCallAndSignalMembersLeaveTheProxyEmpty) {
    const Texts t = MakeAll(MapOf({Member("Get", "CALL", "1", true, true), Member("Set", "SIGNAL", "2", true, false)}));
    EXPECT_EQ(t.proxyHeader,
              "#include <Tamo/Method/NavService.h>\n\n"
              "class NavClient : public proxy_interface_INavigation\n{\npublic :\n\tNavClient();\n\t~NavClient();\n\n"
              "virtual void on_object_create();\nvirtual void on_object_destroy();\n\n\n\n};\n");
    EXPECT_EQ(t.proxySource,
              "#include \"NavClient.h\"\n\n"
              "NavClient::NavClient()\n{\n}\nNavClient:: ~ NavClient()\n{\n}\n"
              "void NavClient::on_object_create()\n{\n}\nvoid NavClient::on_object_destroy()\n{\n}\n\n");
}

TEST(SourceFile, DeclarationsOfTheStubSide) {
    const Texts t = MakeAll(MapOf({Member("Get", "CALL", "1", true, true), Member("Ping", "CALL", "2", false, false),
                                   Member("Beat", "BROADCAST", "3", false, false)}));
    EXPECT_NE(t.stubHeader.find("virtual ::Tamo::tamo_err_t on_Get(const ::Tamo::client_addr_t& client_addr, "
                                "Tamo::Data::Nav::Request* pIn,Tamo::Data::Reply* pOut,const double& in_elapsed_time, "
                                "const double& in_limit_time);\n"),
              std::string::npos);
    EXPECT_NE(t.stubHeader.find("on_Ping(const ::Tamo::client_addr_t& client_addr, const double& in_elapsed_time"),
              std::string::npos);
    // BROADCAST: a comment block in the stub header, no handler there or in the source.
    EXPECT_NE(t.stubHeader.find(" Method \t : Beat\n"), std::string::npos);
    EXPECT_EQ(t.stubHeader.find("on_Beat"), std::string::npos);
    EXPECT_EQ(t.stubSource.find("Beat"), std::string::npos);
    EXPECT_EQ(t.stubHeader.substr(t.stubHeader.size() - 3), "\n};");
    EXPECT_NE(t.stubSource.find("NavClient :: NavClient()\r\n{\r\n} \nNavClient :: ~ NavClient()\r\n{\r\n} \n"),
              std::string::npos);
}

// The proxy's broadcast handler must be the one the header declares: the elapsed time comes only with data.
TEST(SourceFile, BroadcastHandlerMatchesTheHeader) {
    const Texts t =
        MakeAll(MapOf({Member("Beat", "BROADCAST", "1", false, false), Member("Load", "BROADCAST", "2", true, false)}));
    EXPECT_NE(t.proxyHeader.find("virtual void on_Beat_broadcast(const ::Tamo::server_addr_t& in_server);\n"),
              std::string::npos);
    EXPECT_NE(t.proxyHeader.find("virtual void on_Load_broadcast(const ::Tamo::server_addr_t& in_server,"
                                 "Tamo::Data::Nav::Request * const pin_buf, const double& in_elapsed_time);\n"),
              std::string::npos);
    EXPECT_NE(t.proxySource.find("void NavClient::on_Beat_broadcast(const ::Tamo::server_addr_t& in_server)\n{\n}\n"),
              std::string::npos);
}

TEST(SourceFile, DescriptionsContinueWithSevenBlanksInTheMap) {
    InterfaceInfoMap map = MapOf({Member("Info", "INFORMATION", "1", false, true, "one\r\ntwo */")});
    class_sourceFile file = SourceFile();
    std::string proxy;
    file.make_proxy_header(map, proxy);
    EXPECT_NE(proxy.find(" Description : one\n       two * /\n"), std::string::npos);
    std::string stub;
    file.make_stub_header(map, stub);
    EXPECT_EQ(map.begin()->second.description, "one\n       two */");
    EXPECT_NE(stub.find(" Description \t : one\n       two * /\n"), std::string::npos);
    EXPECT_NE(stub.find(" Input \t\t : NULL \n Output \t : 기본형 :: Reply\n"), std::string::npos);
    EXPECT_NE(proxy.find(" Input       : \n Output      : 기본형 :: Reply\n"), std::string::npos);
}

TEST(SourceFile, MapKeysAreDomainPathAndCodeAsText) {
    const InterfaceInfoMap map = MapOf({Member("Nine", "CALL", "9", false, false),
                                        Member("Ten", "CALL", "10", false, false),
                                        Member("Other", "CALL", "9", false, false)});
    ASSERT_EQ(map.size(), 2u);
    EXPECT_EQ(map.begin()->second.method_name, "Ten");
    EXPECT_EQ(std::next(map.begin())->second.method_name, "Nine");
}

TEST(SourceFile, WriteTextFileReportsAFileThatCannotBeWritten) {
    class_sourceFile file;
    const std::string folder = ::testing::TempDir() + "codegen_write_text";
    std::filesystem::create_directories(folder);
    EXPECT_TRUE(file.write_text_file("a\r\nb\n", folder + "/x.cpp"));
    EXPECT_EQ(tamo::codegen::testing::ReadFile(folder + "/x.cpp"), "a\r\nb\n");
    std::string reason;
    EXPECT_FALSE(file.write_text_file("a", folder + "/missing/x.cpp", &reason));
    EXPECT_EQ(reason, std::strerror(ENOENT));
}
