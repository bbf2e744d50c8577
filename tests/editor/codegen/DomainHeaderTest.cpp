#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CMysqlQuery.h"
#include "CodeText.h"
#include "DomainHeader.h"
#include "DomainPaths.h"

using namespace tamo::codegen;

TEST(DomainHeader, BannerLinesHaveTheirLengths) {
    struct Banner {
        const char* title;
        std::size_t stars;
        std::size_t indent;
        std::size_t length;
    };
    const std::vector<Banner> banners = {
        {"Prevent Duplicated Including", 116, 0, 150}, {"Include Tamo Sdk Document", 119, 0, 150},
        {"Include Inline", 119, 0, 139},                {"Include Method_Parent Domains Document", 113, 0, 157},
        {"Include Data Parent Domains Document", 113, 0, 155}, {"Domain Define", 131, 0, 150},
        {"Standard Domain Port Constance", 110, 0, 146}, {"Data Defines", 128, 0, 146},
        {"Method Defines", 126, 4, 150},                 {"Interface Defines", 123, 4, 150},
    };
    for (const Banner& b : banners) {
        const std::string line = std::string(b.indent, ' ') + tamo::codegen::Banner(b.title, b.stars);
        EXPECT_EQ(line.size(), b.length) << b.title;
        EXPECT_EQ(line.substr(b.indent, 3 + std::string(b.title).size() + 2), "/* " + std::string(b.title) + " *");
        EXPECT_EQ(line.substr(line.size() - 3), "*/\n");
    }
}

TEST(DomainHeader, NamespacesOfAHeaderPath) {
    const DomainNamespaces ns = OpenDomainNamespaces("Tamo\\Data\\a\\b\\");
    EXPECT_EQ(ns.openers, "namespace  Tamo { namespace  Data { namespace  a { namespace  b { ");
    EXPECT_EQ(ns.qualifier, "Tamo::Data::a::b");
    EXPECT_EQ(ns.count, 4);
    EXPECT_EQ(CloseDomainNamespaces(ns),
              "} using namespace b; } using namespace a; } using namespace Data; } using namespace Tamo; ");

    const DomainNamespaces top = OpenDomainNamespaces("Tamo\\Method\\");
    EXPECT_EQ(top.qualifier, "Tamo::Method");
    EXPECT_EQ(top.count, 2);

    const DomainNamespaces none = OpenDomainNamespaces("");
    EXPECT_EQ(none.openers, "");
    EXPECT_EQ(none.count, 0);
    EXPECT_EQ(CloseDomainNamespaces(none), "");
}

TEST(DomainHeader, ReplaceAllTurnsEveryBackslash) {
    std::string path = "Tamo\\Data\\Nav\\";
    ReplaceAll(path, "::");
    EXPECT_EQ(path, "Tamo::Data::Nav::");
    std::string include = "#include <Tamo\\Method\\Nav\\Pos.h>";
    ReplaceAll(include, "/");
    EXPECT_EQ(include, "#include <Tamo/Method/Nav/Pos.h>");
}

TEST(DomainHeader, DescriptionLinesFollowATokenScan) {
    EXPECT_EQ(DescriptionLines("L: ", ""), "L: \n");
    EXPECT_EQ(DescriptionLines("L: ", "one"), "L: one\n   \n");
    EXPECT_EQ(DescriptionLines("L: ", "a\n\nb"), "L: a\n   b\n   \n");
    EXPECT_EQ(DescriptionLines("L: ", "\n\na\n"), "L: a\n   \n");
    EXPECT_EQ(DescriptionLines("L: ", "a\r\nb */"), "L: a\r\n   b * /\n   \n");
}

TEST(DomainHeader, DocumentCommentsOfBothKinds) {
    class_domain_info record;
    record.name = "NavService";
    record.user_id = "admin";
    record.create_date = "2024-01-02 03:04:05";
    record.standard_port = 65535;
    record.description = "항법 서비스";
    const std::string stars(148, '*');
    EXPECT_EQ(MethodDocComment(record, "Tue Jan  2 03:04:05 2024\n"),
              "/" + stars + "\n\n    Document Header\n\n" +
                  "    domain : NavService\n"
                  "    creator : admin\n"
                  "    create date  : 2024-01-02 03:04:05\n"
                  "    standardport : 65535\n"
                  "    description : 항법 서비스\n"
                  "   \n"
                  "     by admin, at Tue Jan  2 03:04:05 2024\n"
                  "\n" +
                  stars + "/\n\n\n");
    record.description = "";
    record.user_id = "a*/b";
    EXPECT_EQ(DataDocComment(record, ""),
              "/" + stars + "\n\n    Document Header\n\n" +
                  "    domain   : NavService\n"
                  "    creator  : a* /b\n"
                  "    create date          : 2024-01-02 03:04:05\n"
                  "    description          : \n"
                  " by a* /b, at \n" +
                  stars + "/\n\n\n");
}

TEST(DomainHeader, DataPrelude) {
    std::string text;
    WriteDataPrelude(text);
    EXPECT_EQ(text,
              "#ifndef Define__Tamo__Data\n#define Define__Tamo__Data\n\n"
              "namespace  Tamo { namespace  Data { \n"
              "  template<class TYPE>\n"
              "  inline ::Tamo::pksize_t tamo_sizeof(TYPE const* const& p) { return sizeof(*p); } \n"
              "} using namespace Data; } using namespace Tamo;\n"
              "#endif // Define__Tamo__Data");
}

TEST(CodeText, NumbersAndCommentTexts) {
    EXPECT_EQ(ReadDecimal(" 42x"), 42);
    EXPECT_EQ(ReadDecimal("-7"), -7);
    EXPECT_EQ(ReadDecimal("x1"), 0);
    EXPECT_EQ(ReadDecimal(""), 0);
    EXPECT_EQ(FormatMethodCode(26), "0x001A");
    EXPECT_EQ(FormatMethodCode(0x12345), "0x12345");
    EXPECT_EQ(KeepOnOneLine("a\r\nb\rc\nd"), "a b c d");
    EXPECT_EQ(KeepInsideBlockComment("x */ y */"), "x * / y * /");
}
