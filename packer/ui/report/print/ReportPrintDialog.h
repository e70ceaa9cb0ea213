// The print dialog on the window's QPrinter with the options the caller asks
// for (the report's: no page range, no selection, no printing to a file). The
// window's Prompter::ShowPrinter calls it.
#pragma once

#include "Prompter.h"

#include <QAbstractPrintDialog>

class QPrinter;
class QWidget;

namespace lumafold {

// The dialog's options for the common dialog's print flags.
QAbstractPrintDialog::PrintDialogOptions PrintDialogOptionsFor(uint32_t flags);

// False when the person cancelled or the dialog failed.
bool ShowReportPrintDialog(QPrinter& printer, const PrintDialog& dialog, QWidget* parent);

} // namespace lumafold
