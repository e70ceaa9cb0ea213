#include "Verification.h"

#include "PlannedContent.h"

#include <algorithm>
#include <map>

namespace lumafold::extract {
namespace {

std::string Db(int n) { return "DB" + std::to_string(n); }

// Where the bytes part, as a sentence.
std::string ContentDifference(const std::vector<unsigned char>& disk, const std::string& packed) {
    if (disk.size() != packed.size())
        return std::to_string(disk.size()) + " bytes on disk, " + std::to_string(packed.size()) + " in the AWL source";
    size_t first = 0;
    while (first < disk.size() && disk[first] == static_cast<unsigned char>(packed[first])) ++first;
    if (first == disk.size()) return "";
    size_t count = 0;
    for (size_t i = first; i < disk.size(); ++i) count += disk[i] != static_cast<unsigned char>(packed[i]);
    return "its bytes differ from byte " + std::to_string(first + 1) + " on (" + std::to_string(count) + " of " +
           std::to_string(disk.size()) + " bytes)";
}

} // namespace

VerifyReport Verify(int indexDB, const std::vector<PlannedEntry>& planned, const std::vector<UnpackableEntry>& unpackable,
                    const AwlContent& awl) {
    VerifyReport report;
    report.files = static_cast<int>(planned.size() + unpackable.size());
    std::map<std::string, const PackedFile*> byName;
    for (const PackedFile& f : awl.files) byName.emplace(f.name, &f);
    auto take = [&](const std::string& name) -> const PackedFile* {
        auto it = byName.find(name);
        if (it == byName.end()) return nullptr;
        const PackedFile* f = it->second;
        byName.erase(it);
        return f;
    };
    if (awl.indexDB != indexDB)
        report.differences.push_back("index: the AWL source's index block is " + Db(awl.indexDB) +
                                     ", the project's IndexDB is " + std::to_string(indexDB));
    std::vector<unsigned char> disk;
    // The order among the files both hold: with IndexDB the same and nothing
    // missing or extra, the same order means the same numbering.
    const PackedFile* latest = nullptr;
    std::string latestName;
    for (const PlannedEntry& e : planned) {
        const PackedFile* f = take(e.name);
        if (!f) {
            report.differences.push_back("missing: " + e.name + " (" + Db(e.dbNumber) + " in the plan) is not in the AWL source");
            continue;
        }
        std::vector<std::string> why;
        if (latest && f->element < latest->element) {
            why.push_back("it comes before " + latestName + " in the AWL source, after it in the project");
        } else {
            latest = f;
            latestName = e.name;
        }
        if (f->dbNumber != awl.indexDB + f->element)
            why.push_back("files[" + std::to_string(f->element) + "] is in " + Db(f->dbNumber) + " of the AWL source, not in " +
                          Db(awl.indexDB + f->element));
        if (const auto failure = ReadPlannedContent(e, disk)) {
            why.push_back("it cannot be read: " + failure->reason);
        } else if (const std::string content = ContentDifference(disk, f->bytes); !content.empty()) {
            why.push_back(content);
        }
        for (const std::string& w : why) report.differences.push_back("differs: " + e.name + ": " + w);
    }
    for (const UnpackableEntry& u : unpackable) {
        const PackedFile* f = u.name.empty() ? nullptr : take(u.name);
        report.differences.push_back(f ? "differs: " + u.name + ": " + u.reason
                                       : "missing: " + u.name + ": " + u.reason + "; it is not in the AWL source");
    }
    std::vector<const PackedFile*> extra;
    for (const auto& [name, f] : byName) extra.push_back(f);
    std::sort(extra.begin(), extra.end(), [](const PackedFile* a, const PackedFile* b) { return a->element < b->element; });
    for (const PackedFile* f : extra)
        report.differences.push_back("extra: " + f->name + " (" + Db(f->dbNumber) +
                                     ") is in the AWL source but not in the project");
    return report;
}

} // namespace lumafold::extract
