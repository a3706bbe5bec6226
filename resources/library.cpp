// Kova_TesselApi_Res: the resource documents by file name, compiled in.
#include <cstdint>
#include <cstring>

#include "kta_resource.h"

namespace {

struct EmbeddedDocument {
    const char* name;
    const char* bytes;
    std::uint32_t length;
};

#include "embedded_documents.inc"

}  // namespace

extern "C" const char* kta_get_resource(const char* name, std::uint32_t* length) {
    if (name == nullptr) return nullptr;
    for (const EmbeddedDocument& document : kDocuments) {
        if (std::strcmp(document.name, name) != 0) continue;
        if (length != nullptr) *length = document.length;
        return document.bytes;
    }
    return nullptr;
}
