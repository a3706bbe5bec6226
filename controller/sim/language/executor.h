// Runs parsed statements on the controller, with its lock held.
#pragma once

#include <string>

#include "sim/controller.h"
#include "sim/language/tree.h"

namespace Simulator::Language {

class Executor {
public:
    // What statements print is appended to `reply`.
    Executor(Controller& controller, std::string& reply) : c_(controller), out_(reply) {}

    // Throws Error with the controller error number of a refused statement.
    void Run(const Statement& statement);
    double Evaluate(const Expression& expression);

private:
    void Print(const Statement& statement);
    void Assign(const Statement& statement);
    void Command(const Statement& statement);
    double Binary(const Expression& expression);
    std::uint32_t Index(const Expression& expression, std::uint32_t count);
    double& Memory(const Expression& expression);
    int Slot(const Expression& parameter);

    Controller& c_;
    std::string& out_;
};

}  // namespace Simulator::Language
