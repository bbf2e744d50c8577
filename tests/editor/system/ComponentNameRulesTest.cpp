#include <gtest/gtest.h>

#include "ComponentNameRules.h"

namespace {

TEST(ComponentNameRules, TheKindWordsAreNoComponentNames) {
    for (const char* name : {"proxy", "Proxy", "STUB", "sTuB"}) EXPECT_TRUE(IsReservedComponentName(name)) << name;
    for (const char* name : {"proxy1", " stub", "stubs", "조타 제어기", ""})
        EXPECT_FALSE(IsReservedComponentName(name)) << name;
}

TEST(ComponentNameRules, TheDefaultClassNameDropsUnderscoresAndTheLettersIAndFAtBothEnds) {
    const std::pair<const char*, const char*> cases[] = {
        {"nav_if", "class_nav"},         {"info_if", "class_nfo"},   {"INavigation", "class_INavigation"},
        {"_fifi_", "class_"},            {"I위치", "class_I위치"},    {"if_gps_if", "class_gps"},
    };
    for (const auto& [interfaceName, className] : cases)
        EXPECT_EQ(DefaultClassName(interfaceName), className) << interfaceName;
    EXPECT_EQ(DefaultObjectNamePrefix("proxy"), "object_proxy_");
    EXPECT_EQ(DefaultObjectNamePrefix("stub"), "object_stub_");
}

TEST(ComponentNameRules, BlanksAreTrimmedAtBothEndsOnly) {
    EXPECT_EQ(TrimBlanks(" \t\r\nclass a\r\n "), "class a");
    EXPECT_EQ(TrimBlanks(" \t \r\n"), "");
    EXPECT_EQ(EnteredObjectLine("INavigation", "class_nav", "object_proxy_nav"),
              " - INavigation : class_nav : object_proxy_nav");
}

}  // namespace
