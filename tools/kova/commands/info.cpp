// kova info: who is at the other end.
#include <CLI/CLI.hpp>
#include <cstdio>

#include "../failures.h"
#include "../parameters.h"
#include "../tool.h"

namespace KovaTool {

namespace {

void Info(Tool& tool) {
    const kova_context context = tool.Context();
    std::string api;
    Check(kova_GetApiVersionStr(context, AppendText, &api), "read the API version");
    double firmware = 0;
    Check(kova_GetFirmwareVersionNumber(context, &firmware), "read the firmware version");
    std::int32_t axes = 0;
    Check(kova_GetSystemParameterInt32Value(context, "AXISSIZE", &axes), "read AXISSIZE");
    std::int32_t serial = 0;
    Check(kova_GetSystemParameter_SERIAL_NUMBER(context, &serial), "read SERIAL_NUMBER");
    const bool connected = kova_IsConnected(context);

    char plain[512];
    std::snprintf(plain, sizeof plain,
                  "API        %s\nfirmware   %s\nserial     %d\naxes       %d\nconnection Vireo, %s\n",
                  api.c_str(), NumberText(firmware).c_str(), serial, axes, connected ? "open" : "closed");
    tool.Print(Json::Object{{"api", api},
                            {"firmware", firmware},
                            {"serial", serial},
                            {"axes", axes},
                            {"connected", connected}},
               plain);
}

}  // namespace

void AddInfoCommands(CLI::App& app, Tool& tool) {
    app.add_subcommand("info", "Versions, axes and the state of the connection")->callback([&tool] { Info(tool); });
}

}  // namespace KovaTool
