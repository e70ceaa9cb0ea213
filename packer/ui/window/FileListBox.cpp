#include "FileListBox.h"

#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSet>

#include <algorithm>

namespace lumafold {

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void FileListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    emit UserSelected();
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    auto rows = [this] {
        QModelIndexList rows = selectedIndexes();
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    const QModelIndexList before = rows();
    QListWidget::keyPressEvent(event);
    if (rows() != before) emit UserSelected();
}

void FileListBox::SetDirectory(const QString& dir) {
    dir_ = dir;
    clear();
    Reread();
}

void FileListBox::SetPattern(const QString& pattern) {
    pattern_ = FilterPattern(pattern.toStdString());
    Reread();
}

void FileListBox::Reread() {
    QSet<QString> selected;
    for (QListWidgetItem* item : selectedItems()) selected.insert(item->text());
    const QSignalBlocker block(this);
    clear();
    // Hidden files are left out, as adding would refuse them.
    const QStringList names = QDir(dir_).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        if (!pattern_.Matches(name.toStdString())) continue;
        auto* item = new QListWidgetItem(name, this);
        item->setSelected(selected.contains(name));
    }
}

} // namespace lumafold
