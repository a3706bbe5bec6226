// Lines of the shell: with editing and history on a Linux terminal, plainly from a stream otherwise.
#pragma once

#include <istream>
#include <string>

namespace KovaTool {

class LineReader {
public:
    LineReader(std::istream& input, bool interactive) : input_(input), interactive_(interactive) {}

    // False at the end of the input.
    bool Next(const char* prompt, std::string& line);

private:
    std::istream& input_;
    bool interactive_;
};

}  // namespace KovaTool
