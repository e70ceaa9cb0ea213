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

AwlWriter::AwlWriter(int fd, std::string outputPath) : fd_(fd), outputPath_(std::move(outputPath)), buf_(kBufferSize) {}

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
            for (int i = 0; i < 4; ++i) std::memcpy(p + 2 * i, hex + 2 * b[i], 2);
            std::memcpy(p + 8, "; // ....\r\n", 11);
            for (int i = 0; i < 4; ++i) p[13 + i] = comment[b[i]];
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
