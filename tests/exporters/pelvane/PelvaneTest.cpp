// pelvane as the editor starts it: the command line, the login, the document of a small design of its own,
// the golden document of the sample design, and every error path.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "CommandLine.h"
#include "DesignFixture.h"
#include "ExportFiles.h"
#include "Golden.h"

using tamo::exporters::CommandLine;
using tamo::exporters::testing::DesignBuilder;
using tamo::exporters::testing::ExporterArguments;
using tamo::exporters::testing::FolderEntries;
using tamo::exporters::testing::MatchesGolden;
using tamo::exporters::testing::PrepareDesign;
using tamo::exporters::testing::ProgramRun;
using tamo::exporters::testing::ReadFile;
using tamo::exporters::testing::RunTool;
using tamo::exporters::testing::ScratchFolder;
using tamo::exporters::testing::Values;
using tamo::exporters::testing::WellFormed;
using tamo::testing::ConnectionValues;
using Texts = std::vector<std::string>;

namespace {

// Inner (below Left) and Right refer to each other: a structure in Inner has a field of Right's data and an
// alias into Right, and Right has an alias of that structure. Names carry quotes and Korean text: the server
// refuses such names now as no names of the generated code, an older design database holds them, and the
// exporter writes them as they stand. Bell holds a description with a control character that XML cannot carry
// (the server refuses it now, an older design database may hold it). The account nopass has an empty password.
void BuildDesign(DesignBuilder& d) {
    d.Call("call acountlistViewNewAcount('nopass', '', '비밀번호 없음')");
    const std::string left = d.NewDomain("data", "0", "Left", "왼쪽");
    const std::string inner = d.NewDomain("data", left, "Inner", "안쪽 \"도메인\"");
    const std::string right = d.NewDomain("data", "0", "Rights", "");
    const std::string bell = d.NewDomain("data", "0", "Bell", "");
    d.Call("call metadataViewNewMetadata(" + right + ", 'ritem', 'u_int8_t', 0, '', '', '작은 값')");
    d.Call("call metadataViewNewMetadata(" + inner + ", 'obrien_구조', 'struct', 0, '', '', 'a <struct> & more')");
    d.Call("call metadataViewNewMetafield(" + inner + ", 'obrien_구조', 'x', 0, 'int32_t', 0, '', '', '', 'NO', 0, '')");
    d.Call("call metadataViewNewMetafield(" + inner + ", 'obrien_구조', 'arr', 0, 'alias', " + right +
           ", 'ritem', '', '', 'FIX', 4, '네 개')");
    d.Call("call metadataViewNewMetadata(" + inner + ", 'toRight', 'alias', " + d.DataId(right, "ritem") +
           ", '', '', '')");
    d.Call("call metadataViewNewMetadata(" + right + ", 'back', 'alias', " + d.DataId(inner, "obrien_구조") +
           ", '', '', '')");
    d.Call("call metadataViewNewMetadata(" + inner + ", '모드', 'enum8_t', 0, '', '', '')");
    d.Call("call metadataViewNewMetafield(" + inner + ", '모드', '켜짐', 0, 'const', 0, '', '1', '', 'NO', 0, '')");
    d.Call("call metadataViewNewMetadata(" + bell + ", 'ring', 'u_int8_t', 0, '', '', 'ring')");
    d.Admin("UPDATE data_item SET description = CONCAT('ring', CHAR(1), 'ring') WHERE name = 'ring'");
    d.Admin("UPDATE domain SET name = 'Right''s' WHERE id = " + right);
    for (const auto& [plain, quoted] : {std::pair<std::string, std::string>{"ritem", "r''item"},
                                        std::pair<std::string, std::string>{"obrien_구조", "o''brien 구조"}}) {
        d.Admin("UPDATE data_item SET name = '" + quoted + "' WHERE name = '" + plain + "'");
        d.Admin("UPDATE data_item SET real_data_name = '" + quoted + "' WHERE real_data_name = '" + plain + "'");
        d.Admin("UPDATE data_field SET real_data_name = '" + quoted + "' WHERE real_data_name = '" + plain + "'");
    }
}

ConnectionValues Design() { return PrepareDesign("pelvane", false, BuildDesign); }

std::string DomainId(const std::string& name) {
    DesignBuilder builder(Design());
    return builder.DomainId("data", name);
}

TEST(Pelvane, WritesTheDataDomainAndEveryDomainItRefersTo) {
    const ConnectionValues values = Design();
    ScratchFolder folder;
    const std::string inner = DomainId("Inner");
    const ProgramRun run = RunTool("pelvane", ExporterArguments(values, "admin", "admin", inner, folder.file("o.xml")));
    ASSERT_EQ(run.exit_code, 0) << run.output;
    // The arguments, one a line, then the connection it makes.
    const std::string port = std::to_string(values.port);
    EXPECT_EQ(run.output, values.host + "\n" + port + "\ntamo\ntamo\n" + values.database + "\nadmin\nadmin\n" + inner +
                              "\n" + folder.file("o.xml") + "\nconnect " + values.host + " " + port + " " +
                              values.database + " tamo tamo\n");
    ASSERT_TRUE(WellFormed(folder.file("o.xml")));

    const std::string xml = ReadFile(folder.file("o.xml"));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/path"), (Texts{"Left::Inner", "Right's"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/description"), (Texts{"안쪽 \"도메인\"", ""}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/name"),
              (Texts{"o'brien 구조", "toRight", "모드", "r'item", "back"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/real_domain_path"),
              (Texts{"", "Right's", "", "", "Left::Inner"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/description"),
              (Texts{"a <struct> & more", "", "", "작은 값", ""}));
    // The structure's fields and the enumeration's constant.
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/datafields/datafield/member_name"),
              (Texts{"x", "arr", "켜짐"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/datafields/datafield/real_type"),
              (Texts{"NULL", "r'item", "NULL"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/datafields/datafield/real_domain_path"),
              (Texts{"", "Right's", ""}));
}

TEST(Pelvane, TheArgumentCounts) {
    const ConnectionValues values = Design();
    const std::string inner = DomainId("Inner");
    ScratchFolder folder;
    std::vector<std::string> nine = ExporterArguments(values, "admin", "admin", inner, folder.file("nine.xml"));

    // Seven: the usage text, and nothing else is done.
    const ProgramRun seven = RunTool("pelvane", std::vector<std::string>(nine.begin(), nine.begin() + 7));
    EXPECT_EQ(seven.exit_code, 1);
    EXPECT_EQ(seven.output, "err : " + CommandLine::usage("quorrin") + "\n");

    // Eight: the application password is empty, arguments 7 and 8 are the id and the path.
    std::vector<std::string> eight = ExporterArguments(values, "nopass", "", inner, folder.file("eight.xml"));
    eight.erase(eight.begin() + 6);
    const ProgramRun without_password = RunTool("pelvane", eight);
    EXPECT_EQ(without_password.exit_code, 0) << without_password.output;
    EXPECT_EQ(Values(ReadFile(folder.file("eight.xml")), "data_domains/data_domain/name"), (Texts{"Inner", "Right's"}));

    // Ten: the tenth is ignored and not echoed.
    std::vector<std::string> ten = nine;
    ten.push_back("tenth");
    const ProgramRun with_tenth = RunTool("pelvane", ten);
    EXPECT_EQ(with_tenth.exit_code, 0) << with_tenth.output;
    EXPECT_EQ(with_tenth.output.find("tenth"), std::string::npos);
    EXPECT_EQ(FolderEntries(folder.path()), (Texts{"eight.xml", "nine.xml"}));
}

TEST(Pelvane, EveryErrorPrintsItsLineExitsWithOneAndWritesNoFile) {
    const ConnectionValues values = Design();
    const std::string inner = DomainId("Inner");
    const std::string bell = DomainId("Bell");
    struct Case {
        const char* what;
        std::vector<std::string> arguments;
        std::string last_line;
    };
    ScratchFolder folder;
    const std::string out = folder.file("out.xml");
    auto with = [&](int position, const std::string& value) {
        std::vector<std::string> arguments = ExporterArguments(values, "admin", "admin", inner, out);
        arguments[position] = value;
        return arguments;
    };
    const Case cases[] = {
        {"wrong application password", with(6, "wrong"), "err : login error"},
        {"unknown application account", with(5, "nobody"), "err : login error"},
        {"a quote in the account name", with(5, "admin' -- "), "err : login error"},
        {"unreachable server", with(1, "1"), "err : failed to connect"},
        {"wrong database password", with(3, "wrong"), "err : failed to connect"},
        {"unknown database", with(4, "no_such_design"), "err : failed to connect"},
        {"an id that is no number", with(7, inner + " or 1=1"), "err : query err"},
        {"an unknown data domain", with(7, "999999"), "err : data domain don't exist"},
        {"no domain", with(7, "0"), "err : data domain don't exist"},
        {"a missing folder", with(8, folder.file("missing/out.xml")),
         "err : failed to save " + folder.file("missing/out.xml") + ": No such file or directory"},
        {"a character XML cannot carry", with(7, bell), "err : failed to save " + out + ": "},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunTool("pelvane", c.arguments);
        EXPECT_EQ(run.exit_code, 1) << c.what;
        const std::string last_line = run.output.substr(run.output.rfind('\n', run.output.size() - 2) + 1);
        EXPECT_EQ(last_line.rfind(c.last_line, 0), 0u) << c.what << ": " << run.output;
        EXPECT_TRUE(FolderEntries(folder.path()).empty()) << c.what;
    }
}

// The public Nav holds an alias of the private Secret's data, made by a member of both. An account that may read
// Nav but not Secret is told which domain it may not read, not "query error"; a member of Secret exports it.
TEST(Pelvane, AReferencedDomainTheAccountMayNotReadIsNamed) {
    const ConnectionValues values = PrepareDesign("pelvane_private", true, [](DesignBuilder& d) {
        d.Call("call metadataViewNewMetadata(1, 'SecretKey', 'alias', " + d.DataId("5", "Key") + ", '', '', '')");
    });
    ScratchFolder folder;
    const ProgramRun refused = RunTool("pelvane", ExporterArguments(values, "user", "user", "1", folder.file("o.xml")));
    EXPECT_EQ(refused.exit_code, 1);
    const std::string last_line = refused.output.substr(refused.output.rfind('\n', refused.output.size() - 2) + 1);
    EXPECT_EQ(last_line, "err : 참조하는 데이타 도메인 Secret(id 5)을(를) 읽을 수 없습니다: 비공개 도메인입니다. 도메인에 "
                         "가입한 사용자만 볼 수 있습니다.\n");
    EXPECT_TRUE(FolderEntries(folder.path()).empty());

    const ProgramRun member = RunTool("pelvane", ExporterArguments(values, "kim", "kim", "1", folder.file("o.xml")));
    ASSERT_EQ(member.exit_code, 0) << member.output;
    EXPECT_EQ(Values(ReadFile(folder.file("o.xml")), "data_domains/data_domain/name"), (Texts{"Nav", "Secret"}));
}

TEST(Pelvane, GoldenDocumentOfTheSampleDesign) {
    const ConnectionValues values = PrepareDesign("exporters_golden", true);
    ScratchFolder folder;
    // 4 센서, below Nav::Pos: its data refer to Pos, and Pos to 기본형.
    const ProgramRun run = RunTool("pelvane", ExporterArguments(values, "admin", "admin", "4", folder.file("o.xml")));
    ASSERT_EQ(run.exit_code, 0) << run.output;
    EXPECT_TRUE(WellFormed(folder.file("o.xml")));
    EXPECT_TRUE(MatchesGolden(ReadFile(folder.file("o.xml")), "pelvane-sample.xml"));
}

}  // namespace
