// A site to pack for the read-back tests: files written into a temporary
// directory (or VarList sites), planned and written as an AWL source by the
// generator, and what reading that source back must give.
#pragma once

#include "AwlContent.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace lumafold::test {

struct SiteFile {
    std::string name;   // UTF-8
    std::string bytes;  // empty for a VarList site
    bool site = false;
};

class PackedSite {
public:
    explicit PackedSite(int indexDB = 900) : indexDB_(indexDB) {}

    void Add(const std::string& name, const std::string& bytes) { files_.push_back({name, bytes, false}); }
    void AddSites();
    const std::vector<SiteFile>& Files() const { return files_; }
    int IndexDB() const { return indexDB_; }

    // Writes the files and the AWL source into dir; the source's path.
    std::string WriteSource(const TempDir& dir, const std::string& awlName = "site.AWL") const;
    // The project file that lists the files written by WriteSource.
    std::string WriteProject(const TempDir& dir, const std::string& name = "site.F2D") const;

private:
    int indexDB_;
    std::vector<SiteFile> files_;
};

// A random site: count files of random sizes (1..32767, and the edges), with
// names holding quotes, dollars, blanks and accented letters.
PackedSite RandomSite(std::mt19937& rng, int indexDB, int count, bool withSites);

// Fails unless content holds exactly the files of site, by name, bytes and block.
void ExpectSameFiles(const PackedSite& site, const extract::AwlContent& content);

} // namespace lumafold::test
