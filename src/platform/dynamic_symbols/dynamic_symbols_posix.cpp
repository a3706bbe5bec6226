#include "platform/dynamic_symbols/dynamic_symbols.h"

#include <dlfcn.h>

#include <cerrno>
#include <string>

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
    const std::string file = std::string("lib") + name + ".so";
    ModuleHandle module = dlopen(file.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    // Like GetModuleHandleA, finding takes no reference: the module stays loaded by whoever
    // loaded it.
    if (module) dlclose(module);
    return Remember(module);
}

ModuleHandle LoadModule(const char* path) { return Remember(dlopen(path, RTLD_LAZY)); }

// Beside this module first, as Windows looks beside the application: a dlopen by bare name follows
// the search path of whoever calls dlopen, which a sanitizer's interceptor or an application without
// our folder in its runpath does not cover.
ModuleHandle LoadModuleByName(const char* name) {
    const std::string file = std::string("lib") + name + ".so";
    Dl_info self{};
    if (dladdr(reinterpret_cast<void*>(&LoadModuleByName), &self) && self.dli_fname) {
        std::string beside = self.dli_fname;
        beside.resize(beside.find_last_of('/') + 1);  // npos + 1: no folder, the name alone
        if (ModuleHandle module = dlopen((beside + file).c_str(), RTLD_LAZY)) return Remember(module);
    }
    return LoadModule(file.c_str());
}

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
