#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CompileCheck.h"
#include "DataDefinitions.h"
#include "DomainHeader.h"
#include "GoldenFile.h"

using namespace tamo::codegen;
using namespace tamo::codegen::testing;

namespace {

std::string QualifierOf(int domainId) {
    if (domainId == 2) return "Tamo::Data::Nav";
    if (domainId == 3) return "Tamo::Data";
    return "Tamo::Data::Unknown" + std::to_string(domainId);
}

// A row of the data item list: 1 domain id, 2 name, 3 writer, 4 type, 6 real data, 7-8 minimum and maximum,
// 9 description, 10 real domain name.
CodegenRow Item(const std::string& name, const std::string& type, const std::string& realDomain = "",
                const std::string& realData = "", const std::string& scmin = "", const std::string& scmax = "",
                const std::string& description = "") {
    return {"0", "2", name, "kim", type, "", realData, scmin, scmax, description, realDomain, ""};
}

// A row of the field list: 2 name, 3 alias domain id, 5 alias data, 7 type, 8 bit size, 9-10 minimum and
// maximum (9 is a constant's value), 11 array kind, 12 array size, 14 description.
CodegenRow Field(const std::string& name, const std::string& type, const std::string& bitsize = "0",
                 const std::string& arrayKind = "NO", const std::string& arraySize = "0",
                 const std::string& description = "", const std::string& aliasDomain = "",
                 const std::string& aliasData = "", const std::string& scmin = "", const std::string& scmax = "") {
    return {"2", "S", name, aliasDomain, "", aliasData, "", type, bitsize, scmin, scmax, arrayKind, arraySize, "",
            description};
}

CodegenRow Constant(const std::string& name, const std::string& value, const std::string& description) {
    return {"2", "E", name, "", "", "", "", "const", "0", value, "", "NO", "0", "", description};
}

const std::vector<std::string> kPlainKeywords = {
    "char_t",       "wchar_t",      "int8_t",   "int16_t",  "int32_t",  "int64_t",  "u_int8_t",
    "u_int16_t",    "u_int32_t",    "u_int64_t", "ieee754_32_t", "ieee754_64_t", "ieee754_80_t", "ip_t",
    "port_t",       "domain_t",     "pksize_t", "second_t", "psecond_t", "packed_node_addr_t",
    "packed_client_addr_t", "packed_server_addr_t"};

const std::vector<std::string> kScaledKeywords = {"scaled8_t",   "scaled16_t",   "scaled32_t",   "scaled64_t",
                                                  "u_scaled8_t", "u_scaled16_t", "u_scaled32_t", "u_scaled64_t"};

std::string ItemText(const CodegenRow& item, const std::vector<CodegenRow>& members = {}, bool loaded = true) {
    std::string text;
    AppendDataItem(text, item, members, loaded, QualifierOf);
    return text;
}

}  // namespace

// Every type keyword, a structure with every kind of field, aliases within and across domains, enumerations
// with constants: the whole section compared with its golden file.
TEST(DataDefinitions, TableOfItemsMatchesGolden) {
    std::string text = DataSectionOpening();
    for (const std::string& keyword : kPlainKeywords) text += ItemText(Item("T_" + keyword, keyword));
    for (const std::string& keyword : kScaledKeywords) {
        text += ItemText(Item("S_" + keyword, keyword, "", "", "-1.5", "2.5e3"));
    }
    text += ItemText(Item("Mode", "enum8_t", "", "", "", "", "modes"),
                     {Constant("OFF", "0", "꺼짐"), Constant("ON", "1", "line one\r\nline two\rthree\nfour")});
    text += ItemText(Item("Mode16", "enum16_t"), {Constant("A", "0x0100", "")});
    text += ItemText(Item("Mode32", "enum32_t"));
    text += ItemText(Item("Mode64", "enum64_t"), {Constant("HUGE", "0x100000000", "")});
    text += ItemText(Item("Angle", "alias", "기본형", "각도", "", "", "across domains"));
    text += ItemText(Item("SafeAngle", "alias", "Pos", "Angle"));
    text += ItemText(Item("Unset", "alias"));
    text += ItemText(Item("Position", "struct", "", "", "", "", "first line\nsecond line"),
                     {Field("lat", "alias", "0", "NO", "0", "위도", "2", "Angle"),
                      Field("alt", "int32_t", "0", "NO", "0", "two\nlines"),
                      Field("flags", "u_int8_t", "3"),
                      Field("odd", "u_int8_t", "x"),
                      Field("history", "alias", "0", "FIX", "8", "", "3", "Float64"),
                      Field("name", "char_t", "0", "FIX", "32"),
                      Field("speed", "u_scaled16_t", "0", "NO", "0", "", "", "", "0.0", "50.0"),
                      Field("samples", "int16_t", "0", "VARIABLE", "16"),
                      Field("marks", "alias", "0", "VARIABLE", "4", "", "2", "Angle"),
                      Field("gains", "scaled16_t", "0", "VARIABLE", "8", "", "", "", "-1", "1"),
                      Field("label", "wchar_t", "0", "FIX", "16")});
    text += ItemText(Item("Empty", "struct"));
    text += DataSectionClosing();
    ExpectMatchesGolden("data_table.txt", text);
}

