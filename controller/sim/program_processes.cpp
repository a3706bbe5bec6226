// The process side of Programs: RUN, STOP and HALT, the slices each servo tick gives the running
// programs, their process parameters and the process listing.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "sim/programs.h"

namespace Simulator {
namespace {

using State = Language::Process::State;

// PROC_STATUS values.
constexpr double kStatusStopped = 0;
constexpr double kStatusRunning = 1;

// "RUN "name"[, process]": the name and the process, kAnyProcess when none is given.
bool NameAndProcess(const CommandCall& call, std::string_view& name, std::uint32_t& process) {
    if (call.arguments.empty() || call.arguments.size() > 2 || !call.arguments[0].is_text) return false;
    name = call.arguments[0].text;
    process = kAnyProcess;
    if (call.arguments.size() == 1) return true;
    const Argument& number = call.arguments[1];
    if (number.is_text || !(number.number >= 0 && number.number < kProcessCount) ||
        number.number != std::trunc(number.number))
        return false;
    process = static_cast<std::uint32_t>(number.number);
    return true;
}

// D.H:M:S with milliseconds on the seconds.
std::string Elapsed(double milliseconds) {
    const auto total = static_cast<unsigned long long>(std::max(0.0, milliseconds));
    const unsigned long long seconds = total / 1000;
    char text[64];
    std::snprintf(text, sizeof text, "%llu.%llu:%llu:%llu.%03llu", seconds / 86400, seconds / 3600 % 24,
                  seconds / 60 % 60, seconds % 60, total % 1000);
    return text;
}

}  // namespace

void Programs::AddProcessCommands() {
    c_.AddCommand("RUN", [this](CommandCall& call) {
        std::string_view name;
        std::uint32_t process = 0;
        return NameAndProcess(call, name, process) ? RunLocked(name, process) : Errors::kPARAMETER_OUT_OF_RANGE;
    });
    c_.AddCommand("STOP", [this](CommandCall& call) {
        std::string_view name;
        std::uint32_t process = 0;
        return NameAndProcess(call, name, process) ? StopLocked(name, process) : Errors::kPARAMETER_OUT_OF_RANGE;
    });
    // HALT stops the programs, then the axes as before.
    const int axesHalt = c_.FindCommand("HALT");
    c_.AddCommand("HALT", [this, axesHalt](CommandCall& call) {
        if (!call.arguments.empty()) return Errors::kEXTRA_CHARS_AT_EOLN;
        StopAllLocked();
        return axesHalt >= 0 ? c_.RunCommand(static_cast<std::size_t>(axesHalt), call) : 0;
    });
}

int Programs::RunningOn(std::string_view name) const {
    const std::string upper = Key(name);
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].program == upper) return static_cast<int>(i);
    return -1;
}

int Programs::RunLocked(std::string_view name, std::uint32_t process) {
    if (name.empty()) name = selected_;
    const std::optional<StoredFile> file = FindProgram(name);
    if (!file) return Errors::kPROGRAM_NOT_FOUND;
    if (process == kAnyProcess) {
        // The highest free process, leaving the low ones to programs started on purpose.
        for (std::size_t i = slots_.size(); i-- > 0 && process == kAnyProcess;)
            if (slots_[i].program.empty()) process = static_cast<std::uint32_t>(i);
        if (process == kAnyProcess) return Errors::kNO_PROCESS_AVAILABLE;
    } else if (process >= slots_.size()) {
        return Errors::kPARAMETER_OUT_OF_RANGE;
    } else if (!slots_[process].program.empty()) {
        return Errors::kPROCESS_IN_USE;
    }
    std::string report;
    std::shared_ptr<const Language::Program> program = CompileFile(*file, report);
    if (!program->Runnable()) return Errors::kPROGRAM_FAILED_TO_RUN;
    Slot& slot = slots_[process];
    slot.program = Key(name);
    slot.process = std::make_shared<Language::Process>(std::move(program));
    slot.startedMs = nowMs_;
    c_.Value(*Controller::Find(Family::Process, "RUN_ERROR"), static_cast<int>(process)) = 0;
    c_.Value(*Controller::Find(Family::Process, "ERROR_LINE"), static_cast<int>(process)) = 0;
    Publish(process);
    motion_.KeepTicking();
    return 0;
}

