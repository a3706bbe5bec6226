// The opening frame of a transfer as the stand-in's file server reads it, and the fault mode that
// makes the server misbehave on purpose.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "sim/file_store.h"

namespace StandIn {

inline constexpr std::size_t kMaxRemoteName = 255;

struct Request {
    int level = 0;
    bool download = false;
    bool compressed = false;   // the data are raw deflate
    Simulator::Destination destination = Simulator::Destination::Ram;
    std::string name;
};

// The text between SOH and STX; nothing when it is not a header this server knows.
std::optional<Request> ParseHeader(std::string_view text);

// What the server does wrong, so that a client's failure paths can be seen end to end.
enum class FileFault {
    None,
    Drop,       // close the connection after `bytes` bytes of file data, either way
    Abort,      // answer ABORT instead of taking or sending the file
    BadCrc,     // answer a CRC that does not match the data
    Stall,      // XOFF and never XON; a download stops after its first block
    Silent,     // read everything, answer nothing
    Garbage,    // answer bytes that mean nothing, then close
    EarlyCrc,   // the CRC at once (upload) or after half the file (download)
};

struct FileFaultMode {
    FileFault fault = FileFault::None;
    std::size_t bytes = 0;
};

// "drop:N", "abort", "badcrc", "stall", "silent", "garbage", "earlycrc"; anything else is no fault.
FileFaultMode ParseFileFault(std::string_view text);

}  // namespace StandIn
