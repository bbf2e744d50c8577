// Search result lines cut into type, name and path, and tree paths cut into their components.

#include <gtest/gtest.h>

#include "SplitReferenceLine.h"

namespace {

TEST(SplitReferenceLineTest, CutsTheThreeValues) {
    const struct {
        const char* line;
        const char* type;
        const char* name;
        const char* path;
    } cases[] = {
        {"[타입]domain [이름]Pos [경로]Nav\\Pos\\", "domain", "Pos", "Nav\\Pos\\"},
        {"[타입]struct [이름]위치 정보 [경로]Nav\\Pos\\", "struct", "위치 정보", "Nav\\Pos\\"},
        {"[타입]interface [이름]INav [경로]", "interface", "INav", ""},
        {"[타입] [이름] [경로]", "", "", ""},
        {"no markers", "", "", ""},
    };
    for (const auto& c : cases) {
        std::string name = "x", path = "x", type = "x";
        SplitReferenceLine(name, path, c.line, type);
        EXPECT_EQ(type, c.type) << c.line;
        EXPECT_EQ(name, c.name) << c.line;
        EXPECT_EQ(path, c.path) << c.line;
    }
}

TEST(SplitReferenceLineTest, ALineWhoseNamesHoldMarkersHasOneReadingPerPathMarker) {
    using Readings = std::vector<std::vector<std::string>>;
    const auto read = [](const std::string& line) {
        Readings readings;
        for (const ReferenceLine& reading : ReadReferenceLine(line))
            readings.push_back({reading.type, reading.name, reading.path});
        return readings;
    };
    EXPECT_EQ(read("[타입]domain [이름]A:B [경로]top\\A:B\\"), (Readings{{"domain", "A:B", "top\\A:B\\"}}));
    EXPECT_EQ(read("[타입]struct [이름]x [경로]y [경로]D\\"),
              (Readings{{"struct", "x", "y [경로]D\\"}, {"struct", "x [경로]y", "D\\"}}));
    EXPECT_EQ(read("[타입]computer [이름]pc [이름]2 [경로]D [경로]\\Nodes\\"),
              (Readings{{"computer", "pc [이름]2", "D [경로]\\Nodes\\"}, {"computer", "pc [이름]2 [경로]D", "\\Nodes\\"}}));
    EXPECT_EQ(read("no markers"), (Readings{{"", "", ""}}));
}

TEST(SplitReferenceLineTest, TreePathComponents) {
    using Parts = std::vector<std::string>;
    EXPECT_EQ(SplitTreePath("Nav\\Pos\\"), (Parts{"Nav", "Pos"}));
    EXPECT_EQ(SplitTreePath("Ship\\Nodes"), (Parts{"Ship", "Nodes"}));
    EXPECT_EQ(SplitTreePath(""), Parts{});
    EXPECT_EQ(SplitTreePath("A\\\\B\\"), (Parts{"A", "", "B"}));
}

}  // namespace
