#pragma once
// The framework base of a control on the platform's component object model:
// reference counting, IDispatch driven by the dispatch map, a child window whose
// messages and the container's verbs go through the message map, in-place
// activation in the container's site, drawing through IViewObject2,
// persistence through a stream or a property bag, and property pages.
#include "ControlMaps.h"
#include "DeviceContext.h"
#include "ModuleState.h"
#include "PropExchange.h"

#include <vector>

class COleControl : public IDispatch,
                    public IOleObject,
                    public IOleInPlaceObject,
                    public IOleInPlaceActiveObject,
                    public IOleControl,
                    public IViewObject2,
                    public IPersistStreamInit,
                    public IPersistPropertyBag,
                    public IProvideClassInfo,
                    public ISpecifyPropertyPages {
public:
    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    // IDispatch
    STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) override;
    STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
    STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                        VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* pClientSite) override;
    STDMETHODIMP GetClientSite(IOleClientSite** ppClientSite) override;
    STDMETHODIMP SetHostNames(LPCOLESTR szContainerApp, LPCOLESTR szContainerObj) override;
    STDMETHODIMP Close(DWORD dwSaveOption) override;
    STDMETHODIMP SetMoniker(DWORD dwWhichMoniker, IMoniker* pmk) override;
    STDMETHODIMP GetMoniker(DWORD dwAssign, DWORD dwWhichMoniker, IMoniker** ppmk) override;
    STDMETHODIMP InitFromData(IDataObject* pDataObject, BOOL fCreation, DWORD dwReserved) override;
    STDMETHODIMP GetClipboardData(DWORD dwReserved, IDataObject** ppDataObject) override;
    STDMETHODIMP DoVerb(LONG iVerb, LPMSG lpmsg, IOleClientSite* pActiveSite, LONG lindex, HWND hwndParent,
                        LPCRECT lprcPosRect) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) override;
    STDMETHODIMP Update() override;
    STDMETHODIMP IsUpToDate() override;
    STDMETHODIMP GetUserClassID(CLSID* pClsid) override;
    STDMETHODIMP GetUserType(DWORD dwFormOfType, LPOLESTR* pszUserType) override;
    STDMETHODIMP SetExtent(DWORD dwDrawAspect, SIZEL* psizel) override;
    STDMETHODIMP GetExtent(DWORD dwDrawAspect, SIZEL* psizel) override;
    STDMETHODIMP Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection) override;
    STDMETHODIMP Unadvise(DWORD dwConnection) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** ppenumAdvise) override;
    STDMETHODIMP GetMiscStatus(DWORD dwAspect, DWORD* pdwStatus) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE* pLogpal) override;

    // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject
    STDMETHODIMP GetWindow(HWND* phwnd) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL fEnterMode) override;
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT lprcPosRect, LPCRECT lprcClipRect) override;
    STDMETHODIMP ReactivateAndUndo() override;
    STDMETHODIMP TranslateAccelerator(LPMSG lpmsg) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL fActivate) override;
    STDMETHODIMP OnDocWindowActivate(BOOL fActivate) override;
    STDMETHODIMP ResizeBorder(LPCRECT prcBorder, IOleInPlaceUIWindow* pUIWindow, BOOL fFrameWindow) override;
    STDMETHODIMP EnableModeless(BOOL fEnable) override;

    // IOleControl
    STDMETHODIMP GetControlInfo(CONTROLINFO* pCI) override;
    STDMETHODIMP OnMnemonic(MSG* pMsg) override;
    STDMETHODIMP OnAmbientPropertyChange(DISPID dispID) override;
    STDMETHODIMP FreezeEvents(BOOL bFreeze) override;

    // IViewObject2
    STDMETHODIMP Draw(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd, HDC hdcTargetDev,
                      HDC hdcDraw, LPCRECTL lprcBounds, LPCRECTL lprcWBounds, BOOL(STDMETHODCALLTYPE* pfnContinue)(ULONG_PTR),
                      ULONG_PTR dwContinue) override;
    STDMETHODIMP GetColorSet(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DVTARGETDEVICE* ptd, HDC hicTargetDev,
                             LOGPALETTE** ppColorSet) override;
    STDMETHODIMP Freeze(DWORD dwDrawAspect, LONG lindex, void* pvAspect, DWORD* pdwFreeze) override;
    STDMETHODIMP Unfreeze(DWORD dwFreeze) override;
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* pAdvSink) override;
    STDMETHODIMP GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink) override;
    STDMETHODIMP GetExtent(DWORD dwDrawAspect, LONG lindex, DVTARGETDEVICE* ptd, LPSIZEL lpsizel) override;

    // IPersist, IPersistStreamInit, IPersistPropertyBag
    STDMETHODIMP GetClassID(CLSID* pClassID) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(LPSTREAM pStm) override;
    STDMETHODIMP Save(LPSTREAM pStm, BOOL fClearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* pCbSize) override;
    STDMETHODIMP InitNew() override;
    STDMETHODIMP Load(IPropertyBag* pPropBag, IErrorLog* pErrorLog) override;
    STDMETHODIMP Save(IPropertyBag* pPropBag, BOOL fClearDirty, BOOL fSaveAllProperties) override;

    // IProvideClassInfo, ISpecifyPropertyPages
    STDMETHODIMP GetClassInfo(ITypeInfo** ppTI) override;
    STDMETHODIMP GetPages(CAUUID* pPages) override;

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
    // The events the control may fire.
    virtual const AFX_EVENTMAP& GetEventMap() const;

    void InitializeIIDs(const IID* piidPrimary, const IID* piidEvents);
    // The standard Edit verb: activates the control in place in its site.
    bool OnEdit();
    // The standard Properties verb: shows the control's property pages in the platform's frame.
    bool OnProperties();
    HWND GetSafeHwnd() const { return m_hWnd; }

private:
    friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    HRESULT InvokeEntry(const AFX_DISPMAP_ENTRY& entry, WORD wFlags, DISPPARAMS* pDispParams, VARIANT* pVarResult);
    const AFX_DISPMAP_ENTRY* FindDispEntry(DISPID dispid) const;
    HRESULT LoadTypeInfo(REFGUID guid, LCID lcid, ITypeInfo** ppTInfo);
    HRESULT InPlaceActivate(HWND hwndParent, LPCRECT lprcPosRect);
    bool CreateControlWindow(HWND hwndParent, const RECT& rect);
    void DestroyControlWindow();
    HRESULT RunVerbEntry(unsigned nameId);
    void Exchange(std::map<std::string, LONG>& values, bool loading);

    ULONG m_dwRef = 1;
    AFX_MODULE_STATE* m_pModuleState;
    IOleClientSite* m_pClientSite = nullptr;
    IOleInPlaceSite* m_pInPlaceSite = nullptr;
    IOleAdviseHolder* m_pOleAdviseHolder = nullptr;
    IAdviseSink* m_pViewAdviseSink = nullptr;
    DWORD m_dwViewAdviseAspects = 0;
    DWORD m_dwViewAdviseFlags = 0;
    HWND m_hWnd = nullptr;
    IID m_iidPrimary = GUID_NULL;
    IID m_iidEvents = GUID_NULL;
    LONG m_cxExtent = 0; // HIMETRIC
    LONG m_cyExtent = 0;
    bool m_bModified = false;
};
