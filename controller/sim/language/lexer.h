// Cuts the controller's language into tokens, one at a time, so a command line costs no more than
// the statements it holds. Words are matched in any case; texts are the characters between quotes.
#pragma once

#include <cstddef>
#include <string_view>

namespace Simulator::Language {

enum class Token {
    End,        // end of the source
    LineEnd,    // end of a line of a program
    Colon,      // between statements of one line
    Number,
    Text,       // a quoted text; `text` holds it without the quotes
    Word,
    Symbol,     // one of + - * / ^ ( ) , ; = < > <= >= <> ? [ ]
};

class Lexer {
public:
    // Before the first Advance the lexer stands as after a ':', so reading the first token,
    // which can be refused, is the reader's first step.
    explicit Lexer(std::string_view source) : s_(source) {}

    Token Kind() const { return kind_; }
    // The word, the symbol, the text inside the quotes, or the number as written.
    std::string_view Text() const { return text_; }
    double Number() const { return number_; }
    // The line the current token is on, counting from 1.
    int Line() const { return line_; }

    bool IsSymbol(std::string_view symbol) const { return kind_ == Token::Symbol && text_ == symbol; }
    bool IsWord(std::string_view upper) const;
    // Statements of one line end at ':', a line end, the end of the source, or the ELSE of a
    // one-line IF.
    bool AtStatementEnd() const {
        return kind_ == Token::End || kind_ == Token::LineEnd || kind_ == Token::Colon || IsWord("ELSE");
    }
    bool AtLineStart() const { return lineStart_; }

    // Moves to the next token. A quote without its closing quote, or a number the controller
    // cannot read, is refused with the controller's error.
    void Advance();
    // Moves to the end of the current line.
    void SkipLine();

private:
    void ReadNumber();
    [[noreturn]] void Refuse(std::size_t end, int error);

    std::string_view s_;
    std::size_t p_ = 0;
    Token kind_ = Token::Colon;
    std::string_view text_;
    double number_ = 0;
    int line_ = 1;
    bool pendingLine_ = false;   // the token after a line end is on the next line
    bool lineStart_ = true;      // the current token is the first of its line
};

bool EqualsUpper(std::string_view text, std::string_view upper);
bool SameWord(std::string_view a, std::string_view b);   // in any case

}  // namespace Simulator::Language
