#include "sim/language/parser.h"

#include <utility>

#include "sim/language/error.h"

namespace Simulator::Language {
namespace {

using Kind = Expression::Kind;

std::unique_ptr<Expression> Leaf(Kind kind) {
    auto node = std::make_unique<Expression>();
    node->kind = kind;
    return node;
}

std::unique_ptr<Expression> Number(double value) {
    auto node = Leaf(Kind::Number);
    node->number = value;
    return node;
}

std::unique_ptr<Expression> Binary(Operator op, std::unique_ptr<Expression> left, std::unique_ptr<Expression> right) {
    auto node = Leaf(Kind::Binary);
    node->op = op;
    node->left = std::move(left);
    node->right = std::move(right);
    return node;
}

// Truth values: TRUE is -1, as comparisons answer; ON is 1, as an output reads back.
struct Constant {
    std::string_view name;
    double value;
};
constexpr Constant kConstants[] = {{"TRUE", -1}, {"FALSE", 0}, {"ON", 1}, {"OFF", 0}};

struct Modifier {
    std::string_view name;
    Family family;
};
constexpr Modifier kModifiers[] = {
    {"AXIS", Family::Axis}, {"PROC", Family::Process}, {"SLOT", Family::Slot}, {"PORT", Family::Port}};

// Binary operators by precedence, loosest first; words are written in capitals.
using Symbolic = Parser::Symbolic;
constexpr Symbolic kDisjunctions[] = {{"OR", Operator::Or}, {"XOR", Operator::Xor}};
constexpr Symbolic kConjunctions[] = {{"AND", Operator::And}};
constexpr Symbolic kComparisons[] = {{"=", Operator::Equal},   {"<>", Operator::NotEqual},    {"<", Operator::Less},
                                     {"<=", Operator::LessOrEqual}, {">", Operator::Greater}, {">=", Operator::GreaterOrEqual}};
constexpr Symbolic kSums[] = {{"+", Operator::Add}, {"-", Operator::Subtract}};
constexpr Symbolic kProducts[] = {{"*", Operator::Multiply}, {"/", Operator::Divide}, {"MOD", Operator::Modulo}};

struct IndexedWord {
    std::string_view name;
    Kind kind;
};
constexpr IndexedWord kIndexed[] = {{"VR", Kind::Vr},           {"TABLE", Kind::Table},       {"IN", Kind::Input},
                                {"OP", Kind::Output},       {"AIN", Kind::AnalogueIn},    {"AOUT", Kind::AnalogueOut}};

// Words of the language that name no parameter, command or function.
bool Reserved(std::string_view word) {
    static constexpr std::string_view kWords[] = {"PRINT", "VR",  "TABLE", "IN",   "OP",   "AIN",  "AOUT",
                                                  "TRUE",  "FALSE", "ON",  "OFF",  "AND",  "OR",   "XOR",
                                                  "NOT",   "MOD", "THEN",  "TO",   "STEP", "IDLE", "AXIS",
                                                  "PROC",  "SLOT", "PORT"};
    for (std::string_view reserved : kWords)
        if (EqualsUpper(word, reserved)) return true;
    return false;
}

}  // namespace

// Nesting is bounded so that a hostile line cannot exhaust the stack.
void Parser::Deeper() {
    if (++depth_ > kMaxDepth) throw Error{Errors::kSTACK_OVERFLOW};
}

bool Parser::Next(Statement& statement) {
    while (lex_.Kind() == Token::Colon || lex_.Kind() == Token::LineEnd) lex_.Advance();
    if (lex_.Kind() == Token::End) return false;
    statement = Statement{};
    statement.line = lex_.Line();
    depth_ = 0;
    if (Structure(statement)) return true;
    if (lex_.IsSymbol("?")) {
        lex_.Advance();
        Print(statement);
    } else if (lex_.IsWord("PRINT")) {
        lex_.Advance();
        Print(statement);
    } else if (lex_.Kind() != Token::Word) {
        throw Error{Errors::kCOMMAND_NOT_RECOGNISED};
    } else if (lex_.IsWord("VR") || lex_.IsWord("TABLE") || Controller::Find(lex_.Text())) {
        Assign(statement);
    } else if (const int command = c_.FindCommand(lex_.Text()); command >= 0) {
        lex_.Advance();
        Command(statement, static_cast<std::size_t>(command));
    } else if (locals_ && !FindFunction(lex_.Text())) {
        Assign(statement);
    } else {
        throw Error{Errors::kCOMMAND_NOT_RECOGNISED};
    }
    if (!lex_.AtStatementEnd()) throw Error{Errors::kEXTRA_CHARS_AT_EOLN};
    return true;
}

// The words that shape a program; false when the statement is none of them.
bool Parser::Structure(Statement& statement) {
    using K = Statement::Kind;
    struct Word {
        std::string_view word;
        K kind;
    };
    static constexpr Word kWords[] = {
        {"IF", K::If},         {"ELSEIF", K::ElseIf}, {"ELSE", K::Else},   {"ENDIF", K::EndIf},   {"WHILE", K::While},
        {"WEND", K::Wend},     {"REPEAT", K::Repeat}, {"UNTIL", K::Until}, {"FOR", K::For},       {"NEXT", K::Next},
        {"GOTO", K::Goto},     {"GOSUB", K::Gosub},   {"RETURN", K::Return}, {"STOP", K::Stop},   {"WAIT", K::WaitIdle},
        {"WA", K::Wait}};
    if (lex_.Kind() != Token::Word) return false;
    const Word* found = nullptr;
    for (const Word& word : kWords)
        if (lex_.IsWord(word.word)) found = &word;
    if (!found) {
        // "name:" at the start of a line, for a word the language does not know otherwise.
        const std::string_view name = lex_.Text();
        if (!lex_.AtLineStart()) return false;
        Lexer after = lex_;
        after.Advance();
        if (after.Kind() != Token::Colon || Reserved(name) || Controller::Find(name) || c_.FindCommand(name) >= 0 ||
            FindFunction(name))
            return false;
        statement.kind = K::Label;
        statement.name = name;
        lex_ = after;
        lex_.Advance();
        return true;
    }
    if (found->kind == K::Stop) {
        // STOP "name" stops a program: a command, not the end of this one.
        Lexer after = lex_;
        after.Advance();
        if (!after.AtStatementEnd()) return false;
    }
    statement.kind = found->kind;
    lex_.Advance();
    switch (found->kind) {
    case K::If:
    case K::ElseIf:
        statement.condition = Condition();
        if (!lex_.IsWord("THEN")) throw Error{Errors::kTHEN_EXPECTED_IN_IF_ELSEIF};
        lex_.Advance();
        statement.oneLine = found->kind == K::If && lex_.Kind() != Token::LineEnd && lex_.Kind() != Token::End;
        // The statements of a one-line IF follow directly, without a ':'.
        return true;
    case K::Else: return true;   // likewise
    case K::While:
    case K::Until: statement.condition = Condition(); break;
    case K::For:
        if (lex_.Kind() != Token::Word) throw Error{Errors::kIDENTIFIER_EXPECTED};
        statement.target = Target();
        if (!lex_.IsSymbol("=")) throw Error{Errors::kASSIGNMENT_EXPECTED};
        lex_.Advance();
        statement.items.push_back(Item{Expression_(), {}, 0});
        if (!lex_.IsWord("TO")) throw Error{Errors::kTO_EXPECTED_AFTER_FOR};
        lex_.Advance();
        statement.limit = Expression_();
        if (lex_.IsWord("STEP")) {
            lex_.Advance();
            statement.step = Expression_();
        }
        break;
    case K::Next:
        if (lex_.Kind() == Token::Word) lex_.Advance();   // the loop's variable, optional
        break;
    case K::Goto:
    case K::Gosub: statement.name = LabelName(); break;
    case K::WaitIdle:
        if (lex_.IsWord("UNTIL")) {
            lex_.Advance();
            statement.kind = K::WaitUntil;
            statement.condition = Condition();
        } else if (lex_.IsWord("IDLE")) {
            lex_.Advance();
            if (lex_.IsWord("AXIS")) {
                lex_.Advance();
                statement.axis = Bracketed();
            }
        } else {
            throw Error{Errors::kUNTIL_IDLE_LOADED_EXPECTED_AFTER_WAIT};
        }
        break;
    case K::Wait: statement.condition = Bracketed(); break;
    default: break;
    }
    if (!lex_.AtStatementEnd()) throw Error{Errors::kEXTRA_CHARS_AT_EOLN};
    return true;
}

std::unique_ptr<Expression> Parser::Condition() {
    if (lex_.AtStatementEnd()) throw Error{Errors::kSTART_OF_EXPRESSION_EXPECTED};
    return Expression_();
}

std::string_view Parser::LabelName() {
    if (lex_.Kind() != Token::Word) throw Error{Errors::kLABEL_EXPECTED};
    const std::string_view name = lex_.Text();
    lex_.Advance();
    return name;
}

// PRINT items: ',' separates with a tab, ';' joins, and a ';' at the end leaves the line open.
void Parser::Print(Statement& statement) {
    statement.kind = Statement::Kind::Print;
    bool expectItem = true;
    while (!lex_.AtStatementEnd()) {
        if (lex_.IsSymbol(",") || lex_.IsSymbol(";")) {
            Item separator;
            separator.separator = lex_.Text()[0];
            statement.items.push_back(std::move(separator));
            lex_.Advance();
            expectItem = true;
            continue;
        }
        if (!expectItem) throw Error{Errors::kEXTRA_CHARS_AT_EOLN};
        statement.items.push_back(ItemOrText());
        expectItem = false;
    }
}

void Parser::Assign(Statement& statement) {
    statement.kind = Statement::Kind::Assign;
    statement.target = Target();
    if (!lex_.IsSymbol("=")) throw Error{Errors::kASSIGNMENT_EXPECTED};
    lex_.Advance();
    statement.items.push_back(ItemOrText());
}

// "NAME(a, b, ...) AXIS(n)" or "NAME a, b, ..."; arguments are expressions or quoted texts.
void Parser::Command(Statement& statement, std::size_t command) {
    statement.kind = Statement::Kind::Command;
    statement.command = command;
    const bool bracketed = lex_.IsSymbol("(");
    if (bracketed) lex_.Advance();
    const bool empty = bracketed ? lex_.IsSymbol(")") : lex_.AtStatementEnd() || lex_.IsWord("AXIS");
    if (!empty) {
        statement.items.push_back(ItemOrText());
        while (lex_.IsSymbol(",")) {
            lex_.Advance();
            statement.items.push_back(ItemOrText());
        }
    }
    if (bracketed) Expect(")", Errors::kCLOSE_ROUND_BRACKET_EXPECTED);
    if (lex_.IsWord("AXIS")) {
        lex_.Advance();
        statement.axis = Bracketed();
    }
}

Item Parser::ItemOrText() {
    Item item;
    if (lex_.Kind() == Token::Text) {
        item.text = lex_.Text();
        lex_.Advance();
    } else {
        item.value = Expression_();
    }
    return item;
}

std::unique_ptr<Expression> Parser::Target() {
    if (lex_.IsWord("VR")) return Indexed(Kind::Vr);
    if (lex_.IsWord("TABLE")) return Indexed(Kind::Table);
    const std::string_view name = lex_.Text();
    lex_.Advance();
    if (IsLocal(name)) return Local(name);
    return ParameterOf(name);
}

bool Parser::IsLocal(std::string_view name) const {
    return locals_ && !Controller::Find(name) && !FindFunction(name) && c_.FindCommand(name) < 0;
}

// A program's variable, numbered in the order the program first names them.
std::unique_ptr<Expression> Parser::Local(std::string_view name) {
    auto node = Leaf(Kind::Local);
    std::size_t i = 0;
    while (i < locals_->size() && !SameWord(name, (*locals_)[i])) ++i;
    if (i == locals_->size()) locals_->push_back(name);
    node->local = i;
    return node;
}

// A parameter name with an optional "AXIS(n)", "PROC(n)", "SLOT(n)" or "PORT(n)" behind it, which
// picks the family the name is looked up in; without one, index 0 of the first family that has it.
std::unique_ptr<Expression> Parser::ParameterOf(std::string_view name) {
    auto node = Leaf(Kind::Parameter);
    for (const Modifier& modifier : kModifiers) {
        if (!lex_.IsWord(modifier.name)) continue;
        lex_.Advance();
        node->parameter = Controller::Find(modifier.family, name);
        if (!node->parameter)
            throw Error{Controller::Find(name) ? Errors::kMODIFIER_NOT_ALLOWED : Errors::kCOMMAND_NOT_RECOGNISED};
        node->left = Bracketed();
        return node;
    }
    node->parameter = Controller::Find(name);
    if (!node->parameter) throw Error{Errors::kCOMMAND_NOT_RECOGNISED};
    return node;
}

// NAME(expression), with the lexer on NAME.
std::unique_ptr<Expression> Parser::Indexed(Kind kind) {
    lex_.Advance();
    auto node = Leaf(kind);
    node->left = Bracketed();
    return node;
}

std::unique_ptr<Expression> Parser::Bracketed() {
    if (!lex_.IsSymbol("(")) throw Error{Errors::kOPEN_BRACKET_EXPECTED};
    lex_.Advance();
    Deeper();
    auto value = Expression_();
    --depth_;
    Expect(")", Errors::kCLOSE_ROUND_BRACKET_EXPECTED);
    return value;
}

std::unique_ptr<Expression> Parser::Expression_() { return Disjunction(); }

std::unique_ptr<Expression> Parser::Disjunction() {
    auto value = Conjunction();
    while (const Symbolic* found = Match(kDisjunctions)) value = Binary(found->op, std::move(value), Conjunction());
    return value;
}

std::unique_ptr<Expression> Parser::Conjunction() {
    auto value = Negation();
    while (const Symbolic* found = Match(kConjunctions)) value = Binary(found->op, std::move(value), Negation());
    return value;
}

std::unique_ptr<Expression> Parser::Negation() {
    if (!lex_.IsWord("NOT")) return Comparison();
    lex_.Advance();
    Deeper();
    auto node = Leaf(Kind::Not);
    node->left = Negation();
    --depth_;
    return node;
}

std::unique_ptr<Expression> Parser::Comparison() {
    auto value = Sum();
    while (const Symbolic* found = Match(kComparisons)) value = Binary(found->op, std::move(value), Sum());
    return value;
}

std::unique_ptr<Expression> Parser::Sum() {
    auto value = Product();
    while (const Symbolic* found = Match(kSums)) value = Binary(found->op, std::move(value), Product());
    return value;
}

std::unique_ptr<Expression> Parser::Product() {
    auto value = Unary();
    while (const Symbolic* found = Match(kProducts)) value = Binary(found->op, std::move(value), Unary());
    return value;
}

// The operator of `operators` the lexer is on, which it then passes; null when none.
const Parser::Symbolic* Parser::Match(std::span<const Symbolic> operators) {
    for (const Symbolic& candidate : operators) {
        const bool word = candidate.symbol[0] >= 'A' && candidate.symbol[0] <= 'Z';
        if (word ? lex_.IsWord(candidate.symbol) : lex_.IsSymbol(candidate.symbol)) {
            lex_.Advance();
            return &candidate;
        }
    }
    return nullptr;
}

std::unique_ptr<Expression> Parser::Unary() {
    const bool minus = lex_.IsSymbol("-");
    if (!minus && !lex_.IsSymbol("+")) return Power();
    lex_.Advance();
    Deeper();
    auto operand = Unary();
    --depth_;
    if (!minus) return operand;
    auto node = Leaf(Kind::Negate);
    node->left = std::move(operand);
    return node;
}

std::unique_ptr<Expression> Parser::Power() {
    auto value = Primary();
    if (!lex_.IsSymbol("^")) return value;
    lex_.Advance();
    Deeper();
    value = Binary(Operator::Power, std::move(value), Unary());
    --depth_;
    return value;
}

std::unique_ptr<Expression> Parser::Primary() {
    switch (lex_.Kind()) {
    case Token::Number: {
        auto node = Number(lex_.Number());
        lex_.Advance();
        return node;
    }
    case Token::Word: break;
    case Token::Symbol:
        if (lex_.IsSymbol("(")) return Bracketed();
        throw Error{Errors::kSTART_OF_EXPRESSION_EXPECTED};
    case Token::Text: throw Error{Errors::kINVALID_MIX_OF_DATA_TYPES};
    default: throw Error{Errors::kSTART_OF_EXPRESSION_EXPECTED};
    }
    for (const Constant& constant : kConstants) {
        if (!lex_.IsWord(constant.name)) continue;
        lex_.Advance();
        return Number(constant.value);
    }
    for (const IndexedWord& indexed : kIndexed)
        if (lex_.IsWord(indexed.name)) return Indexed(indexed.kind);
    if (const Function* function = FindFunction(lex_.Text())) return Call(*function);
    const std::string_view name = lex_.Text();
    lex_.Advance();
    if (IsLocal(name)) return Local(name);
    return ParameterOf(name);
}

// NAME(a, b, ...) with exactly the function's count of arguments; NAME alone when it has none.
std::unique_ptr<Expression> Parser::Call(const Function& function) {
    lex_.Advance();
    auto node = Leaf(Kind::Call);
    node->function = &function;
    if (function.arity == 0 && !lex_.IsSymbol("(")) return node;
    Expect("(", Errors::kOPEN_BRACKET_EXPECTED);
    Deeper();
    for (int i = 0; i < function.arity; ++i) {
        if (i > 0) Expect(",", Errors::kCOMMA_EXPECTED);
        node->arguments.push_back(Expression_());
    }
    --depth_;
    Expect(")", Errors::kCLOSE_ROUND_BRACKET_EXPECTED);
    return node;
}

void Parser::Expect(std::string_view symbol, int error) {
    if (!lex_.IsSymbol(symbol)) throw Error{error};
    lex_.Advance();
}

}  // namespace Simulator::Language
