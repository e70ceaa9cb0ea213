// The browser's file list filList: the ordinary files of one directory that
// match the filter pattern, with extended selection.
#pragma once

#include "FilterPattern.h"

#include <QListWidget>

namespace lumafold {

class FileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);

    const QString& Directory() const { return dir_; }
    void SetDirectory(const QString& dir);
    void SetPattern(const QString& pattern);
    // Lists the directory again, keeping the selection of rows still there.
    void Reread();

signals:
    // The user pressed a mouse button in the list, on a row or below the
    // last one, or changed the selection from the keyboard.
    void UserSelected();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString dir_;
    FilterPattern pattern_;
};

} // namespace lumafold
