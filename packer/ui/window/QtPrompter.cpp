#include "QtPrompter.h"

#include "TitleText.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>

namespace lumafold {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QMessageBox::Icon BoxIcon(Icon icon) {
    switch (icon) {
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::Information: return QMessageBox::Information;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString QtPatterns(const QString& patterns) {
    QStringList out;
    for (QString p : patterns.split(';', Qt::SkipEmptyParts)) {
        p = p.trimmed();
        if (p == "*.*") p = "*";
        if (!out.contains(p)) out << p;
        if (!out.contains(p.toLower())) out << p.toLower();
    }
    return out.join(' ');
}

} // namespace

QStringList DialogNameFilters(const std::string& filter) {
    const QStringList parts = Q(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        // Qt reads the patterns from the last bracket pair, so one is added;
        // the dialog hides that pair again and shows the description as given.
        out << parts[i].trimmed() + " (" + QtPatterns(parts[i + 1]) + ")";
    }
    return out;
}

QtPrompter::QtPrompter(QWidget* owner) : owner_(owner) {}
QtPrompter::~QtPrompter() = default;

Answer QtPrompter::MsgBox(const Message& m) {
    QString text = Q(m.text);
    text.replace("\r\n", "\n");
    QMessageBox box(BoxIcon(m.icon), m.title.empty() ? Q(kAppTitle) : Q(m.title), text,
                    m.buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, owner_);
    box.setObjectName("MsgBox");
    if (m.foreground && owner_) {
        owner_->raise();
        owner_->activateWindow();
    }
    const int pressed = box.exec();
    if (m.buttons == Buttons::YesNo) return pressed == QMessageBox::No ? Answer::No : Answer::Yes;
    return Answer::OK;
}

bool QtPrompter::Refused(const FileDialog& d, const QString& path) {
    const QFileInfo info(path);
    if ((d.Flags & dlg::NoReadOnlyReturn) &&
        ((info.exists() && !info.isWritable()) || !QFileInfo(info.absolutePath()).isWritable())) {
        Ask(*this, path.toStdString() + "\r\nThis file or its folder is write-protected.\r\nChoose another name.",
            Buttons::OK, Icon::Error, d.DialogTitle);
        return true;
    }
    if ((d.Flags & dlg::CreatePrompt) && !info.exists())
        return Ask(*this, path.toStdString() + "\r\nThis file doesn't exist.\r\nCreate the file?", Buttons::YesNo,
                   Icon::Question, d.DialogTitle) == Answer::No;
    return false;
}

std::optional<FileChoice> QtPrompter::ShowFileDialog(const FileDialog& d) {
    QFileDialog box(owner_, Q(d.DialogTitle));
    box.setObjectName("dlgCommonDialog");
    box.setOption(QFileDialog::DontUseNativeDialog);
    const bool save = d.kind == FileDialog::Kind::Save;
    box.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Only a dialog that insists on an existing file refuses a typed new name.
    box.setFileMode(d.Flags & dlg::FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    box.setOption(QFileDialog::DontConfirmOverwrite, !(d.Flags & dlg::OverwritePrompt));
    box.setOption(QFileDialog::HideNameFilterDetails);
    const QStringList filters = DialogNameFilters(d.Filter);
    box.setNameFilters(filters);
    if (d.FilterIndex >= 1 && d.FilterIndex <= filters.size()) box.selectNameFilter(filters[d.FilterIndex - 1]);
    QString ext = Q(d.DefaultExt);
    if (ext.startsWith('.')) ext.remove(0, 1);
    box.setDefaultSuffix(ext);
    if (!d.InitDir.empty()) box.setDirectory(Q(d.InitDir));
    if (!d.FileName.empty()) box.selectFile(Q(d.FileName));
    for (;;) {
        if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty()) return std::nullopt;
        const QString path = QDir::cleanPath(box.selectedFiles().first());
        if (Refused(d, path)) continue;
        return FileChoice{path.toStdString(), QFileInfo(path).fileName().toStdString()};
    }
}

QPrinter& QtPrompter::Printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtPrompter::ShowPrinter(const PrintDialog& d) {
    QPrintDialog box(&Printer(), owner_);
    box.setObjectName("dlgCommonDialog");
    QAbstractPrintDialog::PrintDialogOptions options = box.options();
    if (d.Flags & dlg::PrintNoSelection) options &= ~QAbstractPrintDialog::PrintSelection;
    if (d.Flags & dlg::PrintNoPageNums) options &= ~QAbstractPrintDialog::PrintPageRange;
    if (d.Flags & dlg::PrintHidePrintToFile) options &= ~QAbstractPrintDialog::PrintToFile;
    box.setOptions(options);
    return box.exec() == QDialog::Accepted;
}

} // namespace lumafold
