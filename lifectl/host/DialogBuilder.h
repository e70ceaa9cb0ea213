#pragma once
// Turns a dialog template into Qt widgets, dialog units into pixels the way an
// 8-point system font measures them.
#include "DialogTemplate.h"

#include <QDialog>
#include <QImage>

QImage ToImage(const Raster& raster);
// Places the template's items on the widget; push buttons close the dialog, if any, with their id.
void BuildDialogItems(QWidget& widget, const DialogTemplate& dialog, QDialog* closer);
QSize DialogSize(const DialogTemplate& dialog);
