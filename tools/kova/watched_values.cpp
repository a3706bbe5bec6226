#include "watched_values.h"

#include "failures.h"

namespace KovaTool {

namespace {

// Entries per block, and digital points per range word.
constexpr std::size_t kBlockEntries = 32;
constexpr std::uint32_t kRangePoints = 32;

}  // namespace

Json WatchedValues::Row::Value() const {
    Json::Array values;
    for (const double element : elements) {
        switch (item.kind) {
            case Item::Kind::Input:
            case Item::Kind::Output: values.emplace_back(element != 0); break;
            case Item::Kind::AnalogueIn:
            case Item::Kind::AnalogueOut: values.emplace_back(static_cast<std::int64_t>(element)); break;
            default: values.emplace_back(element);
        }
    }
    return values.size() == 1 ? values.front() : Json(values);
}

WatchedValues::WatchedValues(kova_context context, const std::vector<std::string>& items,
                             const std::vector<std::int32_t>& axes)
    : context_(context) {
    for (const std::string& text : items) {
        const Item item = ParseItem(text);
        if (item.kind == Item::Kind::VrString) throw UsageError("VRSTRING cannot be watched");
        if (item.kind == Item::Kind::Parameter && !axes.empty()) {
            for (const std::int32_t axis : axes)
                rows_.push_back({item.name + " AXIS(" + std::to_string(axis) + ")", item, {}, false});
            continue;
        }
        rows_.push_back({item.name, item, std::vector<double>(item.count), false});
    }
    std::vector<std::uint32_t> axisList(axes.begin(), axes.end());
    // Axis rows of one name sit together, one per axis in order: their block entry is the name.
    for (std::size_t row = 0; row < rows_.size(); row += 1) {
        const Item& item = rows_[row].item;
        switch (item.kind) {
            case Item::Kind::Parameter:
                if (!axes.empty()) {
                    Block& block = Open(Kind::Axis, axisList);
                    block.names.push_back(item.name);
                    block.targets.emplace_back();
                    for (std::size_t a = 0; a < axes.size(); ++a) {
                        rows_[row + a].elements.assign(1, 0.0);
                        block.targets.back().push_back({row + a, 0});
                    }
                    row += axes.size() - 1;
                } else {
                    Add(Kind::System, row);
                }
                break;
            case Item::Kind::Vr: Add(Kind::Vr, row); break;
            case Item::Kind::Table: Add(Kind::Table, row); break;
            case Item::Kind::Input: Add(Kind::Inputs, row); break;
            case Item::Kind::Output: Add(Kind::Outputs, row); break;
            default: Add(Kind::System, row); break;  // AIN(n), AOUT(n) are system names
        }
    }
    for (Block& block : blocks_) Define(block);
}

WatchedValues::~WatchedValues() {
    for (const Block& block : blocks_)
        if (block.defined) kova_ParamBlockDelete(context_, block.id);
}

WatchedValues::Block& WatchedValues::Open(Kind kind, const std::vector<std::uint32_t>& axes) {
    if (blocks_.empty() || blocks_.back().kind != kind || blocks_.back().targets.size() == kBlockEntries) {
        for (Block& block : blocks_)
            if (block.kind == kind && block.targets.size() < kBlockEntries) return block;
        blocks_.emplace_back().kind = kind;
        blocks_.back().axes = axes;
    }
    return blocks_.back();
}

// Each element of the row becomes one entry (a range of up to 32 points for digital rows).
void WatchedValues::Add(Kind kind, std::size_t row) {
    const Item item = rows_[row].item;
    const bool digital = kind == Kind::Inputs || kind == Kind::Outputs;
    const std::uint32_t step = digital ? kRangePoints : 1;
    for (std::uint32_t element = 0; element < item.count; element += step) {
        Block& block = Open(kind);
        const std::uint32_t index = item.first + element;
        if (kind == Kind::Vr || kind == Kind::Table) block.indices.push_back(index);
        if (digital) block.ranges.push_back({index, std::min(step, item.count - element)});
        if (kind == Kind::System)
            block.names.push_back(item.kind == Item::Kind::Parameter
                                      ? item.name
                                      : (item.kind == Item::Kind::AnalogueIn ? "AIN(" : "AOUT(") +
                                            std::to_string(index) + ")");
        block.targets.push_back({{row, element}});
    }
}

void WatchedValues::Define(Block& block) {
    const auto count = static_cast<std::uint32_t>(block.targets.size());
    std::vector<const char*> names;
    for (const std::string& name : block.names) names.push_back(name.c_str());
    kova_result result = 0;
    switch (block.kind) {
        case Kind::Vr: result = kova_ParamBlockDefineVr(context_, block.indices.data(), count, &block.id); break;
        case Kind::Table: result = kova_ParamBlockDefineTable(context_, block.indices.data(), count, &block.id); break;
        case Kind::System: result = kova_ParamBlockDefineSystem(context_, names.data(), count, &block.id); break;
        case Kind::Axis: result = kova_ParamBlockDefineAxis(context_, names.data(), count, &block.id); break;
        case Kind::Inputs:
        case Kind::Outputs: result = kova_ParamBlockDefineIO(context_, block.ranges.data(), count, &block.id); break;
    }
    Check(result, "watch " + (block.names.empty() ? rows_[block.targets.front().front().row].label : block.names.front()));
    block.defined = true;
    const std::size_t axes = std::max<std::size_t>(1, block.axes.size());
    block.values.assign(count * axes, 0.0);
    block.words.assign(count, 0);
    block.masks.assign(axes, 0);
}

void WatchedValues::Fetch(Block& block) {
    const auto size = static_cast<std::uint32_t>(block.values.size());
    std::uint64_t* mask = block.masks.data();
    kova_result result = 0;
    switch (block.kind) {
        case Kind::Vr: result = kova_ParamBlockFetchChangedVr(context_, block.id, block.values.data(), size, mask); break;
        case Kind::Table:
            result = kova_ParamBlockFetchChangedTable(context_, block.id, block.values.data(), size, mask);
            break;
        case Kind::System:
            result = kova_ParamBlockFetchChangedSystem(context_, block.id, block.values.data(), size, mask);
            break;
        case Kind::Axis:
            result = kova_ParamBlockFetchChangedAxisParam7a(context_, block.id, block.axes.data(),
                                                             static_cast<std::uint32_t>(block.axes.size()),
                                                             block.values.data(), size, mask);
            break;
        case Kind::Inputs:
        case Kind::Outputs:
            result = kova_ParamBlockFetchChangedIO(context_, block.id, block.kind == Kind::Outputs,
                                                   block.words.data(), static_cast<std::uint32_t>(block.words.size()),
                                                   mask);
            break;
    }
    if (result != 0) {
        std::string labels;
        for (const auto& targets : block.targets)
            for (const Target& target : targets) labels += (labels.empty() ? "" : ", ") + rows_[target.row].label;
        throw ModuleError("read " + labels, result);
    }
    const std::size_t entries = block.targets.size();
    for (std::size_t entry = 0; entry < entries; ++entry) {
        for (std::size_t t = 0; t < block.targets[entry].size(); ++t) {
            // Axis blocks: target t is axis t, whose values and mask follow the previous axis's.
            const std::size_t set = block.kind == Kind::Axis ? t : 0;
            if (!((block.masks[set] >> entry) & 1u)) continue;
            const Target target = block.targets[entry][t];
            Row& row = rows_[target.row];
            row.changed = true;
            if (block.kind == Kind::Inputs || block.kind == Kind::Outputs) {
                const kova_io_range range = block.ranges[entry];
                for (std::uint32_t point = 0; point < range.count; ++point)
                    row.elements[target.element + point] = double((block.words[entry] >> point) & 1u);
            } else {
                row.elements[target.element] = block.values[set * entries + entry];
            }
        }
    }
}

const std::vector<WatchedValues::Row>& WatchedValues::Refresh() {
    for (Row& row : rows_) row.changed = false;
    for (Block& block : blocks_) Fetch(block);
    return rows_;
}

}  // namespace KovaTool
