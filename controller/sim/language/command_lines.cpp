#include "sim/language/command_lines.h"

#include <functional>
#include <utility>

#include "sim/language/error.h"
#include "sim/language/executor.h"
#include "sim/language/parser.h"

namespace Simulator::Language {

int CommandLines::Run(Controller& controller, std::string_view line, std::string& reply) {
    Executor executor(controller, reply);
    try {
        if (const auto known = kept_.find(line); known != kept_.end()) {
            for (const Statement& statement : known->second->statements) executor.Run(statement);
            return 0;
        }
        const std::size_t hash = std::hash<std::string_view>{}(line);
        std::size_t& seen = seen_[hash % kMaxKept];
        if (seen != hash || line.size() > kMaxKeptLength) {
            seen = hash;
            Parser parser(controller, line);
            Statement statement;
            while (parser.Next(statement)) executor.Run(statement);
            return 0;
        }
        auto parsed = std::make_unique<Parsed>();
        parsed->text = line;
        Parser parser(controller, parsed->text);
        Statement statement;
        while (parser.Next(statement)) {
            executor.Run(statement);
            parsed->statements.push_back(std::move(statement));
        }
        if (kept_.size() >= kMaxKept) kept_.clear();
        const std::string_view key = parsed->text;
        kept_.emplace(key, std::move(parsed));
        return 0;
    } catch (const Error& refused) {
        return refused.number;
    }
}

}  // namespace Simulator::Language
