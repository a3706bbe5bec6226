#include "sim/interpreter.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace Simulator {
namespace {

// A refused statement: unwinds the interpreter to Run with the controller error number.
struct Refused {
    int error;
};

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool EqualsUpper(std::string_view a, std::string_view upper) {
    if (a.size() != upper.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != upper[i]) return false;
    return true;
}

void Check(int status) {
    if (status != 0) throw Refused{status};
}

}  // namespace

int Interpreter::Run() {
    try {
        for (;;) {
            Statement();
            Skip();
            if (AtEnd()) return 0;
            if (s_[p_] != ':') throw Refused{Errors::kEXTRA_CHARS_AT_EOLN};
            ++p_;
        }
    } catch (const Refused& refused) {
        return refused.error;
    }
}

void Interpreter::Statement() {
    Skip();
    if (AtEnd() || s_[p_] == ':') return;
    if (s_[p_] == '?') {
        ++p_;
        return Print();
    }
    const std::size_t start = p_;
    const std::string_view word = Word();
    if (word.empty()) throw Refused{Errors::kCOMMAND_NOT_RECOGNISED};
    if (EqualsUpper(word, "PRINT")) return Print();
    if (EqualsUpper(word, "INITIALISE")) return c_.Initialise();
    if (EqualsUpper(word, "UNIT_CLEAR")) {
        // Clears the latched unit errors; the simulation keeps none but the system error word.
        c_.Value(*Controller::Find("SYSTEM_ERROR"), 0) = 0;
        return;
    }
    if (EqualsUpper(word, "OP") && At('(')) {
        // OP(output, state)
        ++p_;
        const double output = Expression();
        Expect(',');
        const double state = Expression();
        Expect(')');
        if (!(output >= 0 && output < kDigitalPoints)) throw Refused{Errors::kPARAMETER_OUT_OF_RANGE};
        c_.outputs_[static_cast<std::size_t>(output)] = state != 0;
        return;
    }
    const bool memory = EqualsUpper(word, "VR") || EqualsUpper(word, "TABLE");
    if (!memory && !Controller::Find(word)) {
        const Controller::Command* command = c_.FindCommand(word);
        if (!command) throw Refused{Errors::kCOMMAND_NOT_RECOGNISED};
        return Run(*command);
    }
    p_ = start;
    Assign();
}

// "NAME(v1, v2, ...) AXIS(n)", both parts optional.
void Interpreter::Run(const Controller::Command& command) {
    CommandCall call;
    if (At('(')) {
        ++p_;
        if (!At(')')) {
            call.values.push_back(Expression());
            while (At(',')) {
                ++p_;
                call.values.push_back(Expression());
            }
        }
        Expect(')');
    }
    const std::size_t start = p_;
    Skip();
    if (EqualsUpper(Word(), "AXIS")) call.axis = static_cast<int>(Index(static_cast<std::uint32_t>(c_.AxisCount())));
    else p_ = start;
    Check(command(call));
}

// PRINT items: ',' separates with a tab, ';' joins; the line always ends in CR LF.
void Interpreter::Print() {
    std::string line;
    bool expectItem = true;
    for (;;) {
        Skip();
        if (AtEnd() || s_[p_] == ':') break;
        if (s_[p_] == ',' || s_[p_] == ';') {
            if (s_[p_] == ',') line += '\t';
            ++p_;
            expectItem = true;
            continue;
        }
        if (!expectItem) throw Refused{Errors::kEXTRA_CHARS_AT_EOLN};
        line += s_[p_] == '"' ? QuotedText() : FormatNumber(Expression());
        expectItem = false;
    }
    out_ += line;
    out_ += "\r\n";
}

void Interpreter::Assign() {
    Skip();
    const Target target = ParseTarget(Word());
    if (!At('=')) throw Refused{Errors::kASSIGNMENT_EXPECTED};
    ++p_;
    if (At('"')) {
        const std::string text = QuotedText();
        // A text goes into VR memory one character per VR, ended by a 0.
        if (target.memory != &c_.vr_) throw Refused{Errors::kINVALID_MIX_OF_DATA_TYPES};
        if (target.index + text.size() >= kVrSize) throw Refused{Errors::kPARAMETER_OUT_OF_RANGE};
        std::size_t i = target.index;
        for (unsigned char ch : text) c_.vr_[i++] = ch;
        c_.vr_[i] = 0;
        return;
    }
    const double value = Expression();
    if (target.memory) {
        (*target.memory)[target.index] = value;
        return;
    }
    if (const int error = c_.Assign(*target.def, static_cast<int>(target.index), value)) throw Refused{error};
}

Interpreter::Target Interpreter::ParseTarget(std::string_view word) {
    if (word.empty()) throw Refused{Errors::kCOMMAND_NOT_RECOGNISED};
    Target target;
    if (EqualsUpper(word, "VR")) {
        target.memory = &c_.vr_;
        target.index = Index(kVrSize);
    } else if (EqualsUpper(word, "TABLE")) {
        target.memory = &c_.table_;
        target.index = Index(kTableSize);
    } else {
        target.index = Parameter(word, target.def);
    }
    return target;
}

