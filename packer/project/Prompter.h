// How every command reaches the person at the keyboard: message boxes and the
// common Open, Save and Print dialogs. The window implements it with Qt; tests
// use a scripted one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lumafold {

enum class Buttons { OK, YesNo };
enum class Icon { None, Error, Question, Information };
enum class Answer { OK, Yes, No };

struct Message {
    std::string text;       // lines separated by CR LF
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
    std::string title;      // empty: the application title "Lumafold"
    bool foreground = false;
};

// Options of the common dialog, by their platform values.
namespace dlg {
inline constexpr uint32_t OverwritePrompt = 2;
inline constexpr uint32_t HideReadOnly = 4;
inline constexpr uint32_t FileMustExist = 4096;
inline constexpr uint32_t CreatePrompt = 8192;
inline constexpr uint32_t NoReadOnlyReturn = 32768;
inline constexpr uint32_t LongNames = 2097152;
inline constexpr uint32_t SaveFlags = 2138118;  // the five above
inline constexpr uint32_t OpenFlags = 2129924;  // HideReadOnly, NoReadOnlyReturn, LongNames
inline constexpr uint32_t PrintNoSelection = 4;
inline constexpr uint32_t PrintNoPageNums = 8;
inline constexpr uint32_t PrintHidePrintToFile = 1048576;
inline constexpr uint32_t PrintFlags = 1048588;
} // namespace dlg

struct FileDialog {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    std::string DialogTitle;
    std::string Filter;      // "description|pattern|description|pattern"
    int FilterIndex = 1;     // counted from 1
    std::string DefaultExt;  // with its dot
    uint32_t Flags = 0;
    std::string InitDir;
    std::string FileName;
};

struct FileChoice {
    std::string FileName;   // the chosen full path
    std::string FileTitle;  // the chosen name without directory
};

struct PrintDialog {
    uint32_t Flags = dlg::PrintFlags;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer MsgBox(const Message& message) = 0;
    // Nothing when the user cancelled (or the dialog failed).
    virtual std::optional<FileChoice> ShowFileDialog(const FileDialog& dialog) = 0;
    // False when the user cancelled (or the dialog failed). The chosen printer
    // stays with the implementation, which the printing code shares.
    virtual bool ShowPrinter(const PrintDialog& dialog) = 0;
};

// Shorthand for the common case: one message, its button set, icon and title.
inline Answer Ask(Prompter& p, std::string text, Buttons b, Icon i, std::string title = {}) {
    return p.MsgBox(Message{std::move(text), b, i, std::move(title), false});
}

} // namespace lumafold
