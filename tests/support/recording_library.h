// A test double for vireo_api_x64: while it lives, every function the module reaches (looked up
// or linked directly) records its call and answers what the test scripted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "vireo_api.h"

namespace KovaTest {

struct LowLevelCall {
    std::string function;
    std::string arguments;   // each argument as text, separated by ", "
};

class RecordingLibrary {
public:
    RecordingLibrary();
    ~RecordingLibrary();
    RecordingLibrary(const RecordingLibrary&) = delete;
    RecordingLibrary& operator=(const RecordingLibrary&) = delete;

    // The arguments of each call of one function, in call order.
    std::vector<std::string> CallsOf(std::string_view function) const;
    // Every later call of the function answers this status (its outputs are written all the same).
    void Answer(std::string_view function, std::int32_t status);
    // The module finds no such function any more.
    void Remove(std::string_view function);
    // Sends an event through the callback the module gave vireo_api_open.
    void SendEvent(std::int32_t kind, const char* text) const;

    std::vector<LowLevelCall> calls;
    // The reply that execute2, dir and process write, and that the functions with a reply callback
    // (execute, compile, compile all) deliver cut into pieces of this size.
    std::string reply;
    std::uint32_t pieceSize = 5;
    std::string version = "2.339005006.1570.28865";
    // What the parameter getters write.
    vireo_api_value parameter{VIREO_API_FLOAT64, {}};
    // VR memory that get_vr and set_vr read and write; an index past the end answers -1 (as a
    // refusing library would), set_vr grows it as needed.
    std::vector<double> vr;
    // get_vr calls that succeed before every later one answers -1; negative: none fails.
    std::int32_t vrReadsBeforeFailure = -1;
    // TABLE memory that get_table reads, as vr.
    std::vector<double> table;
    // What the single-point, range and analogue readers of I/O, get_vr_bit and is_file write.
    std::int32_t word = 0;

    std::int32_t Scripted(std::string_view function, std::int32_t otherwise) const;
    vireo_api_event_callback events = nullptr;
    void* eventsUser = nullptr;

private:
    struct Saved;
    Saved* saved_;
    std::vector<std::pair<std::string, std::int32_t>> statuses_;
};

}  // namespace KovaTest
