// The Prompter of the real window: its message boxes and file dialog, shown
// modally and answered by clicking their own buttons.
#include "QtPrompter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <ostream>

namespace lumafold::test {
namespace {

// Runs answer on the modal dialog once it is up; the watch ends itself then.
template <class Dialog> QTimer* WhenShown(std::function<void(Dialog*)> answer) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(d);
        }
    });
    poll->start();
    return poll;
}

struct BoxCase {
    const char* label;
    Message message;
    const char* title;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton press;
    Answer answer;
};

void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.label; }

class MessageBoxTest : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxTest, ShowsTextButtonsIconAndTitle) {
    const BoxCase& c = GetParam();
    QtPrompter prompter;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    WhenShown<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(c.press)->click();
    });
    EXPECT_EQ(prompter.MsgBox(c.message), c.answer);
    EXPECT_EQ(title.toStdString(), c.title);
    EXPECT_EQ(text.toStdString(), "first line\nsecond line");
    EXPECT_EQ(icon, c.icon);
    EXPECT_EQ(buttons, c.buttons);
}

const BoxCase kBoxes[] = {
    {"ErrorOk", {"first line\r\nsecond line", Buttons::OK, Icon::Error, "Can't add", false}, "Can't add",
     QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok, Answer::OK},
    {"QuestionYes", {"first line\r\nsecond line", Buttons::YesNo, Icon::Question, "File too long", false},
     "File too long", QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, Answer::Yes},
    {"NoTitleNo", {"first line\r\nsecond line", Buttons::YesNo, Icon::None, "", true}, "Lumafold",
     QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, Answer::No},
    {"Information", {"first line\r\nsecond line", Buttons::OK, Icon::Information, "About", false}, "About",
     QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok, Answer::OK},
};

INSTANTIATE_TEST_SUITE_P(Boxes, MessageBoxTest, ::testing::ValuesIn(kBoxes),
                         [](const auto& info) { return std::string(info.param.label); });

FileDialog ProjectSaveDialog(const std::string& dir) {
    FileDialog d;
    d.kind = FileDialog::Kind::Save;
    d.DialogTitle = "Save project as";
    d.Filter = "All Files (*.*)|*.*|Lumafold Project (*.F2D)|*.F2D";
    d.FilterIndex = 2;
    d.DefaultExt = ".F2D";
    d.Flags = dlg::SaveFlags;
    d.InitDir = dir;
    return d;
}

TEST(FileDialogTest, HonoursFilterIndexExtensionAndStartDirectoryAndCancels) {
    TempDir dir;
    QtPrompter prompter;
    QStringList filters;
    QString selected, suffix, title, start;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        filters = d->nameFilters();
        selected = d->selectedNameFilter();
        suffix = d->defaultSuffix();
        title = d->windowTitle();
        start = d->directory().absolutePath();
        d->reject();
    });
    EXPECT_FALSE(prompter.ShowFileDialog(ProjectSaveDialog(dir.Path())));
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(selected, "Lumafold Project (*.F2D)");
    EXPECT_EQ(suffix, "F2D");
    EXPECT_EQ(title, "Save project as");
    EXPECT_EQ(start.toStdString(), dir.Path());
}

TEST(FileDialogTest, NewFileIsCreatedOnlyAfterTheCreatePrompt) {
    TempDir dir;
    QtPrompter prompter;
    QString asked;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            asked = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        d->selectFile(QString::fromStdString(dir.File("site")));
        static_cast<QDialog*>(d)->accept();  // as the Save button does
    });
    const auto choice = prompter.ShowFileDialog(ProjectSaveDialog(dir.Path()));
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->FileName, dir.File("site.F2D"));
    EXPECT_EQ(choice->FileTitle, "site.F2D");
    EXPECT_EQ(asked.toStdString(), dir.File("site.F2D") + "\nThis file doesn't exist.\nCreate the file?");
}

FileDialog ProjectOpenDialog(const std::string& dir, uint32_t flags = dlg::OpenFlags) {
    FileDialog d = ProjectSaveDialog(dir);
    d.kind = FileDialog::Kind::Open;
    d.DialogTitle = "Open project";
    d.Flags = flags;
    return d;
}

