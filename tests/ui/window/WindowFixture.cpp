#include "WindowFixture.h"

#include "WindowPlacement.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStyleOptionButton>
#include <QTest>
#include <QTreeWidget>

namespace lumafold::test {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

void ClickItem(QAbstractItemView* view, const QRect& rect, Qt::KeyboardModifiers mods = {}) {
    ASSERT_TRUE(rect.isValid()) << "row not shown";
    QTest::mouseClick(view->viewport(), Qt::LeftButton, mods, rect.center());
}

} // namespace

WindowTest::WindowTest() {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Q(home.Path() + "/config"));
    settings = std::make_unique<QSettings>(SettingsApplication(), SettingsApplication());
}

WindowTest::~WindowTest() {
    if (gui) Close();
}

GUI& WindowTest::Open(const std::string& startDir) {
    gui = std::make_unique<GUI>(prompter, clock, home.Path() + "/", Q(startDir.empty() ? site.Path() : startDir),
                                *settings);
    gui->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(gui.get()));
    return *gui;
}

void WindowTest::Close() {
    gui->close();
    QCoreApplication::processEvents();
    gui.reset();
}

QAction* WindowTest::Action(const char* name) const { return Find<QAction>(name); }

void WindowTest::Menu(const char* name) {
    QAction* action = Action(name);
    ASSERT_NE(action, nullptr);
    // A disabled command cannot be chosen in the menu.
    if (action->isEnabled()) action->trigger();
}

QStringList WindowTest::FileRows() const {
    QStringList rows;
    auto* list = Find<QListWidget>("filList");
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    return rows;
}

void WindowTest::PickFiles(const QStringList& names) {
    auto* list = Find<QListWidget>("filList");
    for (int i = 0; i < names.size(); ++i) {
        const auto found = list->findItems(names[i], Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << names[i].toStdString() << " not listed";
        list->scrollToItem(found.first());
        ClickItem(list, list->visualItemRect(found.first()), i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    }
}

void WindowTest::DoubleClickFile(const QString& name) {
    auto* list = Find<QListWidget>("filList");
    const auto found = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString() << " not listed";
    list->scrollToItem(found.first());
    const QPoint at = list->visualItemRect(found.first()).center();
    // A double click arrives as press, release, double click, release.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void WindowTest::TypeFilter(const QString& text) {
    auto* combo = Find<QComboBox>("Combo1");
    combo->setFocus(Qt::MouseFocusReason);
    combo->lineEdit()->selectAll();
    QTest::keyClick(combo->lineEdit(), Qt::Key_Backspace);
    QTest::keyClicks(combo->lineEdit(), text);
}

void WindowTest::OpenTreeRow(const QString& label) {
    auto* tree = Find<QTreeWidget>("dirTree");
    const auto found = tree->findItems(label, Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1) << label.toStdString() << " not in the tree";
    tree->setFocus(Qt::MouseFocusReason);
    tree->setCurrentItem(found.first());
    QTest::keyClick(tree, Qt::Key_Return);
}

QStringList WindowTest::TreeRows() const {
    QStringList rows;
    auto* tree = Find<QTreeWidget>("dirTree");
    for (QTreeWidgetItemIterator it(tree); *it; ++it) rows << (*it)->text(0);
    return rows;
}

std::vector<ListRow> WindowTest::ListRows() const {
    std::vector<ListRow> rows;
    auto* list = Find<QTreeWidget>("lstPrjList");
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        rows.emplace_back(list->topLevelItem(i)->text(0).toStdString(), list->topLevelItem(i)->text(1).toStdString());
    return rows;
}

void WindowTest::PickListRows(const QStringList& names) {
    auto* list = Find<QTreeWidget>("lstPrjList");
    for (int i = 0; i < names.size(); ++i) {
        const auto found = list->findItems(names[i], Qt::MatchExactly, 0);
        ASSERT_EQ(found.size(), 1) << names[i].toStdString() << " not in the project list";
        list->scrollToItem(found.first());
        ClickItem(list, list->visualItemRect(found.first()), i == 0 ? Qt::NoModifier : Qt::ControlModifier);
    }
}

void WindowTest::Click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void WindowTest::ClickVarList() {
    auto* box = Find<QCheckBox>("chkVarList");
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, indicator.center());
}

void WindowTest::TypeIndexDB(const QString& typed) {
    auto* field = Find<QLineEdit>("MaskEdBox1");
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(3, field->height() / 2));
    // The field selects its text once the click has placed the cursor.
    QCoreApplication::processEvents();
    EXPECT_EQ(field->selectedText(), field->displayText()) << "text not selected on entry";
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, typed);
}

void WindowTest::EnterIndexDB(const QString& typed) {
    TypeIndexDB(typed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

std::string WindowTest::StoreFile() const { return home.Path() + "/config/Lumafold/Lumafold.conf"; }

std::unique_ptr<QSettings> WindowTest::FreshStore() const {
    return std::make_unique<QSettings>(SettingsApplication(), SettingsApplication());
}

void WindowTest::StorePlacement(const QStringList& values) {
    settings->beginGroup("Settings");
    const char* keys[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
    for (int i = 0; i < 4 && i < values.size(); ++i) settings->setValue(keys[i], values[i]);
    settings->endGroup();
    settings->sync();
}

} // namespace lumafold::test
