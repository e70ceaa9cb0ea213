#include "AwlReader.h"

#include "AwlLexer.h"
#include "CodePage.h"
#include "PackedName.h"

#include <map>
#include <string>

namespace lumafold::extract {
namespace {

constexpr int32_t kMaxFileBytes = 32767;
constexpr int kMaxEntries = 1023;

std::string Quoted(std::string_view s) { return "'" + std::string(s) + "'"; }
std::string Num(long long n) { return std::to_string(n); }

// One declaration of a block's STRUCT.
struct Declaration {
    std::string name;
    bool array = false;
    long long low = 0, high = 0;
    std::string type;  // the element type of an array, else the type
    int line = 0;
};

// One element files[j] of the index, as far as it has been given.
struct Element {
    std::optional<std::string> nameCp;
    std::optional<long long> length;
    std::optional<long long> dbno;
    bool offsetGiven = false;
    int nameLine = 0, lengthLine = 0, dbnoLine = 0;
};

struct ContentBlock {
    int db = 0;
    int line = 0;      // DATA_BLOCK
    int declLine = 0;  // the first array declaration
    int32_t dwords = 0, bytes = 0;
    std::string data;            // 4 * dwords + bytes
    std::vector<uint8_t> given;  // per DW element, then per B element
};

class Reader {
public:
    explicit Reader(std::string_view text) : lex_(text) {}
    Reader(TextSource& source, size_t bufferBytes) : lex_(source, bufferBytes) {}

    AwlContent Read() {
        while (lex_.Peek().kind != TokenKind::End) {
            const Token t = lex_.Take();
            if (SameWord(t.text, "TYPE")) {
                SkipType(t.line);
            } else if (SameWord(t.text, "DATA_BLOCK")) {
                DataBlock(t.line);
            } else {
                throw AwlError(t.line, "TYPE or DATA_BLOCK expected, not " + std::string(t.text));
            }
        }
        return Checked();
    }

private:
    [[noreturn]] void CutShort(int line) const {
        throw AwlError(line, "the source ends inside " + where_ + ": it is cut short");
    }

    Token Next() {
        Token t = lex_.Take();
        if (t.kind == TokenKind::End) CutShort(t.line);
        return t;
    }

    void Expect(std::string_view what) {
        if (lex_.Peek().kind == TokenKind::End) CutShort(lex_.Peek().line);
        lex_.Expect(what);
    }

    long long Integer(const Token& t, const std::string& what) {
        if (t.kind != TokenKind::Number || t.text.size() > 9 || t.text.find('.') != std::string_view::npos)
            throw AwlError(t.line, what + " expected, not " + std::string(t.text));
        return std::stoll(std::string(t.text));
    }

    // DB 901, DB901, UDT 900, UDT900.
    int BlockNumber(std::string_view kind) {
        const Token t = Next();
        if (t.kind == TokenKind::Word && SameWord(t.text, kind)) return static_cast<int>(Integer(Next(), "a number"));
        if (t.kind == TokenKind::Word && t.text.size() > kind.size() && SameWord(t.text.substr(0, kind.size()), kind)) {
            const std::string_view digits = std::string_view(t.text).substr(kind.size());
            if (digits.size() <= 5 && digits.find_first_not_of("0123456789") == std::string_view::npos)
                return std::stoi(std::string(digits));
        }
        throw AwlError(t.line, std::string(kind) + " and a number expected, not " + std::string(t.text));
    }

    void SkipType(int line) {
        where_ = "the TYPE from line " + Num(line);
        for (;;) {
            const Token t = Next();
            if (SameWord(t.text, "END_TYPE")) return;
            if (SameWord(t.text, "DATA_BLOCK") || SameWord(t.text, "TYPE"))
                throw AwlError(t.line, "END_TYPE expected before " + std::string(t.text));
        }
    }

