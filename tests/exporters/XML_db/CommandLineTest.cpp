#include <gtest/gtest.h>

#include <vector>

#include "CommandLine.h"

using tamo::exporters::CommandLine;

namespace {

std::optional<CommandLine> Parse(std::vector<const char*> arguments) {
    arguments.insert(arguments.begin(), "tools/pelvane");
    return CommandLine::parse(static_cast<int>(arguments.size()), arguments.data());
}

TEST(CommandLine, NineArgumentsInTheirOrder) {
    auto line = Parse({"h", "3306", "dbu", "dbp", "db", "user", "pass", "12", "out.xml"});
    ASSERT_TRUE(line);
    EXPECT_EQ(line->host, "h");
    EXPECT_EQ(line->port, "3306");
    EXPECT_EQ(line->dbuser, "dbu");
    EXPECT_EQ(line->dbpasswd, "dbp");
    EXPECT_EQ(line->dbname, "db");
    EXPECT_EQ(line->tzel_user, "user");
    EXPECT_EQ(line->tzel_passwd, "pass");
    EXPECT_EQ(line->id, "12");
    EXPECT_EQ(line->save_path, "out.xml");
}

TEST(CommandLine, EightArgumentsLeaveThePasswordEmptyAndTenIgnoreTheLast) {
    auto eight = Parse({"h", "1", "u", "p", "db", "user", "12", "out.xml"});
    ASSERT_TRUE(eight);
    EXPECT_EQ(eight->tzel_passwd, "");
    EXPECT_EQ(eight->id, "12");
    EXPECT_EQ(eight->save_path, "out.xml");
    EXPECT_EQ(CommandLine::used_arguments(9), 8);

    auto ten = Parse({"h", "1", "u", "p", "db", "user", "pw", "12", "out.xml", "extra"});
    ASSERT_TRUE(ten);
    EXPECT_EQ(ten->save_path, "out.xml");
    EXPECT_EQ(CommandLine::used_arguments(11), 9);

    EXPECT_FALSE(Parse({"h", "1", "u", "p", "db", "user", "12"}));
    EXPECT_FALSE(Parse({}));
}

// A port text that the client library would read as another port (its default for "", the digits before
// the junk, the number modulo 65536) is no port.
TEST(CommandLine, APortThatIsNoNumberFromOneTo65535IsRefused) {
    for (const char* port : {"", "-0", "0", "abc", "3306x", " 3306", "+3306", "65536", "101842", "99999999999999999999"})
        EXPECT_FALSE(Parse({"h", port, "u", "p", "db", "user", "pw", "12", "out.xml"})) << "'" << port << "'";
    for (const char* port : {"1", "3306", "03306", "65535"})
        EXPECT_TRUE(Parse({"h", port, "u", "p", "db", "user", "pw", "12", "out.xml"})) << port;
}

TEST(CommandLine, UsageTextBeginsWithALineBreak) {
    EXPECT_EQ(CommandLine::usage("vandrel"),
              "\n usage : vandrel host port dbuser dbpasswd dbname tzel_user tzel_passwd component_id save_path\n"
              " example : skarrow 127.0.0.1 3306 tamo_user plum_ward tamo_zelk root 9154 1311 "
              "\"c:\\xml\\component.xml\"");
}

}  // namespace
