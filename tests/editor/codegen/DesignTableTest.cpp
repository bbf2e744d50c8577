// Designs as engineers make them, through the procedures that the dialogs call: each one is either refused
// with a Korean text and leaves the generated headers as they were, or its headers (and the proxy and stub
// sources of its interfaces) compile with g++ and clang++ against the test SDK, and the programs that look at
// sizes answer the right ones.

#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>
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
#include "SessionRows.h"
#include "class_sourceFile.h"

using namespace tamo::codegen::testing;

namespace {

struct DomainRef {
    std::string kind;
    int id = 0;
};

// The design's domains and the ids its steps need.
struct Design {
    std::vector<DomainRef> domains;
    std::map<std::string, int> ids;
};

class DesignTable : public ::testing::Test {
protected:
    void SetUp() override {
        server = tamo::testing::TestDatabase::Prepare("codegen_designs", false);
        ASSERT_EQ(ConnectSession(server), "");
        db = CMysqlQuery::GetInstance();
    }
    void TearDown() override { db->Close(); }

public:
    // A name of its own for every top-level domain: the suite's database is shared by the runs of one ctest.
    std::string Fresh(const std::string& name) {
        return name + "_" + std::to_string(::getpid()) + "_" + std::to_string(++counter);
    }

    // Each step answers "" when the server took it, else the server's text.
    std::string Outcome(int result) { return result == 0 ? std::string() : db->GetLastErrorText(); }

    int NewDomain(Design& design, const std::string& kind, int upper, const std::string& name) {
        const int id = db->QueryNewId(
            db->FormatCall("call domainViewNewDomain('%s',%d,'%s',%d,'%s','%s')", kind, upper, name, 0, "Y", ""));
        if (id > 0) design.domains.push_back({kind, id});
        return id;
    }
    std::string TryNewDomain(const std::string& kind, int upper, const std::string& name) {
        return Outcome(db->QueryNewId(db->FormatCall("call domainViewNewDomain('%s',%d,'%s',%d,'%s','%s')", kind,
                                                     upper, name, 0, "Y", "")) > 0
                           ? 0
                           : -1);
    }
    std::string Data(int domain, const std::string& name, const std::string& type, const std::string& min = "",
                     const std::string& max = "", int realDataId = 0) {
        return Outcome(db->ExecuteProc(db->FormatCall("call metadataViewNewMetadata(%d,'%s','%s',%d,'%s','%s','%s')",
                                                      domain, name, type, realDataId, min, max, "")));
    }
    std::string EditData(int domain, const std::string& name, const std::string& newName, const std::string& type,
                         int realDataId = 0) {
        return Outcome(db->ExecuteProc(db->FormatCall(
            "call metadataViewEditMetadata(%d,'%s','%s','%s',%d,'%s','%s','%s')", domain, name, newName, type,
            realDataId, "", "", "")));
    }
    int DataId(int domain, const std::string& name) {
        std::vector<class_metadata_info> items;
        if (db->SelectMetadataList(domain, name.c_str(), items) != 0 || items.empty()) return 0;
        return items.front().id;
    }
    std::string Alias(int domain, const std::string& name, int realDomain, const std::string& realName) {
        return Data(domain, name, "alias", "", "", DataId(realDomain, realName));
    }
    std::string Field(int domain, const std::string& owner, const std::string& name, const std::string& type,
                      int bits = 0, const std::string& arrayKind = "NO", int arraySize = 0,
                      const std::string& min = "", const std::string& max = "", int realDomain = 0,
                      const std::string& realName = "") {
        return Outcome(db->ExecuteProc(
            db->FormatCall("call metadataViewNewMetafield(%d,'%s','%s',%d,'%s',%d,'%s','%s','%s','%s',%d,'%s')", domain,
                           owner, name, bits, type, realDomain, realName, min, max, arrayKind, arraySize, "")));
    }
    std::string Constant(int domain, const std::string& owner, const std::string& name, const std::string& value) {
        return Field(domain, owner, name, "const", 0, "NO", 0, value);
    }
    std::string Link(int domain, const char* kind, int parent, int flag) {
        return Outcome(db->ExecuteProc(
            db->FormatCall("call domainViewNewParentDomain(%d,'%s',%d,%d)", domain, kind, parent, flag)));
    }
    std::string Unlink(int domain, const char* kind, int parent, int flag) {
        return Outcome(db->ExecuteProc(
            db->FormatCall("call domainViewDeleteParentDomain(%d,'%s',%d,%d)", domain, kind, parent, flag)));
    }
    std::string Method(int domain, const std::string& type, int code, const std::string& name, int inDomain = 0,
                       const std::string& inName = "", int outDomain = 0, const std::string& outName = "") {
        return Outcome(db->ExecuteProc(db->FormatCall("call methodViewNewMethod(%d,'%s','%u','%s',%d,'%s',%d,'%s','%s')",
                                                      domain, type, code, name, inDomain, inName, outDomain, outName,
                                                      "")));
    }
    std::string Interface(int domain, const std::string& name, const std::vector<std::string>& members) {
        std::string outcome =
            Outcome(db->ExecuteProc(db->FormatCall("call interfaceViewNewInterface(%d,'%s','%s','%s')", domain,
                                                   "method", name, "")));
        for (const std::string& member : members) {
            if (!outcome.empty()) break;
            outcome = Outcome(db->ExecuteProc(db->FormatCall("call interfaceViewNewMemberMethod(%d,'%s',%d,'%s','%s')",
                                                             domain, name, domain, member, "")));
        }
        return outcome;
    }

