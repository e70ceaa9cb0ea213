#pragma once
// The tagged values that travel through dispatch calls, for the types in use.
#include "ComTypes.h"

enum : VARTYPE {
    VT_EMPTY = 0,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UI2 = 18,
    VT_UI4 = 19,
    VT_INT = 22,
    VT_UINT = 23,
    VT_VOID = 24,
    VT_HRESULT = 25,
};

using VARIANT_BOOL = std::int16_t;

struct VARIANT {
    VARTYPE vt = VT_EMPTY;
    union {
        std::int16_t iVal;
        std::int32_t lVal;
        std::uint16_t uiVal;
        std::uint32_t ulVal;
        VARIANT_BOOL boolVal;
    };
    VARIANT() : lVal(0) {}
};

void VariantInit(VARIANT* pvarg);
// Converts between the integer types; a value the target cannot hold gives DISP_E_OVERFLOW.
HRESULT VariantChangeType(VARIANT* pvargDest, const VARIANT* pvarSrc, WORD wFlags, VARTYPE vt);