    std::vector<Declaration> Struct() {
        std::vector<Declaration> decls;
        for (;;) {
            Token t = Next();
            if (SameWord(t.text, "END_STRUCT")) break;
            if (t.kind != TokenKind::Word) throw AwlError(t.line, "a name expected, not " + std::string(t.text));
            Declaration d;
            d.name = t.text;
            d.line = t.line;
            Expect(":");
            t = Next();
            if (SameWord(t.text, "ARRAY")) {
                d.array = true;
                Expect("[");
                d.low = Integer(Next(), "a bound");
                Expect("..");
                d.high = Integer(Next(), "a bound");
                Expect("]");
                Expect("OF");
                t = Next();
            }
            d.type = t.text;
            for (t = Next(); t.text != ";"; t = Next()) {
                if (SameWord(t.text, "END_STRUCT") || SameWord(t.text, "BEGIN"))
                    throw AwlError(t.line, "; expected before " + std::string(t.text));
            }
            decls.push_back(d);
        }
        if (lex_.Peek().text == ";") lex_.Take();
        return decls;
    }

    void DataBlock(int line) {
        const int db = BlockNumber("DB");
        where_ = "DB " + Num(db) + " (from line " + Num(line) + ")";
        if (auto first = blockLines_.find(db); first != blockLines_.end())
            throw AwlError(line, "DB " + Num(db) + " is given twice, first in line " + Num(first->second));
        blockLines_[db] = line;
        for (Token t = Next(); !SameWord(t.text, "STRUCT"); t = Next()) {
            if (SameWord(t.text, "BEGIN") || SameWord(t.text, "END_DATA_BLOCK") || SameWord(t.text, "DATA_BLOCK"))
                throw AwlError(t.line, "STRUCT expected before " + std::string(t.text));
        }
        const std::vector<Declaration> decls = Struct();
        Expect("BEGIN");
        const Declaration* files = nullptr;
        const Declaration* dw = nullptr;
        const Declaration* b = nullptr;
        for (const Declaration& d : decls) {
            if (SameWord(d.name, "files")) files = &d;
            if (SameWord(d.name, "DW")) dw = &d;
            if (SameWord(d.name, "B")) b = &d;
        }
        if (files && !dw && !b) return IndexBlock(db, line, *files);
        if (!files && (dw || b)) return ContentBlockOf(db, line, dw, b);
        throw AwlError(line, "DB " + Num(db) + " holds neither a file index (files) nor file bytes (DW, B)");
    }

    static void CheckArray(const Declaration& d, std::string_view type, long long maxHigh) {
        if (!d.array || !SameWord(d.type, type))
            throw AwlError(d.line, std::string(d.name) + " must be an ARRAY OF " + std::string(type));
        if (d.low != 1 || d.high < 1 || d.high > maxHigh)
            throw AwlError(d.line, "ARRAY [" + Num(d.low) + ".." + Num(d.high) + "] of " + std::string(d.name) +
                                       ": the bounds must be 1 to at most " + Num(maxHigh));
    }

    // files[j].field := value; and the three fixed values before them.
    void IndexBlock(int db, int line, const Declaration& files) {
        if (indexDB_) throw AwlError(line, "a second index block, the first is DB " + Num(*indexDB_));
        if (!SameWord(files.type.substr(0, 3), "UDT")) throw AwlError(files.line, "files must be an ARRAY OF UDT");
        CheckArray(files, files.type.substr(0, 3), kMaxEntries);
        indexDB_ = db;
        indexLine_ = line;
        elements_.assign(static_cast<size_t>(files.high), Element{});
        for (Token t = Next(); !SameWord(t.text, "END_DATA_BLOCK"); t = Next()) {
            if (t.kind != TokenKind::Word) throw AwlError(t.line, "a name expected, not " + std::string(t.text));
            if (!SameWord(t.text, "files")) {
                if (!SameWord(t.text, "DirOffset") && !SameWord(t.text, "PassWordLevel") &&
                    !SameWord(t.text, "LiveCounter"))
                    throw AwlError(t.line, "the index block has no value " + std::string(t.text));
                Expect(":=");
                Next();
                Expect(";");
                continue;
            }
            Expect("[");
            const long long j = Integer(Next(), "an element number");
            Expect("]");
            if (j < 1 || j > files.high)
                throw AwlError(t.line, "files[" + Num(j) + "] lies outside ARRAY [1.." + Num(files.high) + "]");
            Expect(".");
            const Token field = Next();
            Expect(":=");
            const Token value = Next();
            Expect(";");
            IndexValue(elements_[static_cast<size_t>(j - 1)], j, field, value);
        }
    }

