#include "shared/programs/directory_listing.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "shared/programs/listing_lines.h"

namespace Kova::TesselApi::Shared {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() &&
           std::equal(start.begin(), start.end(), text.begin(), [](char expected, char byte) {
               return std::toupper(static_cast<unsigned char>(byte)) == expected;
           });
}

// Where fields 2 to 6 of a line go in the record.
constexpr std::uint32_t kova_file_info::* kFieldTargets[] = {
    &kova_file_info::size, &kova_file_info::lines, &kova_file_info::process, &kova_file_info::type,
    &kova_file_info::attributes,
};

Result ReadEntry(std::string_view line, const DirSink& sink) {
    Fields fields(line);
    std::string_view name;
    fields.Next(name);
    if (name.size() == 5 && StartsWithNoCase(name, "TABLE")) return Error(BadResponse);
    kova_file_info info{0, 0, 0, 0xFFFFFFFF, 0};
    for (std::uint32_t kova_file_info::* target : kFieldTargets) {
        std::string_view field;
        if (!fields.Next(field) || !ReadDecimal(field, info.*target)) return Error(BadResponse);
    }
    const std::string shown(name.substr(0, kListedNameLength));
    sink(info, shown.c_str());
    return kSuccess;
}

}  // namespace

Result ReadDirectoryListing(std::string_view reply, const DirSink& sink) {
    bool heading = true;
    return ForEachListingLine(reply, [&](std::string_view line) {
        if (heading) {
            heading = false;
            return kSuccess;
        }
        if (StartsWithNoCase(line, "OK")) return kListingEnd;
        return ReadEntry(line, sink);
    });
}

}  // namespace Kova::TesselApi::Shared
