// Files dragged from a file manager onto the project list, delivered as Qt's
// own drag and drop events with a real QMimeData of file URLs.
#include "WindowFixture.h"

#include "TitleText.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTreeWidget>
#include <QUrl>

namespace lumafold::test {
namespace {

class DropWindowTest : public WindowTest {
protected:
    DropWindowTest() {
        site.Write("index.htm", "<html>Pump</html>");
        site.Write("logo.gif", "GIF89a");
        site.Write("site.F2D", "[SETTINGS]\r\nIndexDB=300\r\n\r\n[FILES]\r\nFILE_1=" + site.File("logo.gif") + "\r\n\r\n");
    }

    QWidget* Target() const { return Find<QTreeWidget>("lstPrjList")->viewport(); }

    static std::unique_ptr<QMimeData> Files(const std::vector<std::string>& paths) {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const std::string& p : paths) urls << QUrl::fromLocalFile(QString::fromStdString(p));
        data->setUrls(urls);
        return data;
    }

    // Enters the list and drops there, as a drag from a file manager does;
    // true when the list took the drag.
    bool Drop(const QMimeData& data) {
        const QPoint at = Target()->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Target(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(Target(), &drop);
        return drop.isAccepted();
    }
};

TEST_F(DropWindowTest, TwoDroppedFilesAreAddedToTheList) {
    Open();
    ASSERT_TRUE(Drop(*Files({site.File("index.htm"), site.File("logo.gif")})));
    EXPECT_EQ(ListRows(), (std::vector<ListRow>{{"index.htm", site.Path()}, {"logo.gif", site.Path()}}));
    EXPECT_TRUE(Find<QWidget>("cmdGenerate")->isEnabled());
    EXPECT_TRUE(prompter.Log().empty());
    prompter.AnswerMessage(Answer::No);  // the offer to save on closing
}

TEST_F(DropWindowTest, ADroppedProjectFileIsOpened) {
    Open();
    ASSERT_TRUE(Drop(*Files({site.File("index.htm")})));
    prompter.AnswerMessage(Answer::No);  // the offer to save the first project
    ASSERT_TRUE(Drop(*Files({site.File("site.F2D")})));
    EXPECT_EQ(ListRows(), (std::vector<ListRow>{{"logo.gif", site.Path()}}));
    EXPECT_EQ(gui->windowTitle().toStdString(), std::string(kTitleText) + " (" + site.File("site.F2D") + ")");
    EXPECT_EQ(Find<QLineEdit>("MaskEdBox1")->displayText().toStdString(), "300 ");
}

// Only files from outside: a drag of text, or of a web address, is refused.
TEST_F(DropWindowTest, ADragWithoutLocalFilesIsRefused) {
    Open();
    QMimeData text;
    text.setText("index.htm");
    EXPECT_FALSE(Drop(text));
    QMimeData web;
    web.setUrls({QUrl("http://plc.local/index.htm")});
    EXPECT_FALSE(Drop(web));
    EXPECT_TRUE(ListRows().empty());
}

} // namespace
} // namespace lumafold::test
