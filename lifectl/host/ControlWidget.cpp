#include "ControlWidget.h"

#include "DialogBuilder.h"
#include "WindowApi.h"

#include <QMouseEvent>
#include <QPainter>

ControlWidget::ControlWidget(HWND hwnd, int width, int height, QWidget* parent)
    : QWidget(parent), m_hwnd(hwnd), m_surface(width, height, RGB(255, 255, 255))
{
    setObjectName("GameOfLifeWindow");
    setFixedSize(width, height);
}

void ControlWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, ToImage(m_surface));
}

void ControlWidget::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const LPARAM point = MAKELPARAM(p.x(), p.y());
    if (event->button() == Qt::LeftButton)
        SendMessage(m_hwnd, WM_LBUTTONDOWN, MK_LBUTTON, point);
    else if (event->button() == Qt::RightButton)
        SendMessage(m_hwnd, WM_RBUTTONDOWN, MK_RBUTTON, point);
}
