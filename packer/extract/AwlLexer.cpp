#include "AwlLexer.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace lumafold::extract {
namespace {

// Hex digit values, -1 for anything else.
struct HexDigits {
    std::array<int8_t, 256> value{};
    HexDigits() {
        value.fill(-1);
        for (int c = 0; c < 10; ++c) value['0' + c] = static_cast<int8_t>(c);
        for (int c = 0; c < 6; ++c) {
            value['A' + c] = static_cast<int8_t>(10 + c);
            value['a' + c] = static_cast<int8_t>(10 + c);
        }
    }
};
const HexDigits kHex;

// The value of two hex digits read as one 16-bit load, -1 if either is none:
// a DW line's eight digits in four look-ups.
struct HexPairs {
    std::vector<int16_t> value = std::vector<int16_t>(65536, -1);
    HexPairs() {
        for (int a = 0; a < 256; ++a)
            for (int b = 0; b < 256; ++b) {
                const char pair[2] = {static_cast<char>(a), static_cast<char>(b)};
                uint16_t key = 0;
                std::memcpy(&key, pair, 2);
                if (kHex.value[a] >= 0 && kHex.value[b] >= 0)
                    value[key] = static_cast<int16_t>(kHex.value[a] * 16 + kHex.value[b]);
            }
    }
};
const HexPairs& Pairs() {
    static const HexPairs pairs;
    return pairs;
}

bool IsWordStart(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsWordChar(unsigned char c) { return IsWordStart(c) || IsDigit(c); }
// What may follow the first # of a typed constant: L#-5, DW#16#FF, T#1s.
bool IsTypedChar(unsigned char c) { return IsWordChar(c) || c == '#' || c == '-' || c == '+' || c == '.'; }

std::string ByteText(unsigned char c) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return std::string("byte 0x") + kDigits[c >> 4] + kDigits[c & 15];
}

} // namespace

int HexDigitValue(char c) { return kHex.value[static_cast<unsigned char>(c)]; }

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

AwlLexer::AwlLexer(std::string_view text) : pos_(text.data()), end_(text.data() + text.size()) { NewLine(pos_); }

AwlLexer::AwlLexer(TextSource& source, size_t bufferBytes)
    : source_(&source), buffer_(std::max<size_t>(bufferBytes, 64)), sourceDone_(false), pos_(buffer_.data()),
      end_(buffer_.data()) {
    NewLine(pos_);
    Refill();
}

bool AwlLexer::Refill() {
    if (sourceDone_) return false;
    // What follows the last whole line moves to the front.
    const size_t rest = held_ - static_cast<size_t>(end_ - buffer_.data());
    std::memmove(buffer_.data(), end_, rest);
    held_ = rest;
    const char* lineEnd = nullptr;
    while (!sourceDone_) {
        if (held_ == buffer_.size()) {
            // A whole buffer without a line end: too long, or a small buffer.
            if (buffer_.size() > kMaxLineBytes) {
                NewLine(buffer_.data());
                LongLine();
            }
            buffer_.resize(buffer_.size() * 2);
        }
        const size_t got = source_->Read(buffer_.data() + held_, buffer_.size() - held_);
        sourceDone_ = got == 0;
        held_ += got;
        lineEnd = nullptr;
        for (const char* p = buffer_.data() + held_; p > buffer_.data() && !lineEnd; --p)
            if (p[-1] == '\n') lineEnd = p;
        if (lineEnd && held_ > buffer_.size() / 2) break;
    }
    end_ = sourceDone_ ? buffer_.data() + held_ : lineEnd;
    NewLine(buffer_.data());
    return held_ > 0;
}

void AwlLexer::NewLine(const char* next) {
    pos_ = next;
    limit_ = static_cast<size_t>(end_ - next) > kMaxLineBytes ? next + kMaxLineBytes : end_;
}

void AwlLexer::LongLine() const {
    throw AwlError(line_, "the line is longer than " + std::to_string(kMaxLineBytes) +
                              " bytes: not an AWL source of ours");
}

void AwlLexer::SkipSpace() {
    for (;;) {
        if (pos_ == limit_ && limit_ != end_) LongLine();
        if (pos_ == end_ && !Refill()) return;
        if (pos_ == end_) return;
        const char c = *pos_;
        if (c == '\n') {
            ++line_;
            NewLine(pos_ + 1);
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
            ++pos_;
        } else if (c == '/' && pos_ + 1 < end_ && pos_[1] == '/') {
            const void* nl = std::memchr(pos_, '\n', static_cast<size_t>(limit_ - pos_));
            if (nl == nullptr) {
                if (limit_ != end_) LongLine();
                pos_ = end_;
                return;
            }
            pos_ = static_cast<const char*>(nl);
        } else {
            return;
        }
    }
}

