// The stand-in file server's header and fault-mode readers on any text: no crash, and whatever they
// accept is something the server can act on.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "stand_in/file_server_header.h"
// The stand-in's sources are in no library a fuzz target links: the reader comes along here.
#include "stand_in/file_server_header.cpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto request = StandIn::ParseHeader(text)) {
        if (request->name.empty() || request->name.size() > 255) std::abort();
        for (const char c : request->name)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) std::abort();
        if (request->level < 1 || request->level > 3) std::abort();
        if (request->download && request->compressed) std::abort();
    }
    const StandIn::FileFaultMode fault = StandIn::ParseFileFault(text);
    if (fault.fault != StandIn::FileFault::Drop && fault.bytes != 0) std::abort();
    return 0;
}