    static long long LongValue(const Token& v, const std::string& what) {
        std::string_view digits = v.text;
        if (v.kind == TokenKind::Typed && v.text.size() > 2 && SameWord(v.text.substr(0, 2), "L#")) {
            digits = std::string_view(v.text).substr(2);
        } else if (v.kind != TokenKind::Number) {
            throw AwlError(v.line, what + ": a number expected, not " + std::string(v.text));
        }
        const bool negative = !digits.empty() && digits[0] == '-';
        if (negative) digits.remove_prefix(1);
        if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string_view::npos)
            throw AwlError(v.line, what + ": not a number we can take: " + std::string(v.text));
        const long long n = std::stoll(std::string(digits));
        return negative ? -n : n;
    }

    void IndexValue(Element& e, long long j, const Token& field, const Token& value) {
        const std::string what = "files[" + Num(j) + "]." + std::string(field.text);
        auto once = [&](bool given) {
            if (given) throw AwlError(field.line, what + " is given twice");
        };
        if (SameWord(field.text, "filename")) {
            once(e.nameCp.has_value());
            if (value.kind != TokenKind::String)
                throw AwlError(value.line, what + ": a name in quotes expected, not " + std::string(value.text));
            std::string problem;
            e.nameCp = DecodeS7String(value.text, problem);
            if (!e.nameCp) throw AwlError(value.line, what + ": " + problem);
            e.nameLine = field.line;
        } else if (SameWord(field.text, "filelen")) {
            once(e.length.has_value());
            e.length = LongValue(value, what);
            e.lengthLine = field.line;
            if (*e.length < 1 || *e.length > kMaxFileBytes)
                throw AwlError(field.line, what + " is " + Num(*e.length) + ", not 1 to " + Num(kMaxFileBytes));
        } else if (SameWord(field.text, "fileoffs")) {
            once(e.offsetGiven);
            e.offsetGiven = true;
            if (LongValue(value, what) != 0)
                throw AwlError(field.line, what + " is not 0: the file does not start its block");
        } else if (SameWord(field.text, "dbno")) {
            once(e.dbno.has_value());
            e.dbno = LongValue(value, what);
            e.dbnoLine = field.line;
        } else {
            throw AwlError(field.line, "files[" + Num(j) + "] has no field " + std::string(field.text));
        }
    }

    void ContentBlockOf(int db, int line, const Declaration* dw, const Declaration* b) {
        ContentBlock c;
        c.db = db;
        c.line = line;
        c.declLine = dw ? dw->line : b->line;
        if (dw) {
            CheckArray(*dw, "DWORD", kMaxFileBytes / 4);
            c.dwords = static_cast<int32_t>(dw->high);
        }
        if (b) {
            CheckArray(*b, "BYTE", 3);
            c.bytes = static_cast<int32_t>(b->high);
        }
        c.data.assign(static_cast<size_t>(4 * c.dwords + c.bytes), '\0');
        c.given.assign(static_cast<size_t>(c.dwords + c.bytes), 0);
        ContentValues(c);
        contents_.emplace(db, std::move(c));
    }

    void StoreDword(ContentBlock& c, long long k, uint32_t v, int line) {
        if (k < 1 || k > c.dwords)
            throw AwlError(line, "DW[" + Num(k) + "] lies outside ARRAY [1.." + Num(c.dwords) + "] of DB " + Num(c.db));
        uint8_t& given = c.given[static_cast<size_t>(k - 1)];
        if (given) throw AwlError(line, "DW[" + Num(k) + "] of DB " + Num(c.db) + " is given twice");
        given = 1;
        char* p = c.data.data() + 4 * (k - 1);
        p[0] = static_cast<char>(v >> 24);
        p[1] = static_cast<char>(v >> 16);
        p[2] = static_cast<char>(v >> 8);
        p[3] = static_cast<char>(v);
    }

