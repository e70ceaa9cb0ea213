#include "ActivationFilter.h"

#include <QCoreApplication>
#include <QEvent>

namespace lumafold {

void ActivationFilter::Hook() {
    if (hooked_) return;
    QCoreApplication::instance()->installEventFilter(this);
    hooked_ = true;
}

void ActivationFilter::Unhook() {
    if (!hooked_) return;
    QCoreApplication::instance()->removeEventFilter(this);
    hooked_ = false;
}

bool ActivationFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationActivate) onActivated_();
    return false;  // every event goes on to its receiver
}

} // namespace lumafold
