#include "QtWindowSystem.h"

#include "ControlWidget.h"
#include "DeviceContext.h"
#include "DialogBuilder.h"
#include "WindowApi.h"

#include <QMessageBox>

QtWindowSystem::~QtWindowSystem() = default;

HWND QtWindowSystem::CreateChildWindow(IWindowProc* proc, const RECT& rect)
{
    auto handle = std::make_unique<HWND__>(HWND__{this, proc});
    HWND hwnd = handle.get();
    auto* widget = new ControlWidget(hwnd, rect.right - rect.left, rect.bottom - rect.top, &m_parent);
    widget->move(rect.left, rect.top);
    widget->show();
    m_handles.emplace(hwnd, std::move(handle));
    m_widgets.emplace(hwnd, widget);
    return hwnd;
}

void QtWindowSystem::DestroyWindow(HWND hwnd)
{
    std::erase_if(m_timers, [hwnd](const auto& timer) { return timer.first.first == hwnd; });
    if (ControlWidget* widget = Widget(hwnd))
        widget->deleteLater();
    m_widgets.erase(hwnd);
    m_handles.erase(hwnd);
}

ControlWidget* QtWindowSystem::Widget(HWND hwnd) const
{
    const auto found = m_widgets.find(hwnd);
    return found != m_widgets.end() ? found->second : nullptr;
}

bool QtWindowSystem::SetTimer(HWND hwnd, UINT_PTR id, unsigned elapse)
{
    if (Widget(hwnd) == nullptr)
        return false;
    Timer timer{TimerSchedule(elapse, kShortestInterval, m_longestWait), std::make_unique<QTimer>()};
    timer.clock->setInterval(static_cast<int>(timer.schedule.NextWait()));
    QObject::connect(timer.clock.get(), &QTimer::timeout, [this, hwnd, id] { OnWaitEnded(hwnd, id); });
    timer.clock->start();
    m_timers.insert_or_assign({hwnd, id}, std::move(timer));
    return true;
}

void QtWindowSystem::OnWaitEnded(HWND hwnd, UINT_PTR id)
{
    const auto found = m_timers.find({hwnd, id});
    if (found == m_timers.end())
        return;
    Timer& timer = found->second;
    const bool due = timer.schedule.WaitEnded();
    const int next = static_cast<int>(timer.schedule.NextWait());
    if (timer.clock->interval() != next)
        timer.clock->setInterval(next);
    // The tick may set or kill this very timer, so nothing of it is used afterwards.
    if (due)
        SendMessage(hwnd, WM_TIMER, id, 0);
}

const QTimer* QtWindowSystem::TimerClock(HWND hwnd, UINT_PTR id) const
{
    const auto found = m_timers.find({hwnd, id});
    return found != m_timers.end() ? found->second.clock.get() : nullptr;
}

bool QtWindowSystem::KillTimer(HWND hwnd, UINT_PTR id)
{
    return m_timers.erase({hwnd, id}) != 0;
}

bool QtWindowSystem::RedrawWindow(HWND hwnd, unsigned flags)
{
    ControlWidget* widget = Widget(hwnd);
    if (widget == nullptr)
        return false;
    if (flags & RDW_UPDATENOW) {
        CDC dc(widget->Surface());
        SendMessage(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(&dc), 0);
        widget->repaint();
    } else {
        widget->update();
    }
    return true;
}

int QtWindowSystem::MessageBox(HWND, const char* text, const char* caption, unsigned)
{
    QMessageBox::information(&m_parent, QString::fromUtf8(caption), QString::fromUtf8(text));
    return IDOK;
}

INT_PTR QtWindowSystem::DoModal(HWND, const DialogTemplate& dialog)
{
    QDialog box(&m_parent);
    box.setObjectName("AboutDialog");
    box.setWindowTitle(QString::fromStdString(dialog.caption));
    box.setFixedSize(DialogSize(dialog));
    BuildDialogItems(box, dialog, &box);
    return box.exec();
}
