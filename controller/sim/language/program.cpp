#include "sim/language/program.h"

#include <algorithm>
#include <utility>

#include "sim/language/error.h"
#include "sim/language/parser.h"

namespace Simulator::Language {
namespace {

using Kind = Statement::Kind;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// An IF, WHILE, REPEAT or FOR waiting for the statement that closes it.
struct Open {
    Kind kind;
    int line;
    bool oneLine = false;
    std::size_t at = kNone;            // the jump to patch (IF, WHILE) or the place to go back to
    std::vector<std::size_t> exits;    // IF: the jumps to its end
};

class Compiler {
public:
    explicit Compiler(Program& program) : p_(program) {}

    void Add(Statement statement);
    void Finish();
    void Fail(int line, int number) { p_.messages.push_back({CompileMessage::Kind::Error, line, number}); }

private:
    Statement& Emit(Statement statement) {
        p_.code.push_back(std::move(statement));
        return p_.code.back();
    }
    Statement& Jump(Kind kind, int line, std::size_t to = kNone) {
        Statement jump;
        jump.kind = kind;
        jump.line = line;
        jump.jump = to;
        return Emit(std::move(jump));
    }
    std::size_t Here() const { return p_.code.size(); }
    Open* Top(Kind kind) { return !open_.empty() && open_.back().kind == kind ? &open_.back() : nullptr; }
    void CloseIf(Open& block);

    Program& p_;
    std::vector<Open> open_;
    std::vector<std::pair<std::string_view, std::size_t>> labels_;
};

void Compiler::CloseIf(Open& block) {
    if (block.at != kNone) p_.code[block.at].jump = Here();
    for (std::size_t exit : block.exits) p_.code[exit].jump = Here();
    open_.pop_back();
}

void Compiler::Add(Statement s) {
    // A one-line IF ends with its line.
    if (!open_.empty() && open_.back().oneLine && open_.back().line != s.line) CloseIf(open_.back());
    const int line = s.line;
    switch (s.kind) {
    case Kind::If: {
        if (!open_.empty() && open_.back().oneLine && s.oneLine) return Fail(line, Errors::kCANNOT_NEST_ONE_LINE_IF);
        open_.push_back({Kind::If, line, s.oneLine, Here(), {}});
        Statement& jump = Jump(Kind::JumpUnless, line);
        jump.condition = std::move(s.condition);
        return;
    }
    case Kind::ElseIf:
    case Kind::Else: {
        Open* block = Top(Kind::If);
        if (!block || block->at == kNone || (s.kind == Kind::ElseIf && block->oneLine))
            return Fail(line, Errors::kELSE_ELSEIF_ENDIF_WITHOUT_PREVIOUS_IF);
        block->exits.push_back(Here());
        Jump(Kind::Jump, line);
        p_.code[block->at].jump = Here();
        block->at = kNone;
        if (s.kind == Kind::ElseIf) {
            block->at = Here();
            Jump(Kind::JumpUnless, line).condition = std::move(s.condition);
        }
        return;
    }
    case Kind::EndIf: {
        Open* block = Top(Kind::If);
        if (!block || block->oneLine) return Fail(line, Errors::kELSE_ELSEIF_ENDIF_WITHOUT_PREVIOUS_IF);
        return CloseIf(*block);
    }
    case Kind::While:
        open_.push_back({Kind::While, line, false, Here(), {}});
        Jump(Kind::JumpUnless, line).condition = std::move(s.condition);
        return;
    case Kind::Wend: {
        Open* block = Top(Kind::While);
        if (!block) return Fail(line, Errors::kWEND_WITHOUT_PREVIOUS_WHILE);
        Jump(Kind::Jump, line, block->at);
        p_.code[block->at].jump = Here();
        open_.pop_back();
        return;
    }
    case Kind::Repeat: open_.push_back({Kind::Repeat, line, false, Here(), {}}); return;
    case Kind::Until: {
        Open* block = Top(Kind::Repeat);
        if (!block) return Fail(line, Errors::kUNTIL_WITHOUT_PREVIOUS_REPEAT);
        Jump(Kind::JumpUnless, line, block->at).condition = std::move(s.condition);
        open_.pop_back();
        return;
    }
    case Kind::For:
        open_.push_back({Kind::For, line, false, Here(), {}});
        Emit(std::move(s));
        return;
    case Kind::Next: {
        Open* block = Top(Kind::For);
        if (!block) return Fail(line, Errors::kNEXT_WITHOUT_FOR);
        Jump(Kind::ForStep, line, block->at);
        p_.code[block->at].jump = Here();
        open_.pop_back();
        return;
    }
    case Kind::Label: {
        const auto same = [&](const auto& label) { return SameWord(label.first, s.name); };
        if (std::any_of(labels_.begin(), labels_.end(), same)) return Fail(line, Errors::kDUPLICATE_IDENTIFIER);
        labels_.emplace_back(s.name, Here());
        return;
    }
    default: Emit(std::move(s)); return;
    }
}

void Compiler::Finish() {
    if (!open_.empty() && open_.back().oneLine) CloseIf(open_.back());
    for (const Open& block : open_) Fail(block.line, Errors::kSTRUCTURE_NESTING_ERROR);
    for (Statement& s : p_.code) {
        if (s.kind != Kind::Goto && s.kind != Kind::Gosub) continue;
        const auto label = std::find_if(labels_.begin(), labels_.end(),
                                        [&](const auto& candidate) { return SameWord(candidate.first, s.name); });
        if (label == labels_.end()) p_.messages.push_back({CompileMessage::Kind::Link, s.line, Errors::kLABEL_NOT_FOUND});
        else s.jump = label->second;
    }
    std::stable_sort(p_.messages.begin(), p_.messages.end(),
                     [](const CompileMessage& a, const CompileMessage& b) { return a.line < b.line; });
}

}  // namespace

bool Program::Runnable() const {
    return std::none_of(messages.begin(), messages.end(),
                        [](const CompileMessage& m) { return m.kind != CompileMessage::Kind::Warning; });
}

void Compile(const Controller& controller, std::string source, Program& program) {
    program = Program{};
    program.source = std::move(source);
    Compiler compiler(program);
    Parser parser(controller, program.source, &program.locals);
    for (;;) {
        Statement statement;
        try {
            if (!parser.Next(statement)) break;
        } catch (const Error& error) {
            compiler.Fail(parser.Line(), error.number);
            parser.SkipLine();
            continue;
        }
        compiler.Add(std::move(statement));
    }
    compiler.Finish();
}

}  // namespace Simulator::Language
