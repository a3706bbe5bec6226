#include "shared/resources/resource_library.h"

#include <string>

#include "kta_resource.h"
#include "platform/dynamic_symbols/dynamic_symbols.h"

namespace Kova::TesselApi::Shared {
namespace {

constexpr const char* kLibraryName = "Kova_TesselApi_Res";

// Never released: the texts read from it are kept for the life of the process anyway.
kta_get_resource_function FindGetResource() {
    Platform::ModuleHandle library = Platform::FindLoadedModule(kLibraryName);
    if (library == nullptr) library = Platform::LoadModuleByName(kLibraryName);
    if (library == nullptr) return nullptr;
    return reinterpret_cast<kta_get_resource_function>(Platform::FindSymbol(library, "kta_get_resource"));
}

}  // namespace

std::optional<std::string_view> ResourceDocumentBytes(std::string_view name) {
    static const kta_get_resource_function getResource = FindGetResource();
    if (getResource == nullptr) return std::nullopt;
    std::uint32_t length = 0;
    const char* bytes = getResource(std::string(name).c_str(), &length);
    if (bytes == nullptr) return std::nullopt;
    return std::string_view(bytes, length);
}

}  // namespace Kova::TesselApi::Shared
