#include "addressing.h"

#include <CLI/CLI.hpp>
#include <utility>

namespace KovaTool {

void Addressing::AddTo(CLI::App& command) {
    auto* a = command.add_option("--axis", axis, "Parameters of this axis");
    auto* p = command.add_option("--proc", process, "Parameters of this process");
    auto* s = command.add_option("--slot", slot, "Parameters of this slot");
    auto* o = command.add_option("--port", port, "Parameters of this port");
    for (CLI::Option* option : {a, p, s, o}) option->check(CLI::NonNegativeNumber);
    a->excludes(p, s, o);
    p->excludes(s, o);
    s->excludes(o);
    command.add_option("--type", type, "Value type of parameters")
        ->check(CLI::IsMember({"double", "int64", "uint64", "int32", "uint32", "bool"}));
}

ParameterAddress Addressing::Address() const {
    ParameterAddress address;
    address.type = ValueTypeFromName(type);
    const std::pair<Family, std::int32_t> chosen[] = {
        {Family::Axis, axis}, {Family::Process, process}, {Family::Slot, slot}, {Family::Port, port}};
    for (const auto& [family, index] : chosen)
        if (index >= 0) {
            address.family = family;
            address.index = index;
        }
    return address;
}

}  // namespace KovaTool