    // The headers of the design's domains, laid out as they are saved, and the proxy and stub classes of every
    // interface of its method domains; the texts by file, times replaced.
    std::map<std::string, std::string> Files(const Design& design) {
        std::map<std::string, std::string> files;
        for (const DomainRef& ref : design.domains) {
            std::vector<class_domain_info> records;
            EXPECT_EQ(tamo::codegen::LoadDomainRecord(*db, ref.id, ref.kind, records), 0);
            if (records.empty()) continue;
            std::string path = HeaderPath(*db, ref.kind, ref.id);
            ReplaceAll(path, "/");
            std::string header;
            MakeDomainHeader(header, ref.kind, *db, records.front());
            files[path + records.front().name + ".h"] = WithoutTimes(header);
            if (ref.kind == "method") AddClassFiles(records.front(), files);
        }
        return files;
    }

    void AddClassFiles(const class_domain_info& domain, std::map<std::string, std::string>& files) {
        std::vector<class_interface_info> interfaces;
        EXPECT_EQ(db->SelectInterfaceList(
                      db->FormatCall("call interfaceViewInterfaceList(%d,'method','%%')", domain.id), interfaces),
                  0);
        for (const class_interface_info& iface : interfaces) {
            InterfaceInfoMap map;
            EXPECT_EQ(LoadInterfaceInfoMap(*db, domain.id, iface.name, map), 0);
            for (const char* side : {"Proxy", "Stub"}) {
                class_sourceFile file;
                file.class_name = iface.name + "_" + side;
                file.header_name = domain.name;
                file.interface_name = iface.name;
                file.side = side;
                file.domain_path = HeaderPath(*db, "method", domain.id);
                std::string header;
                std::string source;
                if (file.side == "Proxy") {
                    file.make_proxy_header(map, header);
                    file.make_proxy_source(map, source);
                } else {
                    file.make_stub_header(map, header);
                    file.make_stub_source(map, source);
                }
                files["classes/" + file.class_name + ".h"] = header;
                files["classes/" + file.class_name + ".cpp"] = source;
            }
        }
    }

    std::string Run(const CString& call) { return Outcome(db->ExecuteProc(call)); }
    std::string Admin(const std::string& sql) { return tamo::testing::TestDatabase::AdminQuery(server.database, sql); }

