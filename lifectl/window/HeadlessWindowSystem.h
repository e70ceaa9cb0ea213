#pragma once
// A window system without a screen: each window paints into its own raster,
// timers fire when told to, message boxes and dialogs are recorded and answered.
// Headless containers, tests and benchmarks run controls on it.
#include "Raster.h"
#include "WindowSystem.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class HeadlessWindowSystem final : public IWindowSystem {
public:
    struct TimerCall {
        HWND hwnd;
        UINT_PTR id;
        unsigned elapse; // 0 for a kill
        bool set;
    };
    struct Message {
        std::string text;
        std::string caption;
    };

    HeadlessWindowSystem() = default;
    ~HeadlessWindowSystem();
    HeadlessWindowSystem(const HeadlessWindowSystem&) = delete;
    HeadlessWindowSystem& operator=(const HeadlessWindowSystem&) = delete;

    HWND CreateChildWindow(IWindowProc* proc, const RECT& rect) override;
    void DestroyWindow(HWND hwnd) override;
    bool SetTimer(HWND hwnd, UINT_PTR id, unsigned elapse) override;
    bool KillTimer(HWND hwnd, UINT_PTR id) override;
    bool RedrawWindow(HWND hwnd, unsigned flags) override;
    int MessageBox(HWND owner, const char* text, const char* caption, unsigned type) override;
    INT_PTR DoModal(HWND parent, const DialogTemplate& dialog) override;

    // Delivers one WM_TIMER for every timer that is set; answers how many went out.
    int FireTimers();
    bool IsWindow(HWND hwnd) const { return m_windows.count(hwnd) != 0; }
    std::size_t TimerCount() const { return m_timers.size(); }
    const std::vector<TimerCall>& TimerCalls() const { return m_timerCalls; }
    Raster& Surface(HWND hwnd) { return m_windows.at(hwnd)->surface; }
    int PaintCount() const { return m_paints; }
    const std::vector<Message>& Messages() const { return m_messages; }
    const std::vector<DialogTemplate>& Dialogs() const { return m_dialogs; }
    // Runs while a modal dialog is up, as the person would wait in front of it.
    void WhileModal(std::function<void()> action) { m_whileModal = std::move(action); }

private:
    struct Window {
        HWND__ handle;
        Raster surface;
    };
    std::map<HWND, std::unique_ptr<Window>> m_windows;
    std::map<std::pair<HWND, UINT_PTR>, unsigned> m_timers;
    std::vector<TimerCall> m_timerCalls;
    std::vector<Message> m_messages;
    std::vector<DialogTemplate> m_dialogs;
    std::function<void()> m_whileModal;
    int m_paints = 0;
};
