#include "sim/controller.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "kova/parameters/value_types.h"
#include "sim/language/command_lines.h"
#include "sim/language/function_list.h"
#include "sim/language/lexer.h"
#include "tagged_kinds.h"

namespace Simulator {
namespace {

using Language::EqualsUpper;

// The parameters the controller knows: the module's own tables, so both sides agree on names,
// identifiers and which values are read-only.
#define KOVA_SIM_READ_ONLY_RW false
#define KOVA_SIM_READ_ONLY_RO true
#define KOVA_SIM_ROW(family, name, identifier, kind, access) \
    {#name, Family::family, identifier, KOVA_PARAMETER_KIND_##kind, KOVA_SIM_READ_ONLY_##access},
constexpr ParameterDef kParameters[] = {
#define KOVA_PARAMETER(name, identifier, kind, access, type) KOVA_SIM_ROW(System, name, identifier, kind, access)
#include "kova/parameters/system.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(name, identifier, kind, access, type) KOVA_SIM_ROW(Axis, name, identifier, kind, access)
#include "kova/parameters/axis.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(name, identifier, kind, access, type) KOVA_SIM_ROW(Process, name, identifier, kind, access)
#include "kova/parameters/process.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(name, identifier, kind, access, type) KOVA_SIM_ROW(Slot, name, identifier, kind, access)
#include "kova/parameters/slot.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(name, identifier, kind, access, type) KOVA_SIM_ROW(Port, name, identifier, kind, access)
#include "kova/parameters/port.def"
#undef KOVA_PARAMETER
};

// Values after INITIALISE that are not 0 (LAST_AXIS follows the configured axes).
struct StartValue {
    std::string_view name;
    double value;
};
constexpr StartValue kStartValues[] = {
    {"VERSION", 2.0350},   {"LIMIT_BUFFERED", 64}, {"SERVO_PERIOD", 1000}, {"VRSIZE", kVrSize},
    {"TSIZE", kTableSize}, {"NIO", kDigitalPoints}, {"NIN", kDigitalPoints}, {"NOP", kDigitalPoints},
    {"N_ANA_IN", kAnalogueChannels}, {"N_ANA_OUT", kAnalogueChannels}, {"IOSIZE", kDigitalPoints},
    {"AIOSIZE", kAnalogueChannels}, {"PROCNUMBER", kProcessCount}, {"ACCEL", 1000}, {"DECEL", 1000},
    {"FE_LIMIT", 2000},    {"SPEED", 1000},        {"JOGSPEED", 100},      {"UNITS", 1},
    {"CREEP", 10},         {"FS_LIMIT", 2e8},      {"RS_LIMIT", -2e8},     {"IDLE", 1},
    {"BAUD_RATE", 38400},  {"DATA_BITS", 8},       {"STOP_BITS", 1},
};

double StartValueOf(std::string_view name) {
    for (const StartValue& start : kStartValues)
        if (start.name == name) return start.value;
    return 0;
}

std::size_t RowOf(const ParameterDef& def) { return static_cast<std::size_t>(&def - kParameters); }

bool InRange(std::uint32_t first, std::uint32_t count, std::size_t size) {
    return std::uint64_t{first} + count <= size;
}

}  // namespace

std::string FormatNumber(double value) {
    if (std::isnan(value)) return "#INVALID_NAN";
    if (std::isinf(value)) return value > 0 ? "#INVALID_INF" : "-#INVALID_INF";
    if (value != 0 && std::fpclassify(value) == FP_SUBNORMAL) return "#INVALID_SUB";
    char text[64];
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        std::snprintf(text, sizeof text, "%.0f", value == 0 ? 0.0 : value);
    else
        std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

Controller::Controller(Configuration configuration)
    : axes_(std::max(1, configuration.axes)),
      vr_(kVrSize, 0.0),
      table_(kTableSize),
      inputs_(kDigitalPoints),
      invert_(kDigitalPoints),
      outputs_(kDigitalPoints),
      analogueIn_(kAnalogueChannels),
      analogueOut_(kAnalogueChannels),
      lines_(std::make_unique<Language::CommandLines>()) {
    offsets_.reserve(std::size(kParameters) + 1);
    offsets_.push_back(0);
    for (const ParameterDef& row : kParameters)
        offsets_.push_back(offsets_.back() + static_cast<std::size_t>(SlotCount(row.family)));
    values_.resize(offsets_.back());
    Initialise();
    AddOwnCommands();
}

Controller::~Controller() = default;

bool CommandCall::Numbers(std::vector<double>& values) const {
    values.clear();
    for (const Argument& argument : arguments) {
        if (argument.is_text) return false;
        values.push_back(argument.number);
    }
    return true;
}

void Controller::AddOwnCommands() {
    AddCommand("INITIALISE", [this](CommandCall& call) {
        if (!call.arguments.empty()) return Errors::kEXTRA_CHARS_AT_EOLN;
        Initialise();
        return 0;
    });
    // Clears the latched unit errors; the simulation keeps none but the system error word.
    AddCommand("UNIT_CLEAR", [this](CommandCall& call) {
        if (!call.arguments.empty()) return Errors::kEXTRA_CHARS_AT_EOLN;
        Value(*Find("SYSTEM_ERROR"), 0) = 0;
        return 0;
    });
    AddCommand("FUNCTION_LIST", Language::FunctionList);
    // OP(output, state)
    AddCommand("OP", [this](CommandCall& call) {
        std::vector<double> values;
        if (!call.Numbers(values) || values.size() != 2) return Errors::kPARAMETER_OUT_OF_RANGE;
        if (!(values[0] >= 0 && values[0] < kDigitalPoints)) return Errors::kPARAMETER_OUT_OF_RANGE;
        outputs_[static_cast<std::size_t>(values[0])] = values[1] != 0;
        return 0;
    });
}

int Controller::SlotCount(Family family) const {
    switch (family) {
    case Family::Axis: return axes_;
    case Family::Process: return kProcessCount;
    case Family::Slot: return kSlotCount;
    case Family::Port: return kPortCount;
    case Family::System: break;
    }
    return 1;
}

const ParameterDef* Controller::Find(std::string_view name) {
    for (const ParameterDef& row : kParameters)
        if (EqualsUpper(name, row.name)) return &row;
    return nullptr;
}

const ParameterDef* Controller::Find(Family family, std::string_view name) {
    for (const ParameterDef& row : kParameters)
        if (row.family == family && EqualsUpper(name, row.name)) return &row;
    return nullptr;
}

const ParameterDef* Controller::Find(Family family, std::uint32_t id) {
    if (id == KOVA_PARAMETER_NO_IDENTIFIER) return nullptr;   // reached by command line only
    for (const ParameterDef& row : kParameters)
        if (row.family == family && row.id == id) return &row;
    return nullptr;
}

double& Controller::Value(const ParameterDef& def, int index) {
    return values_[offsets_[RowOf(def)] + static_cast<std::size_t>(index)];
}

void Controller::Initialise() {
    for (std::size_t row = 0; row < std::size(kParameters); ++row)
        std::fill(values_.begin() + static_cast<std::ptrdiff_t>(offsets_[row]),
                  values_.begin() + static_cast<std::ptrdiff_t>(offsets_[row + 1]), StartValueOf(kParameters[row].name));
    Value(*Find("LAST_AXIS"), 0) = axes_ - 1;
    Value(*Find("AXISSIZE"), 0) = axes_;
}

int Controller::Execute(std::string_view line, std::string& reply) {
    std::lock_guard lock(mutex_);
    reply.clear();
    for (const auto& [lead, command] : lineCommands_)
        if (!line.empty() && line.front() == lead) return command(line.substr(1), reply);
    return lines_->Run(*this, line, reply);
}

void Controller::AddLineCommand(char lead, LineCommand command) {
    std::lock_guard lock(mutex_);
    lineCommands_.emplace_back(lead, std::move(command));
}

void Controller::AddCommand(std::string_view name, Command command) {
    std::lock_guard lock(mutex_);
    commands_.push_back({std::string(name), std::move(command)});
    lines_->Forget();
}

int Controller::FindCommand(std::string_view name) const {
    for (std::size_t i = commands_.size(); i-- > 0;)
        if (EqualsUpper(name, commands_[i].name)) return static_cast<int>(i);
    return -1;
}

const ParameterDef* Controller::Checked(Family family, std::uint32_t id, int index, int& status) const {
    const ParameterDef* def = Find(family, id);
    status = !def ? Errors::kCOMMAND_NOT_RECOGNISED
                  : (index < 0 || index >= SlotCount(family)) ? Errors::kPARAMETER_OUT_OF_RANGE : 0;
    return status == 0 ? def : nullptr;
}

int Controller::GetParameter(Family family, std::uint32_t id, int index, double& value) const {
    std::lock_guard lock(mutex_);
    int status = 0;
    if (const ParameterDef* def = Checked(family, id, index, status))
        value = values_[offsets_[RowOf(*def)] + static_cast<std::size_t>(index)];
    return status;
}

int Controller::SetParameter(Family family, std::uint32_t id, int index, double value) {
    std::lock_guard lock(mutex_);
    int status = 0;
    const ParameterDef* def = Checked(family, id, index, status);
    if (!def) return status;
    return Assign(*def, index, value);
}

int Controller::Assign(const ParameterDef& def, int index, double value) {
    if (def.read_only) return Errors::kVALUE_IS_READ_ONLY;
    if (!TaggedKinds::FitsKind(def.kind, value)) return Errors::kPARAMETER_OUT_OF_RANGE;
    Value(def, index) = value;
    return 0;
}

int Controller::GetVr(std::uint32_t first, std::uint32_t count, double* values) const {
    std::lock_guard lock(mutex_);
    if (!InRange(first, count, vr_.size())) return Errors::kPARAMETER_OUT_OF_RANGE;
    std::copy_n(vr_.begin() + first, count, values);
    return 0;
}

int Controller::SetVr(std::uint32_t first, std::uint32_t count, const double* values) {
    std::lock_guard lock(mutex_);
    if (!InRange(first, count, vr_.size())) return Errors::kPARAMETER_OUT_OF_RANGE;
    std::copy_n(values, count, vr_.begin() + first);
    return 0;
}

int Controller::GetTable(std::uint32_t first, std::uint32_t count, double* values) const {
    std::lock_guard lock(mutex_);
    if (!InRange(first, count, table_.size())) return Errors::kPARAMETER_OUT_OF_RANGE;
    std::copy_n(table_.begin() + first, count, values);
    return 0;
}

int Controller::SetTable(std::uint32_t first, std::uint32_t count, const double* values) {
    std::lock_guard lock(mutex_);
    if (!InRange(first, count, table_.size())) return Errors::kPARAMETER_OUT_OF_RANGE;
    std::copy_n(values, count, table_.begin() + first);
    return 0;
}

void Controller::ClearVr() {
    std::lock_guard lock(mutex_);
    std::fill(vr_.begin(), vr_.end(), 0.0);
}

namespace {

template <typename T, typename Value>
int Read(std::mutex& mutex, const std::vector<T>& points, std::uint32_t at, Value& value) {
    std::lock_guard lock(mutex);
    if (at >= points.size()) return Errors::kPARAMETER_OUT_OF_RANGE;
    value = points[at];
    return 0;
}

template <typename T, typename Value>
int Write(std::mutex& mutex, std::vector<T>& points, std::uint32_t at, Value value) {
    std::lock_guard lock(mutex);
    if (at >= points.size()) return Errors::kPARAMETER_OUT_OF_RANGE;
    points[at] = value;
    return 0;
}

}  // namespace

int Controller::GetInput(std::uint32_t input, bool& state) const {
    std::lock_guard lock(mutex_);
    if (input >= kDigitalPoints) return Errors::kPARAMETER_OUT_OF_RANGE;
    state = InputState(input);
    return 0;
}
int Controller::SetInput(std::uint32_t input, bool state) { return Write(mutex_, inputs_, input, state); }
int Controller::GetInvertInput(std::uint32_t input, bool& inverted) const { return Read(mutex_, invert_, input, inverted); }
int Controller::SetInvertInput(std::uint32_t input, bool inverted) { return Write(mutex_, invert_, input, inverted); }
int Controller::GetOutput(std::uint32_t output, bool& state) const { return Read(mutex_, outputs_, output, state); }
int Controller::SetOutput(std::uint32_t output, bool state) { return Write(mutex_, outputs_, output, state); }
int Controller::GetAnalogueInput(std::uint32_t channel, std::int32_t& value) const {
    return Read(mutex_, analogueIn_, channel, value);
}
int Controller::SetAnalogueInput(std::uint32_t channel, std::int32_t value) {
    return Write(mutex_, analogueIn_, channel, value);
}
int Controller::GetAnalogueOutput(std::uint32_t channel, std::int32_t& value) const {
    return Read(mutex_, analogueOut_, channel, value);
}
int Controller::SetAnalogueOutput(std::uint32_t channel, std::int32_t value) {
    return Write(mutex_, analogueOut_, channel, value);
}

}  // namespace Simulator
