#include "AwlWriter.h"

#include "AtomicFile.h"
#include "CodePage.h"
#include "PlannedContent.h"
#include "S7Text.h"
#include "TitleText.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <bit>
#include <fcntl.h>
#include <unistd.h>

namespace lumafold {
namespace {

constexpr size_t kBufferSize = size_t{1} << 20;
constexpr size_t kLineRoom = 128;  // more than the longest data line

struct Tables {
    std::array<char, 512> hex2{};    // two upper-case digits per byte
    std::array<char, 256> comment{}; // the comment character of a byte
    Tables() {
        static constexpr char kHex[] = "0123456789ABCDEF";
        for (int b = 0; b < 256; ++b) {
            hex2[2 * b] = kHex[b >> 4];
            hex2[2 * b + 1] = kHex[b & 15];
            comment[b] = b > 32 ? static_cast<char>(b) : ' ';
        }
    }
};
const Tables kTables;

// "  DW[k] := DW#16#" for every k a content block can have, each in a slot
// of fixed size: copying a whole slot is cheaper than formatting the number.
class DwordLineStarts {
public:
    static constexpr size_t kSlot = 32;
    static const DwordLineStarts& Get() {
        static const DwordLineStarts starts;
        return starts;
    }
    // Writes the start of DW line k (1..kMaxPackedBytes / 4) and returns its end.
    char* Put(char* p, int32_t k) const {
        const size_t i = static_cast<size_t>(k - 1);
        std::memcpy(p, text_.data() + kSlot * i, kSlot);
        return p + size_[i];
    }

private:
    DwordLineStarts() : text_(kSlot * kCount), size_(kCount) {
        for (size_t i = 0; i < kCount; ++i) {
            const std::string start = "  DW[" + std::to_string(i + 1) + "] := DW#16#";
            std::memcpy(text_.data() + kSlot * i, start.data(), start.size());
            size_[i] = static_cast<unsigned char>(start.size());
        }
    }
    static constexpr size_t kCount = kMaxPackedBytes / 4;
    std::vector<char> text_;
    std::vector<unsigned char> size_;
};

// The eight upper-case hex digits of four bytes (as they lie in memory, on
// a little-endian machine), computed at once in one register: each byte's
// high and low nibble get a byte of their own, and 7 more goes to each
// nibble above 9 so that 10 becomes A.
static_assert(std::endian::native == std::endian::little, "the DW digits are built for a little-endian machine");
uint64_t HexDigits(uint32_t four) {
    uint64_t v = four;
    v = (v | v << 16) & 0x0000FFFF0000FFFFull;
    v = (v | v << 8) & 0x00FF00FF00FF00FFull;  // byte i in the low half of 16-bit lane i
    const uint64_t nibbles = ((v >> 4) & 0x000F000F000F000Full) | ((v & 0x000F000F000F000Full) << 8);
    const uint64_t letters = ((nibbles + 0x0606060606060606ull) >> 4) & 0x0101010101010101ull;
    return nibbles + 0x3030303030303030ull + letters * 7;
}

// The comment characters of four bytes at once: a blank for every byte of
// value 0 to 32, the byte itself above.
uint32_t CommentCharacters(uint32_t x) {
    const uint32_t low7 = x & 0x7F7F7F7Fu;
    // Bit 7 of a byte ends up set where the byte is above 32 (adding 95 to
    // its low seven bits carries into bit 7 from 33 on), or is 128 and more.
    const uint32_t above = ((low7 + 0x5F5F5F5Fu) | x) & 0x80808080u;
    const uint32_t blank = (~above & 0x80808080u) >> 7;  // 1 in each byte to blank
    const uint32_t mask = blank * 0xFFu;
    return (x & ~mask) | (0x20202020u & mask);
}

char* PutText(char* p, const char* text, size_t n) {
    std::memcpy(p, text, n);
    return p + n;
}

template <size_t N>
char* PutLit(char* p, const char (&text)[N]) {
    return PutText(p, text, N - 1);
}

char* PutNumber(char* p, long long value) { return std::to_chars(p, p + 24, value).ptr; }

std::string Number(long long value) { return std::to_string(value); }

// A content text in the code page: the time stamp comes from the locale.
std::string CodePageText(const std::string& utf8) {
    auto cp = ToCodePage(utf8);
    return cp ? *cp : utf8;
}

} // namespace

AwlWriter::AwlWriter(int fd, std::string outputPath) : fd_(fd), outputPath_(std::move(outputPath)) {}

void AwlWriter::Flush() {
    if (error_ == 0) error_ = WriteAll(fd_, buf_.data(), used_);
    used_ = 0;
}

void AwlWriter::Put(const char* text, size_t size) {
    while (size > 0) {
        if (used_ == buf_.size()) Flush();
        const size_t n = std::min(size, buf_.size() - used_);
        std::memcpy(buf_.data() + used_, text, n);
        used_ += n;
        text += n;
        size -= n;
    }
}

void AwlWriter::Line(const std::string& text) {
    Put(text);
    Put("\r\n", 2);
}

void AwlWriter::WriteHeader(const BlockPlan& plan, const std::string& timeStampCp) {
    const std::string udt = Number(plan.indexDB);
    Line(std::string("// Generated with : ") + kTitleText);
    Line("// " + timeStampCp);
    Line("// " + std::string(76, '-'));
    Line("");
    Line("TYPE UDT " + udt);
    Line("  STRUCT");
    Line("    filename : STRING[40];");
    Line("    filelen  : DINT;");
    Line("    fileoffs : DINT;");
    Line("    dbno     : INT;");
    Line("  END_STRUCT;");
    Line("END_TYPE");
    Line("");
}

void AwlWriter::WriteIndexBlock(const BlockPlan& plan) {
    const std::string db = Number(plan.indexDB);
    Line("DATA_BLOCK DB" + db);
    Line("FAMILY  : WEB_DB");
    Line("AUTHOR  : ZALT");
    Line("VERSION : 1.0");
    Line("READ_ONLY");
    Line("  STRUCT");
    Line("    DirOffset     : INT := 6;");
    Line("    PassWordLevel : WORD;");
    Line("    LiveCounter   : WORD;");
    Line("    files         : ARRAY [1.." + Number(plan.Count()) + "] OF UDT " + db + ";");
    Line("  END_STRUCT;");
    Line("");
    Line("BEGIN");
    Line("  DirOffset     := 6;");
    Line("  PassWordLevel := W#16#0;");
    Line("  LiveCounter   := W#16#0;");
    Line("");
    for (const PlannedEntry& e : plan.entries) {
        const std::string element = "  files[" + Number(e.position) + "].";
        Line("  // " + CommentText(e.sourceCp));
        Line(element + "filename  := '" + S7StringContent(e.nameCp) + "';");
        Line(element + "filelen   := L#" + Number(e.length) + ";");
        Line(element + "fileoffs  := L#0;");
        Line(element + "dbno      := " + Number(e.dbNumber) + ";");
        Line("");
    }
    Line("END_DATA_BLOCK");
}

void AwlWriter::WriteContentBlock(const PlannedEntry& e, const unsigned char* bytes, WriteProgress* progress) {
    const int32_t d = e.Dwords();
    const int32_t r = e.Bytes();
    Line("");
    Line("DATA_BLOCK DB " + Number(e.dbNumber));
    Line("FAMILY  : WEB_DB");
    Line("AUTHOR  : ZALT");
    Line("VERSION : 1.0");
    Line("READ_ONLY");
    Line("  STRUCT");
    if (d > 0) Line("    DW : ARRAY [1.." + Number(d) + "] OF DWORD;");
    if (r > 0) Line("    B  : ARRAY [1.." + Number(r) + "] OF BYTE;");
    Line("  END_STRUCT ;");
    Line("");
    Line("BEGIN");
    const char* hex = kTables.hex2.data();
    const char* comment = kTables.comment.data();
    const DwordLineStarts& starts = DwordLineStarts::Get();
    for (int32_t first = 1, last = 0; first <= d; first = last + 1) {
        const int32_t lines = progress ? std::clamp(progress->BeforeDwordLine(4 * (first - 1)), 1, d) : d;
        last = std::min(d, first + lines - 1);
        for (int32_t k = first; k <= last; ++k) {
            if (buf_.size() - used_ < kLineRoom) Flush();
            const unsigned char* b = bytes + 4 * (k - 1);
            char* p = starts.Put(buf_.data() + used_, k);
            // The eight digits as one store, the four comment characters from
            // one load of the four bytes.
            uint32_t four;
            std::memcpy(&four, b, 4);
            const uint64_t digits = HexDigits(four);
            std::memcpy(p, &digits, 8);
            std::memcpy(p + 8, "; // ....\r\n", 11);
            four = CommentCharacters(four);
            std::memcpy(p + 13, &four, 4);
            used_ = static_cast<size_t>(p + 19 - buf_.data());
        }
    }
    for (int32_t m = 1; m <= r; ++m) {
        if (buf_.size() - used_ < kLineRoom) Flush();
        const unsigned char c = bytes[4 * d + m - 1];
        char* p = buf_.data() + used_;
        p = PutLit(p, "  B[");
        p = PutNumber(p, m);
        p = PutLit(p, "] := B#16#");
        p = c < 16 ? PutText(p, hex + 2 * c + 1, 1) : PutText(p, hex + 2 * c, 2);
        p = PutLit(p, "; // ");
        *p++ = comment[c];
        p = PutLit(p, "\r\n");
        used_ = static_cast<size_t>(p - buf_.data());
    }
    Line("END_DATA_BLOCK");
}

std::optional<WriteFailure> AwlWriter::Write(const BlockPlan& plan, const std::string& timeStamp, WriteProgress* progress) {
    auto outputFailure = [&]() -> std::optional<WriteFailure> {
        if (error_ == 0) return std::nullopt;
        return WriteFailure{WriteFailure::Where::Output, outputPath_, std::strerror(error_)};
    };
    // A small plan needs no large buffer (a source is some ten times its input).
    const auto text = static_cast<size_t>(plan.TotalBytes()) * 10 + 400 * static_cast<size_t>(plan.Count()) + 4096;
    buf_.resize(std::min(kBufferSize, text));
    WriteHeader(plan, CodePageText(timeStamp));
    WriteIndexBlock(plan);
    for (const PlannedEntry& e : plan.entries) {
        if (auto failure = outputFailure()) return failure;
        if (progress) progress->BlockStarted(e);
        if (auto failure = ReadPlannedContent(e, content_)) return failure;
        WriteContentBlock(e, content_.data(), progress);
    }
    Flush();
    return outputFailure();
}

} // namespace lumafold
