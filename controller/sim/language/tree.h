// The parsed form of statements: what the executor runs. Texts are views into the source, which
// outlives its tree.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "sim/controller.h"
#include "sim/language/functions.h"

namespace Simulator::Language {

enum class Operator { Add, Subtract, Multiply, Divide, Modulo, Power, Equal, NotEqual, Less, LessOrEqual,
                      Greater, GreaterOrEqual, And, Or, Xor };

struct Expression {
    enum class Kind {
        Number,
        Negate,       // of `left`
        Not,          // of `left`
        Binary,       // `left` op `right`
        Parameter,    // `parameter`, of the slot `left` when a modifier gave one
        Vr,           // VR(left)
        Table,        // TABLE(left)
        Input,        // IN(left)
        Output,       // OP(left)
        AnalogueIn,   // AIN(left)
        AnalogueOut,  // AOUT(left)
        Call,         // `function` of `arguments`
        Local,        // the program's variable number `local`
    };
    Kind kind = Kind::Number;
    Operator op = Operator::Add;
    double number = 0;
    const ParameterDef* parameter = nullptr;
    const Function* function = nullptr;
    std::size_t local = 0;
    std::unique_ptr<Expression> left;
    std::unique_ptr<Expression> right;
    std::vector<std::unique_ptr<Expression>> arguments;
};

// An expression when `value` is set, else a PRINT separator when `separator` is set (',' or
// ';'), else a quoted text.
struct Item {
    std::unique_ptr<Expression> value;
    std::string_view text;
    char separator = 0;
};

struct Statement {
    enum class Kind {
        Print,     // `items` in order; a line end unless the last is ';'
        Assign,    // `target` = `items[0]`
        Command,   // commands[`command`] with `items` as arguments and `axis` as its AXIS(n)
        // Structure, as read: a program's compiler turns it into the jumps below.
        If,        // IF `condition` THEN; `oneLine` when statements follow on its line
        ElseIf,    // ELSEIF `condition` THEN
        Else,
        EndIf,
        While,     // WHILE `condition`
        Wend,
        Repeat,
        Until,     // UNTIL `condition`
        For,       // FOR `target` = `items[0]` TO `limit` [STEP `step`]
        Next,
        Label,     // `name`:
        Goto,      // GOTO `name`
        Gosub,     // GOSUB `name`
        Return,
        Stop,
        WaitIdle,  // WAIT IDLE [AXIS(`axis`)]
        WaitUntil, // WAIT UNTIL `condition`
        Wait,      // WA(`condition`) milliseconds
        // What the compiler makes of structure.
        Jump,          // to `jump`
        JumpUnless,    // to `jump` when `condition` is false
        ForCheck,      // to `jump` when `target` has passed `limit` in the direction of `step`
        ForStep,       // `target` += `step`, then to `jump`
    };
    Kind kind = Kind::Print;
    int line = 1;
    std::vector<Item> items;
    std::unique_ptr<Expression> target;   // Parameter, Vr or Table
    std::size_t command = 0;
    std::unique_ptr<Expression> axis;
    std::unique_ptr<Expression> condition;
    std::unique_ptr<Expression> limit;
    std::unique_ptr<Expression> step;   // null: 1
    std::string_view name;
    bool oneLine = false;
    std::size_t jump = 0;
};

}  // namespace Simulator::Language
