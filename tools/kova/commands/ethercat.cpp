// kova ethercat: the state of a slot's EtherCAT network and its sub-devices.
#include <CLI/CLI.hpp>
#include <cinttypes>
#include <cstdio>
#include <memory>

#include "../failures.h"
#include "../tool.h"

namespace KovaTool {

namespace {

struct Network {
    Json::Array json;
    std::string plain;
};

void ShowNetwork(Tool& tool, std::int32_t slot) {
    const kova_context context = tool.Context();
    std::int32_t state = 0;
    Check(kova_Ethercat_GetState(context, slot, &state), "read the network state of slot " + std::to_string(slot));
    Network network;
    const auto device = [](void* user, const kova_ethercat_info* info, const char* text) {
        auto& out = *static_cast<Network*>(user);
        char line[256];
        std::snprintf(line, sizeof line, "%4" PRIu32 "  0x%08" PRIX32 "  0x%08" PRIX32 "  %5u  %4d  %5" PRIu32 "  %s\n",
                      info->position, info->vendor_id, info->product_code, unsigned(info->configured_address),
                      info->axis, info->state, text ? text : "");
        out.plain += line;
        out.json.emplace_back(Json::Object{{"position", info->position},
                                           {"vendor", info->vendor_id},
                                           {"product", info->product_code},
                                           {"revision", info->revision},
                                           {"address", std::uint32_t(info->configured_address)},
                                           {"axis", info->axis},
                                           {"state", info->state}});
    };
    Check(kova_Ethercat_EnumSubDevices(context, slot, device, &network),
          "list the sub-devices of slot " + std::to_string(slot));
    tool.Print(Json::Object{{"slot", slot}, {"state", state}, {"devices", std::move(network.json)}},
               "slot " + std::to_string(slot) + ", state " + std::to_string(state) +
                   "\n POS  VENDOR      PRODUCT      ADDR  AXIS  STATE\n" + network.plain);
}

}  // namespace

void AddEthercatCommand(CLI::App& app, Tool& tool) {
    auto* ethercat = app.add_subcommand("ethercat", "The EtherCAT network of a slot: state and sub-devices");
    auto slot = std::make_shared<std::int32_t>(0);
    ethercat->add_option("--slot", *slot, "The controller slot of the network")->capture_default_str();
    ethercat->callback([&tool, slot] { ShowNetwork(tool, *slot); });
}

}  // namespace KovaTool
