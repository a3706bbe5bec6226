// Resource documents of any bytes read into text tables: the first byte picks the document whose
// key schemes apply. Every text stored must be a piece of the document's decoded text, so no longer
// than the input.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shared/resources/resource_tables.h"

using namespace Kova::TesselApi::Shared;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto document = static_cast<ResourceDocument>(data[0] % static_cast<unsigned>(ResourceDocument::DocumentCount));
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    TextTables tables;
    ReadResourceDocument(document, text, tables);
    for (const auto& table : tables) {
        for (const auto& [number, entry] : table) {
            if (entry.size() > text.size()) std::abort();
        }
    }
    return 0;
}
