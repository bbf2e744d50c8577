#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CodeNameRules.h"

namespace {

struct NameCase {
    CodeNameScope scope;
    std::string name;
    std::string refusalPart;  // empty: the name passes
};

std::string Repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) result += text;
    return result;
}

}  // namespace

TEST(CodeNameRules, NamesTheRuleThatANameBreaks) {
    const std::string form = "글자(한글 포함), 숫자, _ 와 $ 만";
    const std::string keyword = "C++ 예약어";
    const std::string used = "이미 쓰는 이름";
    const std::vector<NameCase> cases = {
        // what passes: letters of any script, digits after the first, "_" and "$"
        {CodeNameScope::Data, "위치", ""},
        {CodeNameScope::Data, "Pos_2$", ""},
        {CodeNameScope::Data, "_lower", ""},
        {CodeNameScope::Method, "GetPosition", ""},
        {CodeNameScope::Field, "cancel", ""},        // an SDK member only matters for methods
        {CodeNameScope::Method, "get_sizeof", ""},   // a structure member only matters for fields
        {CodeNameScope::Domain, Repeated("가", 83), ""},  // 249 bytes
        {CodeNameScope::Data, Repeated("가", 128), ""},   // no file
        // the form
        {CodeNameScope::Domain, "gps-fix", form},
        {CodeNameScope::Domain, "my domain", form},
        {CodeNameScope::Data, "v1.2", form},
        {CodeNameScope::Field, "1st", form},
        {CodeNameScope::Interface, "", form},
        {CodeNameScope::Class, "a:b", form},
        // what the compiler keeps
        {CodeNameScope::Data, "__x", "C++ 컴파일러"},
        {CodeNameScope::Data, "_X", "C++ 컴파일러"},
        {CodeNameScope::Data, "class", keyword},
        {CodeNameScope::Field, "int", keyword},
        {CodeNameScope::Method, "new", keyword},
        {CodeNameScope::Interface, "delete", keyword},
        {CodeNameScope::Class, "default", keyword},
        {CodeNameScope::Data, "NULL", keyword},
        {CodeNameScope::Data, "UINT8_MAX", keyword},
        {CodeNameScope::Data, "INT_LEAST16_C", keyword},
        {CodeNameScope::Data, "INT8", ""},
        // what the SDK and the generator use
        {CodeNameScope::Data, "client_addr_t", used},
        {CodeNameScope::Domain, "Tamo", used},
        {CodeNameScope::Class, "tamo_sizeof", used},
        {CodeNameScope::Field, "get_sizeof", used},
        {CodeNameScope::Field, "dynamicbuffer", used},
        {CodeNameScope::Method, "cancel", used},
        {CodeNameScope::Method, "signal", used},
        {CodeNameScope::Method, "event", used},
        {CodeNameScope::Method, "call", used},       // its handler would be the SDK's on_call
        {CodeNameScope::Method, "on_connect", used},
        // file names
        {CodeNameScope::Domain, Repeated("가", 84), "251바이트까지 쓸 수 있는데 252바이트"},
        {CodeNameScope::Class, Repeated("가", 128), "251바이트까지 쓸 수 있는데 384바이트"},
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string refusal = CodeNameRefusal(c.scope, c.name);
        if (c.refusalPart.empty()) {
            EXPECT_EQ(refusal, "");
        } else {
            EXPECT_NE(refusal.find(c.refusalPart), std::string::npos) << refusal;
        }
    }
}
