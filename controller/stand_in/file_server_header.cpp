#include "stand_in/file_server_header.h"

#include <cstdint>

namespace StandIn {

namespace {

constexpr std::uint8_t kUs = 0x1F;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<Request> ParseHeader(std::string_view text) {
    Request request;
    std::string_view name;
    if (text.substr(0, 3) == "SD:") {
        request.level = 1;
        request.destination = Simulator::Destination::Sd;
        name = text.substr(3);
    } else {
        if (text.size() < 4 || !IsDigit(text[0]) || !IsDigit(text[1])) return std::nullopt;
        const char flag = text[2];
        const char destination = text[3];
        if (flag < '0' || flag > '3' || destination < '0' || destination > '2') return std::nullopt;
        request.download = (flag - '0') & 2;
        // A download sends what is stored as it is; the compression bit only matters for uploads.
        request.compressed = !request.download && ((flag - '0') & 1);
        request.destination = static_cast<Simulator::Destination>(destination - '0');
        name = text.substr(4);
        if (!name.empty() && static_cast<std::uint8_t>(name[0]) == kUs) {
            request.level = 3;
            const std::size_t close = name.find(static_cast<char>(kUs), 1);
            if (close == std::string_view::npos || close == 1) return std::nullopt;
            for (char c : name.substr(1, close - 1))
                if (!IsDigit(c)) return std::nullopt;
            name = name.substr(close + 1);
        } else {
            request.level = 2;
        }
    }
    if (name.empty() || name.size() > kMaxRemoteName) return std::nullopt;
    for (char c : name)
        if (static_cast<std::uint8_t>(c) < 0x20 || c == 0x7F) return std::nullopt;
    request.name = std::string(name);
    return request;
}

FileFaultMode ParseFileFault(std::string_view text) {
    struct Named {
        std::string_view name;
        FileFault fault;
    };
    static constexpr Named kNames[] = {
        {"abort", FileFault::Abort},   {"badcrc", FileFault::BadCrc},   {"stall", FileFault::Stall},
        {"silent", FileFault::Silent}, {"garbage", FileFault::Garbage}, {"earlycrc", FileFault::EarlyCrc},
    };
    for (const Named& named : kNames)
        if (text == named.name) return {named.fault, 0};
    constexpr std::string_view kDrop = "drop:";
    if (text.substr(0, kDrop.size()) != kDrop) return {};
    const std::string_view count = text.substr(kDrop.size());
    if (count.empty() || count.size() > 12) return {};
    std::size_t bytes = 0;
    for (const char c : count) {
        if (!IsDigit(c)) return {};
        bytes = bytes * 10 + static_cast<std::size_t>(c - '0');
    }
    return {FileFault::Drop, bytes};
}

}  // namespace StandIn
