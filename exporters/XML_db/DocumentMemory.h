#pragma once

#include <xercesc/framework/MemoryManager.hpp>

#include <cstddef>
#include <map>
#include <mutex>
#include <vector>

namespace tamo::exporters {

// The DOM library's memory for an exporter run. A document takes its nodes from blocks of up to 512 KiB that
// it asks the library's memory manager for. Here those blocks are cut from regions of 2 MiB and more, and blocks
// given back are kept for the next document: an export builds its rows in documents that are replaced as it
// goes (RowsAhead), which so take the blocks of the ones before. Only the pages touched count, so a small
// document costs no more than its nodes. Smaller requests go to the heap.
class DocumentMemory : public xercesc::MemoryManager {
public:
    // The one instance that the library is started with in this process (it must outlive every start).
    static DocumentMemory& instance();

    xercesc::MemoryManager* getExceptionMemoryManager() override { return this; }
    // The bytes of the regions that documents' blocks were cut from so far.
    std::size_t mapped();
    void* allocate(XMLSize_t size) override;
    void deallocate(void* block) override;

private:
    DocumentMemory() = default;

    struct Region {
        char* start;
        std::size_t size;
    };

    bool in_regions(const void* block) const;
    void add_region(std::size_t at_least);

    std::mutex mutex_;  // the library may be used from several threads; guards everything below
    std::vector<Region> regions_;
    char* next_ = nullptr;
    char* end_ = nullptr;
    std::size_t mapped_ = 0;
    std::map<const void*, std::size_t> block_sizes_;
    std::map<std::size_t, std::vector<void*>> free_blocks_;
};

}  // namespace tamo::exporters
