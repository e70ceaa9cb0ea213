#pragma once
// What a container's window system offers the controls it hosts on one thread:
// windows, timers, repainting, message boxes and modal dialogs.
#include "DialogTemplate.h"
#include "LifeSurface.h"
#include "WindowTypes.h"

class IWindowSystem {
public:
    virtual HWND CreateChildWindow(IWindowProc* proc, const RECT& rect) = 0;
    // Ends the window's timers with it, so that no tick reaches a dead window.
    virtual void DestroyWindow(HWND hwnd) = 0;
    virtual bool SetTimer(HWND hwnd, UINT_PTR id, unsigned elapse) = 0;
    virtual bool KillTimer(HWND hwnd, UINT_PTR id) = 0;
    // With RDW_UPDATENOW the window is repainted (WM_PAINT) before this returns.
    virtual bool RedrawWindow(HWND hwnd, unsigned flags) = 0;
    virtual int MessageBox(HWND owner, const char* text, const char* caption, unsigned type) = 0;
    // Runs the dialog modally; messages keep flowing meanwhile. Answers the command id that closed it.
    virtual INT_PTR DoModal(HWND parent, const DialogTemplate& dialog) = 0;

protected:
    ~IWindowSystem() = default;
};
