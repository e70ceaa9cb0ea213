// The main window's place and size in the per-user settings store: application
// "Lumafold", group "Settings", four keys in twips as decimal text.
#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QSettings;

namespace lumafold {

struct Placement {
    int left = 3100, top = 2800, width = 9900, height = 4800;  // twips
};

// Reads the four keys; a key that is absent or not a positive number for a size
// takes its default, and a placement that leaves no usable part of the window
// on any of the screens (in pixels at dpi) is replaced by the defaults.
Placement ReadPlacement(QSettings& store, const QList<QRect>& screens, double dpi);
void WritePlacement(QSettings& store, const Placement& placement);

// The store the program uses (native format, per user).
QString SettingsApplication();

} // namespace lumafold
