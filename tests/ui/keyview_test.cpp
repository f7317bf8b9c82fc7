// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.h"
#include "keys/windows/keyconfig.h"
#include "keys/windows/keyview.h"
#include "keys/windows/padkeyboxes.h"
#include "platform/qt/text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

using namespace kivalto;

namespace {

// Pad key box `slot` of a key window.
QLineEdit* keyBox(const QWidget& window, int slot)
{
    return ctl<QLineEdit>(window, padKeyBoxName(slot).toLatin1().constData());
}

} // namespace

class KeyViewer : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        startup();
        // Each cell names its column and row, e.g. "c3r11".
        for (int row = 0; row < kKeyRows; ++row)
            for (int col = 0; col < kKeyColumns; ++col)
                app.selection.plugin().keys.at(row, static_cast<KeyColumn>(col)) =
                    "c" + std::to_string(col) + "r" + std::to_string(row);
    }
    keyview& v() { return *app.keyview; }
    QLabel* note() { return ctl<QLabel>(v(), "Label13"); }
    void expectColumn(int col, int boxes)
    {
        for (int i = 0; i < 12; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(bytes(keyBox(v(), i)->text()), "c" + std::to_string(col) + "r" + std::to_string(i));
            EXPECT_EQ(keyBox(v(), i)->isHidden(), i >= boxes);
        }
    }
};

TEST_F(KeyViewer, PadHidesTheDirections)
{
    ctl<QScrollBar>(main(), "Play1select")->setValue(3);
    ctl<QPushButton>(main(), "Play1keys")->click();
    EXPECT_FALSE(v().isHidden());
    EXPECT_EQ(v().windowTitle(), "Player 1 Controller");
    expectColumn(3, 8);
    EXPECT_TRUE(note()->isHidden());
}

TEST_F(KeyViewer, KeyboardShowsAllKeysAndTheNote)
{
    ctl<QScrollBar>(main(), "Play1select")->setValue(1);
    clickButton("Play1keys");
    expectColumn(0, 12);
    EXPECT_FALSE(note()->isHidden());
    EXPECT_EQ(note()->text(), "If the keys shown here are not the correct ones for the emulator, you must change "
                                   "them using the plugin editor, otherwise SnesKey will not work correctly.");
}

TEST_F(KeyViewer, PlayerTwoAlwaysShowsAllTwelve)
{
    ctl<QScrollBar>(main(), "Play1select")->setValue(3);
    clickButton("Play1keys");
    ctl<QPushButton>(main(), "PLAY2Keys")->click();
    EXPECT_EQ(v().windowTitle(), "Player 2 Keys");
    expectColumn(1, 12);
    EXPECT_TRUE(note()->isHidden());
    ctl<QPushButton>(v(), "Command1")->click();  // Close
    EXPECT_TRUE(v().isHidden());
}

namespace {

// Where a widget sits in the grid that holds it: row, column and span.
std::array<int, 4> gridPlace(QWidget* w)
{
    std::array<int, 4> place{-1, -1, -1, -1};
    for (QGridLayout* grid : w->window()->findChildren<QGridLayout*>())
        if (const int index = grid->indexOf(w); index >= 0)
            grid->getItemPosition(index, &place[0], &place[1], &place[2], &place[3]);
    return place;
}

} // namespace

TEST_F(KeyViewer, LaidOutAndLabelledLikeTheKeyConfiguration)
{
    const keyconfig& config = *app.keyconfig;
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        const char* caption = kPadKeyCaptions[static_cast<std::size_t>(i)];
        EXPECT_NE(gridPlace(keyBox(v(), i))[0], -1);
        EXPECT_EQ(gridPlace(keyBox(v(), i)), gridPlace(keyBox(config, i)));
        EXPECT_EQ(keyBox(v(), i)->accessibleName(), caption);
        EXPECT_EQ(keyBox(config, i)->accessibleName(), caption);
        int labels = 0;
        for (const QLabel* label : v().findChildren<QLabel*>())
            labels += label->buddy() == keyBox(v(), i) && label->text() == caption;
        EXPECT_EQ(labels, 1);
    }
    EXPECT_EQ(gridPlace(ctl<QLabel>(v(), "joypic1")), gridPlace(ctl<QLabel>(config, "joypic1")));
}

// The boxes sit as the keys do on the pad: the directions around a cross,
// A, B, X, Y as a diamond, L and R on top at the far ends.
TEST_F(KeyViewer, BoxesFollowThePad)
{
    enum { A, B, R, L, Y, X, Start, Select, Up, Down, Left, Right };
    for (QWidget* window : {static_cast<QWidget*>(&v()), static_cast<QWidget*>(app.keyconfig)}) {
        window->show();
        QApplication::processEvents();
        const auto at = [&](int i) { return keyBox(*window, i)->mapTo(window, QPoint(0, 0)); };
        // Each row: a box to the left of another on the same line.
        const std::pair<int, int> sideBySide[] = {{Left, Right}, {Y, A}, {L, R}, {Select, Start}, {Right, Y}};
        for (const auto& [left, right] : sideBySide) {
            EXPECT_LT(at(left).x(), at(right).x()) << left << " " << right;
            EXPECT_EQ(at(left).y(), at(right).y()) << left << " " << right;
        }
        // Each row: a box above another in the same column.
        const std::pair<int, int> above[] = {{Up, Down}, {X, B}};
        for (const auto& [top, bottom] : above) {
            EXPECT_LT(at(top).y(), at(bottom).y()) << top << " " << bottom;
            EXPECT_EQ(at(top).x(), at(bottom).x()) << top << " " << bottom;
        }
        EXPECT_LT(at(Left).x(), at(Up).x());
        EXPECT_LT(at(Up).x(), at(Right).x());
        EXPECT_LT(at(Up).y(), at(Left).y());
        EXPECT_LT(at(Left).y(), at(Down).y());
        EXPECT_LT(at(Y).x(), at(X).x());
        EXPECT_LT(at(X).x(), at(A).x());
        EXPECT_LT(at(L).y(), at(X).y());
    }
}
