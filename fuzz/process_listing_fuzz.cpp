// The process listing on any reply: success or BadResponse, names within their length, elapsed
// times never negative, and a NUL byte ends the listing as the end of the reply would.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "shared/programs/process_listing.h"

namespace {

using namespace Kova::TesselApi::Shared;

constexpr Result kBadResponse = 0x810000000b;

Result Read(std::string_view reply, std::size_t& processes) {
    processes = 0;
    return ReadProcessListing(reply, [&](const kova_process_info& info, const char* name) {
        const std::int64_t elapsed = info.elapsed_ms;
        if (std::strlen(name) > 131 || elapsed < 0) std::abort();
        ++processes;
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    std::size_t processes = 0;
    const Result result = Read(reply, processes);
    if (result != kSuccess && result != kBadResponse) std::abort();
    const std::size_t nul = reply.find('\0');
    if (nul != std::string_view::npos) {
        std::size_t before = 0;
        if (Read(reply.substr(0, nul), before) != result || before != processes) std::abort();
    }
    return 0;
}
