#include "shared/errors/text_template.h"

#include <vector>

namespace Kova::TesselApi::Shared {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// For every '[' the position of the ']' that balances it (kNone when none does), found in one pass;
// a backslash hides the character after it.
std::vector<std::size_t> BalancingBrackets(std::string_view text) {
    std::vector<std::size_t> closing(text.size(), kNone);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            ++i;
        } else if (c == '[') {
            open.push_back(i);
        } else if (c == ']' && !open.empty()) {
            closing[open.back()] = i;
            open.pop_back();
        }
    }
    return closing;
}

// Sections nest as deep as the caller's text does, so they are kept on a stack of our own rather
// than on the call stack. Every character is read once, which keeps the expansion linear.
class Expansion {
public:
    Expansion(std::string_view text, const IValueByName& values, std::string& output)
        : text_(text), values_(values), output_(output), closing_(BalancingBrackets(text)) {}

    void Run() {
        std::size_t i = 0;
        for (;;) {
            const std::size_t end = open_.empty() ? text_.size() : open_.back().contentEnd;
            if (i >= end) {
                if (open_.empty()) return;
                // A section with nested sections succeeds only when one of them or one of its own
                // placeholders did.
                const Section& section = open_.back();
                i = CloseSection(!section.hasNested || section.anySucceeded);
                continue;
            }
            const char c = text_[i];
            if (c == '\\') {
                if (i + 1 < end) output_.push_back(text_[i + 1]);
                i += 2;
            } else if (c == '{') {
                const std::size_t close = text_.substr(0, end).find('}', i + 1);
                if (close == kNone || !values_.WriteValue(text_.substr(i + 1, close - i - 1), output_)) {
                    // Outside every section a failed placeholder ends the text; inside, its section.
                    if (open_.empty()) return;
                    i = CloseSection(false);
                    continue;
                }
                if (!open_.empty()) open_.back().anySucceeded = true;
                i = close + 1;
            } else if (c == '[') {
                OpenSection(i, end);
                ++i;
            } else {
                output_.push_back(c);
                ++i;
            }
        }
    }

private:
    struct Section {
        std::size_t contentEnd;  // where its content stops
        std::size_t resume;      // where reading goes on once it is done
        std::size_t mark;        // output length when it began
        bool hasNested = false;
        bool anySucceeded = false;
    };

    void OpenSection(std::size_t at, std::size_t end) {
        if (!open_.empty()) open_.back().hasNested = true;
        std::size_t close = closing_[at];
        if (close == kNone) {
            // Unbalanced: the bracket is text and the rest is the section.
            output_.push_back('[');
            close = end;
        }
        open_.push_back(Section{close, close + 1, output_.size()});
    }

    // Ends the innermost section, removing what it wrote when it failed; returns where to go on.
    std::size_t CloseSection(bool succeeded) {
        const Section section = open_.back();
        open_.pop_back();
        if (!succeeded) {
            output_.resize(section.mark);
        } else if (!open_.empty()) {
            open_.back().anySucceeded = true;
        }
        return section.resume;
    }

    std::string_view text_;
    const IValueByName& values_;
    std::string& output_;
    const std::vector<std::size_t> closing_;
    std::vector<Section> open_;
};

}  // namespace

std::string ExpandTemplate(std::string_view format, const IValueByName& values) {
    std::string output;
    Expansion(format, values, output).Run();
    return output;
}

}  // namespace Kova::TesselApi::Shared
