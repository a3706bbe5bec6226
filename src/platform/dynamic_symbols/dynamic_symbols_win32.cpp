#include "platform/dynamic_symbols/dynamic_symbols.h"

#include <windows.h>

#include <string>

namespace Kova::TesselApi::Platform {

ModuleHandle FindLoadedModule(const char* name) { return GetModuleHandleA(name); }

ModuleHandle LoadModule(const char* path) { return LoadLibraryA(path); }

ModuleHandle LoadModuleByName(const char* name) { return LoadLibraryA((std::string(name) + ".dll").c_str()); }

void ReleaseModule(ModuleHandle module) {
    if (module) FreeLibrary(static_cast<HMODULE>(module));
}

Symbol FindSymbol(ModuleHandle module, const char* name) {
    return reinterpret_cast<Symbol>(GetProcAddress(static_cast<HMODULE>(module), name));
}

std::uint32_t LastErrorNumber() { return GetLastError(); }

}  // namespace Kova::TesselApi::Platform
