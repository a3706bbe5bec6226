// The values kova watch shows, read through parameter blocks: one fetch per block and refresh,
// and only what the controller reports as changed is taken over.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "items.h"
#include "json.h"
#include "kova/tesselapi.h"

namespace KovaTool {

class WatchedValues {
public:
    struct Row {
        std::string label;
        Item item;
        std::vector<double> elements;  // one per element of the item; digital points as 0 or 1
        bool changed = false;          // in the latest refresh
        Json Value() const;
    };

    // Parameter names are read for every axis given, as system parameters when there is none.
    WatchedValues(kova_context context, const std::vector<std::string>& items, const std::vector<std::int32_t>& axes);
    ~WatchedValues();
    WatchedValues(const WatchedValues&) = delete;
    WatchedValues& operator=(const WatchedValues&) = delete;

    const std::vector<Row>& Refresh();

private:
    enum class Kind { Vr, Table, System, Inputs, Outputs, Axis };
    struct Target {
        std::size_t row;
        std::uint32_t element;
    };
    struct Block {
        Kind kind;
        std::uint32_t id = 0;
        bool defined = false;
        std::vector<std::uint32_t> indices;       // Vr, Table
        std::vector<std::string> names;           // System, Axis
        std::vector<kova_io_range> ranges;        // Inputs, Outputs
        std::vector<std::uint32_t> axes;          // Axis
        std::vector<std::vector<Target>> targets; // per entry (Axis: per name, then per axis below)
        std::vector<double> values;
        std::vector<std::uint64_t> words;
        std::vector<std::uint64_t> masks;
    };

    Block& Open(Kind kind, const std::vector<std::uint32_t>& axes = {});
    void Add(Kind kind, std::size_t row);
    void Define(Block& block);
    void Fetch(Block& block);

    kova_context context_;
    std::vector<Row> rows_;
    std::vector<Block> blocks_;
};

}  // namespace KovaTool
