#include "ProjectFileReader.h"

#include "CodePage.h"
#include "Paths.h"
#include "ProjectFileFormat.h"

#include <string_view>

namespace lumafold {
namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

bool StartsWith(const std::string& line, std::string_view key) { return line.compare(0, key.size(), key) == 0; }

std::string Value(const std::string& line, std::string_view key) { return line.substr(key.size()); }

class ContentBuilder {
public:
    explicit ContentBuilder(ProjectFileContent& c) : c_(c) {}

    void Take(int number, const std::string& line) {
        using namespace prjfile;
        if (line == kSettings || line == kFiles) {
            c_.isProjectFile = true;
        } else if (StartsWith(line, kIndexDB)) {
            c_.isProjectFile = true;
            TakeIndexDB(number, Value(line, kIndexDB));
        } else if (StartsWith(line, kAWLSource)) {
            c_.isProjectFile = true;
            if (line.size() > std::string_view(kAWLSource).size()) c_.AWLSource = Value(line, kAWLSource);
        } else if (StartsWith(line, kAWLTimeStamp)) {
            c_.isProjectFile = true;
            c_.AWLTimeStamp = Value(line, kAWLTimeStamp);
        } else if (StartsWith(line, kPRJTimeStamp)) {
            c_.isProjectFile = true;
            c_.PRJTimeStamp = Value(line, kPRJTimeStamp);
        } else if (StartsWith(line, kFile)) {
            c_.isProjectFile = true;
            TakeFile(number, line);
        }
    }

private:
    void TakeIndexDB(int number, const std::string& value) {
        if (auto n = ParseIndexDB(value)) {
            c_.IndexDB = *n;
            return;
        }
        Problem(number, "IndexDB \"" + value + "\" is not a number from 1 to 1023 and is ignored");
    }

    void TakeFile(int number, const std::string& line) {
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            Problem(number, "\"" + line + "\" holds no \"=\" and is left out");
            return;
        }
        const std::string value = line.substr(eq + 1);
        if (GetFileName(value).empty()) {
            Problem(number, "\"" + line + "\" names no file and is left out");
            return;
        }
        c_.files.push_back(value);
    }

    void Problem(int number, const std::string& text) {
        c_.problems.push_back("line " + std::to_string(number) + ": " + text);
    }

    ProjectFileContent& c_;
};

} // namespace

std::optional<int16_t> ParseIndexDB(const std::string& value) {
    const auto first = value.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const auto last = value.find_last_not_of(" \t");
    const std::string digits = value.substr(first, last - first + 1);
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
        if (number > kMaxIndexDB) return std::nullopt;  // also keeps a long run of digits from overflowing
    }
    if (number < kMinIndexDB) return std::nullopt;
    return static_cast<int16_t>(number);
}

ProjectFileContent ReadProjectFile(const std::string& bytes) {
    ProjectFileContent content;
    if (bytes.find('\0') != std::string::npos) return content;
    ContentBuilder builder(content);
    const std::vector<std::string> lines = SplitLines(FromCodePage(bytes));
    for (size_t i = 0; i < lines.size(); ++i) builder.Take(static_cast<int>(i + 1), lines[i]);
    if (!content.isProjectFile) content = ProjectFileContent{};
    return content;
}

} // namespace lumafold
