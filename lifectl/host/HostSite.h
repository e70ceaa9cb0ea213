#pragma once
// The host's site for its one control: the control's window on the Qt window
// system, and the property frame made from the server's page classes.
#include "OleInterfaces.h"

#include <functional>

class QtWindowSystem;
class QWidget;

class HostSite final : public IOleClientSite {
public:
    using PageMaker = std::function<IPropertyPage*(REFCLSID)>;
    HostSite(QtWindowSystem& system, QWidget& parent, PageMaker makePage)
        : m_system(system), m_parent(parent), m_makePage(std::move(makePage)) {}

    HRESULT QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG AddRef() override { return 2; } // owned by the host window, never freed by references
    ULONG Release() override { return 1; }
    IWindowSystem* GetWindowSystem() override;
    RECT GetControlRect() override { return RECT{0, 0, 320, 235}; }
    HRESULT ShowObject() override { return S_OK; }
    HRESULT ShowPropertyFrame(IUnknown* object, const std::vector<CLSID>& pages) override;

private:
    QtWindowSystem& m_system;
    QWidget& m_parent;
    PageMaker m_makePage;
};
