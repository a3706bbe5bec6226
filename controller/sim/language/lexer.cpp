#include "sim/language/lexer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "sim/language/error.h"

namespace Simulator::Language {
namespace {

// The language is ASCII; the C library's locale-aware tests cost more than a line's parse.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsWordStart(char c) { return IsLetter(c) || c == '_'; }
bool IsWordChar(char c) { return IsWordStart(c) || IsDigit(c); }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool EqualsUpper(std::string_view text, std::string_view upper) {
    if (text.size() != upper.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (Upper(text[i]) != upper[i]) return false;
    return true;
}

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
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
    p_ = end;
    kind_ = Token::Number;
    text_ = s_.substr(start, end - start);
    // Whole numbers, the most common by far, are read without a copy for strtod.
    if (text_.size() <= 15 && std::all_of(text_.begin(), text_.end(), IsDigit)) {
        number_ = 0;
        for (char digit : text_) number_ = number_ * 10 + (digit - '0');
        return;
    }
    const std::string written(text_);
    char* stop = nullptr;
    const double value = std::strtod(written.c_str(), &stop);
    if (stop != written.c_str() + written.size() || written.find_first_of("xXpP") != std::string::npos ||
        !std::isfinite(value))
        Refuse(end, Errors::kSTART_OF_EXPRESSION_EXPECTED);
    number_ = value;
}

}  // namespace Simulator::Language
