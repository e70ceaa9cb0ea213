#include "StoredDialog.h"

#include "ByteStream.h"

namespace {
void Box(ByteWriter& w, int x, int y, int cx, int cy)
{
    for (int v : {x, y, cx, cy})
        w.U16(static_cast<std::uint16_t>(v));
}

bool ReadBox(ByteReader& r, int& x, int& y, int& cx, int& cy)
{
    for (int* v : {&x, &y, &cx, &cy}) {
        const auto part = r.U16();
        if (!part)
            return false;
        *v = static_cast<std::int16_t>(*part);
    }
    return true;
}

bool ReadItem(ByteReader& r, DialogItem& item)
{
    const auto kind = r.U8();
    const auto id = r.U16();
    if (!kind || *kind > static_cast<int>(DialogItemKind::DefPushButton) || !id
        || !ReadBox(r, item.x, item.y, item.cx, item.cy))
        return false;
    const auto text = r.Text();
    const auto icon = r.U16();
    if (!text || !icon)
        return false;
    item.kind = static_cast<DialogItemKind>(*kind);
    item.id = static_cast<std::int16_t>(*id);
    item.text = *text;
    item.iconId = *icon;
    return true;
}
}

std::vector<std::uint8_t> StoreDialog(const DialogTemplate& d)
{
    ByteWriter w;
    w.U8(d.popup ? 1 : 0);
    Box(w, d.x, d.y, d.cx, d.cy);
    w.Text(d.caption);
    w.Text(d.fontName);
    w.U16(static_cast<std::uint16_t>(d.pointSize));
    w.U16(static_cast<std::uint16_t>(d.items.size()));
    for (const DialogItem& item : d.items) {
        w.U8(static_cast<std::uint8_t>(item.kind));
        w.U16(static_cast<std::uint16_t>(item.id));
        Box(w, item.x, item.y, item.cx, item.cy);
        w.Text(item.text);
        w.U16(static_cast<std::uint16_t>(item.iconId));
    }
    return w.Bytes();
}

std::optional<DialogTemplate> ReadDialog(const std::uint8_t* data, std::size_t size)
{
    ByteReader r(data, size);
    DialogTemplate d;
    const auto popup = r.U8();
    if (!popup || !ReadBox(r, d.x, d.y, d.cx, d.cy))
        return std::nullopt;
    const auto caption = r.Text(), font = r.Text();
    const auto points = r.U16(), count = r.U16();
    if (!caption || !font || !points || !count)
        return std::nullopt;
    d.popup = *popup != 0;
    d.caption = *caption;
    d.fontName = *font;
    d.pointSize = *points;
    d.items.resize(*count);
    for (DialogItem& item : d.items)
        if (!ReadItem(r, item))
            return std::nullopt;
    return d;
}