struct DataCase {
    const char* what;
    std::string text;
    std::vector<std::string> present;
    std::vector<std::string> absent;
};

TEST(DataDefinitions, DeclarationsOfEachKind) {
    const std::vector<DataCase> cases = {
        {"plain typedef", ItemText(Item("Count", "u_int16_t")), {"        typedef ::Tamo::u_int16_t Count;\n"}, {}},
        {"history typedefs follow every item",
         ItemText(Item("Count", "u_int16_t")),
         {"        typedef template_history_elem<Count> Count_history_elem;\n"
          "        typedef template_history<Count> Count_history;\n\n"},
         {"tamo_sizeof"}},
        {"u_scaled64_t uses u_int64_t",
         ItemText(Item("Big", "u_scaled64_t", "", "", "0", "1e9")),
         {"        inline const double minBig() { return double(0); }\n",
          "        inline const double maxBig() { return double(1e9); }\n",
          "        typedef ::Tamo::real< ::Tamo::u_int64_t,minBig,maxBig > Big;\n"},
         {}},
        {"alias across domains", ItemText(Item("Lat", "alias", "기본형", "각도")), {"        typedef 기본형::각도 Lat;\n"},
         {"//typedef"}},
        {"an alias with its real domain's id names the real data by that domain's full qualifier",
         ItemText({"0", "2", "Lat", "kim", "alias", "2", "Position", "", "", "", "Nav", "7"}),
         {"        typedef Tamo::Data::Nav::Position Lat;\n"}, {" Nav::Position"}},
        {"alias without reference is commented out", ItemText(Item("Lat", "alias")), {"        //typedef :: Lat;\n"},
         {}},
        {"enumeration typedef before its constants; CR LF, CR and LF each one blank",
         ItemText(Item("E", "enum8_t"), {Constant("ON", "1", "a\r\nb\rc\nd")}),
         {"        typedef ::Tamo::enum8_t E;\n        const E ON = 1; // description:a b c d\n"},
         {}},
        {"enumeration without constants", ItemText(Item("E", "enum32_t")),
         {"        typedef ::Tamo::enum32_t E;\n        typedef template_history_elem<E>"}, {"const E"}},
        {"a 64-bit enumeration keeps its constants",
         ItemText(Item("E", "enum64_t"), {Constant("BIG", "0x100000000", "")}),
         {"        typedef ::Tamo::enum64_t E;\n        const E BIG = 0x100000000; // description:\n"},
         {}},
        {"the wide character, a keyword of C++, is the SDK's tamo_wchar_t",
         ItemText(Item("W", "wchar_t")) + ItemText(Item("S", "struct"), {Field("w", "wchar_t")}),
         {"        typedef ::Tamo::tamo_wchar_t W;\n", "               ::Tamo::tamo_wchar_t w;\n"},
         {"::Tamo::wchar_t"}},
        {"structure without fields",
         ItemText(Item("S", "struct")),
         {"        struct __attribute__((packed)) S\n        {\n"
          "               ::Tamo::pksize_t get_sizeof() const { return sizeof(*this); }\n        };\n"
          "        inline ::Tamo::pksize_t tamo_sizeof( S const* const& p) { return p->get_sizeof(); }\n"},
         {}},
        {"bit fields: 3 is written, 0 and a text that is no number are not",
         ItemText(Item("S", "struct"), {Field("a", "u_int8_t", "3"), Field("b", "u_int8_t", "0"),
                                        Field("c", "u_int8_t", ""), Field("d", "u_int8_t", "x")}),
         {"               ::Tamo::u_int8_t a :3;\n", "               ::Tamo::u_int8_t b;\n",
          "               ::Tamo::u_int8_t c;\n", "               ::Tamo::u_int8_t d;\n"},
         {}},
        {"alias field and fixed array",
         ItemText(Item("S", "struct"), {Field("h", "alias", "0", "FIX", "8", "", "3", "Float64")}),
         {"               Tamo::Data::Float64 h[8];\n"}, {}},
        {"variable arrays keep a dynamic buffer",
         ItemText(Item("S", "struct"), {Field("v", "int16_t", "0", "VARIABLE", "16"),
                                        Field("w", "int32_t", "0", "VARIABLE", "4")}),
         {"               variable_array_field_dctrl_t v_dctrl;\n",
          "               ::Tamo::int16_t* v() { return (::Tamo::int16_t*)(dynamicbuffer+v_dctrl.dindex); }\n",
          "                   v_dctrl.dsize = array_size*sizeof(::Tamo::int16_t);\n",
          "               enum {_maxDynamicSize=0+sizeof(::Tamo::int16_t)*16+sizeof(::Tamo::int32_t)*4};\n",
          "               ::Tamo::pksize_t get_sizeof() const { return sizeof(S)- _maxDynamicSize + dynamicsize; }\n"},
         {"sizeof(*this)"}},
        {"a variable array of a scaled type declares its limits once; casts and sizes name the real type",
         ItemText(Item("S", "struct"), {Field("g", "scaled8_t", "0", "VARIABLE", "4", "", "", "", "-1", "1")}),
         {"               static const double min_g() { return double(-1); }\n"
          "               static const double max_g() { return double(1); }\n"
          "               variable_array_field_dctrl_t g_dctrl;\n",
          "               ::Tamo::real< ::Tamo::int8_t,min_g,max_g >* g() { return (::Tamo::real< "
          "::Tamo::int8_t,min_g,max_g >*)(dynamicbuffer+g_dctrl.dindex); }\n",
          "enum {_maxDynamicSize=0+sizeof(::Tamo::real< ::Tamo::int8_t,min_g,max_g >)*4};\n"},
         {"(static", "sizeof(static"}},
        {"scaled field",
         ItemText(Item("S", "struct"), {Field("sp", "scaled8_t", "0", "NO", "0", "", "", "", "-1", "1")}),
         {"               static const double min_sp() { return double(-1); }\n"
          "               static const double max_sp() { return double(1); }\n"
          "               ::Tamo::real< ::Tamo::int8_t,min_sp,max_sp > sp;\n"},
         {}},
        {"field description lines continue with three blanks; */ cannot end the comment",
         ItemText(Item("S", "struct"), {Field("a", "int8_t", "0", "NO", "0", "one\ntwo */")}),
         {"               /* one\n   two * / */\n"}, {}},
        {"a structure whose fields could not be read is left out, its other lines stay",
         ItemText(Item("S", "struct"), {}, false),
         {"data name  : S\n", "tamo_sizeof( S const* const& p)", "S_history;\n"},
         {"struct __attribute__"}},
    };
    for (const DataCase& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string& piece : c.present) EXPECT_NE(c.text.find(piece), std::string::npos) << piece;
        for (const std::string& piece : c.absent) EXPECT_EQ(c.text.find(piece), std::string::npos) << piece;
    }
}

