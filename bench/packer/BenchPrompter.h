// The person at the keyboard for the benchmarks: opens the project file,
// saves the AWL source where it is meant to go, answers every message with
// its first button and keeps what the messages said.
#pragma once

#include "Paths.h"
#include "Prompter.h"

#include <string>
#include <vector>

namespace lumafold::bench {

class BenchPrompter final : public Prompter {
public:
    BenchPrompter(std::string projectPath, std::string awlPath)
        : project_(std::move(projectPath)), awl_(std::move(awlPath)) {}

    Answer MsgBox(const Message& m) override {
        messages_.push_back(m.text);
        return m.buttons == Buttons::YesNo ? Answer::Yes : Answer::OK;
    }
    std::optional<FileChoice> ShowFileDialog(const FileDialog& d) override {
        const std::string& path = d.kind == FileDialog::Kind::Open ? project_ : awl_;
        return FileChoice{path, GetFileName(path)};
    }
    bool ShowPrinter(const PrintDialog&) override { return false; }

    // Whether the run ended with its completion message.
    bool Generated() const { return !messages_.empty() && messages_.back().find(" generated") != std::string::npos; }
    std::string LastMessage() const { return messages_.empty() ? "no message" : messages_.back(); }
    size_t Messages() const { return messages_.size(); }

private:
    std::string project_;
    std::string awl_;
    std::vector<std::string> messages_;
};

} // namespace lumafold::bench
