#include "CelloraResourceImage.h"

#include "CelloraResources.h"
#include "CelloraTypeLib.h"
#include "ResourceImage.h"
#include "StoredDialog.h"
#include "StoredImage.h"
#include "TypeLibStore.h"

namespace {
std::vector<std::uint8_t> Bytes(const std::string& text)
{
    return std::vector<std::uint8_t>(text.begin(), text.end());
}
}

VersionBlock CelloraVersionBlock()
{
    VersionBlock b;
    b.fileVersion = {1, 0, 0, 1};
    b.productVersion = {1, 0, 0, 1};
    b.fileType = VFT_DLL;
    b.fileOS = VOS__WINDOWS32;
    b.language = 0x0409;
    b.codePage = 0x04B0;
    b.strings = {
        {"Comments", "Meant for use in a web browser or another control container."},
        {"CompanyName", ""},
        {"FileDescription", "Cellora OLE Control"},
        {"FileVersion", "1, 0, 0, 1"},
        {"InternalName", "CELLORA"},
        {"OriginalFilename", "CELLORA.OCX"},
        {"ProductName", "Cellora OLE Contro"},
        {"ProductVersion", "1, 0, 0, 1"},
    };
    b.translations = {{0x0409, 0x04B0}};
    return b;
}

std::vector<std::uint8_t> BuildCelloraResourceImage()
{
    const CelloraResources resources;
    ResourceImageWriter image;
    image.Add(RT_TYPELIB, 1, StoreTypeLib(CelloraTypeLib()));
    image.Add(RT_BITMAP, IDB_GAMEOFLIFE, StoreImages({CelloraResources::ToolboxBitmap()}));
    image.Add(RT_GROUP_ICON, IDI_ABOUTDLL, StoreImages({CelloraResources::IconImage(32), CelloraResources::IconImage(16)}));
    for (int id : {IDD_ABOUTBOX_GAMEOFLIFE, IDD_PROPPAGE_GAMEOFLIFE})
        image.Add(RT_DIALOG, static_cast<std::uint32_t>(id), StoreDialog(*resources.FindDialog(id)));
    for (int id : {IDS_GAMEOFLIFE, IDS_GAMEOFLIFE_PPG, IDS_GAMEOFLIFE_PPG_CAPTION})
        image.Add(RT_STRING, static_cast<std::uint32_t>(id), Bytes(resources.LoadString(id)));
    image.Add(RT_VERSION, 1, StoreVersionBlock(CelloraVersionBlock()));
    return image.Bytes();
}
