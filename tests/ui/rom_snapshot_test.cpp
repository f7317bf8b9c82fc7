// SPDX-License-Identifier: GPL-3.0-or-later
// Snapshots beside the ROMs and the ROM name export.
#include "fixture.h"
#include "roms/windows/romcataloguemodel.h"
#include "ui/windows/errorfrm.h"
#include "ui/windows/mesage.h"

#include <QImage>
#include <QImageWriter>

namespace kivalto {
namespace {

class RomSnapshots : public test::KivaltoTest {
protected:
    void SetUp() override
    {
        writeFile("C:\\KIVALTO\\paths.dat", "C:\\ROMS\\\r\n\r\nC:\\KIVALTO\\\r\n");
        std::string rom(40000, '\0');
        rom.replace(33216, 16, "SUPER MARIOWORLD");
        writeFile("C:\\ROMS\\Game.smc", rom);
        writeFile("C:\\ROMS\\Other.zip", "PK");
        makeFolder("C:\\ROMS\\Snes");
    }
    void picture(const std::string& dosPath, Qt::GlobalColor color, const char* format)
    {
        makeFolder(parentOfDos(dosPath));
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(QString::fromStdString(host(dosPath).string()), format));
    }
    QColor shownColour() { return ctl<QLabel>(main(), "romimage")->pixmap().toImage().pixelColor(1, 1); }
    bool jpegSupported() { return QImageWriter::supportedImageFormats().contains("jpg"); }
};

TEST_F(RomSnapshots, BmpBeforeJpgFoundWithoutRegardToCase)
{
    if (!jpegSupported())
        GTEST_SKIP() << "no JPEG image plugin";
    picture("C:\\ROMS\\Game.BMP", Qt::red, "BMP");
    picture("C:\\ROMS\\game.jpg", Qt::blue, "JPG");
    startup();
    // Game.smc's title, clicked after another one, looks its picture up again.
    const auto clickGame = [this] {
        clickTitleEntry(2);
        clickTitleEntry(1);
    };
    clickGame();
    EXPECT_EQ(shownColour(), QColor(Qt::red));

    std::filesystem::remove(host("C:\\ROMS\\Game.BMP"));
    clickGame();
    EXPECT_GE(shownColour().blue(), 250);

    // A corrupt picture is passed over; nothing at all clears the picture.
    writeFile("C:\\ROMS\\Game.BMP", "not a picture");
    clickGame();
    EXPECT_GE(shownColour().blue(), 250);
    writeFile("C:\\ROMS\\game.jpg", "not a picture either");
    clickGame();
    EXPECT_TRUE(ctl<QLabel>(main(), "romimage")->pixmap().isNull());
}

TEST_F(RomSnapshots, AssociateCopiesThePictureUnderTheRomsName)
{
    if (!jpegSupported())
        GTEST_SKIP() << "no JPEG image plugin";
    picture("C:\\PICS\\Shot.jpg", Qt::green, "JPG");
    startup();
    chooseMenuItem("snapass");
    EXPECT_EQ(app.errorfrm->text(), "No ROM has been selected to run.");
    EXPECT_TRUE(dialogs.fileDialogs.empty());

    clickTitleEntry(1);
    dialogs.files.push_back("C:\\PICS\\Shot.jpg");
    chooseMenuItem("snapass");
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogs[0].filter, "BMP or JPG|*.BMP;*.JPG");
    EXPECT_EQ(dialogs.fileDialogs[0].startFolder, "C:\\KIVALTO\\");
    EXPECT_EQ(readFile("C:\\ROMS\\Game.jpg"), readFile("C:\\PICS\\Shot.jpg"));
    EXPECT_TRUE(std::filesystem::exists(host("C:\\ROMS") / "Game.jpg"));  // the case as typed
    EXPECT_GE(shownColour().green(), 250);
    EXPECT_EQ(ctl<QLineEdit>(main(), "ROMNAME")->text().toStdString(), "Game.smc (SUPER MARIOWORLD)");
    EXPECT_EQ(app.mesage->text(),
              "The selected picture has been copied to the ROM directory and associated with the ROM. It should "
              "now be displayed in the ROM snapshot box.");

    // Cancelled: nothing happens; a failed copy: the unknown error box.
    chooseMenuItem("snapass");
    EXPECT_TRUE(dialogs.boxes.empty());
    dialogs.files.push_back("C:\\PICS\\Gone.BMP");
    chooseMenuItem("snapass");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text, "An unknown error has occurred.");
    EXPECT_EQ(dialogs.boxes[0].title, "Kivalto");
}

TEST_F(RomSnapshots, WriteRomNamesPairsFilesAndEntries)
{
    startup();
    chooseMenuItem("writerom");
    EXPECT_EQ(readFile("C:\\KIVALTO\\longrom.txt"),
              "Game.smc = SUPER MARIOWORLD\r\nOther.zip = OTHER*\r\n = SNES\r\n = UP\r\n");
    EXPECT_EQ(app.mesage->text(),
              "Your ROM headers and filenames have been written to 'LONGROM.TXT' in the Kivalto directory.");
    EXPECT_TRUE(dialogs.boxes.empty());
}

TEST_F(RomSnapshots, UnwritableRomNamesFileIsReported)
{
    makeFolder("C:\\KIVALTO\\LONGROM.TXT");
    startup();
    chooseMenuItem("writerom");
    ASSERT_EQ(dialogs.boxes.size(), 1u);
    EXPECT_EQ(dialogs.boxes[0].text.rfind("The ROM names could not be written to LONGROM.TXT in the Kivalto directory", 0),
              0u);
    EXPECT_FALSE(app.mesage->isVisible());
}

} // namespace
} // namespace kivalto
