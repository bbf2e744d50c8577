#include <gtest/gtest.h>

#include "DomainListTestSupport.h"
#include "DomainListWriter.h"
#include "XmlDocument.h"

namespace {

using documents_test::ExpectMatchesGolden;
using documents_test::WrittenDocument;

class_domain_info Domain(int id, int upperId, const std::string& name, int isPublic, int port,
                         const std::string& description) {
    class_domain_info domain;
    domain.id = id;
    domain.upper_id = upperId;
    domain.name = name;
    domain.is_public = isPublic;
    domain.standard_port = static_cast<std::uint16_t>(port);
    domain.description = description;
    domain.user_id = "admin";  // fields the document leaves out
    domain.create_date = "2024-01-01 00:00:00";
    return domain;
}

class_method_info Method(const std::string& name, const std::string& type, const std::string& code, int inDomain,
                         const std::string& inData, int outDomain, const std::string& outData) {
    class_method_info method;
    method.domain_id = 6;
    method.name = name;
    method.type = type;
    method.code = code;
    method.in_domain_id = inDomain;
    method.in_domain_name = inDomain ? "Pos" : "";
    method.in_data = inData;
    method.out_domain_id = outDomain;
    method.out_domain_name = outDomain ? "기본형" : "";
    method.out_data = outData;
    method.user_id = "admin";
    return method;
}

// A small method domain that shows every rule of the format once.
class_xmlexport_lists SmallDomain() {
    class_xmlexport_lists lists;
    lists.method_domains.push_back(Domain(6, 0, "NavService", 1, 65535, "항법 & <서비스>"));
    lists.methods.push_back(Method("GetPosition", "CALL", "10", 2, "위치", 0, ""));
    lists.methods.back().description = "the ship's position";
    lists.methods.push_back(Method("Big", "EVENT", "70000", 0, "", 3, "각도"));
    lists.methods.push_back(Method("Odd", "SIGNAL", "abc", 0, "", 0, ""));

    class_interface_info navigation;
    navigation.domain_id = 6;
    navigation.name = "INav";
    navigation.description = "항법";
    class_interface_info empty = navigation;
    empty.name = "IEmpty";
    empty.description = "";
    lists.interfaces = {navigation, empty};
    lists.member_methods["INav"] = {lists.methods[0], lists.methods[1]};
    lists.member_methods["IEmpty"] = {};

    lists.data_domains[3] = {Domain(3, 0, "기본형", 1, 0, "기본 자료형")};
    lists.data_domains[2] = {Domain(2, 1, "Pos", 1, 7, "위치 데이타")};  // a data domain's port is never written

    class_metadata_info angle;
    angle.id = 12;  // the item's own id is not written
    angle.domain_id = 3;
    angle.name = "각도";
    angle.type = "scaled16_t";
    angle.real_domain_name = "NULL";
    angle.real_data = "NULL";
    angle.scmin = "-180.0";
    angle.scmax = "180.0";
    class_metadata_info latitude = angle;
    latitude.domain_id = 2;
    latitude.name = "Latitude";
    latitude.type = "alias";
    latitude.real_domain_id = 3;
    latitude.real_domain_name = "기본형";
    latitude.real_data = "각도";
    latitude.scmin = latitude.scmax = "";
    class_metadata_info position = angle;
    position.domain_id = 2;
    position.name = "위치";
    position.type = "struct";
    position.scmin = position.scmax = "";
    lists.data_items[{3, "각도"}] = {angle};
    lists.data_items[{2, "위치"}] = {position};
    lists.data_items[{2, "Latitude"}] = {latitude};
    lists.data_items[{3, "Missing"}] = {};  // a failed lookup contributes nothing

    class_datafield_info lat;
    lat.domain_id = 2;
    lat.data_name = "위치";
    lat.member_name = "lat";
    lat.real_domain_id = 2;
    lat.real_domain_name = "Pos";
    lat.real_data = "Latitude";
    lat.type = "alias";
    lat.physical = "rad";
    lat.bitsize = -1;
    lat.arraytype = "FIX";
    lat.arraysize = 8;
    lat.description = "위도";
    lists.fields.push_back(lat);
    return lists;
}

TEST(DomainListWriter, WritesEveryRowInTheOrderOfTheFormat) {
    ExpectMatchesGolden("small_domain.xml", WrittenDocument(SmallDomain(), "NavService\\"));
}

TEST(DomainListWriter, AnEmptyDomainStillHasEveryContainer) {
    class_xmlexport_lists lists;
    lists.method_domains.push_back(Domain(9, 0, "Empty", 0, 0, ""));
    ExpectMatchesGolden("empty_domain.xml", WrittenDocument(lists, "Empty\\"));
    // A domain that the lookup did not find: the row holds only its path.
    EXPECT_NE(WrittenDocument({}, "Gone\\").find("<row>\n      <path>method\\Gone\\</path>\n    </row>"),
              std::string::npos);
}

TEST(DomainListWriter, MethodCodesAreWrittenAsHexadecimalOfTheStoredDecimalText) {
    const struct {
        const char* stored;
        const char* written;
    } cases[] = {
        {"10", "0x000A"}, {"0", "0x0000"},     {"65535", "0xFFFF"}, {"70000", "0x11170"},
        {"abc", "0x0000"}, {"12abc", "0x000C"}, {"-1", "0xFFFFFFFF"}, {"", "0x0000"},
    };
    for (const auto& c : cases) EXPECT_EQ(DomainListMethodCode(c.stored), c.written) << c.stored;
}

}  // namespace
