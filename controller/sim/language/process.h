// One running instance of a compiled program: its own statement counter, variables and GOSUB
// returns. It advances a slice at a time on the controller's clock; a WAIT holds only this
// process, at its statement, until the wait is over.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "sim/controller.h"
#include "sim/language/program.h"

namespace Simulator::Language {

class Process {
public:
    enum class State { Running, Waiting, Stopped, Failed };

    explicit Process(std::shared_ptr<const Program> program);

    // Runs up to `budget` statements with the controller's lock held, at `now_ms` on the
    // controller's clock; what the program prints is appended to `reply`.
    State Step(Controller& controller, double now_ms, int budget, std::string& reply);

    // Ends the process, also from within its own slice (a program that stops itself).
    void Stop() { state_ = State::Stopped; }

    State Status() const { return state_; }
    int ErrorNumber() const { return error_; }   // the runtime error of a failed process
    int Line() const;                            // the line of the statement it is at, from 1

private:
    bool Control(Controller& controller, const Statement& statement, double now_ms, std::string& reply);

    std::shared_ptr<const Program> program_;
    std::vector<double> locals_;
    std::vector<std::size_t> returns_;
    std::size_t pc_ = 0;
    double wakeAt_ = -1;   // WA: when the running wait is over; -1 when none runs
    State state_ = State::Running;
    int error_ = 0;
    static constexpr std::size_t kMaxGosub = 64;
};

}  // namespace Simulator::Language
