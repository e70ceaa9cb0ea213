#pragma once
// The framework base of a control: reference counting, the dispatch interface
// driven by the dispatch map, window messages and verbs through the message map,
// drawing, persistence and property pages.
#include "ControlMaps.h"
#include "Dispatch.h"
#include "ModuleState.h"
#include "OleInterfaces.h"
#include "PropExchange.h"
#include "TypeLib.h"

class COleControl : public IDispatch,
                    public IOleObject,
                    public IViewObject,
                    public IPersistPropertyBag,
                    public ISpecifyPropertyPages,
                    public IConnectionPointContainer,
                    private IWindowProc {
public:
    HRESULT QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT GetTypeInfoCount(UINT* pctinfo) override;
    HRESULT GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    HRESULT GetIDsOfNames(REFIID riid, const char* const* rgszNames, UINT cNames, LCID lcid,
                          DISPID* rgDispId) override;
    HRESULT Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                   VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    HRESULT SetClientSite(IOleClientSite* pSite) override;
    HRESULT DoVerb(LONG iVerb) override;
    HRESULT EnumVerbs(std::vector<OLEVERB>* pVerbs) override;
    HRESULT GetMiscStatus(DWORD* pdwStatus) override;
    HRESULT GetUserClassID(CLSID* pClsid) override;
    HRESULT GetUserType(std::string* pName) override;
    HRESULT GetWindow(HWND* phwnd) override;

    HRESULT Draw(CDC* pTarget, const RECT& bounds) override;

    HRESULT InitNew() override;
    HRESULT Load(const CPropertyBag& bag) override;
    HRESULT Save(CPropertyBag& bag) override;

    HRESULT GetPages(std::vector<CLSID>* pPages) override;

    HRESULT FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) override;

protected:
    COleControl();
    virtual ~COleControl();

    // The overridable operations, under the framework's names.
    virtual UINT GetTypeInfoCount() = 0;
    // Where the type library is kept once loaded; without a cache every request loads it.
    virtual CTypeLibCache* GetTypeLibCache();
    virtual HRESULT GetTypeLib(LCID lcid, ITypeLib** ppTypeLib) = 0;
    virtual const AFX_MSGMAP& GetMessageMap() const = 0;
    virtual const AFX_DISPMAP& GetDispatchMap() const = 0;
    virtual void DoPropExchange(CPropExchange* pPX);
    virtual void OnResetState();
    virtual void OnDraw(CDC* pdc, const RECT& rcBounds, const RECT& rcInvalid) = 0;
    virtual CLSID GetClassID() const = 0;
    virtual std::vector<CLSID> GetPropPageIDs() const = 0;
    virtual UINT GetUserTypeNameID() const = 0;
    virtual DWORD GetMiscStatus() const = 0;
    // The events the control may fire; the framework fires no other.
    virtual const AFX_EVENTMAP& GetEventMap() const;

    void InitializeIIDs(const IID* piidPrimary, const IID* piidEvents);
    bool OnEdit();
    bool OnProperties();
    HWND GetSafeHwnd() const { return m_hWnd; }
    // Calls every connected sink with the event, when the event map lists it;
    // answers whether it is listed.
    bool FireEvent(DISPID dispid);

private:
    // The connection point of the event interface; its references are the control's.
    class EventConnectionPoint final : public IConnectionPoint {
    public:
        explicit EventConnectionPoint(COleControl& owner) : m_owner(owner) {}
        HRESULT QueryInterface(REFIID riid, void** ppvObject) override;
        ULONG AddRef() override { return m_owner.AddRef(); }
        ULONG Release() override { return m_owner.Release(); }
        HRESULT GetConnectionInterface(IID* pIID) override;
        HRESULT Advise(IUnknown* pUnkSink, DWORD* pdwCookie) override;
        HRESULT Unadvise(DWORD dwCookie) override;

        void ReleaseSinks();
        const std::vector<std::pair<DWORD, IDispatch*>>& Sinks() const { return m_sinks; }

    private:
        COleControl& m_owner;
        std::vector<std::pair<DWORD, IDispatch*>> m_sinks;
        DWORD m_nextCookie = 1;
    };

    LRESULT WindowProc(MSGID message, WPARAM wParam, LPARAM lParam) override;
    HRESULT InvokeEntry(const AFX_DISPMAP_ENTRY& entry, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult);
    const AFX_DISPMAP_ENTRY* FindDispEntry(DISPID dispid) const;
    void DestroyControlWindow();
    IWindowSystem* ActiveSystem() const;

    ULONG m_dwRef = 1;
    AFX_MODULE_STATE* m_pModuleState;
    IOleClientSite* m_pClientSite = nullptr;
    HWND m_hWnd = nullptr;
    IID m_iidPrimary = GUID_NULL;
    IID m_iidEvents = GUID_NULL;
    LONG m_cxExtent = 0;
    LONG m_cyExtent = 0;
    EventConnectionPoint m_eventPoint{*this};
};
