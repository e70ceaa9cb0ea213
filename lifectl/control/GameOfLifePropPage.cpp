#include "GameOfLifePropPage.h"

#include "CelloraIds.h"
#include "CelloraResourceIds.h"

CGameOfLifePropPage::CGameOfLifePropPage() : COlePropertyPage(IDD_PROPPAGE_GAMEOFLIFE, IDS_GAMEOFLIFE_PPG_CAPTION)
{
}

CGameOfLifePropPage::~CGameOfLifePropPage() = default;

void CGameOfLifePropPage::DoDataExchange(CDataExchange* pDX)
{
    DDP_PostProcessing(pDX);
}

CLSID CGameOfLifePropPage::GetClassID() const
{
    return CLSID_GameOfLifePropPage;
}
