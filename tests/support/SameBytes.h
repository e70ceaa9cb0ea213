// Byte-for-byte comparison of a written file with its expected text; a
// mismatch names the first differing line (line ends shown as \r and \n).
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace lumafold::test {

inline std::string Visible(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
    return out;
}

inline ::testing::AssertionResult SameBytes(const std::string& expected, const std::string& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    size_t line = 1, start = 0, i = 0;
    for (; i < expected.size() && i < actual.size() && expected[i] == actual[i]; ++i) {
        if (expected[i] == '\n') {
            ++line;
            start = i + 1;
        }
    }
    auto lineOf = [start](const std::string& s) {
        const size_t end = s.find('\n', start);
        return Visible(s.substr(start, end == std::string::npos ? std::string::npos : end - start + 1));
    };
    return ::testing::AssertionFailure() << "first difference in line " << line << " (byte " << i << ")\n  expected: "
                                         << lineOf(expected) << "\n  actual:   " << lineOf(actual);
}

} // namespace lumafold::test
