// The controller's programs: the BASIC files of the file store, compiled on demand, and the
// processes that run them a slice per servo tick. Command lines reach them through NEW, SELECT,
// COMPILE, COMPILE_ALL, RUN, STOP, HALT and "!NAME,z"; the library through the functions below.
// Names are given without their extension, in any case.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/controller.h"
#include "sim/file_store.h"
#include "sim/language/process.h"
#include "sim/language/program.h"
#include "sim/motion.h"

namespace Simulator {

// The file type whose files are programs (".bas").
inline constexpr std::uint32_t kBasicFileType = 0;

// vireo_api_is_file flags.
inline constexpr std::uint32_t kFileExists = 1;
inline constexpr std::uint32_t kFileIsProgram = 2;    // a BASIC program
inline constexpr std::uint32_t kFileCompiled = 4;     // compiled as it stands, without errors
// Listing attributes.
inline constexpr std::uint32_t kEntrySelected = 1;
inline constexpr std::uint32_t kEntryCompiled = 2;
inline constexpr std::uint32_t kEntryOnSdCard = 4;

inline constexpr std::uint32_t kAnyProcess = 0xFFFFFFFFu;
inline constexpr std::uint32_t kNoProcess = 0xFFFFFFFFu;   // a listing entry that runs nowhere
// Statements each process runs per servo tick at most.
inline constexpr int kStatementsPerTick = 500;

class Programs {
public:
    Programs(Controller& controller, FileStore& files, MotionEngine& motion);
    ~Programs();
    Programs(const Programs&) = delete;
    Programs& operator=(const Programs&) = delete;

    // Each takes the controller's lock and answers 0 or a controller error number.
    int New(std::string_view name);
    int Select(std::string_view name);
    int Delete(std::string_view name, std::uint32_t type);
    std::uint32_t FileFlags(std::string_view name);
    // The listing: a heading, "name,size,lines,process,type,attributes" per entry, "OK".
    std::string Directory();
    // Compile messages as lines; an empty name compiles the selected program.
    int Compile(std::string_view name, std::string& reply);
    int CompileAll(std::string& reply);
    int Run(std::string_view name, std::uint32_t process);
    int Stop(std::string_view name, std::uint32_t process);
    // One line per process: "process,priority,name,line,D.H:M:S,load,kind".
    std::string ProcessListing();

private:
    struct Compiled {
        std::shared_ptr<const Language::Program> program;
        std::vector<std::uint8_t> bytes;   // the text it was compiled from
    };
    struct Slot {
        std::string program;   // its key
        std::shared_ptr<Language::Process> process;   // null: free
        double startedMs = 0;
    };

    // A program's name as the store compares it: upper case, without an extension.
    static std::string Key(std::string_view name);

    void AddCommands();
    void AddProcessCommands();
    int NewLocked(std::string_view name);
    int SelectLocked(std::string_view name);
    std::optional<StoredFile> FindProgram(std::string_view name) const;
    bool UpToDate(const StoredFile& file) const;
    std::shared_ptr<const Language::Program> CompileFile(const StoredFile& file, std::string& reply);
    void Report(std::string_view name, const Language::Program& program, std::string& reply) const;
    int CompileLocked(std::string_view name, std::string& reply);
    int CompileAllLocked(std::string& reply);
    int RunLocked(std::string_view name, std::uint32_t process);
    int StopLocked(std::string_view name, std::uint32_t process);
    int RunningOn(std::string_view name) const;   // the process, or -1
    void StopAllLocked();
    void Finish(std::size_t process);
    bool Tick(double dt);
    void Publish(std::size_t process);

    Controller& c_;
    FileStore& files_;
    MotionEngine& motion_;
    std::string selected_;
    std::map<std::string, Compiled> compiled_;   // by upper-case name
    std::vector<Slot> slots_;
    double nowMs_ = 0;
    std::string discarded_;   // what programs print: no terminal is attached
};

// The CRC-16 of a text as the module computes it for a local file in text mode: each line
// without its end (LF or CR LF), followed by 0xAA.
std::uint16_t TextCrc(const std::vector<std::uint8_t>& bytes);

}  // namespace Simulator
