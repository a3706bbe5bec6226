// The program store side of Programs: which files are programs, the listing, the file test,
// NEW, SELECT, delete and the remote CRC.
#include <algorithm>
#include <cctype>
#include <cstdio>

#include "sim/language/lexer.h"
#include "sim/programs.h"

namespace Simulator {
namespace {

constexpr std::size_t kMaxNameLength = 31;
constexpr std::uint8_t kLineEndCrcByte = 0xAA;

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string_view Stem(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(0, dot);
}

std::string BasicFileName(std::string_view name) {
    return std::string(Stem(name)) + std::string(FileType(kBasicFileType)->extension);
}

bool ValidName(std::string_view name) {
    return !name.empty() && name.size() <= kMaxNameLength && std::isalpha(static_cast<unsigned char>(name.front())) &&
           std::all_of(name.begin(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

std::uint32_t LineCount(const std::vector<std::uint8_t>& bytes) {
    const auto ends = std::count(bytes.begin(), bytes.end(), std::uint8_t{'\n'});
    return static_cast<std::uint32_t>(ends) + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
}

// The text argument of a command: "NAME "text"".
bool TextArgument(const CommandCall& call, std::string_view& text) {
    if (call.arguments.size() != 1 || !call.arguments[0].is_text) return false;
    text = call.arguments[0].text;
    return true;
}

}  // namespace

std::uint16_t TextCrc(const std::vector<std::uint8_t>& bytes) {
    Crc16 crc;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto newline = std::find(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end(), '\n');
        std::size_t end = static_cast<std::size_t>(newline - bytes.begin());
        const std::size_t next = end + 1;
        if (newline != bytes.end() && end > start && bytes[end - 1] == '\r') --end;
        crc.Add(bytes.data() + start, end - start);
        crc.Add(&kLineEndCrcByte, 1);
        start = next;
    }
    return crc.Value();
}

Programs::Programs(Controller& controller, FileStore& files, MotionEngine& motion)
    : c_(controller), files_(files), motion_(motion), slots_(kProcessCount) {
    AddCommands();
    motion_.SetTickHook([this](double dt) { return Tick(dt); });
}

Programs::~Programs() { motion_.SetTickHook(nullptr); }

void Programs::AddCommands() {
    const auto withText = [](auto run) {
        return [run](CommandCall& call) {
            std::string_view name;
            if (call.arguments.empty()) return run(std::string_view(), call);
            if (!TextArgument(call, name)) return Errors::kPARAMETER_OUT_OF_RANGE;
            return run(name, call);
        };
    };
    c_.AddCommand("SELECT", withText([this](std::string_view name, CommandCall&) { return SelectLocked(name); }));
    c_.AddCommand("NEW", withText([this](std::string_view name, CommandCall&) { return NewLocked(name); }));
    c_.AddLineCommand('!', [this](std::string_view line, std::string& reply) {
        const std::size_t comma = line.rfind(',');
        if (comma == std::string_view::npos || Upper(line.substr(comma + 1)) != "Z") return Errors::kCOMMAND_NOT_RECOGNISED;
        const std::string_view name = line.substr(0, comma);
        std::optional<StoredFile> file = FindProgram(name);
        if (!file) file = files_.Find(Destination::Ram, name);
        if (!file) return Errors::kPROGRAM_NOT_FOUND;
        reply = std::to_string(TextCrc(file->bytes));
        return 0;
    });
    c_.AddCommand("COMPILE", withText([this](std::string_view name, CommandCall& call) {
        return CompileLocked(name, call.reply);
    }));
    c_.AddCommand("COMPILE_ALL", [this](CommandCall& call) {
        return call.arguments.empty() ? CompileAllLocked(call.reply) : Errors::kEXTRA_CHARS_AT_EOLN;
    });
    AddProcessCommands();
}

// NEW "ALL" empties the store; NEW "name" makes an empty program, or empties the one there is.
int Programs::NewLocked(std::string_view name) {
    if (name.empty()) name = selected_;
    if (name.empty()) return Errors::kNO_PROGRAM_SELECTED;
    if (Upper(name) == "ALL") {
        if (std::any_of(slots_.begin(), slots_.end(), [](const Slot& s) { return !s.program.empty(); }))
            return Errors::kPROGRAMS_RUNNING;
        for (const StoredFileInfo& info : files_.List())
            if (info.destination == Destination::Ram) files_.Remove(Destination::Ram, info.name);
        compiled_.clear();
        selected_.clear();
        return 0;
    }
    if (!ValidName(Stem(name))) return Errors::kINVALID_PROGRAM_NAME;
    if (RunningOn(name) >= 0) return Errors::kPROGRAMS_RUNNING;
    const std::string upper = Key(name);   // `name` may view selected_
    files_.Store({BasicFileName(name), kBasicFileType, Destination::Ram, {}});
    selected_ = upper;
    return 0;
}

int Programs::SelectLocked(std::string_view name) {
    if (!FindProgram(name)) return Errors::kPROGRAM_NOT_FOUND;
    selected_ = Key(name);
    return 0;
}

std::string Programs::Key(std::string_view name) { return Upper(Stem(name)); }

std::optional<StoredFile> Programs::FindProgram(std::string_view name) const {
    if (name.empty() || Stem(name).empty()) return std::nullopt;
    return files_.Find(Destination::Ram, BasicFileName(name));
}

int Programs::New(std::string_view name) {
    std::lock_guard lock(c_.Mutex());
    return NewLocked(name);
}

int Programs::Select(std::string_view name) {
    std::lock_guard lock(c_.Mutex());
    return SelectLocked(name);
}

int Programs::Delete(std::string_view name, std::uint32_t type) {
    std::lock_guard lock(c_.Mutex());
    const FileTypeEntry* entry = FileType(type);
    if (!entry) return Errors::kINVALID_PROGRAM_TYPE;
    if (type == kBasicFileType && RunningOn(name) >= 0) return Errors::kPROGRAMS_RUNNING;
    const std::string file = std::string(Stem(name)) + std::string(entry->extension.empty() ? "." : entry->extension);
    if (!files_.Remove(Destination::Ram, file)) return Errors::kPROGRAM_NOT_FOUND;
    if (type == kBasicFileType) {
        compiled_.erase(Key(name));
        if (selected_ == Key(name)) selected_.clear();
    }
    return 0;
}

std::uint32_t Programs::FileFlags(std::string_view name) {
    std::lock_guard lock(c_.Mutex());
    if (const std::optional<StoredFile> program = FindProgram(name))
        return kFileExists | kFileIsProgram | (UpToDate(*program) ? kFileCompiled : 0);
    return files_.Find(Destination::Ram, name) || files_.Find(Destination::Sd, name) ? kFileExists : 0;
}

std::string Programs::Directory() {
    std::lock_guard lock(c_.Mutex());
    std::string listing = "Name,Size,Lines,Process,Type,Attributes\r\n";
    for (const StoredFileInfo& info : files_.List()) {
        if (info.destination == Destination::Fifo) continue;
        const std::optional<StoredFile> file = files_.Find(info.destination, info.name);
        if (!file) continue;
        const bool program = info.type == kBasicFileType && info.destination == Destination::Ram;
        const std::string_view shown = info.type == kUnknownFileType ? std::string_view(info.name) : Stem(info.name);
        const int process = program ? RunningOn(shown) : -1;
        std::uint32_t attributes = info.destination == Destination::Sd ? kEntryOnSdCard : 0;
        if (program && selected_ == Key(shown)) attributes |= kEntrySelected;
        if (program && UpToDate(*file)) attributes |= kEntryCompiled;
        char numbers[96];
        std::snprintf(numbers, sizeof numbers, ",%zu,%u,%u,%u,%u\r\n", info.size, LineCount(file->bytes),
                      process < 0 ? kNoProcess : static_cast<std::uint32_t>(process), info.type, attributes);
        listing.append(shown).append(numbers);
    }
    return listing + "OK\r\n";
}

}  // namespace Simulator
