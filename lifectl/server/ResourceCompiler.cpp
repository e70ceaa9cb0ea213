// Writes CELLORA.OCX's resource image as a C++ source whose one array lives in
// the ".rsrc" section, so that the image is found both in memory and in the file.
#include "CelloraResourceImage.h"

#include <cstdio>
#include <fstream>

namespace {
bool WriteSource(const std::vector<std::uint8_t>& image, const char* path)
{
    std::ofstream out(path, std::ios::trunc);
    out << "// Composed at build time by cellora-rc.\n#include <cstddef>\n#include <cstdint>\n\n"
        << "extern \"C\" __attribute__((section(\".rsrc\"), used, aligned(16)))\n"
        << "const std::uint8_t cellora_rsrc_begin[] = {";
    for (std::size_t i = 0; i < image.size(); ++i)
        out << (i % 16 == 0 ? "\n    " : " ") << static_cast<unsigned>(image[i]) << ",";
    out << "\n};\nextern \"C\" const std::size_t cellora_rsrc_size = sizeof cellora_rsrc_begin;\n";
    return static_cast<bool>(out.flush());
}
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: cellora-rc OUTPUT.cpp\n");
        return 2;
    }
    if (!WriteSource(BuildCelloraResourceImage(), argv[1])) {
        std::fprintf(stderr, "cellora-rc: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
