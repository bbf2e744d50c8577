// The DOM library's memory: node blocks cut from regions, kept for reuse when given back.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "DocumentMemory.h"

using tamo::exporters::DocumentMemory;

namespace {

TEST(DocumentMemory, BlocksDoNotOverlapAndAreHandedOutAgainOnceGivenBack) {
    DocumentMemory& memory = DocumentMemory::instance();
    // The sizes a growing document asks for, a request larger than a region, and small ones for the heap.
    const std::vector<std::size_t> sizes = {16384, 32768, 65536, 131072, 262144, 524288, 524288, 524288,
                                            5u << 20, 100, 16383};
    std::vector<char*> blocks;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        blocks.push_back(static_cast<char*>(memory.allocate(sizes[i])));
        std::memset(blocks.back(), static_cast<int>('a' + i), sizes[i]);
    }
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        EXPECT_EQ(blocks[i][0], static_cast<char>('a' + i)) << "block " << i;
        EXPECT_EQ(blocks[i][sizes[i] - 1], static_cast<char>('a' + i)) << "block " << i;
    }

    memory.deallocate(blocks[6]);
    memory.deallocate(blocks[3]);
    EXPECT_EQ(memory.allocate(524288), blocks[6]);
    EXPECT_EQ(memory.allocate(131072), blocks[3]);

    for (char* block : blocks) memory.deallocate(block);
    memory.deallocate(nullptr);
}

}  // namespace
