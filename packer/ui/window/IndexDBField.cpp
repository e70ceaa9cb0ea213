#include "IndexDBField.h"

#include <QFocusEvent>
#include <QTimer>

namespace lumafold {

IndexDBField::IndexDBField(QWidget* parent) : QLineEdit(parent) {
    setInputMask(QStringLiteral("0000; "));
}

void IndexDBField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason r = event->reason();
    if (r == Qt::PopupFocusReason || r == Qt::ActiveWindowFocusReason || r == Qt::MenuBarFocusReason) return;
    emit Entered();
    // A mouse press places the cursor after this; select once it is done.
    QTimer::singleShot(0, this, [this] { selectAll(); });
    selectAll();
}

void IndexDBField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason r = event->reason();
    if (r == Qt::PopupFocusReason || r == Qt::ActiveWindowFocusReason || r == Qt::MenuBarFocusReason) return;
    emit Left();
}

} // namespace lumafold
