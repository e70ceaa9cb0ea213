#include "StoredImage.h"

#include "ByteStream.h"

namespace {
// The standard 16-colour palette; the board's grey is entry 8.
constexpr COLORREF kPalette[kStoredImageColours] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),   RGB(128, 128, 0), RGB(0, 0, 128),   RGB(128, 0, 128),
    RGB(0, 128, 128),   RGB(192, 192, 192), RGB(159, 159, 159), RGB(255, 0, 0), RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255), RGB(255, 255, 255)};

int Channel(COLORREF c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

std::uint8_t Nearest(COLORREF colour)
{
    int best = 0, bestDistance = 1 << 30;
    for (int i = 0; i < kStoredImageColours; ++i) {
        int distance = 0;
        for (int shift : {0, 8, 16}) {
            const int d = Channel(colour, shift) - Channel(kPalette[i], shift);
            distance += d * d;
        }
        if (distance < bestDistance)
            best = i, bestDistance = distance;
    }
    return static_cast<std::uint8_t>(best);
}
}

std::vector<std::uint8_t> StoreImages(const std::vector<Raster>& images)
{
    ByteWriter w;
    w.U32(static_cast<std::uint32_t>(images.size()));
    for (const Raster& image : images) {
        w.U16(static_cast<std::uint16_t>(image.Width()));
        w.U16(static_cast<std::uint16_t>(image.Height()));
        w.U16(4); // bits per pixel: two pixels a byte
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); x += 2) {
                const std::uint8_t high = Nearest(image.GetPixel(x, y));
                const std::uint8_t low = x + 1 < image.Width() ? Nearest(image.GetPixel(x + 1, y)) : 0;
                w.U8(static_cast<std::uint8_t>(high << 4 | low));
            }
    }
    return w.Bytes();
}

std::optional<std::vector<Raster>> ReadImages(const std::uint8_t* data, std::size_t size)
{
    ByteReader r(data, size);
    const auto count = r.U32();
    if (!count || *count > r.Remaining())
        return std::nullopt;
    std::vector<Raster> images;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const auto width = r.U16(), height = r.U16(), bits = r.U16();
        if (!width || !height || bits != std::optional<std::uint16_t>(4)
            || std::size_t{*height} * ((*width + 1u) / 2) > r.Remaining())
            return std::nullopt;
        Raster image(*width, *height);
        for (int y = 0; y < *height; ++y)
            for (int x = 0; x < *width; x += 2) {
                const std::uint8_t pair = *r.U8();
                image.SetPixel(x, y, kPalette[pair >> 4]);
                image.SetPixel(x + 1, y, kPalette[pair & 0xF]);
            }
        images.push_back(std::move(image));
    }
    return images;
}
