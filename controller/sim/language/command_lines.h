// Command lines as the controller runs them: read and run statement by statement, so a refused
// statement leaves the earlier ones done. A line that comes again and runs whole is kept parsed,
// since an application sends the same few lines over and over (polling a position, an input, a
// VR); a line seen once is not worth keeping.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "sim/controller.h"
#include "sim/language/tree.h"

namespace Simulator::Language {

class CommandLines {
public:
    // Runs `line` with the controller's lock held; 0 or the controller error number of the
    // statement that was refused.
    int Run(Controller& controller, std::string_view line, std::string& reply);

    // Forgets every kept line, for when the words of the language change.
    void Forget() { kept_.clear(); }

private:
    struct Parsed {
        std::string text;                  // the statements' texts are views into it
        std::vector<Statement> statements;
    };
    static constexpr std::size_t kMaxKept = 64;
    static constexpr std::size_t kMaxKeptLength = 256;   // longer lines are not polled

    std::unordered_map<std::string_view, std::unique_ptr<Parsed>> kept_;   // keys view Parsed::text
    std::array<std::size_t, kMaxKept> seen_{};   // hashes of lines seen lately, by hash modulo size
};

}  // namespace Simulator::Language
