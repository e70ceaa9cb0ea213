// Lumafold's main window: the widgets of every element, bound to the workbench
// model. Events go to the model's commands; after each the widgets show the
// model's state again. The window itself decides nothing.
#pragma once

#include "ActivationFilter.h"
#include "Workbench.h"

#include <QMainWindow>

#include <memory>
#include <optional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSettings;
class QTreeWidget;

namespace lumafold {

class DirTree;
class DriveChooser;
class FileListBox;
class IndexDBField;

class GUI : public QMainWindow, public WindowHooks {
    Q_OBJECT
public:
    // startDir: where the browser opens; settings: the placement store.
    GUI(Prompter& prompter, const Clock& clock, std::string programDir, const QString& startDir,
        QSettings& settings, QWidget* parent = nullptr);
    ~GUI() override;

    Workbench& Model() { return wb_; }
    double Dpi() const { return dpi_; }

    // WindowHooks
    void FilterChanged(const std::string& pattern) override;
    void RefreshFileList() override;
    void ProcessPendingEvents() override;

    // Shows the model's state in the widgets.
    void Refresh();
    // The activation refresh: dirTree and filList read again.
    void RereadBrowser();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildElements();
    void BuildMenus();
    void Connect();
    void RestorePlacement();
    void StorePlacement();
    void FitFrame();
    // Runs a command of the model, then shows the state; a close asked for
    // while a long command ran happens after it.
    template <class F> void Run(F&& command);
    void AddSelected();
    void ShowList();
    void DriveChosen(int index);
    void OpenDirectory(const QString& dir);
    void SelectDriveOf(const QString& dir);
    void IndexDBLeft();

    Workbench wb_;
    std::unique_ptr<DriveChooser> drives_;
    ActivationFilter activation_;
    QSettings& settings_;
    double dpi_ = 96.0;
    // The stored placement counts the window's frame, which the window system
    // makes known only once the window exists; until then the size is set
    // with the frame counted as nothing.
    std::optional<QRect> framePlacement_;
    bool closePending_ = false;
    bool closing_ = false;

    QComboBox* drvDrive_ = nullptr;
    DirTree* dirTree_ = nullptr;
    FileListBox* filList_ = nullptr;
    QComboBox* Combo1_ = nullptr;
    QCheckBox* chkVarList_ = nullptr;
    QPushButton* cmdAdd_ = nullptr;
    QPushButton* cmdRemove_ = nullptr;
    QPushButton* cmdGenerate_ = nullptr;
    QTreeWidget* lstPrjList_ = nullptr;
    QLabel* Label1_ = nullptr;
    IndexDBField* MaskEdBox1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QProgressBar* ProgressBar1_ = nullptr;
    QAction* mnuNew_ = nullptr;
    QAction* mnuOpen_ = nullptr;
    QAction* mnuClose_ = nullptr;
    QAction* mnuSave_ = nullptr;
    QAction* mnuSaveAs_ = nullptr;
    QAction* mnuPrint_ = nullptr;
    QAction* mnuExit_ = nullptr;
    QAction* mnuAbout_ = nullptr;
};

} // namespace lumafold
