#include "sim/controller.h"

#include "kova/parameters/value_types.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace Vireo::Sim {
namespace {

// The parameters the controller knows: the module's own tables, so both sides agree on names,
// identifiers and which values are read-only.
#define KOVA_SIM_READ_ONLY_RW false
#define KOVA_SIM_READ_ONLY_RO true
constexpr ParameterDef kParameters[] = {
#define KOVA_PARAMETER(name, identifier, kind, access, type) {#name, Family::System, identifier, kind, KOVA_SIM_READ_ONLY_##access},
#include "kova/parameters/system.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(name, identifier, kind, access, type) {#name, Family::Axis, identifier, kind, KOVA_SIM_READ_ONLY_##access},
#include "kova/parameters/axis.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(name, identifier, kind, access, type) {#name, Family::Process, identifier, kind, KOVA_SIM_READ_ONLY_##access},
#include "kova/parameters/process.def"
#undef KOVA_PARAMETER
#define KOVA_PARAMETER(name, identifier, kind, access, type) {#name, Family::Slot, identifier, kind, KOVA_SIM_READ_ONLY_##access},
#include "kova/parameters/slot.def"
#undef KOVA_PARAMETER
};

// Values after INITIALISE that are not 0.
struct StartValue {
    std::string_view name;
    double value;
};
constexpr StartValue kStartValues[] = {
    {"VERSION", 2.0350}, {"LIMIT_BUFFERED", 64}, {"LAST_AXIS", kAxisCount - 1}, {"ACCEL", 1000},
    {"DECEL", 1000},     {"FE_LIMIT", 2000},     {"SPEED", 1000},               {"UNITS", 1},
};

double StartValueOf(std::string_view name) {
    for (const StartValue& start : kStartValues)
        if (start.name == name) return start.value;
    return 0;
}

constexpr int SlotCount(Family family) {
    switch (family) {
    case Family::Axis: return kAxisCount;
    case Family::Process: return kProcessCount;
    case Family::Slot: return kSlotCount;
    case Family::System: break;
    }
    return 1;
}

// Where each parameter's slots begin in the value store (one slot per axis or process), and the
// store's size as the last entry.
constexpr auto kSlotOffsets = [] {
    std::array<std::size_t, std::size(kParameters) + 1> offsets{};
    for (std::size_t row = 0; row < std::size(kParameters); ++row)
        offsets[row + 1] = offsets[row] + static_cast<std::size_t>(SlotCount(kParameters[row].family));
    return offsets;
}();

std::size_t SlotOffset(const ParameterDef& def) {
    return kSlotOffsets[static_cast<std::size_t>(&def - kParameters)];
}

bool EqualsUpper(std::string_view a, std::string_view upper) {
    if (a.size() != upper.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != upper[i]) return false;
    return true;
}

const ParameterDef* FindInFamily(Family family, std::string_view name) {
    for (const ParameterDef& row : kParameters)
        if (row.family == family && EqualsUpper(name, row.name)) return &row;
    return nullptr;
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// A refused statement: unwinds the interpreter to Execute with the controller error number.
struct Refused {
    int error;
};

}  // namespace

std::string FormatNumber(double value) {
    if (std::isnan(value)) return "#INVALID_NAN";
    if (std::isinf(value)) return value > 0 ? "#INVALID_INF" : "-#INVALID_INF";
    if (value != 0 && std::fpclassify(value) == FP_SUBNORMAL) return "#INVALID_SUB";
    char text[64];
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        std::snprintf(text, sizeof text, "%.0f", value == 0 ? 0.0 : value);
    else
        std::snprintf(text, sizeof text, "%.4f", value);
    return text;
}

// Recursive descent over one command line; each statement runs as soon as it is parsed.
class Interpreter {
public:
    Interpreter(Controller& controller, std::string_view line, std::string& reply)
        : c_(controller), s_(line), out_(reply) {}

    void Run() {
        for (;;) {
            Statement();
            Skip();
            if (AtEnd()) return;
            if (s_[p_] != ':') throw Refused{Errors::kExtraCharsAtEndOfLine};
            ++p_;
        }
    }

private:
    struct Target {
        const ParameterDef* def = nullptr;   // null: VR(index)
        int index = 0;
    };

    void Statement() {
        Skip();
        if (AtEnd() || s_[p_] == ':') return;
        if (s_[p_] == '?') {
            ++p_;
            Print();
            return;
        }
        const std::size_t start = p_;
        const std::string_view word = Word();
        if (word.empty()) throw Refused{Errors::kCommandNotRecognised};
        if (EqualsUpper(word, "PRINT")) return Print();
        if (EqualsUpper(word, "INITIALISE")) return c_.Initialise();
        if (EqualsUpper(word, "UNIT_CLEAR")) {
            // Clears the latched unit errors; the simulation keeps none but the system error word.
            *c_.Slot(*Controller::Find("SYSTEM_ERROR"), 0) = 0;
            return;
        }
        p_ = start;
        Assign();
    }

