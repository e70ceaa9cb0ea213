#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace lumafold::test {
namespace {

const char* KindName(Prompt::Kind kind) {
    switch (kind) {
    case Prompt::Kind::Message: return "message box";
    case Prompt::Kind::FileDialog: return "file dialog";
    case Prompt::Kind::Print: return "print dialog";
    }
    return "?";
}

} // namespace

ScriptedPrompter::~ScriptedPrompter() {
    EXPECT_TRUE(script_.empty()) << script_.size() << " scripted answer(s) left unused; next is for a "
                                 << KindName(script_.front().kind);
}

ScriptedPrompter& ScriptedPrompter::AnswerMessage(Answer answer) {
    script_.push_back(Reply{Prompt::Kind::Message, answer, std::nullopt, false});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::AnswerFileDialog(std::optional<FileChoice> choice) {
    script_.push_back(Reply{Prompt::Kind::FileDialog, Answer::OK, std::move(choice), false});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::AnswerPrint(bool ok) {
    script_.push_back(Reply{Prompt::Kind::Print, Answer::OK, std::nullopt, ok});
    return *this;
}

std::optional<ScriptedPrompter::Reply> ScriptedPrompter::Take(Prompt::Kind kind, const std::string& what) {
    if (script_.empty()) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << ": " << what;
        return std::nullopt;
    }
    Reply reply = script_.front();
    script_.pop_front();
    if (reply.kind != kind) {
        ADD_FAILURE() << "expected a " << KindName(reply.kind) << " but got a " << KindName(kind) << ": " << what;
        return std::nullopt;
    }
    return reply;
}

Answer ScriptedPrompter::MsgBox(const Message& message) {
    Prompt p;
    p.kind = Prompt::Kind::Message;
    p.message = message;
    log_.push_back(p);
    auto reply = Take(Prompt::Kind::Message, "\"" + message.text + "\" titled \"" + message.title + "\"");
    if (!reply) return message.buttons == Buttons::YesNo ? Answer::No : Answer::OK;
    return reply->answer;
}

std::optional<FileChoice> ScriptedPrompter::ShowFileDialog(const FileDialog& dialog) {
    Prompt p;
    p.kind = Prompt::Kind::FileDialog;
    p.dialog = dialog;
    log_.push_back(p);
    auto reply = Take(Prompt::Kind::FileDialog, "\"" + dialog.DialogTitle + "\"");
    return reply ? reply->choice : std::nullopt;
}

bool ScriptedPrompter::ShowPrinter(const PrintDialog& dialog) {
    Prompt p;
    p.kind = Prompt::Kind::Print;
    p.print = dialog;
    log_.push_back(p);
    auto reply = Take(Prompt::Kind::Print, "flags " + std::to_string(dialog.Flags));
    return reply && reply->printOk;
}

std::vector<Message> ScriptedPrompter::Messages() const {
    std::vector<Message> out;
    for (const Prompt& p : log_)
        if (p.kind == Prompt::Kind::Message) out.push_back(p.message);
    return out;
}

} // namespace lumafold::test
