// The simulated controller behind the stand-in vireo_api_x64: a parameter store, VR and TABLE
// memory, digital and analogue I/O, and the language engine that runs the command lines the
// connection module sends. Other parts (the motion engine) add commands of their own.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kova/parameters/value_types.h"
#include "sim/zeroed_memory.h"

namespace Simulator {

// Parameter families; identifiers are numbered per family, so a family and an identifier name one.
enum class Family { System, Axis, Process, Slot, Port };

inline constexpr int kDefaultAxisCount = 16;
inline constexpr int kProcessCount = 8;
inline constexpr int kSlotCount = 4;
inline constexpr int kPortCount = 4;
inline constexpr std::uint32_t kVrSize = 65536;
inline constexpr std::uint32_t kTableSize = 512000;
inline constexpr std::uint32_t kDigitalPoints = 256;
inline constexpr std::uint32_t kAnalogueChannels = 8;

// Controller error numbers, from the catalogue the module reads them back with: Errors::k + the
// catalogue identifier, e.g. Errors::kPARAMETER_OUT_OF_RANGE (19).
namespace Errors {
#define KOVA_CONTROLLER_ERROR(number, identifier, message) inline constexpr int k##identifier = number;
#include "kova/controller_errors.def"
#undef KOVA_CONTROLLER_ERROR
}  // namespace Errors

struct ParameterDef {
    std::string_view name;
    Family family;
    std::uint32_t id;
    kova_parameter_kind kind;   // how the library holds the value
    bool read_only;
};

// A number as PRINT shows it: whole numbers without decimals, others with four decimals
// ("2.0350"); NaN, infinities and subnormals as the #INVALID_ words a reply reader knows.
std::string FormatNumber(double value);

struct Configuration {
    int axes = kDefaultAxisCount;
};

namespace Language {
class CommandLines;
class Executor;
}

// One argument of a command: a number, or a quoted text when `is_text`.
struct Argument {
    double number = 0;
    std::string_view text;   // valid during the call
    bool is_text = false;
};

// A statement the language engine hands to an added command: "NAME(a, b, ...) AXIS(n)".
struct CommandCall {
    std::vector<Argument> arguments;
    int axis = -1;        // -1: no AXIS(n) given
    std::string& reply;   // what the command prints; lines end in CR LF

    // The arguments as numbers; false when one is a text.
    bool Numbers(std::vector<double>& values) const;
};

class Controller {
public:
    explicit Controller(Configuration configuration = {});
    ~Controller();

    // Runs one command line (statements separated by ':'). Returns 0, or the controller error
    // number of the statement that was refused; `reply` then holds what ran before it printed.
    // A PRINT ends its line in CR LF unless its last item is followed by ";" (?NAME; answers
    // exactly the value).
    int Execute(std::string_view line, std::string& reply);

    // Direct access for the library's functions; same status numbers as the command lines.
    int GetParameter(Family family, std::uint32_t id, int index, double& value) const;
    int SetParameter(Family family, std::uint32_t id, int index, double value);
    int GetVr(std::uint32_t first, std::uint32_t count, double* values) const;
    int SetVr(std::uint32_t first, std::uint32_t count, const double* values);
    int GetTable(std::uint32_t first, std::uint32_t count, double* values) const;
    int SetTable(std::uint32_t first, std::uint32_t count, const double* values);
    void ClearVr();

    // Digital inputs read through their invert flags; inputs can be set to simulate the machine.
    int GetInput(std::uint32_t input, bool& state) const;
    int SetInput(std::uint32_t input, bool state);
    int GetInvertInput(std::uint32_t input, bool& inverted) const;
    int SetInvertInput(std::uint32_t input, bool inverted);
    int GetOutput(std::uint32_t output, bool& state) const;
    int SetOutput(std::uint32_t output, bool state);
    int GetAnalogueInput(std::uint32_t channel, std::int32_t& value) const;
    int SetAnalogueInput(std::uint32_t channel, std::int32_t value);
    int GetAnalogueOutput(std::uint32_t channel, std::int32_t& value) const;
    int SetAnalogueOutput(std::uint32_t channel, std::int32_t value);

    // Parameters back to their initial values (INITIALISE); memory and I/O are kept.
    void Initialise();

    // A command for statements the language does not know itself. It runs with the
    // controller's lock held and answers 0 or a controller error number.
    using Command = std::function<int(CommandCall&)>;
    void AddCommand(std::string_view name, Command command);
    // A command added later under the name of an earlier one replaces it (and may call it).
    // The command's number for RunCommand, or -1 when none has that name (in any case).
    int FindCommand(std::string_view name) const;
    int RunCommand(std::size_t command, CommandCall& call) const { return commands_[command].command(call); }

    // A line starting with `lead` goes whole to `command` instead of the language, as "!NAME,z"
    // does; it runs with the lock held, given the line after the lead.
    using LineCommand = std::function<int(std::string_view, std::string&)>;
    void AddLineCommand(char lead, LineCommand command);

    // For parts that run beside the language engine, such as a servo tick: they hold Mutex() while
    // they use Value().
    std::mutex& Mutex() const { return mutex_; }
    double& Value(const ParameterDef& def, int index);
    int AxisCount() const { return axes_; }
    int SlotCount(Family family) const;

    static const ParameterDef* Find(std::string_view name);
    static const ParameterDef* Find(Family family, std::string_view name);
    static const ParameterDef* Find(Family family, std::uint32_t id);

private:
    friend class Language::Executor;
    struct NamedCommand {
        std::string name;
        Command command;
    };

    void AddOwnCommands();
    bool InputState(std::uint32_t input) const { return inputs_[input] != invert_[input]; }
    const ParameterDef* Checked(Family family, std::uint32_t id, int index, int& status) const;
    // Writes a parameter as an application may (not read-only, within its kind's width); with the
    // lock held. 0 or the controller error.
    int Assign(const ParameterDef& def, int index, double value);

    mutable std::mutex mutex_;
    int axes_;
    std::vector<std::size_t> offsets_;   // where each parameter's slots begin, one per table row
    std::vector<double> values_;         // parameter slots, laid out in table order
    std::vector<double> vr_;
    ZeroedMemory table_;
    std::vector<bool> inputs_;
    std::vector<bool> invert_;
    std::vector<bool> outputs_;
    std::vector<std::int32_t> analogueIn_;
    std::vector<std::int32_t> analogueOut_;
    std::vector<NamedCommand> commands_;
    std::vector<std::pair<char, LineCommand>> lineCommands_;
    std::unique_ptr<Language::CommandLines> lines_;
};

}  // namespace Simulator
