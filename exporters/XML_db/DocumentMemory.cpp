#include "DocumentMemory.h"

#include <sys/mman.h>

#include <xercesc/util/OutOfMemoryException.hpp>

#include <algorithm>
#include <cstdint>
#include <new>

namespace tamo::exporters {

namespace {

// Requests from this size on are a document's node blocks (16 KiB, doubling up to 512 KiB).
constexpr std::size_t block_threshold = 16 * 1024;
constexpr std::size_t huge_page = 2 * 1024 * 1024;
// Regions grow with what is mapped already, so that a large document needs few of them.
constexpr std::size_t largest_region = 64 * huge_page;
constexpr std::size_t alignment = alignof(std::max_align_t);

std::size_t rounded_up(std::size_t size, std::size_t unit) { return (size + unit - 1) / unit * unit; }

}  // namespace

DocumentMemory& DocumentMemory::instance() {
    // Never destroyed: the library may give memory back while the process ends.
    static DocumentMemory* memory = new DocumentMemory;
    return *memory;
}

void* DocumentMemory::allocate(XMLSize_t size) {
    if (size < block_threshold) {
        void* block = ::operator new(size, std::nothrow);
        if (!block) throw xercesc::OutOfMemoryException();
        return block;
    }
    const std::size_t needed = rounded_up(size, alignment);
    const std::lock_guard<std::mutex> lock(mutex_);
    if (auto spare = free_blocks_.find(needed); spare != free_blocks_.end() && !spare->second.empty()) {
        void* block = spare->second.back();
        spare->second.pop_back();
        return block;
    }
    if (static_cast<std::size_t>(end_ - next_) < needed) add_region(needed);
    void* block = next_;
    next_ += needed;
    block_sizes_.emplace(block, needed);
    return block;
}

void DocumentMemory::deallocate(void* block) {
    if (!block) return;
    std::unique_lock<std::mutex> lock(mutex_);
    if (!in_regions(block)) {
        lock.unlock();
        ::operator delete(block);
        return;
    }
    free_blocks_[block_sizes_.at(block)].push_back(block);
}

bool DocumentMemory::in_regions(const void* block) const {
    const auto* address = static_cast<const char*>(block);
    return std::any_of(regions_.begin(), regions_.end(), [address](const Region& region) {
        return address >= region.start && address < region.start + region.size;
    });
}

void DocumentMemory::add_region(std::size_t at_least) {
    const std::size_t size = rounded_up(std::max({at_least, huge_page, std::min(mapped_, largest_region)}), huge_page);
    // One huge page more than needed, so that the region can start on a huge page boundary.
    void* mapped = mmap(nullptr, size + huge_page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw xercesc::OutOfMemoryException();
    auto* start = reinterpret_cast<char*>(rounded_up(reinterpret_cast<std::uintptr_t>(mapped), huge_page));
    madvise(start, size, MADV_HUGEPAGE);  // a hint: without huge pages the region works as well
    regions_.push_back({start, size});
    mapped_ += size;
    next_ = start;
    end_ = start + size;
}

}  // namespace tamo::exporters