int Programs::StopLocked(std::string_view name, std::uint32_t process) {
    if (process != kAnyProcess) {
        if (process >= slots_.size()) return Errors::kPARAMETER_OUT_OF_RANGE;
        if (slots_[process].program != Key(name)) return Errors::kPROGRAM_NOT_RUNNING_ON_THIS_PROCESS;
        Finish(process);
        return 0;
    }
    bool stopped = false;
    for (int running = RunningOn(name); running >= 0; running = RunningOn(name)) {
        Finish(static_cast<std::size_t>(running));
        stopped = true;
    }
    return stopped ? 0 : Errors::kPROGRAM_NOT_RUNNING;
}

void Programs::StopAllLocked() {
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (!slots_[i].program.empty()) Finish(i);
}

// Frees the process; its error, if it failed, stays in RUN_ERROR and ERROR_LINE.
void Programs::Finish(std::size_t process) {
    Slot& slot = slots_[process];
    const int index = static_cast<int>(process);
    if (slot.process && slot.process->Status() == State::Failed) {
        c_.Value(*Controller::Find(Family::Process, "RUN_ERROR"), index) = slot.process->ErrorNumber();
        c_.Value(*Controller::Find(Family::Process, "ERROR_LINE"), index) = slot.process->Line();
    }
    slot.program.clear();
    if (slot.process) slot.process->Stop();
    slot.process.reset();   // a process stopping itself is still held by the tick that runs it
    c_.Value(*Controller::Find(Family::Process, "PROC_STATUS"), index) = kStatusStopped;
}

void Programs::Publish(std::size_t process) {
    const Slot& slot = slots_[process];
    const int index = static_cast<int>(process);
    c_.Value(*Controller::Find(Family::Process, "PROC_STATUS"), index) = slot.process ? kStatusRunning : kStatusStopped;
    if (slot.process) c_.Value(*Controller::Find(Family::Process, "PROC_LINE"), index) = slot.process->Line();
}

bool Programs::Tick(double dt) {
    nowMs_ += dt * 1000;
    const ParameterDef& ticks = *Controller::Find(Family::Process, "TICKS");
    bool running = false;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        c_.Value(ticks, static_cast<int>(i)) -= 1;
        const std::shared_ptr<Language::Process> process = slots_[i].process;
        if (!process) continue;
        const State state = process->Step(c_, nowMs_, kStatementsPerTick, discarded_);
        discarded_.clear();
        if (slots_[i].process != process) continue;   // stopped or replaced while it ran
        if (state == State::Stopped || state == State::Failed) {
            Finish(i);
        } else {
            Publish(i);
            running = true;
        }
    }
    return running;
}

int Programs::Run(std::string_view name, std::uint32_t process) {
    std::lock_guard lock(c_.Mutex());
    return RunLocked(name, process);
}

int Programs::Stop(std::string_view name, std::uint32_t process) {
    std::lock_guard lock(c_.Mutex());
    return StopLocked(name, process);
}

std::string Programs::ProcessListing() {
    std::lock_guard lock(c_.Mutex());
    std::string listing = "Process,Priority,Name,Line,Elapsed,Load,Kind\r\n";
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Slot& slot = slots_[i];
        if (!slot.process) continue;
        listing.append(std::to_string(i)).append(",1,").append(slot.program).append(",");
        listing.append(std::to_string(slot.process->Line())).append(",").append(Elapsed(nowMs_ - slot.startedMs));
        listing.append(",*,BASIC\r\n");
    }
    // The controller's own process that runs the command lines.
    listing.append(std::to_string(slots_.size())).append(",0,COMMAND_LINE,0,").append(Elapsed(nowMs_));
    listing.append(",*,SYSTEM\r\n");
    return listing;
}

}  // namespace Simulator
