#include "ReportText.h"

namespace lumafold {
namespace {

const std::string kMargin(6, ' ');
constexpr int kDbField = 5;
constexpr int kSizeField = 8;

std::string Blanks(int count) { return std::string(static_cast<size_t>(count > 0 ? count : 0), ' '); }

// Byte offsets where the UTF-8 characters of text begin.
std::vector<size_t> CharStarts(const std::string& text) {
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    return starts;
}

} // namespace

std::vector<std::string> TitleLines(const Project& project) {
    return {"",
            "",
            kMargin + "Project: " + Blanks(7) + project.projectFile,
            kMargin + "Last modified:" + Blanks(2) + project.PRJTimeStamp,
            kMargin + "Last compiled:" + Blanks(2) + project.AWLTimeStamp,
            ""};
}

std::vector<std::string> SummaryLines(const Project& project, const ReportTable& table) {
    const int64_t base = project.IndexDB;
    const auto count = static_cast<int64_t>(table.rows.size());
    return {kMargin + "Datablock base address:" + Blanks(2) + std::to_string(base),
            kMargin + "Datablock count:" + Blanks(9) + std::to_string(count + 1) + " (DB " + std::to_string(base) +
                " to DB " + std::to_string(base + count) + ")",
            kMargin + "Used PLC memory:" + Blanks(9) + std::to_string(table.usedMemory) + " bytes",
            kMargin + "Datablock source file:" + Blanks(3) + project.AWLSource(),
            "",
            ""};
}

std::vector<std::string> HeadingLines(int width) {
    return {kMargin + "Included files" + Blanks(width - 13) + " DB    " + Blanks(1) + "Size  ", ""};
}

std::string NameField(const std::string& name, int width) {
    const std::vector<size_t> starts = CharStarts(name);
    const int length = static_cast<int>(starts.size());
    if (length <= width) return name + Blanks(width - length);
    const int tail = width - 6 > 0 ? width - 6 : 0;
    const size_t headEnd = length > 3 ? starts[3] : name.size();
    const std::string last = tail > 0 ? name.substr(starts[static_cast<size_t>(length - tail)]) : "";
    return name.substr(0, headEnd) + "..." + last;
}

std::string NumberField(int64_t value, int width) {
    const std::string digits = value < 0 ? std::to_string(value) : " " + std::to_string(value);
    return Blanks(width - static_cast<int>(digits.size())) + digits;
}

std::string FileLine(const ReportRow& row, int nameWidth) {
    return kMargin + NameField(row.printedName, nameWidth) + NumberField(row.db, kDbField) +
           NumberField(row.size, kSizeField);
}

} // namespace lumafold
