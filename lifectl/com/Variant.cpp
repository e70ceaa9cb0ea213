#include "Variant.h"

#include <limits>
#include <optional>

namespace {
std::optional<std::int64_t> IntegerOf(const VARIANT& v)
{
    switch (v.vt) {
    case VT_I2: return v.iVal;
    case VT_I4:
    case VT_INT: return v.lVal;
    case VT_UI2: return v.uiVal;
    case VT_UI4:
    case VT_UINT: return v.ulVal;
    case VT_BOOL: return v.boolVal;
    default: return std::nullopt;
    }
}

template <class T> bool Fits(std::int64_t value)
{
    return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
}
}

void VariantInit(VARIANT* pvarg)
{
    *pvarg = VARIANT{};
}

HRESULT VariantChangeType(VARIANT* pvargDest, const VARIANT* pvarSrc, WORD /*wFlags*/, VARTYPE vt)
{
    if (pvargDest == nullptr || pvarSrc == nullptr)
        return E_POINTER;
    const std::optional<std::int64_t> value = IntegerOf(*pvarSrc);
    if (!value)
        return DISP_E_TYPEMISMATCH;
    VARIANT result;
    result.vt = vt;
    switch (vt) {
    case VT_I2:
        if (!Fits<std::int16_t>(*value))
            return DISP_E_OVERFLOW;
        result.iVal = static_cast<std::int16_t>(*value);
        break;
    case VT_I4:
    case VT_INT:
        if (!Fits<std::int32_t>(*value))
            return DISP_E_OVERFLOW;
        result.lVal = static_cast<std::int32_t>(*value);
        break;
    case VT_UI4:
    case VT_UINT:
        if (!Fits<std::uint32_t>(*value))
            return DISP_E_OVERFLOW;
        result.ulVal = static_cast<std::uint32_t>(*value);
        break;
    default:
        return DISP_E_TYPEMISMATCH;
    }
    *pvargDest = result;
    return S_OK;
}
