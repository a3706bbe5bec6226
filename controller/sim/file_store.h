// The controller's file store: what the file transfer port receives, kept per destination (RAM,
// SD card, FIFO) until a later command lists, compiles or runs it. Thread-safe: the transfer
// server stores while the interpreter's callers read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace Simulator {

// Where a file goes; the numbers are the destination characters of a transfer header ('0' + n).
enum class Destination : std::uint8_t { Ram = 0, Fifo = 1, Sd = 2 };

// A file type by its number; the extension tells the type of a received name.
struct FileTypeEntry {
    std::string_view extension;   // empty: the type has none
    std::string_view name;        // the word project files use; empty when the type has none
    bool encrypted;
};

inline constexpr std::uint32_t kFileTypeCount = 27;
// The type of a name whose extension no type has (or a name without one).
inline constexpr std::uint32_t kUnknownFileType = 0xFFFFFFFFu;
// A name ending in a bare "." was sent for a type without an extension; the first such type.
inline constexpr std::uint32_t kTypeWithoutExtension = 5;

// Null above the last type.
const FileTypeEntry* FileType(std::uint32_t type);
// By extension, any case: "a.BAS" -> 0, "a." -> kTypeWithoutExtension, "a" or "a.xyz" -> kUnknownFileType.
std::uint32_t FileTypeOfName(std::string_view name);

// CRC-16 as the transfer port computes it: polynomial 0x8005, initial 0, no reflection, no final XOR.
class Crc16 {
public:
    void Add(const std::uint8_t* bytes, std::size_t count);
    void Add(std::string_view bytes) { Add(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()); }
    std::uint16_t Value() const { return value_; }

private:
    std::uint16_t value_ = 0;
};
std::uint16_t Crc16Of(const std::vector<std::uint8_t>& bytes);

struct StoredFile {
    std::string name;                       // as received, extension included
    std::uint32_t type = kUnknownFileType;  // from the extension
    Destination destination = Destination::Ram;
    std::vector<std::uint8_t> bytes;
};

// A listing line: the file without its bytes.
struct StoredFileInfo {
    std::string name;
    std::uint32_t type = kUnknownFileType;
    Destination destination = Destination::Ram;
    std::size_t size = 0;
    std::uint16_t crc = 0;
};

class FileStore {
public:
    // RAM and SD keep one file per name (names compare without regard to case; a new one replaces
    // the old). The FIFO keeps every file in arrival order, names repeated or not.
    void Store(StoredFile file);

    // The file of that name; in the FIFO the oldest of that name. A name without an extension also
    // finds the one file whose name is it plus an extension, when there is exactly one.
    std::optional<StoredFile> Find(Destination destination, std::string_view name) const;
    bool Remove(Destination destination, std::string_view name);
    // The oldest FIFO file, taken out of the FIFO.
    std::optional<StoredFile> TakeFifo();

    // RAM, then SD, each by name; then the FIFO in arrival order.
    std::vector<StoredFileInfo> List() const;
    std::size_t Count() const;
    void Clear();

private:
    using Files = std::deque<StoredFile>;
    Files& FilesOf(Destination destination);
    const Files& FilesOf(Destination destination) const;
    static const StoredFile* Match(const Files& files, std::string_view name);

    mutable std::mutex mutex_;
    Files ram_;
    Files sd_;
    Files fifo_;
};

}  // namespace Simulator
