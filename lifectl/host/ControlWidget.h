#pragma once
// The widget behind one control window: it shows the window's raster surface
// and hands mouse presses to the control as window messages.
#include "Raster.h"
#include "WindowTypes.h"

#include <QWidget>

class ControlWidget final : public QWidget {
public:
    ControlWidget(HWND hwnd, int width, int height, QWidget* parent);

    Raster& Surface() { return m_surface; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    HWND m_hwnd;
    Raster m_surface;
};