// Every keyword a data item can have, and every field keyword alone, as a fixed array and as a variable array,
// compiles against the test SDK, which (as any conforming one) declares no wchar_t of its own; the variable
// arrays can be allocated.
TEST(DataDefinitions, EveryKeywordCompiles) {
    std::string text = "#pragma once\n#include <Tamo/Tamo.h>\n";
    WriteDataPrelude(text);
    text += "\nnamespace  Tamo { namespace  Data { \n" + DataSectionOpening();
    std::vector<CodegenRow> fields;
    for (const std::string& keyword : kPlainKeywords) {
        text += ItemText(Item("T_" + keyword, keyword));
        fields.push_back(Field("one_" + keyword, keyword));
        fields.push_back(Field("fix_" + keyword, keyword, "0", "FIX", "2"));
        fields.push_back(Field("var_" + keyword, keyword, "0", "VARIABLE", "3"));
    }
    for (const std::string& keyword : kScaledKeywords) {
        text += ItemText(Item("S_" + keyword, keyword, "", "", "-1", "1"));
        fields.push_back(Field("one_" + keyword, keyword, "0", "NO", "0", "", "", "", "-1", "1"));
        fields.push_back(Field("fix_" + keyword, keyword, "0", "FIX", "2", "", "", "", "-1", "1"));
        fields.push_back(Field("var_" + keyword, keyword, "0", "VARIABLE", "3", "", "", "", "-1", "1"));
    }
    for (const char* keyword : {"enum8_t", "enum16_t", "enum32_t", "enum64_t"})
        text += ItemText(Item(std::string("E_") + keyword, keyword), {Constant("C_" + std::string(keyword), "1", "")});
    text += ItemText(Item("Every", "struct"), fields) + DataSectionClosing();
    text += "} using namespace Data; } using namespace Tamo; \n";
    text += "int main() {\n    Every every;\n    every.init_daynamic_buffer();\n"
            "    return every.var_wchar_t_alloc(3) && every.var_u_scaled64_t_alloc(3) && "
            "every.var_u_scaled64_t_size() == 3 ? 0 : 1;\n}\n";
    const std::string folder = FreshFolder("every_keyword");
    WriteFile(folder + "/every.cpp", text);
    const CompileResult build = RunCompiler({folder + "/every.cpp", "-o", folder + "/every"}, {});
    ASSERT_TRUE(build.ok) << build.output;
    EXPECT_EQ(std::system((folder + "/every").c_str()), 0);
}

