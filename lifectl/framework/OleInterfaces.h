#pragma once
// The interfaces between a control and its container: embedding and verbs,
// drawing, persistence and property pages.
#include "DeviceContext.h"
#include "DialogTemplate.h"
#include "Guid.h"
#include "PropertyBag.h"
#include "Unknown.h"
#include "WindowSystem.h"

#include <string>
#include <vector>

constexpr IID IID_IOleObject = {0x6C1B7A10, 0x3E2F, 0x4C55, {0x9A, 0x01, 0x5D, 0x2E, 0x8B, 0x70, 0x11, 0x01}};
constexpr IID IID_IOleClientSite = {0x6C1B7A10, 0x3E2F, 0x4C55, {0x9A, 0x01, 0x5D, 0x2E, 0x8B, 0x70, 0x11, 0x02}};
constexpr IID IID_IViewObject = {0x6C1B7A10, 0x3E2F, 0x4C55, {0x9A, 0x01, 0x5D, 0x2E, 0x8B, 0x70, 0x11, 0x03}};
constexpr IID IID_IPersistPropertyBag = {0x6C1B7A10, 0x3E2F, 0x4C55, {0x9A, 0x01, 0x5D, 0x2E, 0x8B, 0x70, 0x11, 0x04}};
constexpr IID IID_ISpecifyPropertyPages = {0x6C1B7A10, 0x3E2F, 0x4C55, {0x9A, 0x01, 0x5D, 0x2E, 0x8B, 0x70, 0x11, 0x05}};
constexpr IID IID_IPropertyPage = {0x6C1B7A10, 0x3E2F, 0x4C55, {0x9A, 0x01, 0x5D, 0x2E, 0x8B, 0x70, 0x11, 0x06}};

constexpr IID IID_IConnectionPointContainer = {0x6C1B7A10, 0x3E2F, 0x4C55, {0x9A, 0x01, 0x5D, 0x2E, 0x8B, 0x70, 0x11, 0x07}};
constexpr IID IID_IConnectionPoint = {0x6C1B7A10, 0x3E2F, 0x4C55, {0x9A, 0x01, 0x5D, 0x2E, 0x8B, 0x70, 0x11, 0x08}};

constexpr LONG OLEIVERB_PRIMARY = 0;
constexpr LONG OLEIVERB_PROPERTIES = -7;

// The control wants its site before it is initialised or loaded.
constexpr DWORD OLEMISC_SETCLIENTSITEFIRST = 0x20000;

struct OLEVERB {
    LONG lVerb;
    std::string name;
};

// The container's side of one embedded control.
class IOleClientSite : public IUnknown {
public:
    virtual IWindowSystem* GetWindowSystem() = 0;
    // Where the control's window goes, in the container's pixels.
    virtual RECT GetControlRect() = 0;
    virtual HRESULT ShowObject() = 0;
    // Shows the pages, each made from its class id, for the object.
    virtual HRESULT ShowPropertyFrame(IUnknown* object, const std::vector<CLSID>& pages) = 0;

protected:
    ~IOleClientSite() = default;
};

class IOleObject : public IUnknown {
public:
    // Giving a site creates the control's window; taking it away destroys it.
    virtual HRESULT SetClientSite(IOleClientSite* pSite) = 0;
    virtual HRESULT DoVerb(LONG iVerb) = 0;
    virtual HRESULT EnumVerbs(std::vector<OLEVERB>* pVerbs) = 0;
    virtual HRESULT GetMiscStatus(DWORD* pdwStatus) = 0;
    virtual HRESULT GetUserClassID(CLSID* pClsid) = 0;
    virtual HRESULT GetUserType(std::string* pName) = 0;
    virtual HRESULT GetWindow(HWND* phwnd) = 0;

protected:
    ~IOleObject() = default;
};

class IViewObject : public IUnknown {
public:
    virtual HRESULT Draw(CDC* pTarget, const RECT& bounds) = 0;

protected:
    ~IViewObject() = default;
};

class IPersistPropertyBag : public IUnknown {
public:
    virtual HRESULT InitNew() = 0;
    virtual HRESULT Load(const CPropertyBag& bag) = 0;
    virtual HRESULT Save(CPropertyBag& bag) = 0;

protected:
    ~IPersistPropertyBag() = default;
};

class ISpecifyPropertyPages : public IUnknown {
public:
    virtual HRESULT GetPages(std::vector<CLSID>* pPages) = 0;

protected:
    ~ISpecifyPropertyPages() = default;
};

// Where a container connects the sink that hears one outgoing interface's events.
class IConnectionPoint : public IUnknown {
public:
    virtual HRESULT GetConnectionInterface(IID* pIID) = 0;
    // The sink must answer the outgoing interface or IDispatch; the cookie undoes the connection.
    virtual HRESULT Advise(IUnknown* pUnkSink, DWORD* pdwCookie) = 0;
    virtual HRESULT Unadvise(DWORD dwCookie) = 0;

protected:
    ~IConnectionPoint() = default;
};

class IConnectionPointContainer : public IUnknown {
public:
    virtual HRESULT FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) = 0;

protected:
    ~IConnectionPointContainer() = default;
};

struct PROPPAGEINFO {
    std::string title;
    int cx; // dialog units
    int cy;
};

class IPropertyPage : public IUnknown {
public:
    virtual HRESULT SetObjects(const std::vector<IUnknown*>& objects) = 0;
    virtual HRESULT GetPageInfo(PROPPAGEINFO* pInfo) = 0;
    virtual HRESULT GetDialog(DialogTemplate* pDialog) = 0;
    virtual HRESULT Apply() = 0;

protected:
    ~IPropertyPage() = default;
};
