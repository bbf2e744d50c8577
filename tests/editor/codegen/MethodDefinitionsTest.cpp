#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GoldenFile.h"
#include "MethodDefinitions.h"

using namespace tamo::codegen;
using tamo::codegen::testing::ExpectMatchesGolden;

namespace {

// Data domain 2 is Tamo::Data::Nav, 3 is Tamo::Data (a top-level domain).
std::string QualifierOf(int domainId) {
    if (domainId == 2) return "Tamo::Data::Nav";
    if (domainId == 3) return "Tamo::Data";
    return "Tamo::Data::Unknown" + std::to_string(domainId);
}

// A row of the method list: 0 type, 1 code, 2 name, 3-4 input, 5-6 output, 7 writer, 8 description,
// 9 domain id, 10-11 the data domains' names.
CodegenRow MethodRow(const std::string& type, const std::string& code, const std::string& name, bool in, bool out,
                     const std::string& description = "") {
    return {type,         code,         name, in ? "2" : "", in ? "Request" : "", out ? "3" : "", out ? "Reply" : "",
            "kim",        description,  "6",  in ? "Pos" : "", out ? "기본형" : ""};
}

std::string MethodText(const CodegenRow& row) {
    std::string text;
    AppendMethodDefinition(text, MethodValuesFromRow(row, QualifierOf));
    return text;
}

const std::vector<std::string> kTypes = {"CALL",  "CALLBACK",    "SIGNAL",  "SIGNALBACK",
                                         "EVENT", "INFORMATION", "COMMAND", "BROADCAST"};

}  // namespace

// All eight types, each without data, with input, with output and with both, compared whole.
TEST(MethodDefinitions, TableOfTypesAndDataMatchesGolden) {
    std::string text;
    int code = 1;
    for (const std::string& type : kTypes) {
        for (int data = 0; data < 4; ++data) {
            const bool in = data & 1;
            const bool out = data & 2;
            const std::string name = type + (in ? "_In" : "") + (out ? "_Out" : "") + (data == 0 ? "_None" : "");
            text += MethodText(MethodRow(type, std::to_string(code++), name, in, out));
        }
    }
    ExpectMatchesGolden("method_table.txt", text);
}

struct MethodCase {
    const char* what;
    CodegenRow row;
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

TEST(MethodDefinitions, ConditionalPiecesAndValues) {
    const std::vector<MethodCase> cases = {
        {"CALL without data",
         MethodRow("CALL", "1", "Ping", false, false),
         {"         Input      : ::\n", "         Output     : ::\n",
          "::Tamo::tamo_err_t Ping( const double& in_limit_time = 1.0 ,double* pout_time= 0)\n",
          "async_call(0,0, in_limit_time);", "async_return( return_object ,0,0, pout_time );",
          "tamo_object_call(0x0001,0) {}", "on_Ping(in_client_addr,in_elapsed_time,in_limit_time);",
          "on_Ping(const ::Tamo::client_addr_t& client_addr,const double& in_elapsed_time,const double& "
          "in_limit_time) = 0;"},
         {"p_in", "p_out", "inSize", "outSize", "pout_buf_size ="}},
        {"CALL with data in two domains",
         MethodRow("CALL", "26", "Get", true, true),
         {"         Input      : Tamo::Data::Nav::Request\n", "         Output     : Tamo::Data::Reply\n",
          "Get(Tamo::Data::Nav::Request* p_in,Tamo::Data::Reply* p_out,  const double& in_limit_time",
          "tamo_object_call(0x001A,sizeof(Tamo::Data::Reply))",
          "on_Get(in_client_addr,(Tamo::Data::Nav::Request*)pin_buf,(Tamo::Data::Reply*)pout_buf,in_elapsed_time"},
         {}},
        {"data name NULL counts as none, its qualifier stays",
         {"SIGNAL", "16", "Set", "2", "NULL", "", "", "kim", "", "6", "Pos", ""},
         {"         Input      : Tamo::Data::Nav::\n", "return signal(0,0,in_limit_time,pout_time);",
          "virtual void on_Set(const ::Tamo::client_addr_t& client,const double& in_elapsed_time) = 0;"},
         {"p_in"}},
        {"no domain id: the domain name stands as the qualifier",
         {"SIGNAL", "16", "Set", "", "Request", "", "", "kim", "", "6", "Pos", ""},
         {"         Input      : Pos::Request\n", "Set(Pos::Request* p_in,  const double& in_limit_time"},
         {}},
        {"BROADCAST without data",
         MethodRow("BROADCAST", "48", "Beat", false, false),
         {"virtual void on_Beat_broadcast( const ::Tamo::server_addr_t& in_server_addr) = 0;",
          "on_Beat_broadcast(in_server_addr);", "tamo_err_t Beat_broadcast()\n", "return broadcast(0,0);"},
         {"pin_buf,in_size"}},
        {"EVENT without data",
         MethodRow("EVENT", "32", "Moved", false, false),
         {"on_Moved( in_elapsed_time);", "virtual void on_Moved( const double& in_elapsed_time) = 0;",
          "tamo_err_t Moved()\n", "return event(0,0);"},
         {"pout_buf"}},
        {"INFORMATION without data",
         MethodRow("INFORMATION", "33", "Info", false, false),
         {"void Info_get()\n               {\n get(0);", "tamo_err_t Info_post()\n",
          "return post( 0);", "const double& in_elapsed ) = 0;"},
         {"_write(", "_read(", ")pin_buffer"}},
        {"INFORMATION read operation: fifteen blanks in the proxy, sixteen in the stub",
         MethodRow("INFORMATION", "33", "Info", false, true),
         {"\n\n               tamo_err_t Info_read( Tamo::Data::Reply* pin_data)",
          "\n\n                tamo_err_t Info_read( Tamo::Data::Reply* pin_data)"},
         {}},
        {"COMMAND without data",
         MethodRow("COMMAND", "17", "Reset", false, false),
         {"void Reset_get()\n               {\n                      get(0);\n", "Reset_post(  )",
          "return post( 0);", "on_Reset_sync(in_client, in_sync_model,in_limit, in_elapsed);"},
         {"_write(", "_read(", ")pin_buffer"}},
        {"type texts are compared with case", MethodRow("call", "1", "Lower", false, false),
         {"         Method Type: call\n"}, {"class"}},
        {"CALLBACK gets the comment block only", MethodRow("CALLBACK", "2", "Back", true, true),
         {"         Method Type: CALLBACK\n"}, {"class"}},
        {"a code of 65536 has five digits", MethodRow("SIGNAL", "65536", "Big", false, false),
         {"         Code       : 0x10000\n", "tamo_object_signal(0x10000)"}, {}},
        {"a code that is no number is zero", MethodRow("SIGNAL", "abc", "Odd", false, false),
         {"         Code       : 0x0000\n"}, {}},
        {"CR LF continues a description with one blank; a lone LF stays; */ cannot end the comment",
         MethodRow("SIGNAL", "1", "Doc", false, false, "first\r\nsecond\nthird */ x"),
         {"         Description: first\n second\nthird * / x\n"}, {"*/ x"}},
    };
    for (const MethodCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string text = MethodText(c.row);
        for (const std::string& piece : c.present) EXPECT_NE(text.find(piece), std::string::npos) << piece;
        for (const std::string& piece : c.absent) EXPECT_EQ(text.find(piece), std::string::npos) << piece;
    }
}
