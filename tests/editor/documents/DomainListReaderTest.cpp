#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "DomainListImport.h"
#include "DomainListReader.h"
#include "XmlDocument.h"

namespace {

using tamo::documents::XmlDocument;

class_xmlimport_lists Read(const std::string& text) {
    class_xmlimport_lists lists;
    const auto parsed = XmlDocument::Parse(text);
    EXPECT_EQ(parsed.status, XmlDocument::LoadStatus::loaded) << parsed.message;
    if (parsed.document) ReadDomainList(*parsed.document, lists);
    return lists;
}

std::string Document(const std::string& methodDomain, const std::string& dataDomain) {
    return "<?xml version=\"1.0\"?><domainlist><methoddomain>" + methodDomain + "</methoddomain><datadomain>" +
           dataDomain + "</datadomain></domainlist>";
}

const char* const kPrettyPrinted = R"(<?xml version="1.0"?>
<?xml-stylesheet type="text/xsl" href="domainlist.xsl"?>
<domainlist xsi:noNamespaceSchemaLocation="allzelkschema.xsd" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
  <methoddomain>
    <row>
      <path>method\NavService\</path>
      <id>6</id>
      <upper_id>0</upper_id>
      <name>NavService</name>
      <public>1</public>
      <standard_port>10000</standard_port>
      <description>항법 서비스</description>
    </row>
    <method>
      <!-- written by hand -->
      <row>
        <domain_id>6</domain_id>
        <name>GetPosition</name>
        <type>CALL</type>
        <code>0x0001</code>
        <in_domain_id>1</in_domain_id>
        <in_domain_name>Nav</in_domain_name>
        <in_data>Waypoint</in_data>
        <out_domain_id>2</out_domain_id>
        <out_domain_name>Pos</out_domain_name>
        <out_data>위치</out_data>
        <description>the ship's position</description>
      </row>
    </method>
    <interface>
      <row>
        <domain_id>6</domain_id>
        <name>INavigation</name>
        <description/>
        <membermethod>
          <row>
            <method_name>GetPosition</method_name>
          </row>
          <row>
            <anything>NavInfo</anything>
            <method_name>ignored</method_name>
          </row>
          <row/>
        </membermethod>
      </row>
    </interface>
  </methoddomain>
  <datadomain>
    <row>
      <id>2</id>
      <upper_id>1</upper_id>
      <name>Pos</name>
      <public>1</public>
      <description>위치 데이타</description>
    </row>
    <data>
      <row>
        <domain_id>2</domain_id>
        <name>Latitude</name>
        <type>alias</type>
        <physical/>
        <real_domain_id>3</real_domain_id>
        <real_domain_name>기본형</real_domain_name>
        <real_data>각도</real_data>
        <scmin/>
        <scmax/>
        <description>위도</description>
      </row>
      <datafield>
        <row>
          <domain_id>2</domain_id>
          <data_name>위치</data_name>
          <member_name>lat</member_name>
          <real_domain_id>2</real_domain_id>
          <real_domain_name>Pos</real_domain_name>
          <real_data>Latitude</real_data>
          <type>alias</type>
          <physical>rad</physical>
          <bitsize>0</bitsize>
          <scmin/>
          <scmax/>
          <arraytype>FIX</arraytype>
          <arraysize>8</arraysize>
          <description>위도</description>
        </row>
      </datafield>
    </data>
  </datadomain>
</domainlist>
)";

TEST(DomainListReader, ReadsAPrettyPrintedDocumentByElementNames) {
    const class_xmlimport_lists lists = Read(kPrettyPrinted);

    ASSERT_EQ(lists.method_domains.size(), 1u);
    const class_domain_info& domain = lists.method_domains[0];
    EXPECT_EQ(domain.id, 6);
    EXPECT_EQ(domain.name, "NavService");
    EXPECT_EQ(domain.is_public, 1);
    EXPECT_EQ(domain.standard_port, 10000);
    EXPECT_EQ(domain.description, "항법 서비스");

    ASSERT_EQ(lists.methods.size(), 1u);
    const class_method_info& method = lists.methods[0];
    EXPECT_EQ(method.code, "0x0001");
    EXPECT_EQ(method.in_domain_id, 1);
    EXPECT_EQ(method.in_domain_name, "Nav");
    EXPECT_EQ(method.out_data, "위치");
    EXPECT_EQ(method.description, "the ship's position");

    ASSERT_EQ(lists.interfaces.size(), 1u);
    EXPECT_EQ(lists.interfaces[0].name, "INavigation");
    EXPECT_EQ(lists.interfaces[0].description, "");
    ASSERT_EQ(lists.member_methods.size(), 2u);  // the row without an element names none
    EXPECT_EQ(lists.member_methods[0].member_name, "GetPosition");
    EXPECT_EQ(lists.member_methods[1].member_name, "NavInfo");  // the first element, whatever its name
    for (const auto& member : lists.member_methods) {
        EXPECT_EQ(member.domain_id, 6);
        EXPECT_EQ(member.interface_name, "INavigation");
    }

    ASSERT_EQ(lists.data_domains.size(), 1u);
    EXPECT_EQ(lists.data_domains[0].upper_id, 1);
    EXPECT_EQ(lists.data_domains[0].description, "위치 데이타");
    ASSERT_EQ(lists.data_items.size(), 1u);
    EXPECT_EQ(lists.data_items[0].real_domain_id, 3);
    EXPECT_EQ(lists.data_items[0].real_data, "각도");
    ASSERT_EQ(lists.fields.size(), 1u);
    EXPECT_EQ(lists.fields[0].physical, "rad");
    EXPECT_EQ(lists.fields[0].arraysize, 8);
}

