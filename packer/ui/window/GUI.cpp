#include "GUI.h"

#include "DirTree.h"
#include "Drives.h"
#include "FileDrop.h"
#include "FileListBox.h"
#include "IndexDBField.h"
#include "Twips.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTreeWidget>

namespace lumafold {
namespace {

// The client area in twips; the progress bar reaches 30 twips below its
// nominal height, so the area grows to hold it whole.
constexpr int kClientWidth = 9780;
constexpr int kClientHeight = 4455;

QString Q(const std::string& s) { return QString::fromStdString(s); }

template <class W> W* Place(W* widget, const char* name, int left, int top, int width, int height, double dpi) {
    widget->setObjectName(name);
    widget->setGeometry(TwipsRect(left, top, width, height, dpi));
    return widget;
}

} // namespace

GUI::GUI(Prompter& prompter, const Clock& clock, std::string programDir, const QString& startDir,
         QSettings& settings, QWidget* parent)
    : QMainWindow(parent), wb_(prompter, clock, *this, std::move(programDir)),
      drives_(std::make_unique<DriveChooser>(prompter)), activation_([this] { RereadBrowser(); }),
      settings_(settings) {
    setObjectName("GUI");
    // The layout's places and sizes were made for an 8-point dialog font;
    // the desktop's larger default hides the end of "IndexDB" under its field.
    QFont small = font();
    small.setPointSizeF(8.0);
    setFont(small);
    if (QScreen* screen = QGuiApplication::primaryScreen()) dpi_ = screen->logicalDotsPerInch();
    BuildElements();
    BuildMenus();
    Connect();
    // Start-up: the hook, the placement, the list's columns, a new project.
    activation_.Hook();
    RestorePlacement();
    lstPrjList_->setColumnWidth(0, lstPrjList_->width() / 2);
    lstPrjList_->setColumnWidth(1, lstPrjList_->width() / 2);
    dirTree_->SetPath(startDir);
    SelectDriveOf(dirTree_->Path());
    wb_.Form_Load();
    Refresh();
}

GUI::~GUI() { activation_.Unhook(); }

void GUI::BuildElements() {
    auto* client = new QWidget(this);
    client->setObjectName("client");
    client->setMinimumSize(TwipsToPixels(kClientWidth, dpi_), TwipsToPixels(kClientHeight, dpi_));
    setCentralWidget(client);
    const double d = dpi_;
    drvDrive_ = Place(new QComboBox(client), "drvDrive", 120, 120, 2175, 315, d);
    for (const std::string& root : MountedRoots()) drvDrive_->addItem(Q(root));
    dirTree_ = Place(new DirTree(client), "dirTree", 120, 450, 2175, 2565, d);
    filList_ = Place(new FileListBox(client), "filList", 2400, 120, 2055, 2430, d);
    Combo1_ = Place(new QComboBox(client), "Combo1", 2400, 2700, 2055, 315, d);
    Combo1_->setEditable(true);
    Combo1_->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& item : kFilterItems) Combo1_->addItem(Q(item));
    chkVarList_ = Place(new QCheckBox("&VarList Sites", client), "chkVarList", 4560, 120, 1455, 375, d);
    cmdAdd_ = Place(new QPushButton("&Add ->", client), "cmdAdd", 4560, 600, 1335, 495, d);
    cmdRemove_ = Place(new QPushButton("<- &Remove", client), "cmdRemove", 4560, 1200, 1335, 495, d);
    cmdGenerate_ = Place(new QPushButton("&Generate", client), "cmdGenerate", 4560, 2520, 1335, 495, d);
    lstPrjList_ = Place(new QTreeWidget(client), "lstPrjList", 6000, 120, 3615, 2895, d);
    lstPrjList_->setHeaderLabels({"FileName", "FilePath"});
    lstPrjList_->setRootIsDecorated(false);
    lstPrjList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstPrjList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstPrjList_->setUniformRowHeights(true);
    lstPrjList_->header()->setStretchLastSection(false);
    Label1_ = Place(new QLabel("&IndexDB", client), "Label1", 120, 3300, 735, 255, d);
    MaskEdBox1_ = Place(new IndexDBField(client), "MaskEdBox1", 840, 3240, 735, 375, d);
    Label1_->setBuddy(MaskEdBox1_);
    Label2_ = Place(new QLabel(client), "Label2", 120, 3720, 9615, 255, d);
    ProgressBar1_ = Place(new QProgressBar(client), "ProgressBar1", 120, 4080, 9615, 375, d);
    ProgressBar1_->setTextVisible(false);
}

