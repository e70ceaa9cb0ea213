#include "DirTree.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStyle>

namespace lumafold {

DirTree::DirTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(false);
    setIndentation(10);
    setExpandsOnDoubleClick(false);
    setItemsExpandable(false);
}

QString DirTree::PathOf(QTreeWidgetItem* item) const { return item ? item->data(0, Qt::UserRole).toString() : QString(); }

void DirTree::SetPath(const QString& dir) {
    const QString clean = QDir::cleanPath(QDir(dir).absolutePath());
    const bool changed = clean != path_;
    path_ = clean;
    Build();
    if (changed) emit PathChanged(path_);
}

void DirTree::Reread() {
    QString dir = path_;
    while (!QFileInfo(dir).isDir() && dir != "/") dir = QFileInfo(dir).absolutePath();
    SetPath(dir);
}

void DirTree::Build() {
    clear();
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QStringList chain;
    for (QString d = path_; ; d = QFileInfo(d).absolutePath()) {
        chain.prepend(d);
        if (d == "/" || QFileInfo(d).absolutePath() == d) break;
    }
    QTreeWidgetItem* parentItem = nullptr;
    for (const QString& d : chain) {
        const QString label = d == "/" ? QStringLiteral("/") : QFileInfo(d).fileName();
        auto* item = parentItem ? new QTreeWidgetItem(parentItem, {label}) : new QTreeWidgetItem(this, {label});
        item->setData(0, Qt::UserRole, d);
        item->setIcon(0, open);
        item->setExpanded(true);
        parentItem = item;
    }
    const QStringList subdirs =
        QDir(path_).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : subdirs) {
        auto* item = new QTreeWidgetItem(parentItem, {name});
        item->setData(0, Qt::UserRole, QDir(path_).filePath(name));
        item->setIcon(0, closed);
    }
    parentItem->setExpanded(true);
    setCurrentItem(parentItem);
}

} // namespace lumafold
