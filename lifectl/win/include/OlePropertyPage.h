#pragma once
// The framework base of a property page on the platform's IPropertyPage: a
// child dialog made from the page's template in the property frame, its
// caption string, the objects it edits; the page's own data exchange runs
// when the frame applies it.
#include "ModuleState.h"

#include <vector>

class CDataExchange {
public:
    explicit CDataExchange(bool saveAndValidate) : m_bSaveAndValidate(saveAndValidate) {}
    bool m_bSaveAndValidate;
};

// Hands the values that the page's exchange collected to the objects; a page
// without exchanged values hands nothing.
void DDP_PostProcessing(CDataExchange* pDX);

class COlePropertyPage : public IPropertyPage {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP SetPageSite(IPropertyPageSite* pPageSite) override;
    STDMETHODIMP Activate(HWND hWndParent, LPCRECT pRect, BOOL bModal) override;
    STDMETHODIMP Deactivate() override;
    STDMETHODIMP GetPageInfo(PROPPAGEINFO* pPageInfo) override;
    STDMETHODIMP SetObjects(ULONG cObjects, IUnknown** ppUnk) override;
    STDMETHODIMP Show(UINT nCmdShow) override;
    STDMETHODIMP Move(LPCRECT pRect) override;
    STDMETHODIMP IsPageDirty() override;
    STDMETHODIMP Apply() override;
    STDMETHODIMP Help(LPCOLESTR pszHelpDir) override;
    STDMETHODIMP TranslateAccelerator(MSG* pMsg) override;

protected:
    COlePropertyPage(int templateId, int captionId);
    virtual ~COlePropertyPage();

    virtual void DoDataExchange(CDataExchange* pDX) = 0;
    virtual CLSID GetClassID() const = 0;

private:
    void ReleaseObjects();
    HWND MakeDialog(HWND hWndParent);

    ULONG m_dwRef = 1;
    AFX_MODULE_STATE* m_pModuleState;
    int m_templateId;
    int m_captionId;
    IPropertyPageSite* m_pPageSite = nullptr;
    HWND m_hWnd = nullptr;
    std::vector<IUnknown*> m_objects;
};