    tamo::testing::ConnectionValues server;
    CMysqlQuery* db = nullptr;
    MessageBoxRecorder boxes;
    static inline int counter = 0;  // over the tests of the process
};

struct DesignCase {
    const char* what;
    std::function<void(DesignTable&, Design&)> setup;           // steps the server takes
    std::function<std::string(DesignTable&, Design&)> step;     // the step under test: "" or the refusal
    bool refused;
    std::string check;  // for a design that is taken: the body of a main() that returns 0 when the sizes are right
};

bool HoldsHangul(const std::string& text) {
    return text.find("\xEC") != std::string::npos || text.find("\xEB") != std::string::npos ||
           text.find("\xEA") != std::string::npos || text.find("\xED") != std::string::npos;
}

// Compiles every source of the design (each header through a file that includes it, each class source) with
// each test compiler, and runs the check program.
void ExpectCompiles(const std::string& what, const std::map<std::string, std::string>& files, const std::string& check) {
    // A folder of its own: the tests of the table may run at the same time.
    static int designs = 0;
    const std::string folder = FreshFolder("design_" + std::to_string(::getpid()) + "_" + std::to_string(++designs));
    std::string includes;
    std::vector<std::string> sources;
    for (const auto& [path, text] : files) {
        WriteFile(folder + "/" + path, text);
        if (path.size() > 2 && path.compare(path.size() - 2, 2, ".h") == 0 && path.rfind("classes/", 0) != 0) {
            includes += "#include <" + path + ">\n";
        }
        if (path.size() > 4 && path.compare(path.size() - 4, 4, ".cpp") == 0) sources.push_back(folder + "/" + path);
    }
    WriteFile(folder + "/main.cpp", includes + "int main() {\n" + (check.empty() ? "return 0;" : check) + "\n}\n");
    sources.push_back(folder + "/main.cpp");
    for (const std::string& compiler : TestCompilers()) {
        std::vector<std::string> arguments = sources;
        const std::string program = folder + "/check";
        arguments.insert(arguments.end(), {"-o", program});
        const CompileResult build = RunCompilerNamed(compiler, arguments, {folder, folder + "/classes"});
        EXPECT_TRUE(build.ok) << what << " (" << compiler << ")\n" << build.output;
        if (build.ok) {
            EXPECT_EQ(std::system(program.c_str()), 0) << what << " (" << compiler << ")";
        }
    }
}

// A refused step leaves every file of the design as it was.
void ExpectSameFiles(const std::map<std::string, std::string>& before, const std::map<std::string, std::string>& after) {
    EXPECT_EQ(before.size(), after.size()) << "a refused step changed the design's files";
    for (const auto& [path, text] : before) {
        const auto now = after.find(path);
        if (now == after.end()) continue;
        EXPECT_EQ(now->second, text) << "a refused step changed " << path << ":\n" << FirstDifference(text, now->second);
    }
}

void RunDesigns(DesignTable& table, const std::vector<DesignCase>& cases) {
    for (const DesignCase& c : cases) {
        SCOPED_TRACE(c.what);
        Design design;
        c.setup(table, design);
        if (::testing::Test::HasFatalFailure()) return;
        const std::map<std::string, std::string> before = table.Files(design);
        const std::string refusal = c.step(table, design);
        if (c.refused) {
            EXPECT_NE(refusal, "") << "taken";
            EXPECT_TRUE(HoldsHangul(refusal)) << refusal;
            ExpectSameFiles(before, table.Files(design));
        } else {
            EXPECT_EQ(refusal, "");
            ExpectCompiles(c.what, table.Files(design), c.check);
        }
    }
}

// A data domain of the design whose id the steps find under the key.
void DataDomain(DesignTable& t, Design& d, const std::string& key, int upperId = 0, const std::string& name = "") {
    const int id = t.NewDomain(d, "data", upperId, name.empty() ? t.Fresh(key) : name);
    ASSERT_GT(id, 0) << t.db->GetLastErrorText();
    d.ids[key] = id;
}

void Ok(const std::string& outcome) { ASSERT_EQ(outcome, ""); }

}  // namespace

// Names that are no C++ name, of every kind that the code writes, made through the procedures.
TEST_F(DesignTable, NamesTheCodeCannotCarryAreRefusedForEveryKind) {
    const std::vector<std::string> names = {"class", "int", "new", "delete", "default", "gps-fix", "my domain",
                                            "v1.2",  "1st"};
    std::vector<DesignCase> cases;
    for (const std::string& name : names) {
        auto domain = [](DesignTable& t, Design& d) {
            DataDomain(t, d, "D");
            Ok(t.Data(d.ids["D"], "S", "struct"));
            Ok(t.Data(d.ids["D"], "E", "enum8_t"));
            const int m = t.NewDomain(d, "method", 0, t.Fresh("M"));
            ASSERT_GT(m, 0);
            d.ids["M"] = m;
            Ok(t.Method(m, "SIGNAL", 1, "Go"));
        };
        cases.push_back({"data domain", domain,
                         [name](DesignTable& t, Design&) { return t.TryNewDomain("data", 0, name); }, true, ""});
        cases.push_back({"method domain", domain,
                         [name](DesignTable& t, Design&) { return t.TryNewDomain("method", 0, name); }, true, ""});
        cases.push_back({"sub-domain", domain,
                         [name](DesignTable& t, Design& d) { return t.TryNewDomain("data", d.ids["D"], name); }, true,
                         ""});
        cases.push_back({"data item", domain,
                         [name](DesignTable& t, Design& d) { return t.Data(d.ids["D"], name, "int32_t"); }, true, ""});
        cases.push_back({"renamed data item", domain,
                         [name](DesignTable& t, Design& d) { return t.EditData(d.ids["D"], "S", name, "struct"); },
                         true, ""});
        cases.push_back({"field", domain,
                         [name](DesignTable& t, Design& d) { return t.Field(d.ids["D"], "S", name, "int32_t"); }, true,
                         ""});
        cases.push_back({"constant", domain,
                         [name](DesignTable& t, Design& d) { return t.Constant(d.ids["D"], "E", name, "1"); }, true,
                         ""});
        cases.push_back({"method", domain,
                         [name](DesignTable& t, Design& d) { return t.Method(d.ids["M"], "SIGNAL", 2, name); }, true,
                         ""});
        cases.push_back({"interface", domain,
                         [name](DesignTable& t, Design& d) { return t.Interface(d.ids["M"], name, {"Go"}); }, true,
                         ""});
    }
    RunDesigns(*this, cases);
}

