#pragma once
// The control's one property page, "General"; it shows a note and changes nothing.
#include "OlePropertyPage.h"

class CGameOfLifePropPage : public COlePropertyPage {
public:
    CGameOfLifePropPage();

protected:
    ~CGameOfLifePropPage() override;
    void DoDataExchange(CDataExchange* pDX) override;
    CLSID GetClassID() const override;
};
