// The program store, the compiler and the processes of the embedded controller.
#include <cstring>
#include <string>
#include <string_view>

#include "sim/programs.h"
#include "stand_in/reply_chunks.h"
#include "stand_in/session.h"
#include "vireo_api.h"

namespace {

using Simulator::Programs;
using StandIn::kBadArgument;
using StandIn::Simulation;

template <typename Run>
int32_t WithPrograms(Run run) {
    return StandIn::WithSimulation([&](Simulation& simulation) { return run(simulation.programs); });
}

// A listing into the caller's buffer: the whole lines that fit.
int32_t WriteListing(const std::string& listing, char* reply, uint32_t size, uint32_t* written) {
    std::size_t n = listing.size();
    if (n > size) {
        const std::size_t lineEnd = std::string_view(listing).substr(0, size).rfind('\n');
        n = lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
    }
    if (n) std::memcpy(reply, listing.data(), n);
    if (written) *written = static_cast<uint32_t>(n);
    return 0;
}

}  // namespace

extern "C" {

int32_t vireo_api_program_select(const char* name, uint32_t) {
    if (!name) return kBadArgument;
    return WithPrograms([&](Programs& programs) { return programs.Select(name); });
}

int32_t vireo_api_program_delete(const char* name, uint8_t type) {
    if (!name) return kBadArgument;
    return WithPrograms([&](Programs& programs) { return programs.Delete(name, type); });
}

int32_t vireo_api_program_new(const char* name) {
    if (!name) return kBadArgument;
    return WithPrograms([&](Programs& programs) { return programs.New(name); });
}

int32_t vireo_api_program_compile_with_callback(const char* name, vireo_api_reply_callback reply, void* user) {
    if (!name) return kBadArgument;
    return WithPrograms([&](Programs& programs) {
        std::string text;
        const int status = programs.Compile(name, text);
        StandIn::DeliverInChunks(text, reply, user);
        return status;
    });
}

int32_t vireo_api_program_compile_all_with_callback(vireo_api_reply_callback reply, void* user) {
    return WithPrograms([&](Programs& programs) {
        std::string text;
        const int status = programs.CompileAll(text);
        StandIn::DeliverInChunks(text, reply, user);
        return status;
    });
}

int32_t vireo_api_dir(const char* options, char* reply, uint32_t size, uint32_t* written) {
    if (!options || (!reply && size != 0)) return kBadArgument;
    return WithPrograms([&](Programs& programs) { return WriteListing(programs.Directory(), reply, size, written); });
}

int32_t vireo_api_run_program(const char* name, int32_t process) {
    if (!name) return kBadArgument;
    return WithPrograms([&](Programs& programs) { return programs.Run(name, static_cast<uint32_t>(process)); });
}

int32_t vireo_api_stop_program(const char* name, int32_t process) {
    if (!name) return kBadArgument;
    return WithPrograms([&](Programs& programs) { return programs.Stop(name, static_cast<uint32_t>(process)); });
}

int32_t vireo_api_is_file(const char* name, uint32_t* flags) {
    if (!name || !flags) return kBadArgument;
    return WithPrograms([&](Programs& programs) {
        *flags = programs.FileFlags(name);
        return 0;
    });
}

int32_t vireo_api_process(const char* options, char* reply, uint32_t size, uint32_t* written) {
    if (!options || (!reply && size != 0)) return kBadArgument;
    return WithPrograms([&](Programs& programs) { return WriteListing(programs.ProcessListing(), reply, size, written); });
}

}  // extern "C"
