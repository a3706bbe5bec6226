// Finding modules and their functions at run time.
#pragma once

#include <cstdint>

namespace Kova::TesselApi::Platform {

using ModuleHandle = void*;
using Symbol = void (*)();

// A module already loaded into the process, by its base name ("vireo_api_x64" for
// vireo_api_x64.dll or libvireo_api_x64.so); null when it is not.
ModuleHandle FindLoadedModule(const char* name);
ModuleHandle LoadModule(const char* path);
// Loads a module by its base name through the platform's search order: one already loaded, the
// loading module's own folder, then the search path.
ModuleHandle LoadModuleByName(const char* name);
void ReleaseModule(ModuleHandle module);
// Null when the module lacks the name.
Symbol FindSymbol(ModuleHandle module, const char* name);
// The number of the last failure of the calls above.
std::uint32_t LastErrorNumber();

}  // namespace Kova::TesselApi::Platform