    void StoreByte(ContentBlock& c, long long m, uint32_t v, int line) {
        if (m < 1 || m > c.bytes)
            throw AwlError(line, "B[" + Num(m) + "] lies outside ARRAY [1.." + Num(c.bytes) + "] of DB " + Num(c.db));
        uint8_t& given = c.given[static_cast<size_t>(c.dwords + m - 1)];
        if (given) throw AwlError(line, "B[" + Num(m) + "] of DB " + Num(c.db) + " is given twice");
        given = 1;
        c.data[static_cast<size_t>(4 * c.dwords + m - 1)] = static_cast<char>(v);
    }

    // prefix#16#digits, such as DW#16#3C68746D or B#16#A.
    static uint32_t HexValue(const Token& v, std::string_view prefix, size_t maxDigits) {
        const std::string form = std::string(prefix) + "#16#";
        if (v.kind != TokenKind::Typed || v.text.size() <= form.size() || !SameWord(v.text.substr(0, form.size()), form))
            throw AwlError(v.line, form + " and hexadecimal digits expected, not " + std::string(v.text));
        const std::string_view digits = std::string_view(v.text).substr(form.size());
        if (digits.size() > maxDigits)
            throw AwlError(v.line, "more than " + Num(static_cast<long long>(maxDigits)) + " digits in " +
                                       std::string(v.text));
        uint32_t value = 0;
        for (char ch : digits) {
            const int d = HexDigitValue(ch);
            if (d < 0) throw AwlError(v.line, Quoted(std::string(1, ch)) + " is no hexadecimal digit: " + std::string(v.text));
            value = (value << 4) | static_cast<uint32_t>(d);
        }
        return value;
    }

    void ContentValues(ContentBlock& c) {
        AwlLexer::DwordLine dword;
        for (;;) {
            if (lex_.TakeDwordLine(dword)) {
                StoreDword(c, dword.k, dword.value, dword.line);
                CheckComment(c, 4 * (dword.k - 1), 4, dword.comment, dword.line);
                continue;
            }
            const Token t = Next();
            if (SameWord(t.text, "END_DATA_BLOCK")) return Complete(c, t.line);
            const bool isDw = SameWord(t.text, "DW");
            if (!isDw && !SameWord(t.text, "B"))
                throw AwlError(t.line, "DW[...] or B[...] expected in DB " + Num(c.db) + ", not " + std::string(t.text));
            Expect("[");
            const long long index = Integer(Next(), "an element number");
            Expect("]");
            Expect(":=");
            const Token value = Next();
            Expect(";");
            if (isDw) {
                StoreDword(c, index, HexValue(value, "DW", 8), t.line);
                CheckComment(c, 4 * (index - 1), 4, lex_.SameLineComment(), t.line);
            } else {
                StoreByte(c, index, HexValue(value, "B", 2), t.line);
                CheckComment(c, 4 * c.dwords + index - 1, 1, lex_.SameLineComment(), t.line);
            }
        }
    }

    // Our comment shows the value's bytes as characters (a blank for 0 to 32):
    // where it is there, a digit changed by hand shows up against it. Blanks
    // at its end may have been stripped; a longer comment is someone else's.
    static void CheckComment(const ContentBlock& c, long long first, size_t count,
                             const std::optional<std::string_view>& comment, int line) {
        if (!comment || comment->size() > count) return;
        for (size_t i = 0; i < count; ++i) {
            const auto b = static_cast<unsigned char>(c.data[static_cast<size_t>(first) + i]);
            const char shown = b > 32 ? static_cast<char>(b) : ' ';
            if ((i < comment->size() ? (*comment)[i] : ' ') != shown)
                throw AwlError(line, "the value in DB " + Num(c.db) + " disagrees with its comment // " +
                                         std::string(*comment) + ": a digit or the comment was changed");
        }
    }

    static void Complete(const ContentBlock& c, int endLine) {
        for (size_t i = 0; i < c.given.size(); ++i) {
            if (c.given[i]) continue;
            const bool dword = i < static_cast<size_t>(c.dwords);
            const long long n = dword ? static_cast<long long>(i) + 1 : static_cast<long long>(i) - c.dwords + 1;
            throw AwlError(endLine, std::string(dword ? "DW[" : "B[") + Num(n) + "] of DB " + Num(c.db) + " has no value");
        }
    }

    int LastLine() { return lex_.Peek().line; }

