#include "sim/language/executor.h"

#include <cmath>

#include "sim/language/error.h"

namespace Simulator::Language {
namespace {

constexpr double kTrue = -1;

double Truth(bool value) { return value ? kTrue : 0; }

}  // namespace

void Executor::Run(const Statement& statement) {
    switch (statement.kind) {
    case Statement::Kind::Print: return Print(statement);
    case Statement::Kind::Assign: return Assign(statement);
    case Statement::Kind::Command: return Command(statement);
    default: throw Error{Errors::kCOMMAND_IS_RUNTIME_ONLY};   // structure runs in programs only
    }
}

void Executor::Print(const Statement& statement) {
    const std::size_t start = out_.size();
    try {
        for (const Item& item : statement.items) {
            if (item.value) out_ += FormatNumber(Evaluate(*item.value));
            else if (item.separator == ',') out_ += '\t';
            else if (!item.separator) out_ += item.text;
        }
    } catch (const Error&) {
        out_.resize(start);   // a refused item prints nothing of its line
        throw;
    }
    const bool open = !statement.items.empty() && statement.items.back().separator == ';';
    if (!open) out_ += "\r\n";
}

void Executor::Assign(const Statement& statement) {
    const Item& value = statement.items.front();
    const Expression& target = *statement.target;
    if (!value.value) {
        // A text goes into VR memory one character per VR, ended by a 0.
        if (target.kind != Expression::Kind::Vr) throw Error{Errors::kINVALID_MIX_OF_DATA_TYPES};
        const std::uint32_t first = Index(*target.left, kVrSize);
        if (first + value.text.size() >= kVrSize) throw Error{Errors::kPARAMETER_OUT_OF_RANGE};
        std::size_t i = first;
        for (unsigned char ch : value.text) c_.vr_[i++] = ch;
        c_.vr_[i] = 0;
        return;
    }
    Store(target, Evaluate(*value.value));
}

void Executor::Store(const Expression& target, double value) {
    if (target.kind != Expression::Kind::Parameter) {
        Variable(target) = value;
        return;
    }
    if (const int error = c_.Assign(*target.parameter, Slot(target), value)) throw Error{error};
}

bool Executor::Idle(const Expression* axis) {
    static const ParameterDef* const idle = Controller::Find(Family::Axis, "IDLE");
    const int which = axis ? static_cast<int>(Index(*axis, static_cast<std::uint32_t>(c_.AxisCount()))) : 0;
    return c_.Value(*idle, which) != 0;
}

void Executor::Command(const Statement& statement) {
    CommandCall call{{}, -1, out_};
    call.arguments.reserve(statement.items.size());
    for (const Item& item : statement.items)
        call.arguments.push_back(item.value ? Argument{Evaluate(*item.value), {}, false} : Argument{0, item.text, true});
    if (statement.axis) call.axis = static_cast<int>(Index(*statement.axis, static_cast<std::uint32_t>(c_.AxisCount())));
    if (const int error = c_.RunCommand(statement.command, call)) throw Error{error};
}

double Executor::Evaluate(const Expression& e) {
    using Kind = Expression::Kind;
    switch (e.kind) {
    case Kind::Number: return e.number;
    case Kind::Negate: return -Evaluate(*e.left);
    case Kind::Not: return Truth(Evaluate(*e.left) == 0);
    case Kind::Binary: return Binary(e);
    case Kind::Parameter: return c_.Value(*e.parameter, Slot(e));
    case Kind::Vr:
    case Kind::Table:
    case Kind::Local: return Variable(e);
    case Kind::Input: return c_.InputState(Index(*e.left, kDigitalPoints)) ? 1 : 0;
    case Kind::Output: return c_.outputs_[Index(*e.left, kDigitalPoints)] ? 1 : 0;
    case Kind::AnalogueIn: return c_.analogueIn_[Index(*e.left, kAnalogueChannels)];
    case Kind::AnalogueOut: return c_.analogueOut_[Index(*e.left, kAnalogueChannels)];
    case Kind::Call: {
        double arguments[kMaxArity] = {};
        for (std::size_t i = 0; i < e.arguments.size(); ++i) arguments[i] = Evaluate(*e.arguments[i]);
        return e.function->evaluate(arguments);
    }
    }
    return 0;
}

double Executor::Binary(const Expression& e) {
    const double a = Evaluate(*e.left);
    // AND and OR look at their right side only when it decides the answer.
    if (e.op == Operator::And) return Truth(a != 0 && Evaluate(*e.right) != 0);
    if (e.op == Operator::Or) return Truth(a != 0 || Evaluate(*e.right) != 0);
    const double b = Evaluate(*e.right);
    switch (e.op) {
    case Operator::Add: return a + b;
    case Operator::Subtract: return a - b;
    case Operator::Multiply: return a * b;
    case Operator::Divide:
        if (b == 0) throw Error{Errors::kDIVISION_BY_ZERO};
        return a / b;
    case Operator::Modulo:
        if (b == 0) throw Error{Errors::kDIVISION_BY_ZERO};
        return std::fmod(a, b);
    case Operator::Power: return std::pow(a, b);
    case Operator::Equal: return Truth(a == b);
    case Operator::NotEqual: return Truth(a != b);
    case Operator::Less: return Truth(a < b);
    case Operator::LessOrEqual: return Truth(a <= b);
    case Operator::Greater: return Truth(a > b);
    case Operator::GreaterOrEqual: return Truth(a >= b);
    case Operator::Xor: return Truth((a != 0) != (b != 0));
    case Operator::And:
    case Operator::Or: break;
    }
    return 0;
}

// The value of `expression` as an index in [0, count).
std::uint32_t Executor::Index(const Expression& expression, std::uint32_t count) {
    const double value = Evaluate(expression);
    if (!(value >= 0 && value < count)) throw Error{Errors::kPARAMETER_OUT_OF_RANGE};
    return static_cast<std::uint32_t>(value);
}

// A VR, a TABLE value or a program's variable.
double& Executor::Variable(const Expression& e) {
    if (e.kind == Expression::Kind::Vr) return c_.vr_[Index(*e.left, kVrSize)];
    if (e.kind == Expression::Kind::Table) return c_.table_[Index(*e.left, kTableSize)];
    return (*locals_)[e.local];
}

// The axis, process, slot or port a parameter's modifier names; 0 without one.
int Executor::Slot(const Expression& parameter) {
    if (!parameter.left) return 0;
    const auto count = static_cast<std::uint32_t>(c_.SlotCount(parameter.parameter->family));
    return static_cast<int>(Index(*parameter.left, count));
}

}  // namespace Simulator::Language
