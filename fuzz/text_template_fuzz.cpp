// The template expander with an error record's attributes, against a plain recursive reading of
// the same rules for texts of bounded depth (any depth must still expand, in linear time).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "shared/errors/error_info_text.h"
#include "shared/errors/text_template.h"

namespace {

using namespace Kova::TesselApi::Shared;

constexpr std::size_t kNone = std::string_view::npos;

class ReferenceExpansion {
public:
    ReferenceExpansion(std::string_view text, const IValueByName& values) : text_(text), values_(values) {}

    std::string Run() {
        Expand(0, text_.size(), false);
        return output_;
    }

private:
    // The ']' that balances the '[' at open, before end; a backslash hides the next character.
    std::size_t Balancing(std::size_t open, std::size_t end) const {
        int depth = 0;
        for (std::size_t i = open; i < end; ++i) {
            if (text_[i] == '\\') ++i;
            else if (text_[i] == '[') ++depth;
            else if (text_[i] == ']' && --depth == 0) return i;
        }
        return kNone;
    }

    // False when a placeholder failed (at the top level: stop; in a section: drop it), or when a
    // section with nested sections had no success inside.
    bool Expand(std::size_t begin, std::size_t end, bool inSection) {
        bool nested = false;
        bool succeeded = false;
        for (std::size_t i = begin; i < end;) {
            const char c = text_[i];
            if (c == '\\') {
                if (i + 1 < end) output_ += text_[i + 1];
                i += 2;
            } else if (c == '{') {
                const std::size_t close = text_.find('}', i + 1);
                if (close == kNone || close >= end) return false;
                if (!values_.WriteValue(text_.substr(i + 1, close - i - 1), output_)) return false;
                succeeded = true;
                i = close + 1;
            } else if (c == '[') {
                nested = true;
                std::size_t close = Balancing(i, end);
                if (close == kNone) {
                    output_ += '[';
                    close = end;
                }
                const std::size_t mark = output_.size();
                if (Expand(i + 1, close, true)) succeeded = true;
                else output_.resize(mark);
                i = close + 1;
            } else {
                output_ += c;
                ++i;
            }
        }
        return !inSection || !nested || succeeded;
    }

    std::string_view text_;
    const IValueByName& values_;
    std::string output_;
};

std::size_t Depth(std::string_view text) {
    std::size_t depth = 0, deepest = 0;
    for (const char c : text) {
        if (c == '[') deepest = std::max(deepest, ++depth);
        else if (c == ']' && depth > 0) --depth;
    }
    return deepest;
}

}  // namespace

// The first bytes are the error record (its kind bits and fields), the rest is the template.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ErrorInfo info{};
    const std::size_t recordBytes = std::min(size, sizeof info);
    std::memcpy(&info, data, recordBytes);
    const std::string_view format(reinterpret_cast<const char*>(data + recordBytes), size - recordBytes);

    const ErrorAttributeByName attributes(info, "message");
    const std::string expanded = ExpandTemplate(format, attributes);
    if (Depth(format) <= 200 && expanded != ReferenceExpansion(format, attributes).Run()) std::abort();
    return 0;
}
