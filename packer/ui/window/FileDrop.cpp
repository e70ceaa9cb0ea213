#include "FileDrop.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace lumafold {

std::vector<std::string> LocalPaths(const QMimeData& data) {
    std::vector<std::string> paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

FileDrop::FileDrop(QWidget* target, Receiver receiver) : QObject(target), receiver_(std::move(receiver)) {
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // The list's own item dragging stays off: only files from outside.
        auto* drag = static_cast<QDragMoveEvent*>(event);
        const QMimeData* data = drag->mimeData();
        if (data != nullptr && !LocalPaths(*data).empty()) drag->acceptProposedAction();
        else drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QMimeData* data = drop->mimeData();
        const std::vector<std::string> paths = data != nullptr ? LocalPaths(*data) : std::vector<std::string>{};
        if (paths.empty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        receiver_(paths);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace lumafold
