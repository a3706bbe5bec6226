#include "sim/language/lexer.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>

#include "sim/language/error.h"

namespace Simulator::Language {
namespace {

bool IsWordStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

}  // namespace

bool EqualsUpper(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != upper[i]) return false;
    return true;
}

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

bool Lexer::IsWord(std::string_view upper) const { return kind_ == Token::Word && EqualsUpper(text_, upper); }

void Lexer::Advance() {
    lineStart_ = kind_ == Token::LineEnd || p_ == 0;
    if (pendingLine_) {
        ++line_;
        pendingLine_ = false;
    }
    while (p_ < s_.size() && (s_[p_] == ' ' || s_[p_] == '\t' || s_[p_] == '\r')) ++p_;
    // A comment runs to the end of its line.
    if (p_ < s_.size() && s_[p_] == '\'')
        while (p_ < s_.size() && s_[p_] != '\n') ++p_;
    if (p_ >= s_.size()) {
        kind_ = Token::End;
        text_ = {};
        return;
    }
    const std::size_t start = p_;
    const char c = s_[p_];
    if (c == '\n') {
        ++p_;
        kind_ = Token::LineEnd;
        pendingLine_ = true;
    } else if (c == ':') {
        ++p_;
        kind_ = Token::Colon;
    } else if (c == '"') {
        const std::size_t close = s_.find_first_of("\"\n", p_ + 1);
        if (close == std::string_view::npos || s_[close] != '"') Refuse(close, Errors::kQUOTES_EXPECTED);
        kind_ = Token::Text;
        text_ = s_.substr(p_ + 1, close - p_ - 1);
        p_ = close + 1;
        return;
    } else if (IsDigit(c) || c == '.') {
        return ReadNumber();
    } else if (IsWordStart(c)) {
        while (p_ < s_.size() && IsWordChar(s_[p_])) ++p_;
        kind_ = Token::Word;
    } else {
        ++p_;
        const char next = p_ < s_.size() ? s_[p_] : '\0';
        if ((c == '<' && (next == '=' || next == '>')) || (c == '>' && next == '=')) ++p_;
        kind_ = Token::Symbol;
    }
    text_ = s_.substr(start, p_ - start);
}

// Passes the token that cannot be read, so that reading can go on after it, and refuses it.
void Lexer::Refuse(std::size_t end, int error) {
    p_ = std::min(end, s_.size());
    kind_ = Token::Colon;
    throw Error{error};
}

void Lexer::SkipLine() {
    if (kind_ == Token::LineEnd || kind_ == Token::End) return;
    const std::size_t end = s_.find('\n', p_);
    p_ = end == std::string_view::npos ? s_.size() : end;
    kind_ = Token::Colon;   // not a line end: the next one is still on this line
    Advance();
}

// Digits with an optional fraction and exponent; letters glued to them make no number.
void Lexer::ReadNumber() {
    const std::size_t start = p_;
    std::size_t end = p_;
    while (end < s_.size() && (IsWordChar(s_[end]) || s_[end] == '.' ||
                               ((s_[end] == '+' || s_[end] == '-') && (s_[end - 1] == 'e' || s_[end - 1] == 'E'))))
        ++end;
    const std::string written(s_.substr(start, end - start));
    char* stop = nullptr;
    const double value = std::strtod(written.c_str(), &stop);
    if (stop != written.c_str() + written.size() || written.find_first_of("xXpP") != std::string::npos ||
        !std::isfinite(value))
        Refuse(end, Errors::kSTART_OF_EXPRESSION_EXPECTED);
    p_ = end;
    kind_ = Token::Number;
    number_ = value;
    text_ = s_.substr(start, end - start);
}

}  // namespace Simulator::Language
