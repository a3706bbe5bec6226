// The parameter blocks of one connection, by slot; a block's id is its slot. Lock order: the store,
// then a block, never the other way, so finding and removing blocks cannot deadlock.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "shared/blocks/prm_blk.h"

namespace Kova::TesselApi::Shared {

// A block held locked for one operation; empty when there is no such block.
class LockedBlock {
public:
    LockedBlock() = default;
    explicit LockedBlock(PrmBlk& block) : block_(&block), hold_(block.lock) {}
    explicit operator bool() const { return block_ != nullptr; }
    PrmBlk* operator->() const { return block_; }
    PrmBlk& operator*() const { return *block_; }

private:
    PrmBlk* block_ = nullptr;
    std::unique_lock<std::recursive_mutex> hold_;
};

class ParamBlockStore {
public:
    static constexpr std::uint32_t kMaxBlocks = 64;
    static constexpr std::uint32_t kBlockCapacity = 32;

    ParamBlockStore() = default;
    ParamBlockStore(const ParamBlockStore&) = delete;
    ParamBlockStore& operator=(const ParamBlockStore&) = delete;

    // The limits are set by the first define, append or delete and forgotten by Clear.
    void SetLimitsOnFirstUse();
    // A new block in the lowest free slot, locked; empty when the store is full.
    LockedBlock Add(BlockKind kind, std::uint32_t& slot);
    LockedBlock Find(std::uint32_t id);
    // Waits for any operation on the block to end; InvalidParamBlock when there is none.
    Result Remove(std::uint32_t id);
    // Every block goes, and the limits with them.
    void Clear();

private:
    std::recursive_mutex lock_;
    std::vector<std::unique_ptr<PrmBlk>> slots_;   // null: free
    std::uint32_t maxBlocks_ = 0;
    std::uint32_t capacity_ = 0;
};

}  // namespace Kova::TesselApi::Shared
