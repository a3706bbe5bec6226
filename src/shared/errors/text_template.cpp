#include "shared/errors/text_template.h"

namespace Kova::TesselApi::Shared {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

class Expansion {
public:
    Expansion(std::string_view text, const IValueByName& values, std::string& output)
        : text_(text), values_(values), output_(output) {}

    void Run() { Expand(0, text_.size(), false); }

private:
    // The ']' that balances the '[' at open, before end; escaped brackets do not count.
    std::size_t ClosingBracket(std::size_t open, std::size_t end) const {
        int depth = 0;
        for (std::size_t i = open; i < end; ++i) {
            const char c = text_[i];
            if (c == '\\') {
                ++i;
            } else if (c == '[') {
                ++depth;
            } else if (c == ']' && --depth == 0) {
                return i;
            }
        }
        return kNone;
    }

    // Expands text_[begin, end). At the top level a failed placeholder stops everything (returns
    // false); in a section it fails the section. A section with nested sections succeeds only when
    // one of them or one of its own placeholders did.
    bool Expand(std::size_t begin, std::size_t end, bool inSection) {
        bool hasNested = false;
        bool anySucceeded = false;
        std::size_t i = begin;
        while (i < end) {
            const char c = text_[i];
            if (c == '\\') {
                if (i + 1 < end) output_.push_back(text_[i + 1]);
                i += 2;
            } else if (c == '{') {
                const std::size_t close = text_.substr(0, end).find('}', i + 1);
                if (close == kNone || !values_.WriteValue(text_.substr(i + 1, close - i - 1), output_)) {
                    return false;
                }
                anySucceeded = true;
                i = close + 1;
            } else if (c == '[') {
                hasNested = true;
                std::size_t close = ClosingBracket(i, end);
                std::size_t contentEnd = close;
                if (close == kNone) {
                    // Unbalanced: the bracket is text and the rest is the section.
                    output_.push_back('[');
                    contentEnd = end;
                    close = end;
                }
                const std::size_t mark = output_.size();
                if (Expand(i + 1, contentEnd, true)) {
                    anySucceeded = true;
                } else {
                    output_.resize(mark);
                }
                i = close + 1;
            } else {
                output_.push_back(c);
                ++i;
            }
        }
        return !inSection || !hasNested || anySucceeded;
    }

    std::string_view text_;
    const IValueByName& values_;
    std::string& output_;
};

}  // namespace

std::string ExpandTemplate(std::string_view format, const IValueByName& values) {
    std::string output;
    Expansion(format, values, output).Run();
    return output;
}

}  // namespace Kova::TesselApi::Shared
