// A program compiled from its text with the command lines' parser: IF, WHILE, REPEAT, FOR and
// labels become jumps between statements, so a process needs only a statement counter.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "sim/controller.h"
#include "sim/language/tree.h"

namespace Simulator::Language {

struct CompileMessage {
    enum class Kind { Error, Warning, Link };
    Kind kind;
    int line;     // from 1, counting blank and comment lines
    int number;   // the controller error number
};

struct Program {
    std::string source;                   // the statements' texts are views into it
    std::vector<Statement> code;
    std::vector<std::string_view> locals; // the program's variables, by number
    std::vector<CompileMessage> messages;

    // Runnable: neither an error nor a link error was found.
    bool Runnable() const;
};

// Compiles `source` into `program`, which must stay where it is: its statements point into
// its own copy of the text.
void Compile(const Controller& controller, std::string source, Program& program);

}  // namespace Simulator::Language
