// Reading AWL sources back: what the generator writes comes back exactly,
// also after what an editor or the S7 tools do to the text, and every kind
// of damage is refused at its line.
#include "AwlReader.h"
#include "FixedLocale.h"
#include "PackedSite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <regex>

namespace lumafold::test {
namespace {

using extract::AwlReadResult;
using extract::ReadAwlSource;

// Hands the text out in small pieces, so that lines cross every read.
class PieceSource final : public extract::TextSource {
public:
    PieceSource(std::string text, size_t piece) : text_(std::move(text)), piece_(piece) {}
    size_t Read(char* dst, size_t size) override {
        const size_t n = std::min({size, piece_, text_.size() - at_});
        std::copy_n(text_.data() + at_, n, dst);
        at_ += n;
        return n;
    }

private:
    std::string text_;
    size_t piece_;
    size_t at_ = 0;
};

class ReadBack : public ::testing::Test {
protected:
    ReadBack() { UseUtcAndCLocale(); }
    std::string Source(const PackedSite& site) { return ReadFile(site.WriteSource(dir)); }
    TempDir dir;
};

// Both ways of reading: the whole text, and pieces through a small buffer.
void ExpectReadsBack(const PackedSite& site, const std::string& text, const std::string& what) {
    SCOPED_TRACE(what);
    const AwlReadResult whole = ReadAwlSource(text);
    ASSERT_TRUE(whole.content) << whole.problem.line << ": " << whole.problem.text;
    ExpectSameFiles(site, *whole.content);
    PieceSource pieces(text, 7);
    const AwlReadResult piecewise = ReadAwlSource(pieces, 64);
    ASSERT_TRUE(piecewise.content) << piecewise.problem.line << ": " << piecewise.problem.text;
    ExpectSameFiles(site, *piecewise.content);
}

TEST_F(ReadBack, RandomSitesComeBackByteForByteAndByName) {
    std::mt19937 rng(20021105);
    struct Case {
        int indexDB;
        int files;
        bool sites;
    };
    for (const Case& c : {Case{1, 40, false}, Case{1, 12, true}, Case{1000, 23, false}, Case{1000, 19, true}}) {
        const PackedSite site = RandomSite(rng, c.indexDB, c.files, c.sites);
        TempDir here;
        ExpectReadsBack(site, ReadFile(site.WriteSource(here)),
                        "IndexDB " + std::to_string(c.indexDB) + ", " + std::to_string(c.files) + " files");
    }
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string ReplacedOnce(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

int LinesIn(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

std::string ReplacedRe(const std::string& text, const std::string& re, const std::string& to) {
    return std::regex_replace(text, std::regex(re), to);
}

// Letters outside quotes and comments in lower case: keywords, names of
// fields, hex digits.
std::string LowerCode(const std::string& text) {
    std::string out = text;
    bool quoted = false, comment = false;
    for (size_t i = 0; i < out.size(); ++i) {
        const char c = out[i];
        if (c == '\n') comment = quoted = false;
        if (comment) continue;
        if (!quoted && c == '/' && i + 1 < out.size() && out[i + 1] == '/') comment = true;
        else if (c == '\'') quoted = !quoted;
        else if (!quoted && c >= 'A' && c <= 'Z') out[i] = static_cast<char>(c + 32);
    }
    return out;
}

TEST_F(ReadBack, ToleratesWhatEditorsAndTheS7ToolsDo) {
    PackedSite site(900);
    site.Add("index.htm", "<html>\r\n");
    site.Add("it's $5.txt", "OK\n");
    site.Add("Ärger.gif", std::string("GIF89a\0\x01\xFF\x7F\x20\x21", 12));
    site.Add("t", "abcdefg");
    site.AddSites();
    const std::string ours = Source(site);
    const std::vector<std::pair<std::string, std::function<std::string(const std::string&)>>> cases = {
        {"our own text", [](const std::string& t) { return t; }},
        {"LF line ends", [](const std::string& t) { return Replaced(t, "\r\n", "\n"); }},
        {"lower-case keywords and digits", LowerCode},
        {"tabs and more blanks", [](const std::string& t) { return Replaced(Replaced(t, "\r\n  ", "\r\n\t "), " := ", "   :=\t"); }},
        {"trailing blanks stripped", [](const std::string& t) { return ReplacedRe(t, "[ ]+\r\n", "\r\n"); }},
        {"every comment gone", [](const std::string& t) { return ReplacedRe(t, "//[^\r\n]*", ""); }},
        {"comments and empty lines added",
         [](const std::string& t) { return Replaced(Replaced(t, "BEGIN\r\n", "BEGIN\r\n// edited\r\n\r\n"), "END_STRUCT", "// x\r\nEND_STRUCT"); }},
        {"another time stamp and header", [](const std::string& t) { return Replaced(t, "05.03.2002 14:07:31", "Tue 12 Mar 2002 10:15:40 AM CET (saved by STEP 7)"); }},
        {"no header at all", [](const std::string& t) { return t.substr(t.find("TYPE")); }},
        {"no line end after the last line", [](const std::string& t) { return t.substr(0, t.size() - 2); }},
        {"DB numbers written with and without blank",
         [](const std::string& t) { return Replaced(Replaced(t, "DATA_BLOCK DB900", "DATA_BLOCK DB 900"), "DATA_BLOCK DB 901", "DATA_BLOCK DB901"); }},
        {"statements split over lines", [](const std::string& t) { return Replaced(t, "].filelen   := ", "].filelen\r\n    :=\r\n"); }},
    };
    for (const auto& [what, edit] : cases) ExpectReadsBack(site, edit(ours), what);
}

struct Damage {
    std::string what;
    std::function<std::string(const std::string&)> edit;
    int line;
    std::string message;  // a part of the refusal's text
};

// Line number of the first line that contains text.
int LineOf(const std::string& source, const std::string& text) {
    const size_t at = source.find(text);
    EXPECT_NE(at, std::string::npos) << text;
    return 1 + static_cast<int>(std::count(source.begin(), source.begin() + static_cast<long>(at), '\n'));
}

std::string Block(const std::string& t, int db) {
    const size_t start = t.find("\r\nDATA_BLOCK DB " + std::to_string(db) + "\r\n");
    const size_t end = t.find("END_DATA_BLOCK\r\n", start) + 16;
    return t.substr(start, end - start);
}

TEST_F(ReadBack, RefusesDamageAtItsLine) {
    PackedSite site(900);
    site.Add("index.htm", "<html>\r\n");
    site.Add("ok.txt", "OK\n");
    site.Add("logo.gif", "GIF89a-12");
    const std::string t = Source(site);
    auto lineOf = [&](const std::string& text) { return LineOf(t, text); };
    const int lines = LinesIn(t);
    const auto noIndex = [](const std::string& s) {
        const size_t from = s.find("DATA_BLOCK DB900");
        return s.substr(0, from) + s.substr(s.find("DATA_BLOCK DB 901"));
    };
    const std::vector<Damage> cases = {
        {"an empty file", [](const std::string&) { return std::string(); }, 1, "the source is empty"},
        {"blanks only", [](const std::string&) { return std::string("\r\n  \r\n"); }, 1, "the source is empty"},
        {"cut inside a content block", [](const std::string& s) { return s.substr(0, s.find("  DW[2] := DW#16#6C3E0D0A")); },
         lineOf("  DW[2] := DW#16#6C3E0D0A"), "cut short"},
        {"cut inside a line", [](const std::string& s) { return s.substr(0, s.find("  DW[2] := DW#16#6C3E0D0A") + 12); },
         lineOf("  DW[2] := DW#16#6C3E0D0A"), "cut short"},
        {"cut after a whole block", [](const std::string& s) { return s.substr(0, s.find(Block(s, 903))); },
         lineOf("files[3].dbno"), "DB 903 of files[3] 'logo.gif' is missing"},
        {"a content block missing", [](const std::string& s) { return Replaced(s, Block(s, 902), ""); },
         lineOf("files[2].dbno"), "DB 902 of files[2] 'ok.txt' is missing"},
        {"a content block twice", [](const std::string& s) { return s + Block(s, 902); }, lines + 2,
         "DB 902 is given twice, first in line " + std::to_string(lineOf("DATA_BLOCK DB 902"))},
        {"a block that no entry names",
         [](const std::string& s) { return s + Replaced(Block(s, 902), "DB 902", "DB 904"); }, lines + 2,
         "DB 904 belongs to no entry"},
        {"a DW index beyond the array",
         [](const std::string& s) { return Replaced(s, "  DW[2] := DW#16#6C3E0D0A; // l>  \r\n", "  DW[2] := DW#16#6C3E0D0A; // l>  \r\n  DW[3] := DW#16#00000000;\r\n"); },
         lineOf("  DW[2] := DW#16#6C3E0D0A") + 1, "DW[3] lies outside ARRAY [1..2] of DB 901"},
        {"a DW array beyond filelen",
         [](const std::string& s) { return Replaced(ReplacedOnce(s, "DW : ARRAY [1..2] OF DWORD", "DW : ARRAY [1..3] OF DWORD"), "  DW[2] := DW#16#6C3E0D0A; // l>  \r\n", "  DW[2] := DW#16#6C3E0D0A; // l>  \r\n  DW[3] := DW#16#00000000;\r\n"); },
         lineOf("DW : ARRAY [1..2] OF DWORD"), "DB 901 holds 12 bytes (DW 1..3, B 1..0), but its filelen in line " + std::to_string(lineOf("files[1].filelen")) + " is 8"},
        {"a byte count beyond filelen", [](const std::string& s) { return Replaced(s, "filelen   := L#3;", "filelen   := L#2;"); },
         lineOf("B  : ARRAY [1..3] OF BYTE"), "DB 902 holds 3 bytes (DW 1..0, B 1..3), but its filelen"},
        {"a B index beyond the array", [](const std::string& s) { return Replaced(s, "  B[3] := B#16#A; //  ", "  B[4] := B#16#A; //  "); },
         lineOf("  B[3] := B#16#A"), "B[4] lies outside ARRAY [1..3] of DB 902"},
        {"a value missing", [](const std::string& s) { return Replaced(s, "  B[2] := B#16#4B; // K\r\n", ""); },
         lineOf("  B[3] := B#16#A"), "B[2] of DB 902 has no value"},
        {"a value twice", [](const std::string& s) { return Replaced(s, "  B[3] := B#16#A; //  \r\n", "  B[3] := B#16#A; //  \r\n  B[3] := B#16#A;\r\n"); },
         lineOf("  B[3] := B#16#A") + 1, "B[3] of DB 902 is given twice"},
        {"a digit that is not hexadecimal", [](const std::string& s) { return Replaced(s, "DW#16#3C68746D", "DW#16#3C68746G"); },
         lineOf("DW#16#3C68746D"), "'G' is no hexadecimal digit: DW#16#3C68746G"},
        {"a hex digit changed", [](const std::string& s) { return Replaced(s, "DW#16#3C68746D", "DW#16#3C68747D"); },
         lineOf("DW#16#3C68746D"), "disagrees with its comment // <htm"},
        {"nine hex digits", [](const std::string& s) { return Replaced(s, "DW#16#3C68746D", "DW#16#3C68746D0"); },
         lineOf("DW#16#3C68746D"), "more than 8 digits in DW#16#3C68746D0"},
        {"a line of 100000 bytes", [](const std::string& s) { return Replaced(s, "/data/ok.txt", "/data/" + std::string(100000, 'x')); },
         lineOf("/data/ok.txt"), "the line is longer than 65536 bytes"},
        {"a text in quotes not closed", [](const std::string& s) { return Replaced(s, "'ok.txt';", "'ok.txt;"); },
         lineOf("'ok.txt'"), "a text in quotes is not closed"},
        {"an offset other than 0", [](const std::string& s) { return Replaced(s, "files[2].fileoffs  := L#0;", "files[2].fileoffs  := L#4;"); },
         lineOf("files[2].fileoffs"), "files[2].fileoffs is not 0"},
        {"an entry beyond the index's array", [](const std::string& s) { return Replaced(s, "files[3].dbno", "files[4].dbno"); },
         lineOf("files[3].dbno"), "files[4] lies outside ARRAY [1..3]"},
        {"an entry without its block number", [](const std::string& s) { return Replaced(s, "  files[3].dbno      := 903;\r\n", ""); },
         lineOf("DATA_BLOCK DB900"), "files[3].dbno is not given"},
        {"two entries naming one block", [](const std::string& s) { return Replaced(s, "dbno      := 903;", "dbno      := 902;"); },
         lineOf("files[3].dbno"), "files[3] and files[2] both name DB 902"},
        {"a filelen of 0", [](const std::string& s) { return Replaced(s, "filelen   := L#3;", "filelen   := L#0;"); },
         lineOf("files[2].filelen"), "files[2].filelen is 0, not 1 to 32767"},
        {"an index block without its files", [](const std::string& s) { return Replaced(s, "files         : ARRAY", "fils          : ARRAY"); },
         lineOf("DATA_BLOCK DB900"), "DB 900 holds neither a file index (files) nor file bytes"},
        {"no index block", noIndex, LinesIn(noIndex(t)) + 1, "no index block"},
        {"two index blocks", [](const std::string& s) { return s + Replaced(s.substr(s.find("DATA_BLOCK DB900"), s.find("DATA_BLOCK DB 901") - s.find("DATA_BLOCK DB900")), "DB900", "DB800"); },
         lines + 1, "a second index block, the first is DB 900"},
        {"something else after the blocks", [](const std::string& s) { return s + "FUNCTION FC 1\r\n"; }, lines + 1,
         "TYPE or DATA_BLOCK expected, not FUNCTION"},
        {"a control byte", [](const std::string& s) { return ReplacedOnce(s, "READ_ONLY", std::string("READ\0ONLY", 9)); },
         lineOf("READ_ONLY"), "unexpected byte 0x00"},
    };
    for (const Damage& c : cases) {
        SCOPED_TRACE(c.what);
        const AwlReadResult r = ReadAwlSource(c.edit(t));
        ASSERT_FALSE(r.content);
        EXPECT_FALSE(r.unreadable);
        EXPECT_EQ(r.problem.line, c.line) << r.problem.text;
        EXPECT_NE(r.problem.text.find(c.message), std::string::npos) << r.problem.text;
    }
}

TEST_F(ReadBack, TakesOnlyNamesThatStayInTheDirectory) {
    PackedSite site(900);
    site.Add("x.bin", "1234");
    site.Add("y.bin", "5678");
    const std::string t = Source(site);
    const int line = LineOf(t, "files[1].filename");
    struct Case {
        std::string literal;  // as the source holds it
        std::string refusal;  // empty: taken, as name
        std::string name;
    };
    const std::vector<Case> cases = {
        {"'..'", "would leave the directory", ""},
        {"'.'", "would leave the directory", ""},
        {"''", "an empty name", ""},
        {"'/etc/passwd'", "a path separator", ""},
        {"'../x.bin'", "a path separator", ""},
        {"'a\\b'", "a path separator", ""},
        {"'C:x'", "a drive or stream mark", ""},
        {"'a$0Ab'", "a control byte", ""},
        {"'a$Lb'", "a control byte", ""},
        {"'a$7Fb'", "a control byte", ""},
        {"'CON'", "the name of a device", ""},
        {"'nul.txt'", "the name of a device", ""},
        {"'com1.htm'", "the name of a device", ""},
        {"'LPT9'", "the name of a device", ""},
        {"'a$81'", "a byte the code page does not define", ""},
        {"'a$Qb'", "the unknown escape $Q", ""},
        {"'y.bin'", "'y.bin' is the name of files[1] too", ""},
        {"'Y.BIN'", "'y.bin' is the name of files[1] too", ""},
        {"'it$'s'", "", "it's"},
        {"'a$$b c'", "", "a$b c"},
        {"'$E4rger.htm'", "", "\xC3\xA4rger.htm"},
        {"'\xE4rger.htm'", "", "\xC3\xA4rger.htm"},
        {"'console.htm'", "", "console.htm"},
        {"'com10'", "", "com10"},
        {"'...'", "", "..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.literal);
        const AwlReadResult r = ReadAwlSource(Replaced(t, "'x.bin'", c.literal));
        if (c.refusal.empty()) {
            ASSERT_TRUE(r.content) << r.problem.text;
            EXPECT_EQ(r.content->files[0].name, c.name);
            continue;
        }
        ASSERT_FALSE(r.content);
        EXPECT_EQ(r.problem.line, c.literal == "'y.bin'" || c.literal == "'Y.BIN'" ? LineOf(t, "files[2].filename") : line);
        EXPECT_NE(r.problem.text.find(c.refusal), std::string::npos) << r.problem.text;
    }
}

} // namespace
} // namespace lumafold::test
