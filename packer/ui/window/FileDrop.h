// Files dragged from a file manager onto a widget: it accepts a drag that
// carries local files and hands the dropped paths on, in the order given.
#pragma once

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QMimeData;
class QWidget;

namespace lumafold {

// The local file paths of a drag's data, in order; other URLs are left out.
std::vector<std::string> LocalPaths(const QMimeData& data);

class FileDrop : public QObject {
public:
    using Receiver = std::function<void(const std::vector<std::string>&)>;
    // Watches target (a view's viewport, say) and lives as long as it does.
    FileDrop(QWidget* target, Receiver receiver);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Receiver receiver_;
};

} // namespace lumafold
