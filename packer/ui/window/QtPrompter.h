// The Prompter of the real window: QMessageBox for messages, QFileDialog for the
// Open and Save dialogs, QPrintDialog on a printer that printing shares.
#pragma once

#include "Prompter.h"

#include <QPrinter>
#include <QStringList>

#include <memory>

class QWidget;

namespace lumafold {

// "description|pattern|..." as Qt name filters; patterns split at ";" and
// matched in either letter case, "*.*" naming every file.
QStringList DialogNameFilters(const std::string& filter);

class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(QWidget* owner = nullptr);
    ~QtPrompter() override;
    void SetOwner(QWidget* owner) { owner_ = owner; }

    Answer MsgBox(const Message& message) override;
    std::optional<FileChoice> ShowFileDialog(const FileDialog& dialog) override;
    bool ShowPrinter(const PrintDialog& dialog) override;

    // The printer the print dialog chose.
    QPrinter& Printer();

private:
    // A chosen file the dialog's options refuse; asks again after a message.
    bool Refused(const FileDialog& dialog, const QString& path);

    QWidget* owner_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace lumafold
