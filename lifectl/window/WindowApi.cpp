#include "WindowApi.h"

#include <cstdio>

namespace {
// The window system of the message being handled on this thread, as the platform
// tracks the active window.
thread_local IWindowSystem* t_activeSystem = nullptr;
}

ActiveWindowSystemScope::ActiveWindowSystemScope(IWindowSystem* system) : m_previous(t_activeSystem)
{
    if (system != nullptr)
        t_activeSystem = system;
}

ActiveWindowSystemScope::~ActiveWindowSystemScope()
{
    t_activeSystem = m_previous;
}

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, unsigned elapse, TIMERPROC /*proc*/)
{
    if (hwnd == nullptr || hwnd->system == nullptr)
        return 0;
    return hwnd->system->SetTimer(hwnd, id, elapse) ? id : 0;
}

bool KillTimer(HWND hwnd, UINT_PTR id)
{
    return hwnd != nullptr && hwnd->system != nullptr && hwnd->system->KillTimer(hwnd, id);
}

bool RedrawWindow(HWND hwnd, const RECT* /*update*/, const void* /*region*/, unsigned flags)
{
    return hwnd != nullptr && hwnd->system != nullptr && hwnd->system->RedrawWindow(hwnd, flags);
}

IWindowSystem* GetActiveWindowSystem()
{
    return t_activeSystem;
}

int MessageBoxA(HWND owner, const char* text, const char* caption, unsigned type)
{
    IWindowSystem* system = owner != nullptr ? owner->system : t_activeSystem;
    if (system == nullptr) {
        // No window system to show it: the message still reaches the person running us.
        std::fprintf(stderr, "%s: %s\n", caption != nullptr ? caption : "", text != nullptr ? text : "");
        return IDOK;
    }
    return system->MessageBox(owner, text, caption, type);
}

LRESULT SendMessage(HWND hwnd, MSGID message, WPARAM wParam, LPARAM lParam)
{
    if (hwnd == nullptr || hwnd->proc == nullptr)
        return 0;
    ActiveWindowSystemScope active(hwnd->system);
    return hwnd->proc->WindowProc(message, wParam, lParam);
}
