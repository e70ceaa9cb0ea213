#include "PackedName.h"

#include "AwlLexer.h"
#include "CodePage.h"

#include <array>

namespace lumafold::extract {
namespace {

// Names Windows gives to devices in every directory, with any extension.
bool IsDeviceName(const std::string& name) {
    const std::string base = name.substr(0, name.find('.'));
    std::string stem = base;
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();  // "CON .txt" is CON too
    static constexpr std::array<std::string_view, 6> kPlain = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (std::string_view d : kPlain)
        if (SameWord(stem, d)) return true;
    if (stem.size() == 4 && (SameWord(stem.substr(0, 3), "COM") || SameWord(stem.substr(0, 3), "LPT")))
        return stem[3] >= '0' && stem[3] <= '9';
    return false;
}

} // namespace

std::optional<std::string> DecodeS7String(std::string_view literal, std::string& problem) {
    std::string out;
    std::string_view s = literal.substr(1, literal.size() - 2);  // without the quotes
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '$') {
            out += s[i];
            continue;
        }
        if (i + 1 >= s.size()) {
            problem = "a $ at the end of a text";
            return std::nullopt;
        }
        const char e = s[++i];
        const int hi = HexDigitValue(e);
        if (hi >= 0 && i + 1 < s.size() && HexDigitValue(s[i + 1]) >= 0) {
            out += static_cast<char>(hi * 16 + HexDigitValue(s[++i]));
            continue;
        }
        switch (e) {
        case '$': case '\'': out += e; break;
        case 'L': case 'l': case 'N': case 'n': out += '\n'; break;
        case 'P': case 'p': out += '\f'; break;
        case 'R': case 'r': out += '\r'; break;
        case 'T': case 't': out += '\t'; break;
        default:
            problem = std::string("the unknown escape $") + e;
            return std::nullopt;
        }
    }
    return out;
}

std::optional<std::string> UnsafeNameReason(const std::string& nameCp) {
    if (nameCp.empty()) return "an empty name";
    if (nameCp == "." || nameCp == "..") return "the name " + nameCp + " would leave the directory";
    for (char ch : nameCp) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '/' || c == '\\') return "a path separator in the name";
        if (c == ':') return "a drive or stream mark (:) in the name";
        if (c < 32 || c == 127) return "a control byte in the name";
    }
    if (IsDeviceName(nameCp)) return "the name of a device (" + nameCp + ")";
    if (FromCodePage(nameCp).find("\xEF\xBF\xBD") != std::string::npos)
        return "a byte the code page does not define in the name";
    return std::nullopt;
}

} // namespace lumafold::extract
