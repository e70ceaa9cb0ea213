#pragma once
// The Game of Life control: it animates its board on a window timer, flips
// cells on a left press, starts on a right press and paints the board picture.
#include "LifeBoard.h"
#include "OleControl.h"

#include <cstdint>

class CGameOfLifeCtrl : public COleControl {
public:
    CGameOfLifeCtrl();

    // Dispatch members.
    short GetSpeed();
    void SetSpeed(short nNewValue);
    void StartLife();
    void StopLife();
    void AboutBox();

    // Message handlers.
    void OnTimer(WPARAM nIDEvent, LPARAM);
    void OnLButtonDown(WPARAM nFlags, LPARAM point);
    void OnRButtonDown(WPARAM nFlags, LPARAM point);

    const CLifeBoard& Board() const { return m_board; }

protected:
    ~CGameOfLifeCtrl() override;

    UINT GetTypeInfoCount() override;
    CTypeLibCache* GetTypeLibCache() override;
    HRESULT GetTypeLib(LCID lcid, ITypeLib** ppTypeLib) override;
    const AFX_MSGMAP& GetMessageMap() const override;
    const AFX_DISPMAP& GetDispatchMap() const override;
    void DoPropExchange(CPropExchange* pPX) override;
    void OnResetState() override;
    void OnDraw(CDC* pdc, const RECT& rcBounds, const RECT& rcInvalid) override;
    CLSID GetClassID() const override;
    std::vector<CLSID> GetPropPageIDs() const override;
    UINT GetUserTypeNameID() const override;
    DWORD GetMiscStatus() const override;
    const AFX_EVENTMAP& GetEventMap() const override;

private:
    void Repaint();

    CLifeBoard m_board;
    std::int16_t m_nSpeed;
    std::int32_t m_bRunning;
};
