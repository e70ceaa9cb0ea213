#pragma once
// The container's window system on Qt: a control window is a widget over a
// raster surface, timers are QTimers, message boxes and dialogs are Qt's own.
#include "WindowSystem.h"

#include <QObject>
#include <QTimer>
#include <QWidget>

#include <map>
#include <memory>

class ControlWidget;

class QtWindowSystem final : public IWindowSystem {
public:
    explicit QtWindowSystem(QWidget& parent) : m_parent(parent) {}
    ~QtWindowSystem();

    HWND CreateChildWindow(IWindowProc* proc, const RECT& rect) override;
    void DestroyWindow(HWND hwnd) override;
    bool SetTimer(HWND hwnd, UINT_PTR id, unsigned elapse) override;
    bool KillTimer(HWND hwnd, UINT_PTR id) override;
    bool RedrawWindow(HWND hwnd, unsigned flags) override;
    int MessageBox(HWND owner, const char* text, const char* caption, unsigned type) override;
    INT_PTR DoModal(HWND parent, const DialogTemplate& dialog) override;

    ControlWidget* Widget(HWND hwnd) const;

private:
    QWidget& m_parent;
    std::map<HWND, std::unique_ptr<HWND__>> m_handles;
    std::map<HWND, ControlWidget*> m_widgets;
    std::map<std::pair<HWND, UINT_PTR>, std::unique_ptr<QTimer>> m_timers;
};
