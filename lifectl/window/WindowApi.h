#pragma once
// The window services under the platform's names, routed to the window system
// that serves the window. Without an owner window, a message box goes to the
// window system whose window is handling a message on this thread.
#include "WindowSystem.h"

using TIMERPROC = void (*)(HWND, unsigned, UINT_PTR, unsigned);

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, unsigned elapse, TIMERPROC proc);
bool KillTimer(HWND hwnd, UINT_PTR id);
bool RedrawWindow(HWND hwnd, const RECT* update, const void* region, unsigned flags);
int MessageBoxA(HWND owner, const char* text, const char* caption, unsigned type);
LRESULT SendMessage(HWND hwnd, MSGID message, WPARAM wParam, LPARAM lParam);
// The window system whose window is handling a message or call on this thread, or null.
IWindowSystem* GetActiveWindowSystem();

// Makes a window system the one unowned message boxes reach while it lives.
class ActiveWindowSystemScope {
public:
    explicit ActiveWindowSystemScope(IWindowSystem* system);
    ~ActiveWindowSystemScope();
    ActiveWindowSystemScope(const ActiveWindowSystemScope&) = delete;
    ActiveWindowSystemScope& operator=(const ActiveWindowSystemScope&) = delete;

private:
    IWindowSystem* m_previous;
};
