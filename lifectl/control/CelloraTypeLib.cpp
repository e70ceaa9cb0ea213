#include "CelloraTypeLib.h"

#include "CelloraIds.h"
#include "Dispatch.h"

namespace {
TypeLibData Build()
{
    TypeLibData lib;
    lib.guid = LIBID_CELLORALib;
    lib.name = "CELLORALib";
    lib.majorVersion = kTypeLibMajor;
    lib.minorVersion = kTypeLibMinor;
    lib.lcid = 0x0409;
    lib.syskind = SYS_WIN32;
    lib.flags = LIBFLAG_FCONTROL;
    lib.helpString = "Cellora OLE Control module";
    lib.imports = {"stdole32.tlb"};

    TypeInfoData dispatch{DIID__DGameOfLife, "_DGameOfLife", TKIND_DISPATCH,
                          TYPEFLAG_FHIDDEN | TYPEFLAG_FDISPATCHABLE, "Dispatch interface for GameOfLife Control", {}, {}};
    dispatch.members = {
        {1, "Speed", true, VT_I2, ""},
        {2, "StartLife", false, VT_VOID, ""},
        {3, "StopLife", false, VT_VOID, ""},
        {DISPID_ABOUTBOX, "AboutBox", false, VT_VOID, ""},
    };
    TypeInfoData events{DIID__DGameOfLifeEvents, "_DGameOfLifeEvents", TKIND_DISPATCH, TYPEFLAG_FDISPATCHABLE,
                        "Event interface for GameOfLife Control", {}, {}};
    TypeInfoData coclass{CLSID_GameOfLife, "GameOfLife", TKIND_COCLASS, TYPEFLAG_FCANCREATE | TYPEFLAG_FCONTROL,
                         "GameOfLife Control", {}, {}};
    coclass.implTypes = {{DIID__DGameOfLife, IMPLTYPEFLAG_FDEFAULT},
                         {DIID__DGameOfLifeEvents, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE}};
    lib.types = {dispatch, events, coclass};
    return lib;
}
}

const TypeLibData& CelloraTypeLib()
{
    static const TypeLibData lib = Build();
    return lib;
}
