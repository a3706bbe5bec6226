// The program store listing on any reply: success or BadResponse, names within their length, and
// a NUL byte ends the listing as the end of the reply would.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "shared/programs/directory_listing.h"

namespace {

using namespace Kova::TesselApi::Shared;

constexpr Result kBadResponse = 0x810000000b;

Result Read(std::string_view reply, std::size_t& entries) {
    entries = 0;
    return ReadDirectoryListing(reply, [&](const kova_file_info&, const char* name) {
        if (std::strlen(name) > 131) std::abort();
        ++entries;
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    std::size_t entries = 0;
    const Result result = Read(reply, entries);
    if (result != kSuccess && result != kBadResponse) std::abort();
    const std::size_t nul = reply.find('\0');
    if (nul != std::string_view::npos) {
        std::size_t before = 0;
        if (Read(reply.substr(0, nul), before) != result || before != entries) std::abort();
    }
    return 0;
}
