#include "GameOfLifeCtrl.h"

#include "CelloraIds.h"
#include "CelloraResourceIds.h"
#include "Dialog.h"
#include "DispatchException.h"
#include "TypeLibRegistry.h"
#include "WindowApi.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
constexpr short kDefaultSpeed = 100;
constexpr DWORD kPropVersion = 0x00010000;
}

CGameOfLifeCtrl::CGameOfLifeCtrl()
{
    InitializeIIDs(&DIID__DGameOfLife, &DIID__DGameOfLifeEvents);
    m_bRunning = false;
    m_nSpeed = kDefaultSpeed;
}

CGameOfLifeCtrl::~CGameOfLifeCtrl() = default;

const AFX_MSGMAP& CGameOfLifeCtrl::GetMessageMap() const
{
    static const AFX_MSGMAP map = {
        OnMessage(WM_TIMER, &CGameOfLifeCtrl::OnTimer),
        OnMessage(WM_LBUTTONDOWN, &CGameOfLifeCtrl::OnLButtonDown),
        OnMessage(WM_RBUTTONDOWN, &CGameOfLifeCtrl::OnRButtonDown),
        OnVerb(AFX_IDS_VERB_EDIT, &CGameOfLifeCtrl::OnEdit),
        OnVerb(AFX_IDS_VERB_PROPERTIES, &CGameOfLifeCtrl::OnProperties),
    };
    return map;
}

const AFX_EVENTMAP& CGameOfLifeCtrl::GetEventMap() const
{
    // The control fires no events, neither its own nor the framework's stock events.
    static const AFX_EVENTMAP map = {};
    return map;
}

const AFX_DISPMAP& CGameOfLifeCtrl::GetDispatchMap() const
{
    static const AFX_DISPMAP map = {
        DispProperty("Speed", &CGameOfLifeCtrl::GetSpeed, &CGameOfLifeCtrl::SetSpeed),
        DispMethod("StartLife", &CGameOfLifeCtrl::StartLife),
        DispMethod("StopLife", &CGameOfLifeCtrl::StopLife),
        DispMethod("AboutBox", &CGameOfLifeCtrl::AboutBox, DISPID_ABOUTBOX),
    };
    return map;
}

UINT CGameOfLifeCtrl::GetTypeInfoCount()
{
    return 1;
}

CTypeLibCache* CGameOfLifeCtrl::GetTypeLibCache()
{
    return AfxGetTypeLibCache(&LIBID_CELLORALib);
}

HRESULT CGameOfLifeCtrl::GetTypeLib(LCID lcid, ITypeLib** ppTypeLib)
{
    return LoadRegTypeLib(LIBID_CELLORALib, kTypeLibMajor, kTypeLibMinor, lcid, ppTypeLib);
}

CLSID CGameOfLifeCtrl::GetClassID() const
{
    return CLSID_GameOfLife;
}

std::vector<CLSID> CGameOfLifeCtrl::GetPropPageIDs() const
{
    return {CLSID_GameOfLifePropPage};
}

UINT CGameOfLifeCtrl::GetUserTypeNameID() const
{
    return IDS_GAMEOFLIFE;
}

DWORD CGameOfLifeCtrl::GetMiscStatus() const
{
    return kGameOfLifeMiscStatus;
}

short CGameOfLifeCtrl::GetSpeed()
{
    return m_nSpeed;
}

void CGameOfLifeCtrl::SetSpeed(short nNewValue)
{
    m_nSpeed = nNewValue;
    if (m_bRunning) {
        StopLife();
        StartLife();
    }
}

void CGameOfLifeCtrl::StartLife()
{
    if (m_bRunning)
        return;
    // Widened with its sign, so -1 asks for 4294967295 ms: a practically stopped board.
    SetTimer(GetSafeHwnd(), kTimerId, static_cast<unsigned>(static_cast<std::int32_t>(m_nSpeed)), nullptr);
    m_bRunning = true;
}

void CGameOfLifeCtrl::StopLife()
{
    if (!m_bRunning)
        return;
    KillTimer(GetSafeHwnd(), kTimerId);
    m_bRunning = false;
}

void CGameOfLifeCtrl::AboutBox()
{
    CDialog dlgAbout(IDD_ABOUTBOX_GAMEOFLIFE, nullptr);
    // The dialog's result is not used; a box that cannot be shown at all is
    // the caller's to know, not a quiet success.
    if (dlgAbout.DoModal() == -1)
        AfxThrowOleDispatchException(0, "The about box cannot be shown: there is no window to show it on.");
}

void CGameOfLifeCtrl::Repaint()
{
    RedrawWindow(GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CGameOfLifeCtrl::OnTimer(WPARAM /*nIDEvent*/, LPARAM)
{
    m_board.NextGeneration();
    Repaint();
}

void CGameOfLifeCtrl::OnLButtonDown(WPARAM /*nFlags*/, LPARAM point)
{
    if (const auto cell = m_board.CellOfPixel(GET_X_LPARAM(point), GET_Y_LPARAM(point)))
        m_board.ToggleCell(cell->column, cell->row);
    Repaint();
}

void CGameOfLifeCtrl::OnRButtonDown(WPARAM /*nFlags*/, LPARAM /*point*/)
{
    StartLife();
}

void CGameOfLifeCtrl::OnResetState()
{
    COleControl::OnResetState();
    // A timer left running here would tick on with m_bRunning false, and no
    // StopLife could ever end it.
    if (m_bRunning)
        KillTimer(GetSafeHwnd(), kTimerId);
    m_bRunning = false;
    m_nSpeed = kDefaultSpeed;
}

void CGameOfLifeCtrl::DoPropExchange(CPropExchange* pPX)
{
    DWORD version = kPropVersion;
    pPX->ExchangeVersion(version, kPropVersion, true);
    COleControl::DoPropExchange(pPX);
}

void CGameOfLifeCtrl::OnDraw(CDC* pdc, const RECT& /*rcBounds*/, const RECT& /*rcInvalid*/)
{
    const int width = m_board.GetPictureWidth();
    const int height = m_board.GetPictureHeight();
    CDC memDC;
    memDC.CreateCompatibleDC(pdc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(pdc, width, height);
    memDC.SelectObject(&bitmap);
    m_board.Draw(memDC);
    pdc->BitBlt(0, 0, width, height, &memDC, 0, 0, SRCCOPY);
    if (!memDC.DeleteDC())
        MessageBoxA(nullptr, "Error", "ReleaseDC", MB_OK);
    if (!bitmap.DeleteObject())
        MessageBoxA(nullptr, "Error", "Delete BMP", MB_OK);
}
