// Turns the controller's language into statements, one at a time: a command line runs each
// statement before the next is read, so a refused statement leaves the earlier ones done.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "sim/controller.h"
#include "sim/language/lexer.h"
#include "sim/language/tree.h"

namespace Simulator::Language {

class Parser {
public:
    // Commands are resolved among those `controller` has when a statement is read. A program's
    // parser is given the list of its variables: a word the language does not know names one.
    Parser(const Controller& controller, std::string_view source, std::vector<std::string_view>* locals = nullptr)
        : c_(controller), lex_(source), locals_(locals) {}

    struct Symbolic {
        std::string_view symbol;
        Operator op;
    };

    // Reads the next statement into `statement`; false at the end of the source. Throws Error.
    bool Next(Statement& statement);
    // After a refused statement: goes on with the next line.
    void SkipLine() { lex_.SkipLine(); }
    int Line() const { return lex_.Line(); }

private:
    bool Structure(Statement& statement);
    std::unique_ptr<Expression> Condition();
    std::string_view LabelName();
    void Print(Statement& statement);
    void Assign(Statement& statement);
    void Command(Statement& statement, std::size_t command);
    Item ItemOrText();
    std::unique_ptr<Expression> Target();
    std::unique_ptr<Expression> ParameterOf(std::string_view name);
    std::unique_ptr<Expression> Local(std::string_view name);
    bool IsLocal(std::string_view name) const;
    std::unique_ptr<Expression> Indexed(Expression::Kind kind);
    std::unique_ptr<Expression> Bracketed();
    std::unique_ptr<Expression> Expression_();
    std::unique_ptr<Expression> Disjunction();
    std::unique_ptr<Expression> Conjunction();
    std::unique_ptr<Expression> Negation();
    std::unique_ptr<Expression> Comparison();
    std::unique_ptr<Expression> Sum();
    std::unique_ptr<Expression> Product();
    std::unique_ptr<Expression> Unary();
    std::unique_ptr<Expression> Power();
    std::unique_ptr<Expression> Primary();
    std::unique_ptr<Expression> Call(const Function& function);
    const Symbolic* Match(std::span<const Symbolic> operators);
    void Expect(std::string_view symbol, int error);
    void Deeper();

    const Controller& c_;
    Lexer lex_;
    std::vector<std::string_view>* locals_;
    int depth_ = 0;
    static constexpr int kMaxDepth = 256;
};

}  // namespace Simulator::Language