// What does pass: names of letters of any script with digits, "_" and "$", of every kind, compile.
TEST_F(DesignTable, NamesOfLettersDigitsUnderscoreAndDollarCompile) {
    RunDesigns(*this, {{"every kind",
                        [](DesignTable& t, Design& d) {
                            DataDomain(t, d, "D", 0, t.Fresh("위치$"));
                            Ok(t.Data(d.ids["D"], "좌표_1", "struct"));
                            Ok(t.Data(d.ids["D"], "상태$", "enum8_t"));
                            Ok(t.Constant(d.ids["D"], "상태$", "_정지", "0"));
                            Ok(t.Field(d.ids["D"], "좌표_1", "x$1", "int32_t"));
                        },
                        [](DesignTable& t, Design& d) {
                            const int m = t.NewDomain(d, "method", 0, t.Fresh("항법"));
                            if (m <= 0) return t.db->GetLastErrorText();
                            std::string outcome = t.Link(m, "data", d.ids["D"], 1);
                            if (outcome.empty()) outcome = t.Method(m, "CALL", 1, "조회_1", d.ids["D"], "좌표_1",
                                                                    d.ids["D"], "좌표_1");
                            if (outcome.empty()) outcome = t.Interface(m, "I위치$", {"조회_1"});
                            return outcome;
                        },
                        false, "return 0;"}});
}

// Names that collide in one scope of the generated code.
TEST_F(DesignTable, NamesThatCollideInOneScopeAreRefused) {
    auto domain = [](DesignTable& t, Design& d) {
        DataDomain(t, d, "D");
        const int dom = d.ids["D"];
        Ok(t.Data(dom, "Mode", "enum8_t"));
        Ok(t.Constant(dom, "Mode", "NONE", "0"));
        Ok(t.Data(dom, "Other", "enum8_t"));
        Ok(t.Data(dom, "Speed", "scaled16_t", "0", "10"));
        Ok(t.Data(dom, "Count", "int32_t"));
        Ok(t.Data(dom, "Track", "struct"));
        Ok(t.Field(dom, "Track", "pts", "int16_t", 0, "VARIABLE", 4));
        Ok(t.Field(dom, "Track", "gain", "scaled8_t", 0, "NO", 0, "0", "1"));
        Ok(t.Field(dom, "Track", "x_alloc", "int8_t"));
        const int m = t.NewDomain(d, "method", 0, t.Fresh("M"));
        ASSERT_GT(m, 0);
        d.ids["M"] = m;
        Ok(t.Link(m, "data", dom, 1));
        DataDomain(t, d, "Inner", dom, "Inner");
    };
    RunDesigns(*this,
               {{"a constant of the same name in two enumerations", domain,
                 [](DesignTable& t, Design& d) { return t.Constant(d.ids["D"], "Other", "NONE", "1"); }, true, ""},
                {"a constant named like its enumeration", domain,
                 [](DesignTable& t, Design& d) { return t.Constant(d.ids["D"], "Other", "Other", "1"); }, true, ""},
                {"a constant named like a data item", domain,
                 [](DesignTable& t, Design& d) { return t.Constant(d.ids["D"], "Other", "Count", "1"); }, true, ""},
                {"a data item named like a constant", domain,
                 [](DesignTable& t, Design& d) { return t.Data(d.ids["D"], "NONE", "int8_t"); }, true, ""},
                {"a data item named like another's history typedef", domain,
                 [](DesignTable& t, Design& d) { return t.Data(d.ids["D"], "Count_history", "int8_t"); }, true, ""},
                {"a data item named like a scaled item's limit", domain,
                 [](DesignTable& t, Design& d) { return t.Data(d.ids["D"], "minSpeed", "int8_t"); }, true, ""},
                {"a data item renamed to a constant's name", domain,
                 [](DesignTable& t, Design& d) { return t.EditData(d.ids["D"], "Count", "NONE", "int32_t"); }, true,
                 ""},
                {"a field beside the accessors of a variable array", domain,
                 [](DesignTable& t, Design& d) { return t.Field(d.ids["D"], "Track", "pts_size", "int8_t"); }, true,
                 ""},
                {"a variable array whose accessors a field has", domain,
                 [](DesignTable& t, Design& d) { return t.Field(d.ids["D"], "Track", "x", "int8_t", 0, "VARIABLE", 2); },
                 true, ""},
                {"a field named like a scaled field's limit", domain,
                 [](DesignTable& t, Design& d) { return t.Field(d.ids["D"], "Track", "min_gain", "int8_t"); }, true,
                 ""},
                {"a field named like the generator's members", domain,
                 [](DesignTable& t, Design& d) { return t.Field(d.ids["D"], "Track", "get_sizeof", "int8_t"); }, true,
                 ""},
                {"a field named like its structure", domain,
                 [](DesignTable& t, Design& d) { return t.Field(d.ids["D"], "Track", "Track", "u_int8_t"); }, true,
                 ""},
                {"a structure renamed like its field", domain,
                 [](DesignTable& t, Design& d) { return t.EditData(d.ids["D"], "Track", "pts", "struct"); }, true,
                 ""},
                {"a data item named like the SDK's types", domain,
                 [](DesignTable& t, Design& d) { return t.Data(d.ids["D"], "client_addr_t", "int32_t"); }, true, ""},
                {"a data item named like a sub-domain", domain,
                 [](DesignTable& t, Design& d) { return t.Data(d.ids["D"], "Inner", "int8_t"); }, true, ""},
                {"a sub-domain named like a data item", domain,
                 [](DesignTable& t, Design& d) { return t.TryNewDomain("data", d.ids["D"], "Count"); }, true, ""},
                {"a method named cancel", domain,
                 [](DesignTable& t, Design& d) { return t.Method(d.ids["M"], "CALL", 1, "cancel"); }, true, ""},
                {"a method named signal", domain,
                 [](DesignTable& t, Design& d) { return t.Method(d.ids["M"], "SIGNAL", 1, "signal"); }, true, ""},
                {"a method named event", domain,
                 [](DesignTable& t, Design& d) { return t.Method(d.ids["M"], "EVENT", 1, "event"); }, true, ""},
                {"a method whose handler is the SDK's", domain,
                 [](DesignTable& t, Design& d) { return t.Method(d.ids["M"], "CALL", 1, "call"); }, true, ""},
                {"what does not collide compiles", domain,
                 [](DesignTable& t, Design& d) {
                     std::string outcome = t.Constant(d.ids["D"], "Other", "NONE2", "1");
                     if (outcome.empty()) outcome = t.Field(d.ids["D"], "Track", "size", "int8_t");
                     if (outcome.empty()) outcome = t.Method(d.ids["M"], "CALL", 1, "GetTrack", d.ids["D"], "Track",
                                                            d.ids["D"], "Track");
                     if (outcome.empty()) outcome = t.Interface(d.ids["M"], "ITrack", {"GetTrack"});
                     return outcome;
                 },
                 false, ""}});
}

