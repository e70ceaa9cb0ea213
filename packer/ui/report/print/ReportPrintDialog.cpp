#include "ReportPrintDialog.h"

#include <QDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace lumafold {

QAbstractPrintDialog::PrintDialogOptions PrintDialogOptionsFor(uint32_t flags) {
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize;
    if (!(flags & dlg::PrintNoSelection)) options |= QAbstractPrintDialog::PrintSelection;
    if (!(flags & dlg::PrintNoPageNums)) options |= QAbstractPrintDialog::PrintPageRange;
    if (!(flags & dlg::PrintHidePrintToFile)) options |= QAbstractPrintDialog::PrintToFile;
    return options;
}

bool ShowReportPrintDialog(QPrinter& printer, const PrintDialog& dialog, QWidget* parent) {
    QPrintDialog box(&printer, parent);
    box.setOptions(PrintDialogOptionsFor(dialog.Flags));
    return box.exec() == QDialog::Accepted;
}

} // namespace lumafold
