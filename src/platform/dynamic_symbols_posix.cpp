#include "platform/dynamic_symbols.h"

#include <dlfcn.h>

#include <cerrno>

namespace Kova::TesselApi::Platform {

namespace {

// dlerror has texts, not numbers; a failure is reported as "no such entry".
thread_local std::uint32_t lastError = 0;

ModuleHandle Remember(ModuleHandle module) {
    lastError = module ? 0 : ENOENT;
    return module;
}

}  // namespace

ModuleHandle FindLoadedModule(const char* name) {
    return Remember(dlopen(name, RTLD_LAZY | RTLD_NOLOAD));
}

ModuleHandle LoadModule(const char* path) { return Remember(dlopen(path, RTLD_LAZY)); }

void ReleaseModule(ModuleHandle module) {
    if (module) dlclose(module);
}

Symbol FindSymbol(ModuleHandle module, const char* name) {
    auto symbol = reinterpret_cast<Symbol>(dlsym(module, name));
    lastError = symbol ? 0 : ENOENT;
    return symbol;
}

std::uint32_t LastErrorNumber() { return lastError; }

}  // namespace Kova::TesselApi::Platform