void GUI::BuildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    auto add = [this](QMenu* menu, QAction*& slot, const char* name, const char* caption) {
        slot = menu->addAction(caption);
        slot->setObjectName(name);
    };
    add(file, mnuNew_, "mnuNew", "&New");
    add(file, mnuOpen_, "mnuOpen", "&Open");
    add(file, mnuClose_, "mnuClose", "&Close");
    add(file, mnuSave_, "mnuSave", "&Save");
    add(file, mnuSaveAs_, "mnuSaveAs", "Save &as");
    file->addSeparator()->setObjectName("sep1");
    add(file, mnuPrint_, "mnuPrint", "&Print");
    file->addSeparator()->setObjectName("sep2");
    add(file, mnuExit_, "mnuExit", "&Exit");
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    add(help, mnuAbout_, "mnuAbout", "&About");
}

template <class F> void GUI::Run(F&& command) {
    command();
    Refresh();
    if (closePending_ && !wb_.Busy()) {
        closePending_ = false;
        close();
    }
}

void GUI::Connect() {
    connect(mnuNew_, &QAction::triggered, this, [this] { Run([this] { wb_.mnuNew_Click(); }); });
    connect(mnuOpen_, &QAction::triggered, this, [this] { Run([this] { wb_.mnuOpen_Click(); }); });
    connect(mnuClose_, &QAction::triggered, this, [this] { Run([this] { wb_.mnuClose_Click(); }); });
    connect(mnuSave_, &QAction::triggered, this, [this] { Run([this] { wb_.mnuSave_Click(); }); });
    connect(mnuSaveAs_, &QAction::triggered, this, [this] { Run([this] { wb_.mnuSaveAs_Click(); }); });
    connect(mnuPrint_, &QAction::triggered, this, [this] { Run([this] { wb_.mnuPrint_Click(); }); });
    connect(mnuExit_, &QAction::triggered, this, &QWidget::close);
    connect(mnuAbout_, &QAction::triggered, this, [this] { Run([this] { wb_.mnuAbout_Click(); }); });
    connect(chkVarList_, &QCheckBox::clicked, this,
            [this](bool checked) { Run([this, checked] { wb_.chkVarList_Click(checked); }); });
    connect(cmdRemove_, &QPushButton::clicked, this, [this] { Run([this] { wb_.cmdRemove_Click(); }); });
    connect(cmdGenerate_, &QPushButton::clicked, this, [this] { Run([this] { wb_.cmdGenerate_Click(); }); });
    connect(cmdAdd_, &QPushButton::clicked, this, [this] { Run([this] { AddSelected(); }); });
    connect(lstPrjList_, &QTreeWidget::itemSelectionChanged, this, [this] {
        std::vector<int> positions;
        for (int row = 0; row < lstPrjList_->topLevelItemCount(); ++row)
            if (lstPrjList_->topLevelItem(row)->isSelected()) positions.push_back(row + 1);
        wb_.SetListSelection(positions);
    });
    new FileDrop(lstPrjList_->viewport(),
                 [this](const std::vector<std::string>& paths) { Run([this, &paths] { wb_.DropFiles(paths); }); });
    connect(Combo1_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { Run([this, text] { wb_.Editor().SetFilterText(text.toStdString()); }); });
    connect(filList_, &FileListBox::UserSelected, this, [this] { Run([this] { wb_.El().cmdAdd = true; }); });
    connect(filList_, &QListWidget::itemDoubleClicked, this, [this] {
        Run([this] {
            wb_.El().cmdAdd = true;
            AddSelected();
        });
    });
    connect(dirTree_, &DirTree::itemActivated, this,
            [this](QTreeWidgetItem* item) { OpenDirectory(dirTree_->PathOf(item)); });
    connect(dirTree_, &DirTree::PathChanged, this, [this](const QString& path) {
        Run([this, path] {
            SelectDriveOf(path);
            filList_->SetDirectory(path);
            wb_.El().cmdAdd = false;
        });
    });
    // Only a change of drive acts: picking the drive already shown raises nothing.
    connect(drvDrive_, &QComboBox::currentIndexChanged, this, &GUI::DriveChosen);
    drvDrive_->installEventFilter(this);
    connect(MaskEdBox1_, &IndexDBField::Entered, this, [this] {
        wb_.El().MaskEdBox1 = MaskEdBox1_->FieldText().toStdString();
        wb_.MaskEdBox1_GotFocus();
    });
    connect(MaskEdBox1_, &IndexDBField::Left, this, &GUI::IndexDBLeft);
    // What is typed is the field's text at once, so that showing the state
    // again after a menu command keeps a number still being typed.
    connect(MaskEdBox1_, &QLineEdit::textEdited, this,
            [this] { wb_.El().MaskEdBox1 = MaskEdBox1_->FieldText().toStdString(); });
}

