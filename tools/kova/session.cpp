#include "session.h"

#include "failures.h"

#include <cinttypes>
#include <cstdio>

namespace KovaTool {

namespace {

void PrintEvent(void*, uint32_t type, uint64_t result, const char* text, uint64_t length) {
    static const char* const kTypes[] = {"error", "warning", "info"};
    const char* kind = type < 3 ? kTypes[type] : "event";
    std::fprintf(stderr, "[%s] 0x%010" PRIx64 " %.*s\n", kind, result, static_cast<int>(length), text);
}

}  // namespace

Session::Session(bool verbose) {
    const kova_version version = {KOVA_VERSION_MAJOR, KOVA_VERSION_MINOR, KOVA_VERSION_PATCH, KOVA_VERSION_BUILD};
    Check(kova_CreateContext(&version, verbose ? PrintEvent : nullptr, nullptr, &context_), "create the context");
    const kova_result opened = kova_OpenConnection(context_);
    if (opened != 0) {
        kova_DestroyContext(context_);
        throw ModuleError("open the connection", opened);
    }
}

Session::~Session() { kova_DestroyContext(context_); }

}  // namespace KovaTool
