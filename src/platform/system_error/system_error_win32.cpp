#include "platform/system_error/system_error.h"

#include <windows.h>

#include <memory>

namespace Kova::TesselApi::Platform {

namespace {

struct LocalFreeDeleter {
    void operator()(wchar_t* buffer) const { LocalFree(buffer); }
};

}  // namespace

std::string SystemErrorText(std::uint32_t number) {
    constexpr DWORD kFlags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS |
                             FORMAT_MESSAGE_FROM_SYSTEM;  // 0x1300
    constexpr DWORD kNeutralDefaultLanguage = MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT);  // 0x400
    static_assert(kFlags == 0x1300 && kNeutralDefaultLanguage == 0x400);

    wchar_t* raw = nullptr;
    DWORD length = FormatMessageW(kFlags, nullptr, number, kNeutralDefaultLanguage,
                                  reinterpret_cast<LPWSTR>(&raw), 0, nullptr);
    const std::unique_ptr<wchar_t, LocalFreeDeleter> buffer(raw);
    if (length == 0 || raw == nullptr) return {};
    while (length > 0 && (raw[length - 1] == L'\n' || raw[length - 1] == L'\r')) --length;
    if (length == 0) return {};

    const int wideLength = static_cast<int>(length);
    const int size = WideCharToMultiByte(CP_UTF8, 0, raw, wideLength, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return {};
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, raw, wideLength, text.data(), size, nullptr, nullptr);
    return text;
}

}  // namespace Kova::TesselApi::Platform
