// The browser's directory tree dirTree: the chain of directories down to the
// current one, and the current one's subdirectories; activating a row opens it.
#pragma once

#include <QTreeWidget>

namespace lumafold {

class DirTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit DirTree(QWidget* parent = nullptr);

    const QString& Path() const { return path_; }
    // Shows dir; emits PathChanged when the directory changed.
    void SetPath(const QString& dir);
    // Reads the current directory again; one that vanished gives way to its
    // nearest existing parent.
    void Reread();
    // A row to open; the window decides whether it can be read.
    QString PathOf(QTreeWidgetItem* item) const;

signals:
    void PathChanged(const QString& path);

private:
    void Build();
    QString path_;
};

} // namespace lumafold
