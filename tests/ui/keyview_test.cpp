#include "fixture.h"
#include "keys/windows/keyconfig.h"
#include "keys/windows/keyview.h"
#include "platform/windows/text.h"
#include "plugins/windows/Editor.h"

#include <QGridLayout>
#include <array>

using namespace kivalto;

class KeyViewer : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        startup();
        // Each cell names its column and row, e.g. "c3r11".
        for (int row = 0; row < kKeyRows; ++row)
            for (int col = 0; col < kKeyColumns; ++col)
                app.Editor->plugin.keys.at(row, static_cast<KeyColumn>(col)) =
                    "c" + std::to_string(col) + "r" + std::to_string(row);
    }
    keyview& v() { return *app.keyview; }
    void expectColumn(int col, int boxes)
    {
        for (int i = 0; i < 12; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(bytes(v().Text1[static_cast<std::size_t>(i)]->text()),
                      "c" + std::to_string(col) + "r" + std::to_string(i));
            EXPECT_EQ(v().Text1[static_cast<std::size_t>(i)]->isHidden(), i >= boxes);
        }
    }
};

TEST_F(KeyViewer, PadHidesTheDirections)
{
    main().Play1select->setValue(3);
    main().Play1keys->click();
    EXPECT_FALSE(v().isHidden());
    EXPECT_EQ(v().windowTitle(), "Player 1 Controller");
    expectColumn(3, 8);
    EXPECT_TRUE(v().Label13->isHidden());
}

TEST_F(KeyViewer, KeyboardShowsAllKeysAndTheNote)
{
    main().Play1select->setValue(1);
    main().Play1keys_Click();
    expectColumn(0, 12);
    EXPECT_FALSE(v().Label13->isHidden());
    EXPECT_EQ(v().Label13->text(), "If the keys shown here are not the correct ones for the emulator, you must change "
                                   "them using the plugin editor, otherwise SnesKey will not work correctly.");
}

TEST_F(KeyViewer, PlayerTwoAlwaysShowsAllTwelve)
{
    main().Play1select->setValue(3);
    main().Play1keys_Click();
    main().PLAY2Keys->click();
    EXPECT_EQ(v().windowTitle(), "Player 2 Keys");
    expectColumn(1, 12);
    EXPECT_TRUE(v().Label13->isHidden());
    v().Command1_Click();
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
    for (std::size_t i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_NE(gridPlace(v().Text1[i])[0], -1);
        EXPECT_EQ(gridPlace(v().Text1[i]), gridPlace(config.Text1[i]));
        EXPECT_EQ(v().Text1[i]->accessibleName(), kPadKeyCaptions[i]);
        EXPECT_EQ(config.Text1[i]->accessibleName(), kPadKeyCaptions[i]);
        EXPECT_EQ(v().boxLabels[i]->buddy(), v().Text1[i]);
    }
    EXPECT_EQ(gridPlace(v().joypic1), gridPlace(config.joypic1));
}
