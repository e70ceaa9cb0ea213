#include "S7Text.h"

namespace lumafold {

std::string S7StringContent(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '$' || c == '\'') {
            out += '$';
            out += ch;
        } else if (c < 32) {
            out += '$';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        } else {
            out += ch;
        }
    }
    return out;
}

std::string CommentText(const std::string& text) {
    std::string out = text;
    for (char& ch : out)
        if (static_cast<unsigned char>(ch) < 32) ch = ' ';
    return out;
}

} // namespace lumafold
