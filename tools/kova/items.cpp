#include "items.h"

#include <charconv>

#include "failures.h"

namespace KovaTool {

namespace {

constexpr std::pair<std::string_view, Item::Kind> kKinds[] = {
    {"VR", Item::Kind::Vr},           {"TABLE", Item::Kind::Table},          {"IN", Item::Kind::Input},
    {"OP", Item::Kind::Output},       {"AIN", Item::Kind::AnalogueIn},       {"AOUT", Item::Kind::AnalogueOut},
    {"VRSTRING", Item::Kind::VrString}};

// Digital points per call of the range functions.
constexpr std::uint32_t kDigitalBatch = 32;

std::uint32_t ParseIndex(std::string_view text, std::string_view item) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        throw UsageError("bad index in " + std::string(item));
    return value;
}

Json Digital(kova_context context, const Item& item) {
    const bool input = item.kind == Item::Kind::Input;
    Json::Array states;
    for (std::uint32_t done = 0; done < item.count; done += kDigitalBatch) {
        const std::uint32_t first = item.first + done;
        const std::uint32_t last = first + std::min(kDigitalBatch, item.count - done) - 1;
        std::uint32_t word = 0;
        Check(input ? kova_GetDIn4(context, first, last, &word) : kova_GetDOut4(context, first, last, &word),
              "read " + item.name);
        for (std::uint32_t point = first; point <= last; ++point) states.emplace_back(bool((word >> (point - first)) & 1u));
    }
    return item.count == 1 ? states.front() : Json(states);
}

Json Analogue(kova_context context, const Item& item) {
    Json::Array values;
    for (std::uint32_t channel = item.first; channel < item.first + item.count; ++channel) {
        std::int32_t value = 0;
        Check(item.kind == Item::Kind::AnalogueIn ? kova_GetAIn(context, channel, &value)
                                                  : kova_GetAOut(context, channel, &value),
              "read " + item.name);
        values.emplace_back(value);
    }
    return item.count == 1 ? values.front() : Json(values);
}

Json Memory(kova_context context, const Item& item) {
    std::vector<double> values(item.count);
    Check(item.kind == Item::Kind::Vr ? kova_GetMultiVrValues(context, item.first, item.count, values.data())
                                      : kova_GetMultiTableValues(context, item.first, item.count, values.data()),
          "read " + item.name);
    if (item.count == 1) return Json(values.front());
    return Json(Json::Array(values.begin(), values.end()));
}

}  // namespace

Item ParseItem(std::string_view text) {
    Item item;
    item.name = std::string(text);
    const auto open = text.find('(');
    if (open == std::string_view::npos) return item;  // a parameter name
    if (text.back() != ')') throw UsageError("missing ) in " + item.name);
    const std::string_view word = text.substr(0, open);
    const std::string_view inside = text.substr(open + 1, text.size() - open - 2);
    bool known = false;
    for (const auto& [name, kind] : kKinds)
        if (name == word) {
            item.kind = kind;
            known = true;
        }
    if (!known) throw UsageError("unknown item " + item.name + " (VR, TABLE, IN, OP, AIN, AOUT, VRSTRING)");
    const auto dots = inside.find("..");
    item.first = ParseIndex(inside.substr(0, dots), text);
    if (dots != std::string_view::npos) {
        const std::uint32_t last = ParseIndex(inside.substr(dots + 2), text);
        if (last < item.first || item.kind == Item::Kind::VrString) throw UsageError("bad range in " + item.name);
        item.count = last - item.first + 1;
    }
    return item;
}

Json ReadItem(kova_context context, const Item& item, const ParameterAddress& address) {
    switch (item.kind) {
        case Item::Kind::Parameter: return GetParameter(context, address, item.name);
        case Item::Kind::Vr:
        case Item::Kind::Table: return Memory(context, item);
        case Item::Kind::Input:
        case Item::Kind::Output: return Digital(context, item);
        case Item::Kind::AnalogueIn:
        case Item::Kind::AnalogueOut: return Analogue(context, item);
        case Item::Kind::VrString: break;
    }
    std::string text;
    Check(kova_GetVrString4c(context, item.first, AppendText, &text), "read " + item.name);
    return Json(text);
}

void WriteItem(kova_context context, const Item& item, const ParameterAddress& address,
               const std::vector<std::string>& values) {
    if (item.kind == Item::Kind::Input || item.kind == Item::Kind::AnalogueIn)
        throw UsageError(item.name + " cannot be written");
    const std::uint32_t wanted = item.kind == Item::Kind::Parameter || item.kind == Item::Kind::VrString ? 1 : item.count;
    if (values.size() != wanted)
        throw UsageError(item.name + " takes " + std::to_string(wanted) + (wanted == 1 ? " value" : " values"));
    const std::string action = "write " + item.name;
    switch (item.kind) {
        case Item::Kind::Parameter: return SetParameter(context, address, item.name, values.front());
        case Item::Kind::VrString: return Check(kova_SetVrString(context, item.first, values.front().c_str()), action);
        case Item::Kind::Vr:
        case Item::Kind::Table: {
            std::vector<double> numbers;
            for (const std::string& value : values) numbers.push_back(ParseNumber(value));
            return Check(item.kind == Item::Kind::Vr
                             ? kova_SetMultiVrValues(context, item.first, item.count, numbers.data())
                             : kova_SetMultiTableValues(context, item.first, item.count, numbers.data()),
                         action);
        }
        default: break;
    }
    for (std::uint32_t i = 0; i < item.count; ++i) {
        const double number = ParseNumber(values[i]);
        Check(item.kind == Item::Kind::Output
                  ? kova_SetDOut3(context, item.first + i, number != 0 ? 1 : 0)
                  : kova_SetAOut(context, item.first + i, static_cast<std::int32_t>(number)),
              action);
    }
}

}  // namespace KovaTool
