// COleControl: drawing for the container (IViewObject2) and persistence of the
// exchanged properties through a stream or a property bag.
#include "OleControl.h"

#include "ControlEntry.h"

#include <cstdint>
#include <vector>

namespace {
bool ReadExact(IStream* stream, void* data, ULONG size)
{
    ULONG read = 0;
    return SUCCEEDED(stream->Read(data, size, &read)) && read == size;
}

bool WriteExact(IStream* stream, const void* data, ULONG size)
{
    ULONG written = 0;
    return SUCCEEDED(stream->Write(data, size, &written)) && written == size;
}

// The stream form: a count, then each value as a name length, the name and a 32-bit value.
constexpr std::uint32_t kMaxStreamValues = 64;
constexpr std::uint16_t kMaxNameLength = 64;
}

void COleControl::DoPropExchange(CPropExchange* pPX)
{
    pPX->PX_Long("_ExtentX", m_cxExtent, m_cxExtent);
    pPX->PX_Long("_ExtentY", m_cyExtent, m_cyExtent);
}

void COleControl::OnResetState()
{
    m_bModified = false;
}

void COleControl::Exchange(std::map<std::string, LONG>& values, bool loading)
{
    CPropExchange px(values, loading);
    DoPropExchange(&px);
    if (loading)
        m_bModified = false;
}

STDMETHODIMP COleControl::Draw(DWORD dwDrawAspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC hdcDraw, LPCRECTL lprcBounds,
                               LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR)
{
    if (dwDrawAspect != DVASPECT_CONTENT)
        return DV_E_DVASPECT;
    if (hdcDraw == nullptr || lprcBounds == nullptr)
        return E_INVALIDARG;
    AfxModuleStateScope scope(m_pModuleState);
    const RECT bounds = {lprcBounds->left, lprcBounds->top, lprcBounds->right, lprcBounds->bottom};
    // The picture goes to the context's origin; the bounds only move that origin.
    POINT previous;
    SetViewportOrgEx(hdcDraw, bounds.left, bounds.top, &previous);
    CDC dc(hdcDraw);
    const HRESULT hr = AfxGuardedCall([&] {
        OnDraw(&dc, bounds, bounds);
        return S_OK;
    });
    SetViewportOrgEx(hdcDraw, previous.x, previous.y, nullptr);
    return hr;
}

STDMETHODIMP COleControl::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** ppColorSet)
{
    if (ppColorSet != nullptr)
        *ppColorSet = nullptr;
    return S_FALSE;
}

STDMETHODIMP COleControl::Freeze(DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }
STDMETHODIMP COleControl::Unfreeze(DWORD) { return E_NOTIMPL; }

STDMETHODIMP COleControl::SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* pAdvSink)
{
    if (pAdvSink != nullptr)
        pAdvSink->AddRef();
    if (m_pViewAdviseSink != nullptr)
        m_pViewAdviseSink->Release();
    m_pViewAdviseSink = pAdvSink;
    m_dwViewAdviseAspects = aspects;
    m_dwViewAdviseFlags = advf;
    return S_OK;
}

STDMETHODIMP COleControl::GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink)
{
    if (pAspects != nullptr)
        *pAspects = m_dwViewAdviseAspects;
    if (pAdvf != nullptr)
        *pAdvf = m_dwViewAdviseFlags;
    if (ppAdvSink != nullptr) {
        *ppAdvSink = m_pViewAdviseSink;
        if (m_pViewAdviseSink != nullptr)
            m_pViewAdviseSink->AddRef();
    }
    return S_OK;
}

STDMETHODIMP COleControl::GetExtent(DWORD dwDrawAspect, LONG, DVTARGETDEVICE*, LPSIZEL lpsizel)
{
    return GetExtent(dwDrawAspect, lpsizel);
}

STDMETHODIMP COleControl::GetClassID(CLSID* pClassID)
{
    if (pClassID == nullptr)
        return E_POINTER;
    *pClassID = GetClassID();
    return S_OK;
}

STDMETHODIMP COleControl::IsDirty()
{
    return m_bModified ? S_OK : S_FALSE;
}