// Aliases name their real data whatever names stand around them.
TEST_F(DesignTable, AliasesFindTheirRealDataWhateverTheNamesAround) {
    RunDesigns(
        *this,
        {{"a structure named like its own domain, and an alias after it",
          [](DesignTable& t, Design& d) {
              const std::string name = t.Fresh("Position");
              DataDomain(t, d, "D", 0, name);
              Ok(t.Data(d.ids["D"], "Lat", "int32_t"));
              Ok(t.Data(d.ids["D"], name, "struct"));
              Ok(t.Field(d.ids["D"], name, "lat", "alias", 0, "NO", 0, "", "", d.ids["D"], "Lat"));
          },
          [](DesignTable& t, Design& d) { return t.Alias(d.ids["D"], "LatAlias", d.ids["D"], "Lat"); }, false, ""},
         {"two domains named Common under different parents",
          [](DesignTable& t, Design& d) {
              DataDomain(t, d, "A");
              DataDomain(t, d, "B");
              d.ids["CA"] = t.NewDomain(d, "data", d.ids["A"], "Common");
              d.ids["CB"] = t.NewDomain(d, "data", d.ids["B"], "Common");
              ASSERT_GT(d.ids["CA"], 0);
              ASSERT_GT(d.ids["CB"], 0);
              Ok(t.Data(d.ids["CA"], "Id", "int32_t"));
              Ok(t.Data(d.ids["CB"], "Id", "int64_t"));
              DataDomain(t, d, "U");
              Ok(t.Link(d.ids["U"], "data", d.ids["CA"], 0));
              Ok(t.Link(d.ids["U"], "data", d.ids["CB"], 0));
          },
          [](DesignTable& t, Design& d) {
              std::string outcome = t.Alias(d.ids["U"], "IdA", d.ids["CA"], "Id");
              return outcome.empty() ? t.Alias(d.ids["U"], "IdB", d.ids["CB"], "Id") : outcome;
          },
          false, ""},
         {"a structure named like a domain whose data an alias names",
          [](DesignTable& t, Design& d) {
              const std::string base = t.Fresh("Base");
              DataDomain(t, d, "Base", 0, base);
              Ok(t.Data(d.ids["Base"], "Value", "int16_t"));
              DataDomain(t, d, "U");
              Ok(t.Link(d.ids["U"], "data", d.ids["Base"], 0));
              Ok(t.Data(d.ids["U"], base, "struct"));
              Ok(t.Field(d.ids["U"], base, "v", "int8_t"));
          },
          [](DesignTable& t, Design& d) { return t.Alias(d.ids["U"], "V", d.ids["Base"], "Value"); }, false, ""}});
}

