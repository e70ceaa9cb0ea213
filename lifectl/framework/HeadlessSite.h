#pragma once
// The site a headless container gives a control: a window of a given size on a
// window system, and a record of the property frames asked for.
#include "OleInterfaces.h"

#include <vector>

class HeadlessSite final : public IOleClientSite {
public:
    HeadlessSite(IWindowSystem& system, const RECT& rect) : m_system(system), m_rect(rect) {}

    HRESULT QueryInterface(REFIID riid, void** ppvObject) override;
    // The container owns the site; counting only guards against early release.
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override { return --m_refs; }

    IWindowSystem* GetWindowSystem() override { return &m_system; }
    RECT GetControlRect() override { return m_rect; }
    HRESULT ShowObject() override;
    HRESULT ShowPropertyFrame(IUnknown* object, const std::vector<CLSID>& pages) override;

    ULONG References() const { return m_refs; }
    int ShowObjectCount() const { return m_shown; }
    const std::vector<std::vector<CLSID>>& PropertyFrames() const { return m_frames; }

private:
    IWindowSystem& m_system;
    RECT m_rect;
    ULONG m_refs = 0;
    int m_shown = 0;
    std::vector<std::vector<CLSID>> m_frames;
};
