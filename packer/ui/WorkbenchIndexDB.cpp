// The IndexDB field of the workbench: IndexDB takes a new value only when the
// focus leaves the field, never while a number is still being typed.
#include "Workbench.h"

#include <optional>

namespace lumafold {
namespace {

constexpr int kMinIndexDB = 1;
constexpr int kMaxIndexDB = 1023;

// The number in the field's text with blanks skipped (an empty field reads as
// 0); nothing when the text holds anything but digits and blanks. Digits past
// the range stop counting, so a long text cannot overflow.
std::optional<int> ReadIndexDB(const std::string& text) {
    int value = 0;
    for (char c : text) {
        if (c == ' ') continue;
        if (c < '0' || c > '9') return std::nullopt;
        if (value <= kMaxIndexDB) value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

void Workbench::MaskEdBox1_GotFocus() { indexDBEntered_ = ctx_.el.MaskEdBox1; }

void Workbench::MaskEdBox1_Validate(const std::string& text) {
    Elements& el = ctx_.el;
    if (busy_) {
        // The project may not change during a long command: the typed text goes.
        el.MaskEdBox1 = indexDBEntered_;
        return;
    }
    el.MaskEdBox1 = text;
    const std::optional<int> value = ReadIndexDB(text);
    if (!value || *value < kMinIndexDB || *value > kMaxIndexDB) {
        Ask(ctx_.prompter, "Illegal IndexDB!", Buttons::OK, Icon::Error);
        el.MaskEdBox1 = indexDBEntered_;
        indexDBRefocus_ = true;
        return;
    }
    Project& prj = ctx_.project;
    prj.IndexDB = static_cast<int16_t>(*value);
    if (*value != ReadIndexDB(indexDBEntered_).value_or(-1)) {
        prj.modified = true;
        prj.PRJTimeStamp = TimeStampText(ctx_.clock);
    }
}

bool Workbench::MaskEdBox1_LostFocus() {
    if (!indexDBRefocus_) return false;
    indexDBRefocus_ = false;
    MaskEdBox1_GotFocus();
    return true;
}

} // namespace lumafold