// Values the code cannot carry are refused; those it can compile and give the right sizes.
TEST_F(DesignTable, ValuesTheCodeCannotCarryAreRefused) {
    auto domain = [](DesignTable& t, Design& d) {
        DataDomain(t, d, "D");
        Ok(t.Data(d.ids["D"], "Inner", "struct"));
        Ok(t.Field(d.ids["D"], "Inner", "a", "int8_t"));
        Ok(t.Data(d.ids["D"], "S", "struct"));
    };
    auto withLargeArray = [domain](DesignTable& t, Design& d) {
        domain(t, d);
        Ok(t.Field(d.ids["D"], "S", "a", "int32_t", 0, "FIX", 500000000));
    };
    auto scaled = [](const char* min, const char* max) {
        return [min, max](DesignTable& t, Design& d) { return t.Data(d.ids["D"], "L", "scaled16_t", min, max); };
    };
    auto scaledField = [](const char* min, const char* max) {
        return [min, max](DesignTable& t, Design& d) {
            return t.Field(d.ids["D"], "S", "l", "u_scaled8_t", 0, "NO", 0, min, max);
        };
    };
    auto bits = [](const char* type, int size) {
        return [type, size](DesignTable& t, Design& d) { return t.Field(d.ids["D"], "S", "f", type, size); };
    };
    RunDesigns(
        *this,
        {{"a scaled minimum that is no number", domain, scaled("abc", "1"), true, ""},
         {"a scaled minimum with a decimal comma", domain, scaled("-1,5", "1"), true, ""},
         {"an empty scaled range", domain, scaled("", ""), true, ""},
         {"an equal scaled range", domain, scaled("1", "1"), true, ""},
         {"an inverted scaled range", domain, scaled("2", "-2"), true, ""},
         {"an inverted range of a scaled field", domain, scaledField("5", "0"), true, ""},
         {"a bit size on ieee754_32_t", domain, bits("ieee754_32_t", 3), true, ""},
         {"a bit size on a scaled type", domain, bits("scaled16_t", 3), true, ""},
         {"a bit size on an alias to a structure", domain,
          [](DesignTable& t, Design& d) {
              return t.Field(d.ids["D"], "S", "f", "alias", 3, "NO", 0, "", "", d.ids["D"], "Inner");
          },
          true, ""},
         {"9 bits on u_int8_t", domain, bits("u_int8_t", 9), true, ""},
         {"an array of 2^31 int64_t", domain,
          [](DesignTable& t, Design& d) {
              return t.Field(d.ids["D"], "S", "big", "int64_t", 0, "VARIABLE", 2147483647);
          },
          true, ""},
         {"fixed arrays whose sum the size cannot hold", withLargeArray,
          [](DesignTable& t, Design& d) { return t.Field(d.ids["D"], "S", "b", "int32_t", 0, "FIX", 500000000); },
          true, ""},
         {"values the code carries", domain,
          [](DesignTable& t, Design& d) {
              const int dom = d.ids["D"];
              std::string outcome = t.Data(dom, "L", "scaled16_t", "-1.5", "2.5e3");
              if (outcome.empty()) outcome = t.Field(dom, "S", "bits8", "u_int8_t", 8);
              if (outcome.empty()) outcome = t.Field(dom, "S", "bits3", "enum16_t", 3);
              if (outcome.empty()) outcome = t.Field(dom, "S", "gain", "u_scaled8_t", 0, "NO", 0, "0", ".5");
              if (outcome.empty()) outcome = t.Field(dom, "S", "pts", "int64_t", 0, "VARIABLE", 1000);
              return outcome;
          },
          false,
          // 1000 elements reserved, 3 in use
          "S s; s.init_daynamic_buffer();\n"
          "if (!s.pts_alloc(3) || s.pts_size() != 3) return 1;\n"
          "return s.get_sizeof() == sizeof(S) - 8000 + 24 ? 0 : 2;"}});
}

