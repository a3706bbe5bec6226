#include "sim/language/process.h"

#include <utility>

#include "sim/language/error.h"
#include "sim/language/executor.h"

namespace Simulator::Language {
namespace {

using Kind = Statement::Kind;

// Whether a FOR variable at `value` has gone past `limit`, counting in the direction of `step`.
bool Passed(double value, double limit, double step) { return step >= 0 ? value > limit : value < limit; }

}  // namespace

Process::Process(std::shared_ptr<const Program> program)
    : program_(std::move(program)), locals_(program_->locals.size(), 0.0) {}

int Process::Line() const {
    const auto& code = program_->code;
    if (code.empty()) return 0;
    return code[pc_ < code.size() ? pc_ : code.size() - 1].line;
}

Process::State Process::Step(Controller& controller, double now_ms, int budget, std::string& reply) {
    if (state_ == State::Stopped || state_ == State::Failed) return state_;
    const auto& code = program_->code;
    state_ = State::Running;
    try {
        for (int done = 0; done < budget; ++done) {
            if (pc_ >= code.size()) return state_ = State::Stopped;
            if (!Control(controller, code[pc_], now_ms, reply) || state_ == State::Stopped) return state_;
        }
    } catch (const Error& error) {
        error_ = error.number;
        state_ = State::Failed;
    }
    return state_;
}

// Runs the statement at pc_ and moves on; false when the process has to wait or has stopped.
bool Process::Control(Controller& c, const Statement& s, double now_ms, std::string& reply) {
    Executor executor(c, reply, &locals_);
    const auto truth = [&](const Expression& e) { return executor.Evaluate(e) != 0; };
    const auto waitFor = [&](bool over) {
        if (!over) state_ = State::Waiting;
        else ++pc_;
        return over;
    };
    switch (s.kind) {
    case Kind::Jump: pc_ = s.jump; return true;
    case Kind::JumpUnless: pc_ = truth(*s.condition) ? pc_ + 1 : s.jump; return true;
    case Kind::For: {
        executor.Store(*s.target, executor.Evaluate(*s.items.front().value));
        const double step = s.step ? executor.Evaluate(*s.step) : 1;
        pc_ = Passed(executor.Evaluate(*s.target), executor.Evaluate(*s.limit), step) ? s.jump : pc_ + 1;
        return true;
    }
    case Kind::ForStep: {
        const Statement& loop = program_->code[s.jump];
        const double step = loop.step ? executor.Evaluate(*loop.step) : 1;
        const double value = executor.Evaluate(*loop.target) + step;
        executor.Store(*loop.target, value);
        pc_ = Passed(value, executor.Evaluate(*loop.limit), step) ? pc_ + 1 : s.jump + 1;
        return true;
    }
    case Kind::Goto: pc_ = s.jump; return true;
    case Kind::Gosub:
        if (returns_.size() >= kMaxGosub) throw Error{Errors::kTOO_MANY_NESTED_GOSUB};
        returns_.push_back(pc_ + 1);
        pc_ = s.jump;
        return true;
    case Kind::Return:
        if (returns_.empty()) throw Error{Errors::kRETURN_WITHOUT_GOSUB};
        pc_ = returns_.back();
        returns_.pop_back();
        return true;
    case Kind::Stop: state_ = State::Stopped; return false;
    case Kind::WaitUntil: return waitFor(truth(*s.condition));
    case Kind::WaitIdle: return waitFor(executor.Idle(s.axis.get()));
    case Kind::Wait:
        if (wakeAt_ < 0) wakeAt_ = now_ms + executor.Evaluate(*s.condition);
        if (now_ms < wakeAt_) return waitFor(false);
        wakeAt_ = -1;
        return waitFor(true);
    default:
        executor.Run(s);
        ++pc_;
        return true;
    }
}

}  // namespace Simulator::Language
