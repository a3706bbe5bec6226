// kova get and kova set: parameters of every family, VR, TABLE, VR strings and I/O.
#include <CLI/CLI.hpp>
#include <memory>

#include "../failures.h"
#include "../addressing.h"
#include "../items.h"
#include "../tool.h"

namespace KovaTool {

namespace {

struct GetOptions {
    Addressing addressing;
    std::vector<std::string> items;
};

void Get(Tool& tool, const GetOptions& options) {
    const ParameterAddress address = options.addressing.Address();
    Json::Object values;
    std::string plain;
    for (const std::string& text : options.items) {
        const Item item = ParseItem(text);
        Json value = ReadItem(tool.Context(), item, address);
        plain += (options.items.size() > 1 ? item.name + " = " : "") + value.Plain() + "\n";
        values.emplace_back(item.name, std::move(value));
    }
    tool.Print(values, plain);
}

struct SetOptions {
    Addressing addressing;
    std::string item;
    std::vector<std::string> values;
};

}  // namespace

void AddValueCommands(CLI::App& app, Tool& tool) {
    auto* get = app.add_subcommand("get", "Read parameters, VR, TABLE, VRSTRING and I/O");
    auto getting = std::make_shared<GetOptions>();
    getting->addressing.AddTo(*get);
    get->add_option("ITEM", getting->items, "MPOS, VR(5), TABLE(0..9), IN(3), OP(8..15), AIN(0), AOUT(1), VRSTRING(10)")
        ->required();
    get->callback([&tool, getting] { Get(tool, *getting); });

    auto* set = app.add_subcommand("set", "Write a parameter, VR, TABLE, VRSTRING or an output");
    auto setting = std::make_shared<SetOptions>();
    setting->addressing.AddTo(*set);
    set->add_option("ITEM", setting->item, "What to write, as for get")->required();
    set->add_option("VALUE", setting->values, "One value per element (a text for VRSTRING)")->required();
    set->callback([&tool, setting] {
        WriteItem(tool.Context(), ParseItem(setting->item), setting->addressing.Address(), setting->values);
    });
}

}  // namespace KovaTool