Token AwlLexer::Scan() {
    SkipSpace();
    Token t;
    t.line = line_;
    if (pos_ == end_) return t;
    const char* start = pos_;
    const auto c = static_cast<unsigned char>(*pos_);
    auto run = [&](auto accept) {
        while (pos_ < limit_ && accept(static_cast<unsigned char>(*pos_))) ++pos_;
        if (pos_ == limit_ && limit_ != end_) LongLine();
    };
    if (IsWordStart(c) || IsDigit(c)) {
        const bool word = IsWordStart(c);
        run(IsWordChar);
        t.kind = word ? TokenKind::Word : TokenKind::Number;
        if (pos_ < limit_ && *pos_ == '#') {
            run(IsTypedChar);
            t.kind = TokenKind::Typed;
        } else if (!word && pos_ + 1 < limit_ && pos_[0] == '.' && IsDigit(static_cast<unsigned char>(pos_[1]))) {
            ++pos_;
            run(IsDigit);
        }
    } else if (c == '\'') {
        ++pos_;
        for (;;) {
            if (pos_ == limit_ && limit_ != end_) LongLine();
            if (pos_ == end_ || *pos_ == '\n' || *pos_ == '\r')
                throw AwlError(line_, "a text in quotes is not closed");
            if (*pos_ == '$' && pos_ + 1 < end_ && pos_[1] != '\n') {
                pos_ += 2;
            } else if (*pos_++ == '\'') {
                break;
            }
        }
        t.kind = TokenKind::String;
    } else if ((c == ':' && pos_ + 1 < end_ && pos_[1] == '=') || (c == '.' && pos_ + 1 < end_ && pos_[1] == '.')) {
        pos_ += 2;
        t.kind = TokenKind::Symbol;
    } else if (std::strchr(":;[].,()=+-{}\"", c) != nullptr && c != 0) {
        ++pos_;
        t.kind = TokenKind::Symbol;
    } else {
        throw AwlError(line_, "unexpected " + ByteText(c));
    }
    t.text = std::string_view(start, static_cast<size_t>(pos_ - start));
    return t;
}

const Token& AwlLexer::Peek() {
    if (!hasPeeked_) {
        peeked_ = Scan();
        hasPeeked_ = true;
    }
    return peeked_;
}

Token AwlLexer::Take() {
    Peek();
    hasPeeked_ = false;
    return peeked_;
}

Token AwlLexer::Expect(std::string_view what) {
    const Token t = Take();
    if (t.kind == TokenKind::End)
        throw AwlError(t.line, "the source ends where " + std::string(what) + " should follow: it is cut short");
    if (!SameWord(t.text, what)) throw AwlError(t.line, std::string(what) + " expected, not " + std::string(t.text));
    return t;
}

std::optional<std::string_view> AwlLexer::SameLineComment() {
    if (hasPeeked_) return std::nullopt;
    const char* p = pos_;
    while (p < limit_ && (*p == ' ' || *p == '\t')) ++p;
    if (limit_ - p < 2 || p[0] != '/' || p[1] != '/') return std::nullopt;
    p += 2;
    if (p < limit_ && *p == ' ') ++p;
    const char* lineEnd = p;
    while (lineEnd < limit_ && *lineEnd != '\n') ++lineEnd;
    if (lineEnd == limit_ && limit_ != end_) LongLine();
    pos_ = lineEnd;
    const char* e = lineEnd;
    if (e > p && e[-1] == '\r') --e;
    return std::string_view(p, static_cast<size_t>(e - p));
}

bool AwlLexer::TakeDwordLine(DwordLine& out) {
    if (hasPeeked_) return false;
    const char* p = pos_;
    for (;; ++p) {
        if (p == limit_) {
            pos_ = p;
            return false;  // SkipSpace knows what to do at the limit
        }
        if (*p == '\n') {
            ++line_;
            NewLine(p + 1);
        } else if (*p != ' ' && *p != '\t' && *p != '\r') {
            break;
        }
    }
    pos_ = p;
    static constexpr char kMiddle[] = "] := DW#16#";
    constexpr size_t kMiddleSize = sizeof kMiddle - 1;
    // "DW[" + up to 5 digits + middle + 8 digits + ";" fits well within the line limit.
    if (limit_ - p < static_cast<std::ptrdiff_t>(3 + 5 + kMiddleSize + 9) || std::memcmp(p, "DW[", 3) != 0)
        return false;
    p += 3;
    int32_t n = 0;
    const char* digits = p;
    while (p - digits < 5 && IsDigit(static_cast<unsigned char>(*p))) n = n * 10 + (*p++ - '0');
    if (p == digits || std::memcmp(p, kMiddle, kMiddleSize) != 0) return false;
    p += kMiddleSize;
    const int16_t* pairs = Pairs().value.data();
    uint16_t key[4];
    std::memcpy(key, p, 8);
    const int16_t b0 = pairs[key[0]], b1 = pairs[key[1]], b2 = pairs[key[2]], b3 = pairs[key[3]];
    if ((b0 | b1 | b2 | b3) < 0 || p[8] != ';') return false;
    const uint32_t v = static_cast<uint32_t>(b0) << 24 | static_cast<uint32_t>(b1) << 16 |
                       static_cast<uint32_t>(b2) << 8 | static_cast<uint32_t>(b3);
    out.k = n;
    out.value = v;
    out.line = line_;
    p += 9;
    // Our comment, " // " and four characters, ends its line within a few bytes.
    if (limit_ - p >= 10 && std::memcmp(p, " // ", 4) == 0) {
        const char* text = p + 4;
        const char* e = text;
        while (e < text + 6 && *e != '\n') ++e;
        if (*e == '\n') {
            pos_ = e;
            const char* end = e > text && e[-1] == '\r' ? e - 1 : e;
            out.comment = std::string_view(text, static_cast<size_t>(end - text));
            return true;
        }
    }
    pos_ = p;
    out.comment = SameLineComment();
    return true;
}

} // namespace lumafold::extract