    // PRINT items: ',' separates with a tab, ';' joins; the line always ends in CR LF.
    void Print() {
        std::string line;
        bool expect_item = true;
        for (;;) {
            Skip();
            if (AtEnd() || s_[p_] == ':') break;
            if (s_[p_] == ',' || s_[p_] == ';') {
                if (s_[p_] == ',') line += '\t';
                ++p_;
                expect_item = true;
                continue;
            }
            if (!expect_item) throw Refused{Errors::kExtraCharsAtEndOfLine};
            if (s_[p_] == '"')
                line += QuotedText();
            else
                line += FormatNumber(Expression());
            expect_item = false;
        }
        out_ += line;
        out_ += "\r\n";
    }

    void Assign() {
        const Target target = ParseTarget();
        Skip();
        if (AtEnd() || s_[p_] != '=') throw Refused{Errors::kAssignmentExpected};
        ++p_;
        Skip();
        if (!AtEnd() && s_[p_] == '"') {
            const std::string text = QuotedText();
            // A text goes into VR memory one character per VR, ended by a 0.
            if (target.def) throw Refused{Errors::kInvalidMixOfDataTypes};
            if (target.index + static_cast<int>(text.size()) >= kVrCount) throw Refused{Errors::kParameterOutOfRange};
            int i = target.index;
            for (unsigned char ch : text) c_.vr_[static_cast<std::size_t>(i++)] = ch;
            c_.vr_[static_cast<std::size_t>(i)] = 0;
            return;
        }
        const double value = Expression();
        if (!target.def) {
            c_.vr_[static_cast<std::size_t>(target.index)] = value;
            return;
        }
        if (target.def->read_only) throw Refused{Errors::kValueIsReadOnly};
        *c_.Slot(*target.def, target.index) = value;
    }

    Target ParseTarget() {
        Skip();
        const std::string_view word = Word();
        if (word.empty()) throw Refused{Errors::kCommandNotRecognised};
        Target target;
        if (EqualsUpper(word, "VR")) {
            target.index = Index(kVrCount);
            return target;
        }
        target.index = Parameter(word, target.def);
        return target;
    }

    // A parameter name with an optional "AXIS(n)", "PROC(n)" or "SLOT(n)" behind it, which picks the
    // family the name is looked up in; without one, index 0 of the first family that has the name.
    int Parameter(std::string_view name, const ParameterDef*& def) {
        const std::size_t start = p_;
        Skip();
        const std::string_view word = Word();
        Family family = Family::System;
        if (EqualsUpper(word, "AXIS")) family = Family::Axis;
        else if (EqualsUpper(word, "PROC")) family = Family::Process;
        else if (EqualsUpper(word, "SLOT")) family = Family::Slot;
        else p_ = start;
        def = p_ == start ? Controller::Find(name) : FindInFamily(family, name);
        if (!def) throw Refused{Controller::Find(name) ? Errors::kModifierNotAllowed : Errors::kCommandNotRecognised};
        return p_ == start ? 0 : Index(SlotCount(family));
    }

    // "(expression)" whose whole value lies in [0, count).
    int Index(int count) {
        Skip();
        if (AtEnd() || s_[p_] != '(') throw Refused{Errors::kOpenBracketExpected};
        ++p_;
        const double value = Expression();
        Expect(')');
        if (!(value >= 0 && value < count)) throw Refused{Errors::kParameterOutOfRange};
        return static_cast<int>(value);
    }

    double Expression() {
        double value = Term();
        for (;;) {
            Skip();
            if (AtEnd()) return value;
            if (s_[p_] == '+') { ++p_; value += Term(); }
            else if (s_[p_] == '-') { ++p_; value -= Term(); }
            else return value;
        }
    }

    double Term() {
        double value = Factor();
        for (;;) {
            Skip();
            if (AtEnd()) return value;
            if (s_[p_] == '*') { ++p_; value *= Factor(); }
            else if (s_[p_] == '/') {
                ++p_;
                const double divisor = Factor();
                if (divisor == 0) throw Refused{Errors::kDivisionByZero};
                value /= divisor;
            } else return value;
        }
    }

    double Factor() {
        // Nesting depth is bounded so that a hostile line cannot exhaust the stack.
        if (++depth_ > kMaxDepth) throw Refused{Errors::kStackOverflow};
        const double value = Primary();
        --depth_;
        return value;
    }

