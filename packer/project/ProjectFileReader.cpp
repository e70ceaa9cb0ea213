#include "ProjectFileReader.h"

#include "CodePage.h"
#include "Paths.h"
#include "ProjectFileFormat.h"

#include <array>
#include <string_view>
#include <unordered_map>

namespace lumafold {
namespace {

constexpr size_t kQuotedChars = 60;

// Calls take(number, line) for every line; the lines are views into text.
template <typename Take>
void ForEachLine(std::string_view text, Take take) {
    size_t start = 0;
    int number = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        take(++number, text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) take(++number, text.substr(start));
}

bool StartsWith(std::string_view line, std::string_view key) { return line.starts_with(key); }

std::string Value(std::string_view line, std::string_view key) { return std::string(line.substr(key.size())); }

bool Blank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// A line that would be a key but for blanks before it or its letter case.
bool AlmostAKey(std::string_view line) {
    using namespace prjfile;
    const std::string trimmed(line.substr(line.find_first_not_of(" \t")));
    for (const char* key : {kSettings, kFiles, kIndexDB, kAWLSource, kAWLTimeStamp, kPRJTimeStamp, kFile}) {
        if (StartsWithNoCase(trimmed, key)) return true;
    }
    return false;
}

class ContentBuilder {
public:
    explicit ContentBuilder(ProjectFileContent& c) : c_(c) {}

    void Take(int number, std::string_view line) {
        using namespace prjfile;
        if (line.size() > kMaxLineBytes) {
            Problem(number, "a line of " + std::to_string(line.size()) + " bytes is longer than a project file's lines and is not read");
        } else if (line == kSettings || line == kFiles) {
            c_.isProjectFile = true;
        } else if (StartsWith(line, kIndexDB)) {
            Setting(0, number, kIndexDB, TakeIndexDB(number, Value(line, kIndexDB)));
        } else if (StartsWith(line, kAWLSource)) {
            // An empty AWLSource sets nothing, so an earlier one stays.
            const bool value = line.size() > std::string_view(kAWLSource).size();
            if (value) c_.AWLSource = Value(line, kAWLSource);
            Setting(1, number, kAWLSource, value);
        } else if (StartsWith(line, kAWLTimeStamp)) {
            c_.AWLTimeStamp = Value(line, kAWLTimeStamp);
            Setting(2, number, kAWLTimeStamp, true);
        } else if (StartsWith(line, kPRJTimeStamp)) {
            c_.PRJTimeStamp = Value(line, kPRJTimeStamp);
            Setting(3, number, kPRJTimeStamp, true);
        } else if (StartsWith(line, kFile)) {
            c_.isProjectFile = true;
            TakeFile(number, line);
        } else if (!Blank(line)) {
            const char* why = AlmostAKey(line) ? "is not read: a key must begin its line, in its own letter case"
                                               : "is no key of a project file and is not read";
            c_.notRead.Add("line " + std::to_string(number) + ": " + QuotedLine(line) + " " + why);
        }
    }

    // Once every line is read: a note for the FILE_ lines beyond what any plan holds.
    void Finish() {
        if (skippedFiles_ == 0) return;
        Problem(firstSkipped_, "the project lists " + std::to_string(kMaxEntries) +
                                   " files already, as many as DB numbers up to " + std::to_string(kMaxIndexDB) +
                                   " can hold; this FILE_ line and the " + std::to_string(skippedFiles_ - 1) +
                                   " after it are not read");
    }

private:
    // A settings key seen again: a later line that sets a value counts, as
    // it always has; the note says which line that is.
    void Setting(int which, int number, const char* key, bool taken) {
        c_.isProjectFile = true;
        int& counting = settingLines_[static_cast<size_t>(which)];
        if (counting != 0) {
            const int wins = taken ? number : counting;
            c_.notRead.Add("line " + std::to_string(number) + ": " + std::string(key) + " again (also on line " +
                           std::to_string(counting) + "); the value of line " + std::to_string(wins) + " counts");
        }
        if (taken || counting == 0) counting = number;
    }

    bool TakeIndexDB(int number, const std::string& value) {
        if (auto n = ParseIndexDB(value)) {
            c_.IndexDB = *n;
            return true;
        }
        Problem(number, "IndexDB " + QuotedLine(value) + " is not a number from 1 to 1023 and is ignored");
        return false;
    }

    void TakeFile(int number, std::string_view line) {
        if (c_.files.size() >= static_cast<size_t>(kMaxEntries)) {
            if (skippedFiles_++ == 0) firstSkipped_ = number;
            return;
        }
        const auto eq = line.find('=');
        if (eq == std::string_view::npos) {
            Problem(number, QuotedLine(line) + " holds no \"=\" and is left out");
            return;
        }
        const std::string value(line.substr(eq + 1));
        if (GetFileName(value).empty()) {
            Problem(number, QuotedLine(line) + " names no file and is left out");
            return;
        }
        const std::string key(line.substr(0, eq));
        if (auto [it, added] = fileKeys_.emplace(key, number); !added) {
            c_.notRead.Add("line " + std::to_string(number) + ": " + key + " again (also on line " +
                           std::to_string(it->second) + "); both are read, in the order of the file");
        }
        c_.files.push_back(value);
    }

    void Problem(int number, const std::string& text) { c_.problems.Add("line " + std::to_string(number) + ": " + text); }

    ProjectFileContent& c_;
    std::array<int, 4> settingLines_{};
    std::unordered_map<std::string, int> fileKeys_;
    size_t skippedFiles_ = 0;
    int firstSkipped_ = 0;
};

} // namespace

void LineNotes::Add(std::string text) {
    if (texts.size() < kKept) texts.push_back(std::move(text));
    ++count;
}

std::string QuotedLine(std::string_view line) {
    size_t end = 0, chars = 0;
    while (end < line.size() && chars < kQuotedChars) {
        ++end;
        while (end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) ++end;
        ++chars;
    }
    return "\"" + std::string(line.substr(0, end)) + (end < line.size() ? "...\"" : "\"");
}

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
    const std::string text = FromCodePage(bytes);
    ForEachLine(text, [&builder](int number, std::string_view line) { builder.Take(number, line); });
    builder.Finish();
    if (!content.isProjectFile) content = ProjectFileContent{};
    return content;
}

} // namespace lumafold
