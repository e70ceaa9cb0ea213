// The masked edit MaskEdBox1: four positions of a digit or a blank. It tells
// the window when the focus comes in and when it moves to another element; a
// menu, a popup or another window taking the focus is no move.
#pragma once

#include <QLineEdit>

namespace lumafold {

class IndexDBField : public QLineEdit {
    Q_OBJECT
public:
    explicit IndexDBField(QWidget* parent = nullptr);
    // The text with its blanks, as the field shows it.
    QString FieldText() const { return displayText(); }

signals:
    void Entered();
    void Left();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace lumafold