    // The index against the content blocks, and every name.
    AwlContent Checked() {
        if (!indexDB_) {
            if (blockLines_.empty()) throw AwlError(1, "the source is empty: no data block in it");
            throw AwlError(LastLine(), "no index block (files : ARRAY [1..n] OF UDT) in the source");
        }
        AwlContent out;
        out.indexDB = *indexDB_;
        std::map<long long, long long> elementOfDb;
        for (size_t i = 0; i < elements_.size(); ++i) {
            const Element& e = elements_[i];
            const long long j = static_cast<long long>(i) + 1;
            auto missing = [&](const char* field) {
                throw AwlError(indexLine_, "files[" + Num(j) + "]." + field + " is not given in the index block");
            };
            if (!e.nameCp) missing("filename");
            if (!e.length) missing("filelen");
            if (!e.dbno) missing("dbno");
            if (auto [it, fresh] = elementOfDb.emplace(*e.dbno, j); !fresh)
                throw AwlError(e.dbnoLine, "files[" + Num(j) + "] and files[" + Num(it->second) + "] both name DB " +
                                               Num(*e.dbno));
            out.files.push_back(FileOf(e, j));
        }
        for (const auto& [db, c] : contents_) {
            if (!elementOfDb.count(db))
                throw AwlError(c.line, "DB " + Num(db) + " belongs to no entry of the index block");
        }
        CheckNames(out.files);
        return out;
    }

    PackedFile FileOf(const Element& e, long long j) {
        auto it = contents_.find(*e.dbno);
        if (it == contents_.end())
            throw AwlError(e.dbnoLine, "DB " + Num(*e.dbno) + " of files[" + Num(j) + "] " + Quoted(*e.nameCp) +
                                           " is missing from the source");
        ContentBlock& c = it->second;
        if (static_cast<long long>(c.data.size()) != *e.length || c.dwords != *e.length / 4)
            throw AwlError(c.declLine, "DB " + Num(c.db) + " holds " + Num(static_cast<long long>(c.data.size())) +
                                           " bytes (DW 1.." + Num(c.dwords) + ", B 1.." + Num(c.bytes) +
                                           "), but its filelen in line " + Num(e.lengthLine) + " is " + Num(*e.length));
        PackedFile f;
        f.element = static_cast<int>(j);
        f.nameCp = *e.nameCp;
        f.name = FromCodePage(f.nameCp);
        f.length = static_cast<int32_t>(*e.length);
        f.dbNumber = static_cast<int>(*e.dbno);
        f.bytes = std::move(c.data);
        f.line = e.nameLine;
        return f;
    }

    static void CheckNames(const std::vector<PackedFile>& files) {
        std::map<std::string, const PackedFile*> byName;
        for (const PackedFile& f : files) {
            if (auto reason = UnsafeNameReason(f.nameCp))
                throw AwlError(f.line, Quoted(f.name) + " cannot be a file name: " + *reason);
            // One name for two files, also where the file system ignores case.
            if (auto [it, fresh] = byName.emplace(FoldCase(f.nameCp), &f); !fresh)
                throw AwlError(f.line, Quoted(f.name) + " is the name of files[" + Num(it->second->element) +
                                           "] too (line " + Num(it->second->line) + ")");
        }
    }

    AwlLexer lex_;
    std::string where_;
    std::map<int, int> blockLines_;  // DB number -> line of its DATA_BLOCK
    std::optional<int> indexDB_;
    int indexLine_ = 0;
    std::vector<Element> elements_;
    std::map<int, ContentBlock> contents_;
};

template <typename... Text>
AwlReadResult Read(Text&... text) {
    AwlReadResult result;
    try {
        Reader reader(text...);
        result.content = reader.Read();
    } catch (const AwlError& e) {
        result.problem = {e.Line(), e.what()};
    } catch (const SourceReadError& e) {
        result.problem = {0, e.what()};
        result.unreadable = true;
    }
    return result;
}

} // namespace

AwlReadResult ReadAwlSource(std::string_view text) { return Read(text); }

AwlReadResult ReadAwlSource(TextSource& source, size_t bufferBytes) { return Read(source, bufferBytes); }

} // namespace lumafold::extract
