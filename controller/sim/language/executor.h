// Runs parsed statements on the controller, with its lock held.
#pragma once

#include <string>
#include <vector>

#include "sim/controller.h"
#include "sim/language/tree.h"

namespace Simulator::Language {

class Executor {
public:
    // What statements print is appended to `reply`; a program's statements also reach its
    // variables.
    Executor(Controller& controller, std::string& reply, std::vector<double>* locals = nullptr)
        : c_(controller), out_(reply), locals_(locals) {}

    // Throws Error with the controller error number of a refused statement.
    void Run(const Statement& statement);
    double Evaluate(const Expression& expression);
    // Writes a parameter, a VR, a TABLE value or a program's variable.
    void Store(const Expression& target, double value);
    // Whether the axis `axis` evaluates to (axis 0 without one) has no move running or buffered.
    bool Idle(const Expression* axis);

private:
    void Print(const Statement& statement);
    void Assign(const Statement& statement);
    void Command(const Statement& statement);
    double Binary(const Expression& expression);
    std::uint32_t Index(const Expression& expression, std::uint32_t count);
    double& Variable(const Expression& expression);
    int Slot(const Expression& parameter);

    Controller& c_;
    std::string& out_;
    std::vector<double>* locals_;
};

}  // namespace Simulator::Language
