#include "shared/blocks/block_store.h"

#include <algorithm>

#include "shared/blocks/prm_blk_decimal.h"
#include "shared/blocks/prm_blk_digital_io.h"
#include "shared/blocks/prm_blk_named_numeric_variant.h"
#include "shared/blocks/prm_blk_named_string.h"

namespace Kova::TesselApi::Shared {

namespace {

std::unique_ptr<PrmBlk> MakeBlock(BlockKind kind, std::uint32_t capacity) {
    switch (kind) {
    case BlockKind::Axis:
    case BlockKind::System: return std::make_unique<PrmBlk_NamedNumericVariant>(kind, capacity);
    case BlockKind::Vr:
    case BlockKind::Table: return std::make_unique<PrmBlk_IndexedDecimal>(kind, capacity);
    case BlockKind::ProgVar: return std::make_unique<PrmBlk_NamedString>(kind, capacity);
    case BlockKind::IO: return std::make_unique<PrmBlk_DigitalIO>(kind, capacity);
    }
    return nullptr;
}

// Takes the block out of its slot once no operation holds it; the caller holds the store's lock,
// so nothing can find the block again.
std::unique_ptr<PrmBlk> Detach(std::unique_ptr<PrmBlk>& slot) {
    { std::lock_guard wait(slot->lock); }
    return std::move(slot);
}

}  // namespace

void ParamBlockStore::SetLimitsOnFirstUse() {
    std::lock_guard hold(lock_);
    if (maxBlocks_ == 0 || capacity_ == 0) {
        maxBlocks_ = kMaxBlocks;
        capacity_ = kBlockCapacity;
    }
}

LockedBlock ParamBlockStore::Add(BlockKind kind, std::uint32_t& slot) {
    std::unique_ptr<PrmBlk> block = MakeBlock(kind, capacity_);
    std::lock_guard hold(lock_);
    auto free = std::find(slots_.begin(), slots_.end(), nullptr);
    if (free == slots_.end()) {
        if (slots_.size() >= maxBlocks_) return {};
        free = slots_.emplace(slots_.end());
    }
    *free = std::move(block);
    slot = static_cast<std::uint32_t>(free - slots_.begin());
    return LockedBlock(**free);
}

LockedBlock ParamBlockStore::Find(std::uint32_t id) {
    std::lock_guard hold(lock_);
    if (id >= slots_.size() || !slots_[id]) return {};
    return LockedBlock(*slots_[id]);
}

Result ParamBlockStore::Remove(std::uint32_t id) {
    std::unique_ptr<PrmBlk> removed;
    std::lock_guard hold(lock_);
    if (id >= slots_.size() || !slots_[id]) return Error(InvalidParamBlock);
    removed = Detach(slots_[id]);
    return kSuccess;
}

void ParamBlockStore::Clear() {
    std::vector<std::unique_ptr<PrmBlk>> removed;
    std::lock_guard hold(lock_);
    for (std::unique_ptr<PrmBlk>& slot : slots_)
        if (slot) removed.push_back(Detach(slot));
    slots_.clear();
    maxBlocks_ = 0;
    capacity_ = 0;
}

}  // namespace Kova::TesselApi::Shared