STDMETHODIMP COleControl::InitNew()
{
    AfxModuleStateScope scope(m_pModuleState);
    return AfxGuardedCall([&] {
        OnResetState();
        return S_OK;
    });
}

STDMETHODIMP COleControl::Load(LPSTREAM pStm)
{
    if (pStm == nullptr)
        return E_POINTER;
    AfxModuleStateScope scope(m_pModuleState);
    return AfxGuardedCall([&] {
        std::uint32_t count = 0;
        if (!ReadExact(pStm, &count, sizeof count) || count > kMaxStreamValues)
            return STG_E_READFAULT;
        std::map<std::string, LONG> values;
        for (std::uint32_t i = 0; i < count; ++i) {
            std::uint16_t length = 0;
            if (!ReadExact(pStm, &length, sizeof length) || length > kMaxNameLength)
                return STG_E_READFAULT;
            std::string name(length, '\0');
            LONG value = 0;
            if (!ReadExact(pStm, name.data(), length) || !ReadExact(pStm, &value, sizeof value))
                return STG_E_READFAULT;
            values[name] = value;
        }
        Exchange(values, true);
        return S_OK;
    });
}

STDMETHODIMP COleControl::Save(LPSTREAM pStm, BOOL fClearDirty)
{
    if (pStm == nullptr)
        return E_POINTER;
    AfxModuleStateScope scope(m_pModuleState);
    return AfxGuardedCall([&] {
        std::map<std::string, LONG> values;
        Exchange(values, false);
        const auto count = static_cast<std::uint32_t>(values.size());
        if (!WriteExact(pStm, &count, sizeof count))
            return STG_E_WRITEFAULT;
        for (const auto& [name, value] : values) {
            const auto length = static_cast<std::uint16_t>(name.size());
            if (!WriteExact(pStm, &length, sizeof length) || !WriteExact(pStm, name.data(), length)
                || !WriteExact(pStm, &value, sizeof value))
                return STG_E_WRITEFAULT;
        }
        if (fClearDirty)
            m_bModified = false;
        return S_OK;
    });
}

STDMETHODIMP COleControl::GetSizeMax(ULARGE_INTEGER* pCbSize)
{
    if (pCbSize == nullptr)
        return E_POINTER;
    std::map<std::string, LONG> values;
    Exchange(values, false);
    ULONGLONG size = sizeof(std::uint32_t);
    for (const auto& entry : values)
        size += sizeof(std::uint16_t) + entry.first.size() + sizeof(LONG);
    pCbSize->QuadPart = size;
    return S_OK;
}

STDMETHODIMP COleControl::Load(IPropertyBag* pPropBag, IErrorLog* pErrorLog)
{
    if (pPropBag == nullptr)
        return E_POINTER;
    AfxModuleStateScope scope(m_pModuleState);
    return AfxGuardedCall([&] {
        // The names come from a saving exchange; the bag answers those it holds.
        std::map<std::string, LONG> names;
        Exchange(names, false);
        std::map<std::string, LONG> values;
        for (const auto& entry : names) {
            std::wstring wide(entry.first.begin(), entry.first.end());
            VARIANT value;
            VariantInit(&value);
            value.vt = VT_I4;
            if (SUCCEEDED(pPropBag->Read(wide.c_str(), &value, pErrorLog))
                && SUCCEEDED(VariantChangeType(&value, &value, 0, VT_I4)))
                values[entry.first] = value.lVal;
            VariantClear(&value);
        }
        Exchange(values, true);
        return S_OK;
    });
}

STDMETHODIMP COleControl::Save(IPropertyBag* pPropBag, BOOL fClearDirty, BOOL)
{
    if (pPropBag == nullptr)
        return E_POINTER;
    AfxModuleStateScope scope(m_pModuleState);
    return AfxGuardedCall([&] {
        std::map<std::string, LONG> values;
        Exchange(values, false);
        for (const auto& [name, number] : values) {
            std::wstring wide(name.begin(), name.end());
            VARIANT value;
            VariantInit(&value);
            value.vt = VT_I4;
            value.lVal = number;
            const HRESULT hr = pPropBag->Write(wide.c_str(), &value);
            if (FAILED(hr))
                return hr;
        }
        if (fClearDirty)
            m_bModified = false;
        return S_OK;
    });
}
