#include "CodePage.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace lumafold {
namespace {

// Converts in one go; returns nothing on a character the target cannot hold.
// With replacement set, an unconvertible input byte becomes that text instead.
std::optional<std::string> Convert(const char* to, const char* from, const std::string& in,
                                   const char* replacement = nullptr) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    std::vector<char> buf(in.size() * 4 + 16);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    bool ok = true;
    while (srcLeft > 0) {
        char* dst = buf.data();
        size_t dstLeft = buf.size();
        const size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buf.data(), buf.size() - dstLeft);
        if (r != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        if (replacement == nullptr || srcLeft == 0) { ok = false; break; }
        out += replacement;  // EILSEQ or EINVAL on one input byte
        ++src;
        --srcLeft;
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return out;
}

// Seven-bit text reads the same in UTF-8 and in the code page.
bool IsAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

unsigned char FoldByte(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
    case 0x8A: return 0x9A;  // S with caron
    case 0x8C: return 0x9C;  // OE
    case 0x8E: return 0x9E;  // Z with caron
    case 0x9F: return 0xFF;  // Y with diaeresis
    default: return c;
    }
}

} // namespace

std::optional<std::string> ToCodePage(const std::string& utf8) {
    if (IsAscii(utf8)) return utf8;
    return Convert("WINDOWS-1252", "UTF-8", utf8);
}

std::string FromCodePage(const std::string& bytes) {
    if (IsAscii(bytes)) return bytes;
    auto out = Convert("UTF-8", "WINDOWS-1252", bytes, "\xEF\xBF\xBD");
    return out ? *out : std::string();
}

bool FitsCodePage(const std::string& utf8) { return ToCodePage(utf8).has_value(); }

std::string FoldCase(const std::string& codePageText) {
    std::string out = codePageText;
    for (char& c : out) c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
    return out;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    const auto a = ToCodePage(text);
    const auto b = ToCodePage(prefix);
    const std::string& t = a ? *a : text;
    const std::string& p = b ? *b : prefix;
    if (p.size() > t.size()) return false;
    for (size_t i = 0; i < p.size(); ++i) {
        if (FoldByte(static_cast<unsigned char>(t[i])) != FoldByte(static_cast<unsigned char>(p[i])))
            return false;
    }
    return true;
}

std::string FoldedKey(const std::string& text) {
    const auto cp = ToCodePage(text);
    std::string key = cp ? *cp : text;
    for (char& c : key) c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
    return key;
}

} // namespace lumafold
