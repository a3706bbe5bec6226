// Recursive descent over one command line of the controller's language; each statement runs as
// soon as it is parsed, so a refused statement leaves the earlier ones done.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/controller.h"

namespace Simulator {

class Interpreter {
public:
    // Runs with the controller's lock held.
    Interpreter(Controller& controller, std::string_view line, std::string& reply)
        : c_(controller), s_(line), out_(reply) {}

    // Returns 0, or the controller error number of the refused statement.
    int Run();

private:
    struct Target {
        const ParameterDef* def = nullptr;   // null: VR or TABLE memory
        std::vector<double>* memory = nullptr;
        std::uint32_t index = 0;
    };

    void Statement();
    void Print();
    void Assign();
    void Run(const Controller::Command& command);
    Target ParseTarget(std::string_view word);
    std::uint32_t Parameter(std::string_view name, const ParameterDef*& def);
    std::uint32_t Index(std::uint32_t count);
    double Expression();
    double Term();
    double Factor();
    double Primary();
    double Number();
    std::string QuotedText();
    std::string_view Word();
    void Expect(char ch);
    void Skip();
    bool AtEnd() const { return p_ >= s_.size(); }
    bool At(char ch) {
        Skip();
        return !AtEnd() && s_[p_] == ch;
    }

    Controller& c_;
    std::string_view s_;
    std::size_t p_ = 0;
    std::string& out_;
    int depth_ = 0;
    static constexpr int kMaxDepth = 256;
};

}  // namespace Simulator
