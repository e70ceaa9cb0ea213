#include "WindowPlacement.h"

#include "Twips.h"

#include <QSettings>

namespace lumafold {
namespace {

int ReadKey(QSettings& store, const char* key, int fallback, bool mustBePositive) {
    bool ok = false;
    const int value = store.value(key).toString().trimmed().toInt(&ok);
    if (!ok || (mustBePositive && value <= 0)) return fallback;
    return value;
}

// A window can be moved back by hand only when a piece of it near its top
// edge shows on some screen.
bool Reachable(const QRect& window, const QList<QRect>& screens) {
    const QRect grip(window.left(), window.top(), window.width(), qMin(window.height(), 30));
    for (const QRect& screen : screens) {
        const QRect seen = grip.intersected(screen);
        if (seen.width() >= qMin(50, window.width()) && seen.height() >= qMin(10, grip.height())) return true;
    }
    return false;
}

} // namespace

QString SettingsApplication() { return QStringLiteral("Lumafold"); }

Placement ReadPlacement(QSettings& store, const QList<QRect>& screens, double dpi) {
    const Placement d;
    store.beginGroup("Settings");
    Placement p;
    p.left = ReadKey(store, "MainLeft", d.left, false);
    p.top = ReadKey(store, "MainTop", d.top, false);
    p.width = ReadKey(store, "MainWidth", d.width, true);
    p.height = ReadKey(store, "MainHeight", d.height, true);
    store.endGroup();
    if (!screens.isEmpty() && !Reachable(TwipsRect(p.left, p.top, p.width, p.height, dpi), screens)) return d;
    return p;
}

void WritePlacement(QSettings& store, const Placement& p) {
    store.beginGroup("Settings");
    store.setValue("MainLeft", QString::number(p.left));
    store.setValue("MainTop", QString::number(p.top));
    store.setValue("MainWidth", QString::number(p.width));
    store.setValue("MainHeight", QString::number(p.height));
    store.endGroup();
    store.sync();
}

} // namespace lumafold