void GUI::IndexDBLeft() {
    if (closing_) return;
    wb_.MaskEdBox1_Validate(MaskEdBox1_->FieldText().toStdString());
    Refresh();
    if (wb_.MaskEdBox1_LostFocus()) {
        MaskEdBox1_->setText(Q(wb_.El().MaskEdBox1));
        MaskEdBox1_->setFocus(Qt::OtherFocusReason);
        MaskEdBox1_->selectAll();
    }
}

bool GUI::eventFilter(QObject* watched, QEvent* event) {
    if (watched == drvDrive_ && event->type() == QEvent::FocusIn) drives_->GotFocus(drvDrive_->currentText().toStdString());
    return QMainWindow::eventFilter(watched, event);
}

void GUI::DriveChosen(int index) {
    if (index < 0) return;
    const std::string chosen = drvDrive_->itemText(index).toStdString();
    const std::string shown = drives_->Choose(chosen);
    if (shown == chosen) {
        if (DirectoryReadable(chosen)) dirTree_->SetPath(Q(chosen));
        return;
    }
    // Back on the last valid drive: the tree never left it and keeps its
    // directory.
    const QSignalBlocker block(drvDrive_);
    drvDrive_->setCurrentText(Q(shown));
}

void GUI::SelectDriveOf(const QString& dir) {
    int best = 0, bestLength = -1;
    for (int i = 0; i < drvDrive_->count(); ++i) {
        const QString root = drvDrive_->itemText(i);
        const bool contains = root == "/" || dir == root || dir.startsWith(root + "/");
        if (contains && root.size() > bestLength) best = i, bestLength = int(root.size());
    }
    const QSignalBlocker block(drvDrive_);
    drvDrive_->setCurrentIndex(best);
}

void GUI::OpenDirectory(const QString& dir) {
    if (dir.isEmpty() || wb_.Busy()) return;
    if (!CheckDirectory(wb_.Context().prompter, dir.toStdString())) return;
    dirTree_->SetPath(dir);
}

void GUI::AddSelected() {
    std::vector<BrowserRow> rows;
    for (int i = 0; i < filList_->count(); ++i)
        rows.push_back(BrowserRow{filList_->item(i)->text().toStdString(), filList_->item(i)->isSelected()});
    wb_.cmdAdd_Click(rows, filList_->Directory().toStdString());
    for (int i = 0; i < filList_->count() && i < int(rows.size()); ++i) filList_->item(i)->setSelected(rows[i].selected);
}

void GUI::ShowList() {
    const FileList& files = wb_.Prj().files;
    bool same = lstPrjList_->topLevelItemCount() == files.Count();
    for (int pos = 1; same && pos <= files.Count(); ++pos) {
        const QTreeWidgetItem* item = lstPrjList_->topLevelItem(pos - 1);
        same = item->text(0).toStdString() == files.At(pos).name && item->text(1).toStdString() == files.At(pos).directory;
    }
    const QSignalBlocker block(lstPrjList_);
    if (!same) {
        lstPrjList_->clear();
        QList<QTreeWidgetItem*> items;
        for (const FileEntry& e : files.Entries()) items << new QTreeWidgetItem({Q(e.name), Q(e.directory)});
        lstPrjList_->addTopLevelItems(items);
    }
    for (int pos = 1; pos <= files.Count(); ++pos) lstPrjList_->topLevelItem(pos - 1)->setSelected(files.At(pos).selected);
}

