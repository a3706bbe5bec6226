// The program store's directory and the process list: one library call into a reply buffer, then
// the listing reader.
#include <algorithm>
#include <cstdint>

#include "shared/programs/directory_listing.h"
#include "shared/programs/process_listing.h"
#include "vireo/binding/conventions.h"
#include "vireo/binding/low_level.h"
#include "vireo/connection_vireo.h"

namespace Kova::TesselApi::Vireo {

namespace {

constexpr std::uint32_t kListingReplySize = 2048;
constexpr const char* kDirectoryOptions = "B";
constexpr const char* kProcessOptions = "X1";

// The reply the library wrote; a count beyond the buffer is not believed.
std::string_view Written(const char* reply, std::uint32_t written) {
    return std::string_view(reply, std::min(written, kListingReplySize));
}

}  // namespace

Result Connection_Vireo::Dir(const DirSink& sink) {
    char reply[kListingReplySize];
    std::uint32_t written = 0;
    const Result result =
        CommandConvention(Invoke(LowLevel().vireo_api_dir, kDirectoryOptions, reply, kListingReplySize, &written));
    if (result != Shared::kSuccess) return result;
    return Shared::ReadDirectoryListing(Written(reply, written), sink);
}

Result Connection_Vireo::GetProcessList(const ProcessSink& sink) {
    char reply[kListingReplySize];
    std::uint32_t written = 0;
    const Result result =
        StatusConvention(Invoke(LowLevel().vireo_api_process, kProcessOptions, reply, kListingReplySize, &written));
    if (result != Shared::kSuccess) return result;
    return Shared::ReadProcessListing(Written(reply, written), sink);
}

}  // namespace Kova::TesselApi::Vireo
