#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "CMysqlQuery.h"
#include "CodegenTestSession.h"
#include "CompileCheck.h"
#include "DomainHeader.h"
#include "DomainPaths.h"
#include "GoldenFile.h"
#include "InterfaceInfoCollection.h"
#include "class_sourceFile.h"

using namespace tamo::codegen::testing;

namespace {

struct Domain {
    std::string kind;
    class_domain_info record;
};

struct ClassTexts {
    std::string name;
    std::string header;
    std::string source;
};

class SampleDesign : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(ConnectSession(tamo::testing::TestDatabase::Prepare("codegen", true)), "");
        db = CMysqlQuery::GetInstance();
    }
    void TearDown() override { db->Close(); }

    std::vector<Domain> Domains() {
        std::vector<Domain> domains;
        for (const char* kind : {"data", "method"}) {
            std::multimap<int, class_domain_info> list;
            const int result =
                std::string(kind) == "data"
                    ? db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','data')"), list)
                    : db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','method')"), list);
            EXPECT_EQ(result, 0) << db->GetLastErrorText();
            for (const auto& [upper, record] : list) domains.push_back({kind, record});
        }
        return domains;
    }

    std::string Header(const Domain& domain) {
        std::string text;
        MakeDomainHeader(text, domain.kind, *db, domain.record);
        return text;
    }

    // The proxy and the stub class of every interface of every method domain, named after the interface.
    std::vector<ClassTexts> InterfaceClasses() {
        std::vector<ClassTexts> classes;
        for (const Domain& domain : Domains()) {
            if (domain.kind != "method") continue;
            std::vector<class_interface_info> interfaces;
            EXPECT_EQ(db->SelectInterfaceList(
                          db->FormatCall("call interfaceViewInterfaceList(%d,'method','%%')", domain.record.id),
                          interfaces),
                      0);
            for (const class_interface_info& iface : interfaces) {
                InterfaceInfoMap map;
                EXPECT_EQ(LoadInterfaceInfoMap(*db, domain.record.id, iface.name, map), 0);
                for (const char* side : {"Proxy", "Stub"}) {
                    class_sourceFile file;
                    file.class_name = iface.name + "_" + side;
                    file.header_name = domain.record.name;
                    file.interface_name = iface.name;
                    file.side = side;
                    file.domain_path = HeaderPath(*db, "method", domain.record.id);
                    ClassTexts texts{file.class_name, "", ""};
                    if (file.side == "Proxy") {
                        file.make_proxy_header(map, texts.header);
                        file.make_proxy_source(map, texts.source);
                    } else {
                        file.make_stub_header(map, texts.header);
                        file.make_stub_source(map, texts.source);
                    }
                    classes.push_back(texts);
                }
            }
        }
        return classes;
    }

    CMysqlQuery* db = nullptr;
    MessageBoxRecorder boxes;
};

// The path of a header as "All DomainHeader 코드 저장" lays it out: Tamo/<Kind>/<server path><name>.h.
std::string HeaderFile(CMysqlQuery& db, const Domain& domain) {
    std::string path = HeaderPath(db, domain.kind, domain.record.id);
    ReplaceAll(path, "/");
    return path + domain.record.name + ".h";
}

}  // namespace

TEST_F(SampleDesign, HeadersOfEveryDomainMatchGolden) {
    const std::vector<Domain> domains = Domains();
    ASSERT_EQ(domains.size(), 8u);
    for (const Domain& domain : domains) {
        SCOPED_TRACE(domain.record.name);
        ExpectMatchesGolden("sample/" + domain.kind + "_" + std::to_string(domain.record.id) + ".h.txt",
                            WithoutTimes(Header(domain)));
    }
    EXPECT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
}

TEST_F(SampleDesign, SourcesOfEveryInterfaceMatchGolden) {
    const std::vector<ClassTexts> classes = InterfaceClasses();
    ASSERT_EQ(classes.size(), 10u);
    for (const ClassTexts& texts : classes) {
        ExpectMatchesGolden("sample/" + texts.name + ".h.txt", texts.header);
        ExpectMatchesGolden("sample/" + texts.name + ".cpp.txt", texts.source);
    }
    EXPECT_TRUE(boxes.Texts().empty()) << boxes.Texts().front();
}

// Every generated header and class source of the sample design, laid out as the editor saves them, passes the
// compiler against the test SDK; a proxy and a stub class of an interface with a parent are instantiated.
TEST_F(SampleDesign, GeneratedCodeCompiles) {
    const std::string folder = FreshFolder("sample");
    std::vector<std::string> files;
    for (const Domain& domain : Domains()) {
        const std::string file = folder + "/" + HeaderFile(*db, domain);
        WriteFile(file, Header(domain));
        files.push_back(file);
    }
    for (const ClassTexts& texts : InterfaceClasses()) {
        WriteFile(folder + "/classes/" + texts.name + ".h", texts.header);
        WriteFile(folder + "/classes/" + texts.name + ".cpp", texts.source);
        files.push_back(folder + "/classes/" + texts.name + ".cpp");
    }
    for (const std::string& file : files) {
        const CompileResult result = CheckSyntax(file, {folder, folder + "/classes"});
        EXPECT_TRUE(result.ok) << file << "\n" << result.output;
    }

    WriteFile(folder + "/classes/main.cpp",
              "#include \"INavigation_Proxy.h\"\n#include \"INavigation_Stub.h\"\n"
              "int main() { INavigation_Proxy proxy; INavigation_Stub stub; (void)proxy; (void)stub; return 0; }\n");
    const std::string program = folder + "/instantiate";
    const CompileResult build =
        RunCompiler({folder + "/classes/main.cpp", folder + "/classes/INavigation_Proxy.cpp",
                     folder + "/classes/INavigation_Stub.cpp", "-o", program},
                    {folder, folder + "/classes"});
    ASSERT_TRUE(build.ok) << build.output;
    EXPECT_EQ(std::system(program.c_str()), 0);
}
