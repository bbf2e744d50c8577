#include "DocumentMemory.h"

#include <sys/mman.h>

#include <xercesc/util/OutOfMemoryException.hpp>

#include <algorithm>
#include <new>

namespace tamo::exporters {

namespace {

// Requests from this size on are a document's node blocks (16 KiB, doubling up to 512 KiB).
constexpr std::size_t block_threshold = 16 * 1024;
constexpr std::size_t region_unit = 2 * 1024 * 1024;
// Regions grow with what is mapped already, so that a large document needs few of them.
constexpr std::size_t largest_region = 64 * region_unit;
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

std::size_t DocumentMemory::mapped() {
    const std::lock_guard<std::mutex> lock(mutex_);
    return mapped_;
}

bool DocumentMemory::in_regions(const void* block) const {
    const auto* address = static_cast<const char*>(block);
    return std::any_of(regions_.begin(), regions_.end(), [address](const Region& region) {
        return address >= region.start && address < region.start + region.size;
    });
}

void DocumentMemory::add_region(std::size_t at_least) {
    const std::size_t size =
        rounded_up(std::max({at_least, region_unit, std::min(mapped_, largest_region)}), region_unit);
    // Huge pages would make a small document cost whole 2 MiB pages, and a document's nodes no longer pile up.
    void* mapped = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw xercesc::OutOfMemoryException();
    auto* start = static_cast<char*>(mapped);
    regions_.push_back({start, size});
    mapped_ += size;
    next_ = start;
    end_ = start + size;
}

}  // namespace tamo::exporters