void GUI::Refresh() {
    const Elements& el = wb_.El();
    {
        const QSignalBlocker block(chkVarList_);
        chkVarList_->setChecked(el.chkVarList);
    }
    cmdAdd_->setEnabled(el.cmdAdd);
    cmdRemove_->setEnabled(el.cmdRemove);
    cmdGenerate_->setEnabled(el.cmdGenerate);
    mnuClose_->setEnabled(el.mnuClose);
    mnuSave_->setEnabled(el.mnuSave);
    mnuSaveAs_->setEnabled(el.mnuSaveAs);
    mnuPrint_->setEnabled(el.mnuPrint);
    if (Label2_->text() != Q(el.Label2)) Label2_->setText(Q(el.Label2));
    ProgressBar1_->setRange(0, qMax(el.ProgressBar1Max, 1));
    ProgressBar1_->setValue(qBound(0, el.ProgressBar1Value, ProgressBar1_->maximum()));
    if (windowTitle() != Q(el.Caption)) setWindowTitle(Q(el.Caption));
    if (MaskEdBox1_->FieldText() != Q(el.MaskEdBox1)) MaskEdBox1_->setText(Q(el.MaskEdBox1));
    if (Combo1_->currentText() != Q(el.Combo1Text)) {
        const QSignalBlocker block(Combo1_);
        const int item = Combo1_->findText(Q(el.Combo1Text));
        if (item >= 0) Combo1_->setCurrentIndex(item);
        Combo1_->setEditText(Q(el.Combo1Text));
    }
    ShowList();
}

void GUI::FilterChanged(const std::string& pattern) { filList_->SetPattern(Q(pattern)); }

void GUI::RefreshFileList() { filList_->Reread(); }

void GUI::ProcessPendingEvents() {
    Refresh();
    // Input waits until the long command has ended; painting goes on.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GUI::RereadBrowser() {
    if (wb_.Busy()) return;
    dirTree_->Reread();
    filList_->Reread();
}

void GUI::RestorePlacement() {
    QList<QRect> screens;
    for (QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
    const Placement p = ReadPlacement(settings_, screens, dpi_);
    const QRect r = TwipsRect(p.left, p.top, p.width, p.height, dpi_);
    // A window's position is that of its frame; its size is without it.
    resize(r.size());
    move(r.topLeft());
    framePlacement_ = r;
    FitFrame();
}

// Once the frame is known, the inner size gives way to it, so that the window
// stands exactly as stored and does not grow by its frame at every start.
void GUI::FitFrame() {
    if (!framePlacement_) return;
    const QSize frame = frameGeometry().size() - size();
    if (frame.isNull()) return;
    const QRect wanted = *framePlacement_;
    framePlacement_.reset();
    // A size the user has changed meanwhile stays as it is.
    if (size() == wanted.size()) resize(wanted.size() - frame);
}

bool GUI::event(QEvent* event) {
    const QEvent::Type t = event->type();
    if (t == QEvent::Show || t == QEvent::Move || t == QEvent::Resize) FitFrame();
    return QMainWindow::event(event);
}

void GUI::StorePlacement() {
    if (isMinimized()) return;
    const QRect r = frameGeometry();
    WritePlacement(settings_, Placement{PixelsToTwips(r.left(), dpi_), PixelsToTwips(r.top(), dpi_),
                                        PixelsToTwips(r.width(), dpi_), PixelsToTwips(r.height(), dpi_)});
}

void GUI::closeEvent(QCloseEvent* event) {
    if (wb_.Busy()) {
        // The close box waits for the long command to end.
        closePending_ = true;
        event->ignore();
        return;
    }
    if (!closing_) {
        closing_ = true;
        activation_.Unhook();
        wb_.Form_Unload();
        StorePlacement();
    }
    event->accept();
}

} // namespace lumafold
