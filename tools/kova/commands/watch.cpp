// kova watch: a live view of values, refreshed in place on a terminal (what changed highlighted), one
// line per refresh otherwise.
#include <CLI/CLI.hpp>
#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

#include "../failures.h"
#include "../terminal.h"
#include "../tool.h"
#include "../watched_values.h"

namespace KovaTool {

namespace {

struct WatchOptions {
    std::vector<std::int32_t> axes;
    double rate = 10;
    double seconds = 0;  // 0: until Ctrl-C
    std::vector<std::string> items;
};

void Watch(Tool& tool, const WatchOptions& options) {
    if (options.rate <= 0 || options.rate > 1000) throw UsageError("--rate must be above 0 and at most 1000");
    WatchedValues watched(tool.Context(), options.items, options.axes);
    const bool live = IsTerminal(stdout) && !tool.json;
    const auto period = std::chrono::duration<double>(1.0 / options.rate);
    const auto start = std::chrono::steady_clock::now();
    WatchForInterrupt();
    for (int refresh = 0; !Interrupted(); ++refresh) {
        const auto now = std::chrono::steady_clock::now();
        const double elapsed = std::chrono::duration<double>(now - start).count();
        Json::Object values{{"t", elapsed}};
        const std::vector<WatchedValues::Row>& rows = watched.Refresh();
        std::string out = live && refresh > 0 ? "\x1b[" + std::to_string(rows.size()) + "A" : "";
        if (!live && !tool.json) {
            char stamp[32];
            std::snprintf(stamp, sizeof stamp, "%.2fs", elapsed);
            out = stamp;
        }
        for (const WatchedValues::Row& row : rows) {
            Json value = row.Value();
            const std::string text = value.Plain();
            const bool changed = refresh > 0 && row.changed;
            if (live) {
                char label[64];
                std::snprintf(label, sizeof label, "\r%-24s ", row.label.c_str());
                out += label + (changed ? "\x1b[7m" + text + "\x1b[0m" : text) + "\x1b[K\n";
            } else if (!tool.json) {
                out += " " + row.label + "=" + text;
            }
            values.emplace_back(row.label, std::move(value));
        }
        if (tool.json)
            out = Json(std::move(values)).Text() + "\n";
        else if (!live)
            out += "\n";
        std::fputs(out.c_str(), stdout);
        std::fflush(stdout);
        if (options.seconds > 0 && elapsed >= options.seconds) break;
        std::this_thread::sleep_until(now + std::chrono::duration_cast<std::chrono::steady_clock::duration>(period));
    }
}

}  // namespace

void AddWatchCommand(CLI::App& app, Tool& tool) {
    auto* watch = app.add_subcommand("watch", "Watch values live until Ctrl-C (or --for seconds)");
    auto options = std::make_shared<WatchOptions>();
    watch->add_option("--axis", options->axes, "Axes whose parameters to show (a list: --axis 0,1)")
        ->delimiter(',')
        ->allow_extra_args(false)  // the names that follow are items, not axes
        ->check(CLI::NonNegativeNumber);
    watch->add_option("--rate", options->rate, "Refreshes per second")->capture_default_str();
    watch->add_option("--for", options->seconds, "Stop after this many seconds")->check(CLI::PositiveNumber);
    watch->add_option("ITEM", options->items, "MPOS, VR(5), TABLE(0..3), IN(0..7), AIN(0) ...")->required();
    watch->callback([&tool, options] { Watch(tool, *options); });
}

}  // namespace KovaTool
