// SPDX-License-Identifier: GPL-3.0-or-later
// Buttons as assistive technology and the keyboard reach them: distinct
// names, one access key per letter in each window, default buttons.
#include "fixture.h"

#include "app/windows/Paths.h"
#include "plugins/windows/Editor.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QKeySequence>
#include <QMenu>
#include <QTest>
#include <set>

using namespace kivalto;
using Accessibility = test::KivaltoTest;

namespace {

std::string nameOf(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).toStdString(); }

// The access key of a caption ("S&ave" -> 'A'), 0 without one.
char accessKey(const QString& caption)
{
    const QKeySequence key = QKeySequence::mnemonic(caption);
    return key.isEmpty() ? 0 : static_cast<char>(key[0].key());
}

} // namespace

TEST_F(Accessibility, EditorButtonsThatShareACaptionHaveDistinctNames)
{
    startup();
    const std::pair<const char*, const char*> names[] = {
        {"addopt", "Add option"},         {"Command9", "Add display mode"}, {"Command10", "Remove option"},
        {"Command11", "Remove display mode"}, {"Command7", "Clear option"}, {"Command5", "Clear key"},
        {"Command8", "Accept option"},    {"Command6", "Accept key"},
    };
    for (const auto& [button, name] : names)
        EXPECT_EQ(nameOf(ctl<QPushButton>(*app.Editor, button)), name);
}

TEST_F(Accessibility, EveryWindowNamesItsButtonsOnceAndGivesEachAccessKeyOnce)
{
    startup();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName().isEmpty())
            continue;
        SCOPED_TRACE(window->objectName().toStdString());
        // Windows that build their controls when first shown are checked built.
        if (auto* lazy = dynamic_cast<LazyWindow*>(window))
            lazy->ensureBuilt();
        std::set<std::string> names;
        std::set<char> keys;
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
            if (b->text().isEmpty() && b->toolTip().isEmpty())
                continue;  // the tab and scroll arrows Qt makes itself
            const std::string name = nameOf(b);
            EXPECT_FALSE(name.empty());
            EXPECT_TRUE(names.insert(name).second) << name;
            if (char k = accessKey(b->text())) {
                EXPECT_TRUE(keys.insert(k).second) << name << ": " << k;
            }
        }
        for (QLabel* l : window->findChildren<QLabel*>()) {
            if (char k = l->buddy() ? accessKey(l->text()) : 0) {
                EXPECT_TRUE(keys.insert(k).second) << l->text().toStdString();
            }
        }
    }
}

TEST_F(Accessibility, EnterInAPathsFieldSaves)
{
    startup();
    Paths& p = *app.Paths;
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(ctl<QPushButton>(p, "Command2"))->state().defaultButton);
    p.show();
    auto* romPath = ctl<QLineEdit>(p, "ROMPath");
    romPath->setText("c:\\roms");
    QTest::keyClick(romPath, Qt::Key_Return);
    EXPECT_EQ(readFile("C:\\KIVALTO\\paths.dat").substr(0, 10), "C:\\ROMS\\\r\n");
}

// Plain top-level windows are announced as windows, by their captions.
TEST_F(Accessibility, SecondaryWindowsAreWindows)
{
    startup();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName().isEmpty() || qobject_cast<QMenu*>(window))
            continue;
        QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(window);
        EXPECT_EQ(seen->role(), QAccessible::Window) << window->objectName().toStdString();
        EXPECT_EQ(seen->text(QAccessible::Name), window->windowTitle());
    }
}