    double Primary() {
        Skip();
        if (AtEnd()) throw Refused{Errors::kStartOfExpressionExpected};
        const char ch = s_[p_];
        if (ch == '-') { ++p_; return -Factor(); }
        if (ch == '+') { ++p_; return Factor(); }
        if (ch == '(') {
            ++p_;
            const double value = Expression();
            Expect(')');
            return value;
        }
        if (std::isdigit(static_cast<unsigned char>(ch)) || ch == '.') return Number();
        const std::string_view word = Word();
        if (word.empty()) throw Refused{Errors::kStartOfExpressionExpected};
        if (EqualsUpper(word, "VR")) return c_.vr_[static_cast<std::size_t>(Index(kVrCount))];
        const ParameterDef* def = nullptr;
        const int index = Parameter(word, def);
        return *c_.Slot(*def, index);
    }

    double Number() {
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
            throw Refused{Errors::kStartOfExpressionExpected};
        p_ = end;
        return value;
    }

    std::string QuotedText() {
        ++p_;  // opening quote
        const std::size_t close = s_.find('"', p_);
        if (close == std::string_view::npos) throw Refused{Errors::kQuotesExpected};
        std::string text(s_.substr(p_, close - p_));
        p_ = close + 1;
        return text;
    }

    std::string_view Word() {
        const std::size_t start = p_;
        if (p_ < s_.size() && (std::isalpha(static_cast<unsigned char>(s_[p_])) || s_[p_] == '_'))
            while (p_ < s_.size() && IsWordChar(s_[p_])) ++p_;
        return s_.substr(start, p_ - start);
    }

    void Expect(char ch) {
        Skip();
        if (AtEnd() || s_[p_] != ch) throw Refused{Errors::kCloseRoundBracketExpected};
        ++p_;
    }

    void Skip() {
        while (p_ < s_.size() && (s_[p_] == ' ' || s_[p_] == '\t' || s_[p_] == '\r' || s_[p_] == '\n')) ++p_;
    }
    bool AtEnd() const { return p_ >= s_.size(); }

    Controller& c_;
    std::string_view s_;
    std::size_t p_ = 0;
    std::string& out_;
    int depth_ = 0;
    static constexpr int kMaxDepth = 256;
};

Controller::Controller() : values_(kSlotOffsets.back()), vr_(kVrCount, 0.0) { Initialise(); }

const ParameterDef* Controller::Find(std::string_view name) {
    for (const ParameterDef& row : kParameters)
        if (EqualsUpper(name, row.name)) return &row;
    return nullptr;
}

const ParameterDef* Controller::Find(Family family, std::uint32_t id) {
    if (id == KOVA_PARAMETER_NO_IDENTIFIER) return nullptr;   // reached by command line only
    for (const ParameterDef& row : kParameters)
        if (row.family == family && row.id == id) return &row;
    return nullptr;
}

double* Controller::Slot(const ParameterDef& def, int index) {
    return &values_[SlotOffset(def) + static_cast<std::size_t>(index)];
}

void Controller::Initialise() {
    for (std::size_t row = 0; row < std::size(kParameters); ++row) {
        std::fill(values_.begin() + kSlotOffsets[row], values_.begin() + kSlotOffsets[row + 1],
                  StartValueOf(kParameters[row].name));
    }
}

int Controller::Execute(std::string_view line, std::string& reply) {
    std::lock_guard lock(mutex_);
    reply.clear();
    try {
        Interpreter(*this, line, reply).Run();
        return 0;
    } catch (const Refused& refused) {
        return refused.error;
    }
}

int Controller::GetParameter(Family family, std::uint32_t id, int index, double& value) const {
    std::lock_guard lock(mutex_);
    const ParameterDef* def = Find(family, id);
    if (!def) return Errors::kCommandNotRecognised;
    if (index < 0 || index >= SlotCount(family)) return Errors::kParameterOutOfRange;
    value = values_[SlotOffset(*def) + static_cast<std::size_t>(index)];
    return 0;
}

int Controller::SetParameter(Family family, std::uint32_t id, int index, double value) {
    std::lock_guard lock(mutex_);
    const ParameterDef* def = Find(family, id);
    if (!def) return Errors::kCommandNotRecognised;
    if (index < 0 || index >= SlotCount(family)) return Errors::kParameterOutOfRange;
    if (def->read_only) return Errors::kValueIsReadOnly;
    *Slot(*def, index) = value;
    return 0;
}

int Controller::GetVr(int first, int count, double* values) const {
    std::lock_guard lock(mutex_);
    if (first < 0 || count < 0 || first > kVrCount - count) return Errors::kParameterOutOfRange;
    for (int i = 0; i < count; ++i) values[i] = vr_[static_cast<std::size_t>(first + i)];
    return 0;
}

int Controller::SetVr(int first, int count, const double* values) {
    std::lock_guard lock(mutex_);
    if (first < 0 || count < 0 || first > kVrCount - count) return Errors::kParameterOutOfRange;
    for (int i = 0; i < count; ++i) vr_[static_cast<std::size_t>(first + i)] = values[i];
    return 0;
}

}  // namespace Vireo::Sim
