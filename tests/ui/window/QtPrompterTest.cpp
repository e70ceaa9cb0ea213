// The Prompter of the real window: its message boxes and file dialog, shown
// modally and answered by clicking their own buttons.
#include "QtPrompter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <ostream>

namespace lumafold::test {
namespace {

// Runs answer on the modal dialog once it is up.
template <class Dialog> void WhenShown(std::function<void(Dialog*)> answer) {
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
    EXPECT_EQ(filters, QStringList({"All Files (*.*) (*)", "Lumafold Project (*.F2D) (*.F2D *.f2d)"}));
    EXPECT_EQ(selected, filters.value(1));
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

} // namespace
} // namespace lumafold::test