TEST(DomainListReader, PassesOverUnknownElementsAndKeepsTheLaterOfTwo) {
    const class_xmlimport_lists lists = Read(Document(
        "<method><row><domain_id>6</domain_id><note>extra</note><name>First</name><name>Second</name>"
        "<code>10</code><in_domain_id>x</in_domain_id><Name>case</Name></row></method>"
        "<unknown><row><name>ignored</name></row></unknown>",
        "<data><row><name>D</name><description>a 'quoted' \\ text</description><real_domain_id>-3</real_domain_id>"
        "</row></data>"));
    ASSERT_EQ(lists.methods.size(), 1u);
    EXPECT_EQ(lists.methods[0].name, "Second");
    EXPECT_EQ(lists.methods[0].code, "10");
    EXPECT_EQ(lists.methods[0].in_domain_id, 0);
    EXPECT_TRUE(lists.method_domains.empty());
    ASSERT_EQ(lists.data_items.size(), 1u);
    EXPECT_EQ(lists.data_items[0].description, "a 'quoted' \\ text");
    EXPECT_EQ(lists.data_items[0].real_domain_id, -3);
    EXPECT_EQ(lists.data_items[0].type, "");  // missing: the default
}

TEST(DomainListReader, ReadsDataDomainRowsByPosition) {
    const class_xmlimport_lists lists = Read(Document(
        "",
        // in order; a shorter row keeps the defaults of what it lacks; one out of order loses the misplaced
        // fields; a sixth element is not looked at
        "<row><id>1</id><upper_id>0</upper_id><name>A</name><public>1</public><description>a</description>"
        "<standard_port>5</standard_port></row>"
        "<row><id>9</id><upper_id>1</upper_id><name>Short</name></row>"
        "<row><upper_id>4</upper_id><id>5</id><name>Swapped</name><public>1</public><description>s</description>"
        "</row>"
        "<row>\n <!-- c -->\n <id>7</id> text <upper_id>2</upper_id></row>"));
    ASSERT_EQ(lists.data_domains.size(), 4u);
    EXPECT_EQ(lists.data_domains[0].id, 1);
    EXPECT_EQ(lists.data_domains[0].description, "a");
    EXPECT_EQ(lists.data_domains[0].standard_port, 0);
    EXPECT_EQ(lists.data_domains[1].id, 9);
    EXPECT_EQ(lists.data_domains[1].name, "Short");
    EXPECT_EQ(lists.data_domains[1].is_public, 0);
    EXPECT_EQ(lists.data_domains[1].description, "");
    EXPECT_EQ(lists.data_domains[2].id, 0);
    EXPECT_EQ(lists.data_domains[2].upper_id, 0);
    EXPECT_EQ(lists.data_domains[2].name, "Swapped");
    EXPECT_EQ(lists.data_domains[3].id, 7);
    EXPECT_EQ(lists.data_domains[3].upper_id, 2);
}

TEST(DomainListReader, TakesRowsFromEveryContainerOnTheirPathOnly) {
    const class_xmlimport_lists lists = Read(
        "<domainlist>"
        "<methoddomain><row><id>6</id></row><row><id>7</id></row></methoddomain>"
        "<methoddomain><row><id>8</id></row><method><row><name>m</name></row></method></methoddomain>"
        "<row><id>99</id></row>"
        "<datadomain><data><datafield><row><member_name>f</member_name></row></datafield></data>"
        "<datafield><row><member_name>misplaced</member_name></row></datafield></datadomain>"
        "</domainlist>");
    ASSERT_EQ(lists.method_domains.size(), 3u);
    EXPECT_EQ(lists.method_domains[2].id, 8);
    EXPECT_EQ(lists.methods.size(), 1u);
    ASSERT_EQ(lists.fields.size(), 1u);
    EXPECT_EQ(lists.fields[0].member_name, "f");

    EXPECT_TRUE(Read("<other><methoddomain><row><id>6</id></row></methoddomain></other>").method_domains.empty());
}

TEST(DomainListReader, AMemberMethodBelongsToTheInterfaceAsItsRowHasNamedItSoFar) {
    const class_xmlimport_lists lists = Read(Document(
        "<interface><row><membermethod><row><method_name>Early</method_name></row></membermethod>"
        "<domain_id>6</domain_id><name>ILate</name></row></interface>",
        ""));
    ASSERT_EQ(lists.member_methods.size(), 1u);
    EXPECT_EQ(lists.member_methods[0].interface_name, "");
    EXPECT_EQ(lists.member_methods[0].domain_id, 0);
    EXPECT_EQ(lists.interfaces[0].name, "ILate");
}

