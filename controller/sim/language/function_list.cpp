#include "sim/language/function_list.h"

#include <cmath>
#include <string>

#include "sim/language/functions.h"
#include "sim/language/lexer.h"

namespace Simulator::Language {
namespace {

bool BeginsWith(std::string_view name, std::string_view filter) {
    return filter.size() <= name.size() && SameWord(name.substr(0, filter.size()), filter);
}

// The whole number of argument `at`, within [0, limit]; false when it is not one.
bool Count(const CommandCall& call, std::size_t at, double limit, std::size_t& value) {
    const Argument& argument = call.arguments[at];
    if (argument.is_text || !(argument.number >= 0 && argument.number <= limit) ||
        argument.number != std::trunc(argument.number))
        return false;
    value = static_cast<std::size_t>(argument.number);
    return true;
}

void Info(const Function& function, std::size_t index, std::string& reply) {
    reply += function.name;
    reply += '[' + std::to_string(index) + "]:";
    reply += function.group;
    reply += '(';
    reply += function.parameters;
    reply += "):";
    reply += function.result;
    reply += "\r\n";
}

// The type word of parameter `index` in "NAME:TYPE,NAME:TYPE".
std::string_view ParameterType(std::string_view parameters, std::size_t index) {
    for (std::size_t i = 0; i < index; ++i) parameters.remove_prefix(parameters.find(',') + 1);
    parameters = parameters.substr(0, parameters.find(','));
    return parameters.substr(parameters.find(':') + 1);
}

int Describe(const CommandCall& call) {
    const Function* function = FindFunction(call.arguments[0].text);
    if (!function) return Errors::kCOMMAND_NOT_RECOGNISED;
    if (call.arguments.size() == 1) {
        call.reply += std::to_string(function->arity) + "\r\n";
        return 0;
    }
    std::size_t index = 0;
    if (call.arguments.size() != 2 || !Count(call, 1, function->arity - 1, index)) return Errors::kPARAMETER_OUT_OF_RANGE;
    call.reply += ParameterType(function->parameters, index);
    call.reply += "\r\n";
    return 0;
}

}  // namespace

int FunctionList(CommandCall& call) {
    const auto& arguments = call.arguments;
    if (!arguments.empty() && arguments[0].is_text) return Describe(call);
    std::size_t names = 0, skip = 0, limit = 0;
    if (arguments.size() > 4 || (!arguments.empty() && !Count(call, 0, 1, names)) ||
        (arguments.size() > 1 && !arguments[1].is_text) || (arguments.size() > 2 && !Count(call, 2, 1e9, skip)) ||
        (arguments.size() > 3 && !Count(call, 3, 1e9, limit)))
        return Errors::kPARAMETER_OUT_OF_RANGE;
    const std::string_view filter = arguments.size() > 1 ? arguments[1].text : std::string_view{};
    std::size_t matched = 0, listed = 0;
    const auto functions = Functions();
    for (std::size_t i = 0; i < functions.size(); ++i) {
        if (!BeginsWith(functions[i].name, filter) || matched++ < skip) continue;
        if (limit != 0 && listed == limit) break;
        ++listed;
        if (names) {
            call.reply += functions[i].name;
            call.reply += "\r\n";
        } else {
            Info(functions[i], i, call.reply);
        }
    }
    return 0;
}

}  // namespace Simulator::Language
