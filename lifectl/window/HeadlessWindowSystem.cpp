#include "HeadlessWindowSystem.h"

#include "DeviceContext.h"
#include "WindowApi.h"

namespace {
constexpr COLORREF kBackground = RGB(255, 255, 255);
}

HeadlessWindowSystem::~HeadlessWindowSystem() = default;

HWND HeadlessWindowSystem::CreateChildWindow(IWindowProc* proc, const RECT& rect)
{
    auto window = std::make_unique<Window>(
        Window{HWND__{this, proc}, Raster(rect.right - rect.left, rect.bottom - rect.top, kBackground)});
    HWND hwnd = &window->handle;
    m_windows.emplace(hwnd, std::move(window));
    return hwnd;
}

void HeadlessWindowSystem::DestroyWindow(HWND hwnd)
{
    std::erase_if(m_timers, [hwnd](const auto& timer) { return timer.first.first == hwnd; });
    m_windows.erase(hwnd);
}

bool HeadlessWindowSystem::SetTimer(HWND hwnd, UINT_PTR id, unsigned elapse)
{
    m_timerCalls.push_back({hwnd, id, elapse, true});
    if (!IsWindow(hwnd))
        return false;
    m_timers[{hwnd, id}] = elapse;
    return true;
}

bool HeadlessWindowSystem::KillTimer(HWND hwnd, UINT_PTR id)
{
    m_timerCalls.push_back({hwnd, id, 0, false});
    return m_timers.erase({hwnd, id}) != 0;
}

bool HeadlessWindowSystem::RedrawWindow(HWND hwnd, unsigned flags)
{
    if (!IsWindow(hwnd))
        return false;
    if (flags & RDW_UPDATENOW) {
        CDC dc(Surface(hwnd));
        ++m_paints;
        ::SendMessage(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(&dc), 0);
    }
    return true;
}

int HeadlessWindowSystem::MessageBox(HWND /*owner*/, const char* text, const char* caption, unsigned /*type*/)
{
    m_messages.push_back({text != nullptr ? text : "", caption != nullptr ? caption : ""});
    return IDOK;
}

INT_PTR HeadlessWindowSystem::DoModal(HWND /*parent*/, const DialogTemplate& dialog)
{
    m_dialogs.push_back(dialog);
    if (m_whileModal)
        m_whileModal();
    return IDOK;
}

int HeadlessWindowSystem::FireTimers()
{
    // Copied first: a tick may set or kill timers.
    std::vector<std::pair<HWND, UINT_PTR>> due;
    for (const auto& timer : m_timers)
        due.push_back(timer.first);
    int sent = 0;
    for (const auto& [hwnd, id] : due)
        if (m_timers.count({hwnd, id}) != 0) {
            ::SendMessage(hwnd, WM_TIMER, id, 0);
            ++sent;
        }
    return sent;
}
