// The simulated controller behind the stand-in vireo_api_x64: a parameter store, VR memory and an
// interpreter for the command lines the connection module sends.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace Vireo::Sim {

// Parameter families; identifiers are numbered per family, so a family and an identifier name one.
enum class Family { System, Axis, Process, Slot };

inline constexpr int kAxisCount = 8;
inline constexpr int kProcessCount = 8;
inline constexpr int kSlotCount = 4;
inline constexpr int kVrCount = 4096;

// Controller error numbers the interpreter answers (the controller's own catalogue numbers).
namespace Errors {
inline constexpr int kCommandNotRecognised = 1;
inline constexpr int kAssignmentExpected = 5;
inline constexpr int kQuotesExpected = 6;
inline constexpr int kStackOverflow = 7;
inline constexpr int kDivisionByZero = 9;
inline constexpr int kExtraCharsAtEndOfLine = 10;
inline constexpr int kStartOfExpressionExpected = 15;
inline constexpr int kCloseRoundBracketExpected = 16;
inline constexpr int kParameterOutOfRange = 19;
inline constexpr int kValueIsReadOnly = 21;
inline constexpr int kModifierNotAllowed = 22;
inline constexpr int kOpenBracketExpected = 97;
inline constexpr int kInvalidMixOfDataTypes = 148;
}  // namespace Errors

struct ParameterDef {
    std::string_view name;
    Family family;
    std::uint32_t id;
    std::uint32_t kind;   // how the library holds the value (0 none, 1 64-bit float ... 8 16-bit unsigned)
    bool read_only;
};

// A number as PRINT shows it: whole numbers without decimals, others with four decimals
// ("2.0350"); NaN, infinities and subnormals as the #INVALID_ words a reply reader knows.
std::string FormatNumber(double value);

class Controller {
public:
    Controller();

    // Runs one command line (statements separated by ':'). Returns 0, or the controller error
    // number of the statement that was refused; `reply` then holds what ran before it printed.
    // Every printed line ends in CR LF.
    int Execute(std::string_view line, std::string& reply);

    // Direct access for the library's parameter and VR functions; same status numbers.
    int GetParameter(Family family, std::uint32_t id, int index, double& value) const;
    int SetParameter(Family family, std::uint32_t id, int index, double value);
    int GetVr(int first, int count, double* values) const;
    int SetVr(int first, int count, const double* values);

    // Parameters back to their initial values (INITIALISE); VR memory is kept.
    void Initialise();

    static const ParameterDef* Find(std::string_view name);
    static const ParameterDef* Find(Family family, std::uint32_t id);

private:
    friend class Interpreter;
    double* Slot(const ParameterDef& def, int index);

    mutable std::mutex mutex_;
    std::vector<double> values_;   // parameter slots, laid out in table order
    std::vector<double> vr_;
};

}  // namespace Vireo::Sim
