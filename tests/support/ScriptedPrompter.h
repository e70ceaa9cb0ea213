// The person at the keyboard, for tests: records every prompt exactly as it
// was shown and answers from a script. A prompt the script did not expect,
// or a script left unanswered at the end, fails the test.
#pragma once

#include "Prompter.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace lumafold::test {

struct Prompt {
    enum class Kind { Message, FileDialog, Print };
    Kind kind = Kind::Message;
    Message message;
    FileDialog dialog;
    PrintDialog print;
};

class ScriptedPrompter final : public Prompter {
public:
    ~ScriptedPrompter() override;

    // The next prompt must be a message box; it is answered with answer.
    ScriptedPrompter& AnswerMessage(Answer answer);
    // The next prompt must be a file dialog; nothing means cancelled.
    ScriptedPrompter& AnswerFileDialog(std::optional<FileChoice> choice);
    // The next prompt must be the print dialog; false means cancelled.
    ScriptedPrompter& AnswerPrint(bool ok);

    Answer MsgBox(const Message& message) override;
    std::optional<FileChoice> ShowFileDialog(const FileDialog& dialog) override;
    bool ShowPrinter(const PrintDialog& dialog) override;

    const std::vector<Prompt>& Log() const { return log_; }
    // The message boxes alone, in order.
    std::vector<Message> Messages() const;
    bool ScriptDone() const { return script_.empty(); }

private:
    struct Reply {
        Prompt::Kind kind;
        Answer answer = Answer::OK;
        std::optional<FileChoice> choice;
        bool printOk = false;
    };
    // The next reply when it is of that kind; fails the test otherwise.
    std::optional<Reply> Take(Prompt::Kind kind, const std::string& what);

    std::deque<Reply> script_;
    std::vector<Prompt> log_;
};

} // namespace lumafold::test
