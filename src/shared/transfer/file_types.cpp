#include "shared/transfer/file_types.h"

namespace Kova::TesselApi::Shared {

namespace {

constexpr FileTypeInfo kFileTypes[kFileTypeCount] = {
    {".bas", "basic", false},
    {".enc", "encryptedBasic", true},
    {".gco", "gCode", false},
    {".txt", "textFile", false},
    {".iec", "IEC", false},
    {"", "", false},
    {".tmp", "temp", false},
    {"", "", false},
    {".bin", "binary", false},
    {".vtc", "vtConfig", false},
    {".ieclib", "IECLIB", false},
    {".hmi", "HMI", false},
    {".bal", "basicLibrary", false},
    {".ebl", "encryptedBasicLibrary", true},
    {".hmilib", "HMILIB", false},
    {".vtx", "volatileText", false},
    {".rob", "robot", false},
    {".rbs", "robotBasic", false},
    {"", "", false},
    {".roblib", "robotLibrary", false},
    {".rbslib", "robotBasicLibrary", false},
    {".recp", "recipe", false},
    {".alrm", "alarms", false},
    {".rtlib", "realtimeBasicLibrary", false},
    {".ertlib", "encryptedRealtimeBasicLibrary", true},
    {"", "", true},
    {"", "", true},
};

}  // namespace

const FileTypeInfo* FindFileType(std::uint32_t type) { return type < kFileTypeCount ? &kFileTypes[type] : nullptr; }

bool IsEncryptedFileType(std::uint32_t type) {
    const FileTypeInfo* info = FindFileType(type);
    return info != nullptr && info->encrypted;
}

}  // namespace Kova::TesselApi::Shared
