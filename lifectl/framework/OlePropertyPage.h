#pragma once
// The framework base of a property page: its dialog template, caption and the
// objects it edits; the page's own data exchange runs when it is applied.
#include "ModuleState.h"
#include "OleInterfaces.h"

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
    HRESULT QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG AddRef() override;
    ULONG Release() override;

    HRESULT SetObjects(const std::vector<IUnknown*>& objects) override;
    HRESULT GetPageInfo(PROPPAGEINFO* pInfo) override;
    HRESULT GetDialog(DialogTemplate* pDialog) override;
    HRESULT Apply() override;

protected:
    COlePropertyPage(int templateId, int captionId);
    virtual ~COlePropertyPage();

    virtual void DoDataExchange(CDataExchange* pDX) = 0;
    virtual CLSID GetClassID() const = 0;

private:
    void ReleaseObjects();
    // The page's dialog template in its module's resources, or null.
    const DialogTemplate* FindTemplate() const;

    ULONG m_dwRef = 1;
    AFX_MODULE_STATE* m_pModuleState;
    int m_templateId;
    int m_captionId;
    std::vector<IUnknown*> m_objects;
};
