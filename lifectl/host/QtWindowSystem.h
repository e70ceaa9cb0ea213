#pragma once
// The container's window system on Qt: a control window is a widget over a
// raster surface, timers are QTimers, message boxes and dialogs are Qt's own.
// A timer never runs faster than every 10 ms, the shortest interval of the
// platform the controls come from, and an interval beyond a QTimer's range is
// waited out in several waits.
#include "TimerSchedule.h"
#include "WindowSystem.h"

#include <QObject>
#include <QTimer>
#include <QWidget>

#include <map>
#include <memory>

class ControlWidget;

class QtWindowSystem final : public IWindowSystem {
public:
    static constexpr unsigned kShortestInterval = 10;
    // The longest single wait a QTimer holds, in milliseconds.
    static constexpr unsigned kLongestWait = 0x7FFFFFFF;

    explicit QtWindowSystem(QWidget& parent, unsigned longestWait = kLongestWait)
        : m_parent(parent), m_longestWait(longestWait < kLongestWait ? longestWait : kLongestWait) {}
    ~QtWindowSystem();

    HWND CreateChildWindow(IWindowProc* proc, const RECT& rect) override;
    void DestroyWindow(HWND hwnd) override;
    bool SetTimer(HWND hwnd, UINT_PTR id, unsigned elapse) override;
    bool KillTimer(HWND hwnd, UINT_PTR id) override;
    bool RedrawWindow(HWND hwnd, unsigned flags) override;
    int MessageBox(HWND owner, const char* text, const char* caption, unsigned type) override;
    INT_PTR DoModal(HWND parent, const DialogTemplate& dialog) override;

    ControlWidget* Widget(HWND hwnd) const;
    // The clock behind a window's timer, or null when it is not set.
    const QTimer* TimerClock(HWND hwnd, UINT_PTR id) const;

private:
    struct Timer {
        TimerSchedule schedule;
        std::unique_ptr<QTimer> clock;
    };
    void OnWaitEnded(HWND hwnd, UINT_PTR id);

    QWidget& m_parent;
    unsigned m_longestWait;
    std::map<HWND, std::unique_ptr<HWND__>> m_handles;
    std::map<HWND, ControlWidget*> m_widgets;
    std::map<std::pair<HWND, UINT_PTR>, Timer> m_timers;
};