// Changes that would break a design whose code compiled.
TEST_F(DesignTable, ChangesThatBreakCompiledCodeAreRefused) {
    auto linked = [](DesignTable& t, Design& d) {
        DataDomain(t, d, "Base2");
        Ok(t.Data(d.ids["Base2"], "Value", "int32_t"));
        DataDomain(t, d, "Base1");
        Ok(t.Link(d.ids["Base1"], "data", d.ids["Base2"], 0));
        DataDomain(t, d, "U");
        Ok(t.Link(d.ids["U"], "data", d.ids["Base1"], 0));
        Ok(t.Alias(d.ids["U"], "V", d.ids["Base2"], "Value"));
        Ok(t.Data(d.ids["U"], "Mode", "enum8_t"));
        Ok(t.Constant(d.ids["U"], "Mode", "AUTO", "1"));
        Ok(t.Data(d.ids["U"], "Pair", "struct"));
        Ok(t.Field(d.ids["U"], "Pair", "a", "int8_t"));
        const int m = t.NewDomain(d, "method", 0, t.Fresh("M"));
        ASSERT_GT(m, 0);
        d.ids["M"] = m;
        Ok(t.Link(m, "data", d.ids["Base2"], 1));
        Ok(t.Method(m, "SIGNAL", 1, "Put", d.ids["Base2"], "Value"));
    };
    RunDesigns(*this,
               {{"removing the parent link that an alias uses data through", linked,
                 [](DesignTable& t, Design& d) { return t.Unlink(d.ids["U"], "data", d.ids["Base1"], 0); }, true, ""},
                {"removing the data link that a method's input uses", linked,
                 [](DesignTable& t, Design& d) { return t.Unlink(d.ids["M"], "data", d.ids["Base2"], 1); }, true, ""},
                {"an enumeration with constants changed into a structure", linked,
                 [](DesignTable& t, Design& d) { return t.EditData(d.ids["U"], "Mode", "Mode", "struct"); }, true, ""},
                {"a structure with fields changed into an enumeration", linked,
                 [](DesignTable& t, Design& d) { return t.EditData(d.ids["U"], "Pair", "Pair", "enum8_t"); }, true,
                 ""},
                {"an enumeration that changes its width, and a link nothing uses", linked,
                 [](DesignTable& t, Design& d) {
                     std::string outcome = t.EditData(d.ids["U"], "Mode", "Mode", "enum16_t");
                     DataDomain(t, d, "Spare");
                     if (outcome.empty()) outcome = t.Link(d.ids["U"], "data", d.ids["Spare"], 0);
                     if (outcome.empty()) outcome = t.Unlink(d.ids["U"], "data", d.ids["Spare"], 0);
                     return outcome;
                 },
                 false, ""}});
}

// A domain name whose header file name the file system holds is taken; a longer one is refused.
TEST_F(DesignTable, DomainNamesFitAFileName) {
    std::string longest;
    for (int i = 0; i < 83; ++i) longest += "가";  // 249 bytes: "<name>.h" is 251
    RunDesigns(*this,
               {{"128 Korean letters", [](DesignTable&, Design&) {},
                 [](DesignTable& t, Design&) {
                     std::string name;
                     for (int i = 0; i < 128; ++i) name += "가";
                     return t.TryNewDomain("data", 0, name);
                 },
                 true, ""},
                {"83 Korean letters", [](DesignTable&, Design&) {},
                 [longest](DesignTable& t, Design& d) {
                     // The suite's database may hold it from an earlier test process of the run.
                     const int top = t.NewDomain(d, "data", 0, t.Fresh("L"));
                     return t.NewDomain(d, "data", top, longest) > 0 ? std::string() : t.db->GetLastErrorText();
                 },
                 false, ""}});
}