// The names the dialog's file view shows, once its directory has been read
// (the view fills in from a background listing).
QStringList ShownFiles(QFileDialog* d, int expected) {
    auto* view = d->findChild<QListView*>("listView");
    if (!view) return {"no file view"};
    QElapsedTimer waited;
    waited.start();
    QStringList names;
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        names.clear();
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row)
            names << view->model()->index(row, 0, root).data().toString();
    } while (names.size() != expected && waited.elapsed() < 5000);
    names.sort(Qt::CaseInsensitive);
    return names;
}

TEST(FileDialogTest, FilterEntriesReadAsTheCallerWritesThemAndMatchAsTheySay) {
    TempDir dir;
    for (const char* name : {"Makefile", "a.F2D", "b.f2d", "c.txt"}) dir.Write(name, "x");
    QtPrompter prompter;
    QStringList entries, projects, all;
    QString current;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        auto* types = d->findChild<QComboBox*>("fileTypeCombo");
        if (types) {
            for (int i = 0; i < types->count(); ++i) entries << types->itemText(i);
            current = types->currentText();
        }
        projects = ShownFiles(d, 2);
        if (types) {
            types->setFocus();
            QTest::keyClick(types, Qt::Key_Up);  // to the first entry, as the user picks it
        }
        all = ShownFiles(d, 4);
        d->reject();
    });
    EXPECT_FALSE(prompter.ShowFileDialog(ProjectOpenDialog(dir.Path())));
    EXPECT_EQ(entries, QStringList({"All Files (*.*)", "Lumafold Project (*.F2D)"}));
    EXPECT_EQ(current, "Lumafold Project (*.F2D)");
    EXPECT_EQ(projects, QStringList({"a.F2D", "b.f2d"}));
    EXPECT_EQ(all, QStringList({"a.F2D", "b.f2d", "c.txt", "Makefile"}));
}

TEST(FileDialogTest, AwlSourceEntriesReadAsWritten) {
    TempDir dir;
    QtPrompter prompter;
    QStringList entries;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        if (auto* types = d->findChild<QComboBox*>("fileTypeCombo"))
            for (int i = 0; i < types->count(); ++i) entries << types->itemText(i);
        d->reject();
    });
    FileDialog awl = ProjectSaveDialog(dir.Path());
    awl.DialogTitle = "Save AWL source file";
    awl.Filter = "All Files (*.*)|*.*|AWL Source (*.AWL)|*.AWL";
    awl.DefaultExt = ".AWL";
    EXPECT_FALSE(prompter.ShowFileDialog(awl));
    EXPECT_EQ(entries, QStringList({"All Files (*.*)", "AWL Source (*.AWL)"}));
}

// A name typed into the Open dialog that names no file: the project dialog
// takes it (Open then starts a new project under it); a dialog that insists
// on an existing file keeps refusing it.
struct TypedNameCase {
    const char* label;
    uint32_t flags;
    bool taken;
};

void PrintTo(const TypedNameCase& c, std::ostream* os) { *os << c.label; }

class TypedNameTest : public ::testing::TestWithParam<TypedNameCase> {};

TEST_P(TypedNameTest, NameOfNoFile) {
    TempDir dir;
    QtPrompter prompter;
    QString refusal;
    QPointer<QTimer> refusalWatch;
    WhenShown<QFileDialog>([&](QFileDialog* d) {
        refusalWatch = WhenShown<QMessageBox>([&, d](QMessageBox* box) {
            refusal = box->text();
            box->accept();
            QTimer::singleShot(0, d, &QDialog::reject);
        });
        auto* name = d->findChild<QLineEdit*>("fileNameEdit");
        if (!name) return d->reject();
        name->clear();
        QTest::keyClicks(name, "newproj");
        QTest::keyClick(name, Qt::Key_Return);
    });
    const auto choice = prompter.ShowFileDialog(ProjectOpenDialog(dir.Path(), GetParam().flags));
    delete refusalWatch.data();  // still watching when no refusal came
    if (GetParam().taken) {
        ASSERT_TRUE(choice) << refusal.toStdString();
        EXPECT_EQ(choice->FileName, dir.File("newproj.F2D"));
        EXPECT_EQ(choice->FileTitle, "newproj.F2D");
        EXPECT_TRUE(refusal.isEmpty()) << refusal.toStdString();
    } else {
        EXPECT_FALSE(choice);
        EXPECT_FALSE(refusal.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Flags, TypedNameTest,
                         ::testing::Values(TypedNameCase{"ProjectOpenTakesIt", dlg::OpenFlags, true},
                                           TypedNameCase{"MustExistRefusesIt", dlg::OpenFlags | dlg::FileMustExist, false}),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace lumafold::test
