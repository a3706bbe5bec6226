#include "sim/file_store.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace Simulator {
namespace {

constexpr FileTypeEntry kFileTypes[] = {
#define KOVA_FILE_TYPE(extension, name, encrypted) {extension, name, encrypted},
#include "kova/file_types.def"
#undef KOVA_FILE_TYPE
};
static_assert(std::size(kFileTypes) == kFileTypeCount);

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view Stem(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(0, dot);
}

constexpr std::array<std::uint16_t, 256> MakeCrcTable() {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        std::uint16_t crc = static_cast<std::uint16_t>(i << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x8005 : crc << 1);
        table[i] = crc;
    }
    return table;
}
constexpr std::array<std::uint16_t, 256> kCrcTable = MakeCrcTable();

}  // namespace

const FileTypeEntry* FileType(std::uint32_t type) { return type < kFileTypeCount ? &kFileTypes[type] : nullptr; }

std::uint32_t FileTypeOfName(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) return kUnknownFileType;
    const std::string_view extension = name.substr(dot);
    if (extension == ".") return kTypeWithoutExtension;
    for (std::uint32_t type = 0; type < kFileTypeCount; ++type)
        if (!kFileTypes[type].extension.empty() && SameText(kFileTypes[type].extension, extension)) return type;
    return kUnknownFileType;
}

void Crc16::Add(const std::uint8_t* bytes, std::size_t count) {
    std::uint16_t crc = value_;
    for (std::size_t i = 0; i < count; ++i)
        crc = static_cast<std::uint16_t>((crc << 8) ^ kCrcTable[((crc >> 8) ^ bytes[i]) & 0xFF]);
    value_ = crc;
}

std::uint16_t Crc16Of(const std::vector<std::uint8_t>& bytes) {
    Crc16 crc;
    crc.Add(bytes.data(), bytes.size());
    return crc.Value();
}

FileStore::Files& FileStore::FilesOf(Destination destination) {
    switch (destination) {
        case Destination::Sd: return sd_;
        case Destination::Fifo: return fifo_;
        case Destination::Ram: break;
    }
    return ram_;
}

const FileStore::Files& FileStore::FilesOf(Destination destination) const {
    return const_cast<FileStore*>(this)->FilesOf(destination);
}

const StoredFile* FileStore::Match(const Files& files, std::string_view name) {
    for (const StoredFile& file : files)
        if (SameText(file.name, name)) return &file;
    if (name.find('.') != std::string_view::npos) return nullptr;
    const StoredFile* only = nullptr;
    for (const StoredFile& file : files) {
        if (!SameText(Stem(file.name), name)) continue;
        if (only && !SameText(only->name, file.name)) return nullptr;   // ambiguous
        if (!only) only = &file;
    }
    return only;
}

void FileStore::Store(StoredFile file) {
    std::lock_guard lock(mutex_);
    Files& files = FilesOf(file.destination);
    if (file.destination != Destination::Fifo) {
        const auto same = std::find_if(files.begin(), files.end(),
                                       [&](const StoredFile& f) { return SameText(f.name, file.name); });
        if (same != files.end()) {
            *same = std::move(file);
            return;
        }
    }
    files.push_back(std::move(file));
}

std::optional<StoredFile> FileStore::Find(Destination destination, std::string_view name) const {
    std::lock_guard lock(mutex_);
    const StoredFile* file = Match(FilesOf(destination), name);
    if (!file) return std::nullopt;
    return *file;
}

bool FileStore::Remove(Destination destination, std::string_view name) {
    std::lock_guard lock(mutex_);
    Files& files = FilesOf(destination);
    const StoredFile* file = Match(files, name);
    if (!file) return false;
    files.erase(std::find_if(files.begin(), files.end(), [&](const StoredFile& f) { return &f == file; }));
    return true;
}

std::optional<StoredFile> FileStore::TakeFifo() {
    std::lock_guard lock(mutex_);
    if (fifo_.empty()) return std::nullopt;
    StoredFile file = std::move(fifo_.front());
    fifo_.pop_front();
    return file;
}

std::vector<StoredFileInfo> FileStore::List() const {
    std::lock_guard lock(mutex_);
    std::vector<StoredFileInfo> listing;
    const auto add = [&](const Files& files, bool sorted) {
        const std::size_t first = listing.size();
        for (const StoredFile& file : files)
            listing.push_back({file.name, file.type, file.destination, file.bytes.size(), Crc16Of(file.bytes)});
        if (sorted)
            std::sort(listing.begin() + static_cast<std::ptrdiff_t>(first), listing.end(),
                      [](const StoredFileInfo& a, const StoredFileInfo& b) { return a.name < b.name; });
    };
    add(ram_, true);
    add(sd_, true);
    add(fifo_, false);
    return listing;
}

std::size_t FileStore::Count() const {
    std::lock_guard lock(mutex_);
    return ram_.size() + sd_.size() + fifo_.size();
}

void FileStore::Clear() {
    std::lock_guard lock(mutex_);
    ram_.clear();
    sd_.clear();
    fifo_.clear();
}

}  // namespace Simulator