// Imports, copies and the classes of components take the same rules as the dialogs' calls; a name that stands
// (an older database holds it) is brought again by a document as it is.
TEST_F(DesignTable, ImportsCopiesAndClassesFollowTheSameRules) {
    auto domains = [](DesignTable& t, Design& d) {
        DataDomain(t, d, "D");
        Ok(t.Data(d.ids["D"], "Mode", "enum8_t"));
        Ok(t.Constant(d.ids["D"], "Mode", "NONE", "0"));
        Ok(t.Data(d.ids["D"], "Count", "int8_t"));
        DataDomain(t, d, "Source");
        Ok(t.Data(d.ids["Source"], "NONE", "int8_t"));
        Ok(t.Data(d.ids["Source"], "Kept", "int8_t"));
        Ok(t.Data(d.ids["Source"], "T", "struct"));
        Ok(t.Data(d.ids["Source"], "Flags", "enum8_t"));
        Ok(t.Constant(d.ids["Source"], "Flags", "NONE_FLAG", "0"));
        Ok(t.Constant(d.ids["Source"], "Flags", "Count", "1"));  // a data item of the target
        const int m = t.NewDomain(d, "method", 0, t.Fresh("M"));
        ASSERT_GT(m, 0);
        d.ids["M"] = m;
        Ok(t.Method(m, "SIGNAL", 1, "Go"));
        Ok(t.Interface(m, "IGo", {"Go"}));
        const int system = t.db->QueryNewId(t.db->FormatCall("call domainViewNewDomain('%s',%d,'%s',%d,'%s','%s')",
                                                             "system", 0, t.Fresh("시스템 도메인"), 0, "Y", ""));
        ASSERT_GT(system, 0) << t.db->GetLastErrorText();
        d.ids["S"] = system;
        const int component = t.db->QueryNewId(
            t.db->FormatCall("call componentsNewcomponent(%d,'%s','%s')", system, t.Fresh("부품"), ""));
        ASSERT_GT(component, 0) << t.db->GetLastErrorText();
        d.ids["C"] = component;
        // A name that stands from before the rules.
        t.Admin("UPDATE data_item SET name = 'old name' WHERE domain_id = " + std::to_string(d.ids["D"]) +
                " AND name = 'Mode'");
    };
    auto importData = [](const char* name, const char* type) {
        return [name, type](DesignTable& t, Design& d) {
            return t.Run(t.db->FormatCall("call xmldocumentViewimportData(%d,'%s','%s','%s',%d,'%s','%s','%s','%s')",
                                          d.ids["D"], name, type, "", 0, "", "", "", ""));
        };
    };
    RunDesigns(*this,
               {{"an imported data item named like a keyword", domains, importData("class", "int8_t"), true, ""},
                {"an imported data item named like a constant", domains, importData("NONE", "int8_t"), true, ""},
                {"an imported scaled item without limits", domains, importData("S", "scaled8_t"), true, ""},
                {"an imported field named like the generator's members", domains,
                 [](DesignTable& t, Design& d) {
                     return t.Run(t.db->FormatCall(
                         "call xmldocumentViewimportDatafield(%d,'%s','%s',%d,'%s','%s',%d,'%s','%s','%s','%s',%d,'%s')",
                         d.ids["Source"], "T", "dynamicsize", 0, "int8_t", "", 0, "", "", "", "NO", 0, ""));
                 },
                 true, ""},
                {"an imported method named like the SDK's members", domains,
                 [](DesignTable& t, Design& d) {
                     return t.Run(t.db->FormatCall(
                         "call xmldocumentViewimportMethod(%d,'%s','%s',%d,%d,'%s',%d,'%s','%s')", d.ids["M"], "cancel",
                         "CALL", 2, 0, "", 0, "", ""));
                 },
                 true, ""},
                {"an imported interface named like a keyword", domains,
                 [](DesignTable& t, Design& d) {
                     return t.Run(t.db->FormatCall("call xmldocumentViewimportInterface(%d,'%s','%s')", d.ids["M"],
                                                   "delete", ""));
                 },
                 true, ""},
                {"a copy whose name is a constant of the target", domains,
                 [](DesignTable& t, Design& d) {
                     return t.Run(t.db->FormatCall("call metadataViewCopyData(%d,%d)", t.DataId(d.ids["Source"], "NONE"),
                                                   d.ids["D"]));
                 },
                 true, ""},
                {"a copied enumeration whose constant the target declares", domains,
                 [](DesignTable& t, Design& d) {
                     return t.Run(t.db->FormatCall("call metadataViewCopyData(%d,%d)", t.DataId(d.ids["Source"], "Flags"),
                                                   d.ids["D"]));
                 },
                 true, ""},
                {"a proxy class named like a keyword", domains,
                 [](DesignTable& t, Design& d) {
                     return t.Run(t.db->FormatCall("call insertProxyInserfaceRelation(%d,%d,%d,'%s','%s','%s')",
                                                   d.ids["S"], d.ids["C"], d.ids["M"], "IGo", "class", "object_1"));
                 },
                 true, ""}});

    Design design;
    domains(*this, design);
    EXPECT_EQ(importData("old name", "enum8_t")(*this, design), "");
    EXPECT_EQ(Run(db->FormatCall("call metadataViewCopyData(%d,%d)", DataId(design.ids["Source"], "Kept"),
                                 design.ids["D"])),
              "");
    EXPECT_EQ(Run(db->FormatCall("call insertProxyInserfaceRelation(%d,%d,%d,'%s','%s','%s')", design.ids["S"],
                                 design.ids["C"], design.ids["M"], "IGo", "class_Go", "object_1")),
              "");
}
