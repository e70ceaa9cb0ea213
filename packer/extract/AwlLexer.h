// The tokens of an AWL data-block source as an editor or the S7 tools may
// leave it: LF or CR LF, any blanks, // comments, keywords in any case. Every
// token knows its line, so that a refusal can name it.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lumafold::extract {

// Longer lines are refused: no line we write comes near, and a damaged file
// may hold gigabytes without a line end.
inline constexpr size_t kMaxLineBytes = 64 * 1024;

// A reason to refuse the source, at a line.
class AwlError : public std::runtime_error {
public:
    AwlError(int line, const std::string& text) : std::runtime_error(text), line_(line) {}
    // Right after a statement's ";": the text of a // comment on the same
    // line, without the // and one blank after it and without the line end;
    // nothing when no comment follows.
    std::optional<std::string_view> SameLineComment();

    int Line() const { return line_; }

private:
    int line_;
};

enum class TokenKind {
    End,     // the end of the text
    Word,    // keyword or name: letters, digits, _
    Number,  // decimal digits, perhaps with a fraction (1.0)
    Typed,   // a typed constant: DW#16#3C68746D, B#16#4F, L#8
    String,  // '...' with its quotes, escapes not yet decoded
    Symbol,  // := .. : ; [ ] . , and other single characters
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;  // a copy: the text it came from moves on
    int line = 0;
};

// Where a long source comes from, piece by piece: a file is read through
// one buffer that stays in the cache instead of being held whole.
class TextSource {
public:
    virtual ~TextSource() = default;
    // Up to size bytes into dst; 0 at the end. Throws SourceReadError.
    virtual size_t Read(char* dst, size_t size) = 0;
};

// The source itself could not be read (not a fault of its text).
class SourceReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool SameWord(std::string_view a, std::string_view b);  // ignoring ASCII case
int HexDigitValue(char c);                              // 0..15, or -1

class AwlLexer {
public:
    // The whole text at once.
    explicit AwlLexer(std::string_view text);
    // The text read from source as it is needed, whole lines at a time, into
    // a buffer of bufferBytes (it grows for a longer line).
    static constexpr size_t kBufferBytes = size_t{1} << 20;
    explicit AwlLexer(TextSource& source, size_t bufferBytes = kBufferBytes);

    const Token& Peek();
    Token Take();
    // The next token, which must be the symbol or word given.
    Token Expect(std::string_view what);

    // The fast way over a DW line as we write it, "DW[k] := DW#16#", eight
    // digits and ";", with its line comment (nothing without one, as
    // SameLineComment gives it); false, having taken nothing but blanks and
    // line ends, for anything else.
    struct DwordLine {
        int32_t k = 0;
        uint32_t value = 0;
        int line = 0;
        std::optional<std::string_view> comment;
    };
    bool TakeDwordLine(DwordLine& out);

    // Right after a statement's ";": the text of a // comment on the same
    // line, without the // and one blank after it and without the line end;
    // nothing when no comment follows.
    std::optional<std::string_view> SameLineComment();

    int Line() const { return line_; }

private:
    void SkipSpace();
    void NewLine(const char* next);
    // More lines into the buffer once pos_ has reached end_; false at the end.
    bool Refill();
    Token Scan();
    [[noreturn]] void LongLine() const;

    TextSource* source_ = nullptr;
    std::vector<char> buffer_;
    size_t held_ = 0;        // bytes in buffer_
    bool sourceDone_ = true;
    const char* pos_;
    const char* end_;        // after the last whole line held
    const char* limit_;  // where the current line grows too long
    int line_ = 1;
    Token peeked_;
    bool hasPeeked_ = false;
};

} // namespace lumafold::extract