// A parameter name with an optional "AXIS(n)", "PROC(n)", "SLOT(n)" or "PORT(n)" behind it, which
// picks the family the name is looked up in; without one, index 0 of the first family that has it.
std::uint32_t Interpreter::Parameter(std::string_view name, const ParameterDef*& def) {
    const std::size_t start = p_;
    Skip();
    const std::string_view word = Word();
    Family family = Family::System;
    if (EqualsUpper(word, "AXIS")) family = Family::Axis;
    else if (EqualsUpper(word, "PROC")) family = Family::Process;
    else if (EqualsUpper(word, "SLOT")) family = Family::Slot;
    else if (EqualsUpper(word, "PORT")) family = Family::Port;
    else p_ = start;
    const bool modified = p_ != start;
    def = modified ? Controller::Find(family, name) : Controller::Find(name);
    if (!def) throw Refused{Controller::Find(name) ? Errors::kMODIFIER_NOT_ALLOWED : Errors::kCOMMAND_NOT_RECOGNISED};
    return modified ? Index(static_cast<std::uint32_t>(c_.SlotCount(family))) : 0;
}

// "(expression)" whose whole value lies in [0, count).
std::uint32_t Interpreter::Index(std::uint32_t count) {
    if (!At('(')) throw Refused{Errors::kOPEN_BRACKET_EXPECTED};
    ++p_;
    const double value = Expression();
    Expect(')');
    if (!(value >= 0 && value < count)) throw Refused{Errors::kPARAMETER_OUT_OF_RANGE};
    return static_cast<std::uint32_t>(value);
}

double Interpreter::Expression() {
    double value = Term();
    for (;;) {
        if (At('+')) {
            ++p_;
            value += Term();
        } else if (At('-')) {
            ++p_;
            value -= Term();
        } else {
            return value;
        }
    }
}

double Interpreter::Term() {
    double value = Factor();
    for (;;) {
        if (At('*')) {
            ++p_;
            value *= Factor();
        } else if (At('/')) {
            ++p_;
            const double divisor = Factor();
            if (divisor == 0) throw Refused{Errors::kDIVISION_BY_ZERO};
            value /= divisor;
        } else {
            return value;
        }
    }
}

double Interpreter::Factor() {
    // Nesting depth is bounded so that a hostile line cannot exhaust the stack.
    if (++depth_ > kMaxDepth) throw Refused{Errors::kSTACK_OVERFLOW};
    const double value = Primary();
    --depth_;
    return value;
}

double Interpreter::Primary() {
    Skip();
    if (AtEnd()) throw Refused{Errors::kSTART_OF_EXPRESSION_EXPECTED};
    const char ch = s_[p_];
    if (ch == '-') {
        ++p_;
        return -Factor();
    }
    if (ch == '+') {
        ++p_;
        return Factor();
    }
    if (ch == '(') {
        ++p_;
        const double value = Expression();
        Expect(')');
        return value;
    }
    if (std::isdigit(static_cast<unsigned char>(ch)) || ch == '.') return Number();
    const std::string_view word = Word();
    if (word.empty()) throw Refused{Errors::kSTART_OF_EXPRESSION_EXPECTED};
    if (EqualsUpper(word, "IN")) return c_.InputState(Index(kDigitalPoints)) ? 1 : 0;
    if (EqualsUpper(word, "OP")) return c_.outputs_[Index(kDigitalPoints)] ? 1 : 0;
    if (EqualsUpper(word, "AIN")) return c_.analogueIn_[Index(kAnalogueChannels)];
    const Target target = ParseTarget(word);
    if (target.memory) return (*target.memory)[target.index];
    return c_.Value(*target.def, static_cast<int>(target.index));
}

double Interpreter::Number() {
    // strtod needs a terminated text; a number is short, so copy only its characters.
    std::size_t end = p_;
    while (end < s_.size() && (std::isalnum(static_cast<unsigned char>(s_[end])) || s_[end] == '.' ||
                               ((s_[end] == '+' || s_[end] == '-') && end > p_ &&
                                (s_[end - 1] == 'e' || s_[end - 1] == 'E'))))
        ++end;
    const std::string text(s_.substr(p_, end - p_));
    char* stop = nullptr;
    const double value = std::strtod(text.c_str(), &stop);
    if (stop != text.c_str() + text.size() || text.find_first_of("xXpP") != std::string::npos ||
        !std::isfinite(value))
        throw Refused{Errors::kSTART_OF_EXPRESSION_EXPECTED};
    p_ = end;
    return value;
}

std::string Interpreter::QuotedText() {
    ++p_;  // opening quote
    const std::size_t close = s_.find('"', p_);
    if (close == std::string_view::npos) throw Refused{Errors::kQUOTES_EXPECTED};
    std::string text(s_.substr(p_, close - p_));
    p_ = close + 1;
    return text;
}

std::string_view Interpreter::Word() {
    const std::size_t start = p_;
    if (p_ < s_.size() && (std::isalpha(static_cast<unsigned char>(s_[p_])) || s_[p_] == '_'))
        while (p_ < s_.size() && IsWordChar(s_[p_])) ++p_;
    return s_.substr(start, p_ - start);
}

void Interpreter::Expect(char ch) {
    if (!At(ch)) throw Refused{Errors::kCLOSE_ROUND_BRACKET_EXPECTED};
    ++p_;
}

void Interpreter::Skip() {
    while (p_ < s_.size() && (s_[p_] == ' ' || s_[p_] == '\t' || s_[p_] == '\r' || s_[p_] == '\n')) ++p_;
}

}  // namespace Simulator
