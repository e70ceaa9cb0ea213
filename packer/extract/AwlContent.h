// What an AWL source of a packed site holds once read and checked: the index
// block's number and every packed file, in the index's order, with its bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumafold::extract {

struct PackedFile {
    int element = 0;       // j of files[j], 1..n
    std::string nameCp;    // the name in the code page, escapes decoded
    std::string name;      // the same name in UTF-8, safe as a file name
    int32_t length = 0;    // filelen
    int dbNumber = 0;      // dbno: the content block that holds the bytes
    std::string bytes;     // length bytes
    int line = 0;          // where its filename is given
};

struct AwlContent {
    int indexDB = 0;
    std::vector<PackedFile> files;
};

// The reason a source is refused, with the line it concerns.
struct AwlProblem {
    int line = 0;
    std::string text;
};

struct AwlReadResult {
    std::optional<AwlContent> content;  // nothing when refused
    AwlProblem problem;
    bool unreadable = false;            // the problem is the file's, not its text's
};

} // namespace lumafold::extract