// Each number of the document against its field: what fits is read as the C library reads it, what does not is
// the row's fault, named by row and field, and is never wrapped into another value.
TEST(DomainListReader, NumbersThatTheirFieldCannotHoldAreTheRowsFault) {
    const struct {
        const char* text;
        bool fits;
        int value;
    } numbers[] = {
        {"2147483647", true, 2147483647}, {"-2147483648", true, INT_MIN}, {" +12abc", true, 12},
        {"abc", true, 0},                 {"", true, 0},                  {"-", true, 0},
        {"2147483648", false, 0},         {"-2147483649", false, 0},      {"4294967297", false, 0},
        {" 4294967297", false, 0},        {"4294967302", false, 0},       {"99999999999", false, 0},
        {"000000000000000000007", true, 7},
    };
    for (const auto& number : numbers) {
        const std::string text = number.text;
        SCOPED_TRACE(text);
        const class_xmlimport_lists lists = Read(Document(
            "<row><id>" + text + "</id><standard_port>65537</standard_port></row>"
            "<method><row><domain_id>6</domain_id><name>fine</name></row>"
            "<row><name>m</name><out_domain_id>" + text + "</out_domain_id></row></method>"
            "<interface><row><domain_id>" + text + "</domain_id><name>I</name>"
            "<membermethod><row><method_name>m</method_name></row></membermethod></row></interface>",
            "<row><id>" + text + "</id></row><data><row><name>d</name><real_domain_id>" + text +
                "</real_domain_id></row><datafield><row><bitsize>1</bitsize><arraysize>" + text +
                "</arraysize></row></datafield></data>"));
        EXPECT_EQ(lists.method_domains.at(0).standard_port, 1);  // the port keeps its 16-bit reading
        const std::vector<std::pair<const class_xmlimport_faults*, std::string>> rows = {
            {&lists.faults.method_domains, "문서의 methoddomain/row 1번째 row: id 값 '"},
            {&lists.faults.methods, "문서의 methoddomain/method/row 2번째 row: out_domain_id 값 '"},
            {&lists.faults.interfaces, "문서의 methoddomain/interface/row 1번째 row: domain_id 값 '"},
            {&lists.faults.member_methods,
             "문서의 methoddomain/interface/row/membermethod 1번째 row: 인터페이스 I의 domain_id 값 '"},
            {&lists.faults.data_domains, "문서의 datadomain/row 1번째 row: id 값 '"},
            {&lists.faults.data_items, "문서의 datadomain/data/row 1번째 row: real_domain_id 값 '"},
            {&lists.faults.fields, "문서의 datadomain/data/datafield/row 1번째 row: arraysize 값 '"},
        };
        for (const auto& [faults, start] : rows) {
            if (number.fits) {
                EXPECT_TRUE(faults->empty()) << start;
                continue;
            }
            ASSERT_EQ(faults->size(), 1u) << start;
            EXPECT_EQ(faults->begin()->second, start + text + "'이(가) 범위(-2147483648~2147483647)를 벗어났습니다.");
        }
        if (!number.fits) continue;
        EXPECT_EQ(lists.method_domains[0].id, number.value);
        EXPECT_EQ(lists.methods[1].out_domain_id, number.value);
        EXPECT_EQ(lists.interfaces[0].domain_id, number.value);
        EXPECT_EQ(lists.data_domains[0].id, number.value);
        EXPECT_EQ(lists.data_items[0].real_domain_id, number.value);
        EXPECT_EQ(lists.fields[0].arraysize, number.value);
    }

    // A method code is a 16-bit number.
    const class_xmlimport_lists codes = Read(Document(
        "<method><row><name>a</name><code>0xFFFF</code></row><row><name>b</name><code>0x10000</code></row>"
        "<row><name>c</name><code>0xFFFFFFFFFF</code></row></method>", ""));
    ASSERT_EQ(codes.methods.size(), 3u);
    EXPECT_EQ(codes.faults.methods.count(0), 0u);
    EXPECT_EQ(codes.faults.methods.at(1),
              "문서의 methoddomain/method/row 2번째 row: code 값 '0x10000'이(가) 범위(0x0000~0xFFFF)를 벗어났습니다.");
    EXPECT_EQ(codes.faults.methods.count(2), 1u);
}

TEST(DomainListImport, MethodCodesAreReadAsHexadecimal) {
    const struct {
        const char* text;
        unsigned code;
    } cases[] = {
        {"0x000A", 10},   {"10", 16},        {"0XfF", 255},         {"", 0},
        {"zz", 0},        {"0x", 0},         {" 0x0010 ", 16},     {"12g4", 0x12},
        {"0x1FFFF", 0x1FFFF}, {"0xFFFFFFFFFF", 0xFFFFFFFFu}, {"-1", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(ImportedMethodCode(c.text), c.code) << c.text;
}

}  // namespace
