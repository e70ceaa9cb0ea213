#include "PpmWriter.h"

#include <fstream>

bool WritePpm(const Raster& raster, const std::string& path)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "P6\n" << raster.Width() << ' ' << raster.Height() << "\n255\n";
    out.write(reinterpret_cast<const char*>(raster.Bytes()),
              static_cast<std::streamsize>(raster.Width()) * raster.Height() * 3);
    return static_cast<bool>(out.flush());
}