// A structure with a field of its own name (which the server refuses now, but a design may hold from before)
// and a variable array: get_sizeof measures the structure, not the field, with both compilers.
TEST(DataDefinitions, AFieldNamedLikeItsStructureKeepsTheSizeRight) {
    std::string text = "#include <Tamo/Tamo.h>\n";
    WriteDataPrelude(text);
    text += "\nnamespace  Tamo { namespace  Data { \n" + DataSectionOpening();
    text += ItemText(Item("Track", "struct"),
                     {Field("Track", "u_int8_t"), Field("pts", "u_int8_t", "0", "VARIABLE", "3")});
    text += DataSectionClosing() + "} using namespace Data; } using namespace Tamo; \n";
    // 1 + the array's control (8) + the used size (4) + the buffer (3), less the buffer not in use
    text += "int main() {\n    Track track;\n    track.init_daynamic_buffer();\n"
            "    return track.get_sizeof() == 13 ? 0 : 1;\n}\n";
    const std::string folder = FreshFolder("field_like_struct");
    WriteFile(folder + "/track.cpp", text);
    for (const std::string& compiler : TestCompilers()) {
        const CompileResult build = RunCompilerNamed(compiler, {folder + "/track.cpp", "-o", folder + "/track"}, {});
        ASSERT_TRUE(build.ok) << compiler << "\n" << build.output;
        EXPECT_EQ(std::system((folder + "/track").c_str()), 0) << compiler;
    }
}

TEST(DataDefinitions, SectionFrameAndScaledOpeners) {
    EXPECT_EQ(DataSectionOpening() + DataSectionClosing(),
              "    #pragma pack(1)\n    #pragma warning(disable: 4200)\n\n"
              "        #pragma warning(default : 4200)\n        #pragma pack()\n\n");
    EXPECT_EQ(ScaledOpener("scaled16_t"), "::Tamo::real< ::Tamo::int16_t,");
    EXPECT_EQ(ScaledOpener("u_scaled8_t"), "::Tamo::real< ::Tamo::u_int8_t,");
    EXPECT_EQ(ScaledOpener("int16_t"), "");
}
