// SPDX-License-Identifier: GPL-3.0-or-later
#include "keys/keyreconfig.h"

#include <gtest/gtest.h>
#include <string>

using namespace kivalto;

namespace {

ScanCodeTable standardTable()
{
    ScanCodeTable t;
    const int letters[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                             49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};
    for (int i = 0; i < 26; ++i)
        t.codes[static_cast<std::size_t>('A' + i)] = static_cast<std::int16_t>(letters[i]);
    const int pad[10] = {82, 79, 80, 81, 75, 76, 77, 71, 72, 73};
    for (int i = 0; i < 10; ++i)
        t.codes[static_cast<std::size_t>('0' + i)] = static_cast<std::int16_t>(pad[i]);
    return t;
}

// A, B, R, L, Y, X, Start, Select, Up, Down, Left, Right
PadKeys sampleKeys() { return {"X", "Z", "W", "Q", "A", "S", "ENTER", "P", "8", "2", "4", "6"}; }

PadScanCodes codesOf(const PadKeys& keys)
{
    auto codes = scanCodesOfKeys(standardTable(), keys);
    EXPECT_TRUE(codes.has_value());
    return codes.value_or(PadScanCodes{});
}

std::string applied(std::string file, const EmulatorFileChange& change)
{
    if (!change.inPlace)
        return change.bytes;
    file.replace(static_cast<std::size_t>(change.offset), change.bytes.size(), change.bytes);
    return file;
}

const std::string kOldValues = " 1, 2, 3, 4, 5, 6, 7, 8, 9,10,11,12,13,14,15,16";  // 47 bytes

} // namespace

TEST(KeyReconfig, FileNamesAndTexts)
{
    EXPECT_EQ(keyRecordFileName(KeyEmulator::ZSNES, 1), "zsneskey.dat");
    EXPECT_EQ(keyRecordFileName(KeyEmulator::ESNES, 1), "esneskey.dat");
    EXPECT_EQ(keyRecordFileName(KeyEmulator::NLKE, 1), "nlkekey.dat");
    EXPECT_EQ(keyRecordFileName(KeyEmulator::ZSNES, 2), "zsneske2.dat");
    EXPECT_EQ(keyRecordFileName(KeyEmulator::ESNES, 2), "esneske2.dat");
    EXPECT_EQ(keyRecordFileName(KeyEmulator::NLKE, 2), "nlkeke2.dat");
    EXPECT_EQ(emulatorPluginFileName(KeyEmulator::NLKE), "NLKE.XPL");
    EXPECT_EQ(emulatorKeyFileName(KeyEmulator::ESNES), "esnes.key");
    EXPECT_EQ(defaultEmulatorDir(KeyEmulator::ZSNES), "C:\\ZSNES\\");
    EXPECT_EQ(emulatorCaption(KeyEmulator::NLKE), "NLKE Path:");

    EXPECT_EQ(keySaveConfirmation(KeyEmulator::ZSNES, 1),
              "Player 1 Keys for ZSNES have been changed. The plugin has been updated.");
    EXPECT_EQ(keySaveConfirmation(KeyEmulator::ZSNES, 2),
              "Player 2 Keys for ZSNES have been changed. The plugin has been updated. ");
    EXPECT_EQ(keySaveConfirmation(KeyEmulator::ESNES, 2),
              "Player 2 Keys for ESNES have been changed. The plugin has been updated. ");
    EXPECT_EQ(keySaveConfirmation(KeyEmulator::NLKE, 2),
              "Player 2 Keys for NLKES have been changed. The plugin has been updated. ");
    EXPECT_EQ(keySaveConfirmation(KeyEmulator::ESNES, 1),
              "Player 1 Keys for ESNES have been changed. The plugin has been updated.");
    EXPECT_EQ(keySaveError(1), "An Unknown Error Has Occurred. Check the specified directory for the emulator.  If you "
                               "are configuring ZSNES, you need to have run it at least once, so that the ZSNES.CFG "
                               "file is present.");
    EXPECT_EQ(keySaveError(2), "An Unknown Error Has Occurred. Check the specified directory for the emulator. If you "
                               "are configuring ZSNES, you need to have run it at least once, so that the ZSNES.CFG "
                               "file is present.");
}

TEST(KeyReconfig, RecordFileHoldsTheUpperCasedBoxesInSlotOrder)
{
    PadKeys keys = {"a", "b", "ab", "", "y", "x", "Enter", "p", "8", "2", "4", "6"};
    upperCaseKeys(keys);
    EXPECT_EQ(keys[2], "AB");
    EXPECT_EQ(keyRecordFileBytes(keys), "A\r\nB\r\nAB\r\n\r\nY\r\nX\r\nENTER\r\nP\r\n8\r\n2\r\n4\r\n6\r\n");
    EXPECT_EQ(keyRecordFileBytes(PadKeys{}), "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST(KeyReconfig, EveryBoxMustBeAUsableKey)
{
    const auto table = standardTable();
    EXPECT_TRUE(scanCodesOfKeys(table, sampleKeys()).has_value());
    for (const char* bad : {"", "-", "a", "A,B", "!"}) {
        PadKeys keys = sampleKeys();
        keys[11] = bad;
        EXPECT_FALSE(scanCodesOfKeys(table, keys).has_value()) << bad;
    }
}

TEST(KeyReconfig, ZsnesBlockFollowsTheZsnesOrder)
{
    // Right, Left, Down, Up, Start, Select, B, Y, A, X, L, R
    EXPECT_EQ(zsnesKeyBlock(codesOf(sampleKeys())), " 77, 75, 80, 72, 18, 25, 44, 30, 45, 31, 16, 17");
    EXPECT_EQ(zsnesKeyBlock(codesOf(sampleKeys())).size(), kZsnesBlockSize);
}

TEST(KeyReconfig, ZsnesPatchReplacesOnlyTheLast47CharactersOfTheLaterLine)
{
    const std::string cfg = "; zsnes config\r\n"
                            "ScanKey1 = 99," + kOldValues + "\r\n"
                            "ScanKey2 = 99," + kOldValues + "\r\n"
                            "scankey1 = 99," + kOldValues + "\r\n"  // other case: not the line
                            "ScanKey1 = 98," + kOldValues + "\r\n"
                            "Sound=1\r\n";
    const auto codes = codesOf(sampleKeys());
    auto change = planEmulatorFileChange(KeyEmulator::ZSNES, 1, codes, cfg);
    ASSERT_TRUE(change && change->inPlace);
    EXPECT_EQ(change->offset, 219u);  // 16 + 3 * 63 bytes of lines before, then "ScanKey1 = 98,"
    EXPECT_EQ(applied(cfg, *change), "; zsnes config\r\n"
                                     "ScanKey1 = 99," + kOldValues + "\r\n"
                                     "ScanKey2 = 99," + kOldValues + "\r\n"
                                     "scankey1 = 99," + kOldValues + "\r\n"
                                     "ScanKey1 = 98, 77, 75, 80, 72, 18, 25, 44, 30, 45, 31, 16, 17\r\n"
                                     "Sound=1\r\n");

    auto p2 = planEmulatorFileChange(KeyEmulator::ZSNES, 2, codes, cfg);
    ASSERT_TRUE(p2);
    EXPECT_EQ(applied(cfg, *p2), "; zsnes config\r\n"
                                 "ScanKey1 = 99," + kOldValues + "\r\n"
                                 "ScanKey2 = 99, 77, 75, 80, 72, 18, 25, 44, 30, 45, 31, 16, 17\r\n"
                                 "scankey1 = 99," + kOldValues + "\r\n"
                                 "ScanKey1 = 98," + kOldValues + "\r\n"
                                 "Sound=1\r\n");
}

TEST(KeyReconfig, ZsnesPatchOnLfLinesAndTheLastLineStaysInsideTheLine)
{
    const auto codes = codesOf(sampleKeys());
    const std::string block = zsnesKeyBlock(codes);
    const std::string lf = "x=1\nScanKey1 = 99," + kOldValues + "\nEnd\n";
    auto change = planEmulatorFileChange(KeyEmulator::ZSNES, 1, codes, lf);
    ASSERT_TRUE(change);
    EXPECT_EQ(applied(lf, *change), "x=1\nScanKey1 = 99," + block + "\nEnd\n");

    const std::string noEnd = "x=1\r\nScanKey1 = 99," + kOldValues;
    change = planEmulatorFileChange(KeyEmulator::ZSNES, 1, codes, noEnd);
    ASSERT_TRUE(change);
    EXPECT_EQ(applied(noEnd, *change), "x=1\r\nScanKey1 = 99," + block);
}

TEST(KeyReconfig, ZsnesPlanStopsWithoutAUsableScanKeyLine)
{
    const auto codes = codesOf(sampleKeys());
    EXPECT_FALSE(planEmulatorFileChange(KeyEmulator::ZSNES, 1, codes, std::nullopt));
    EXPECT_FALSE(planEmulatorFileChange(KeyEmulator::ZSNES, 1, codes, std::string("Sound=1\r\n")));
    EXPECT_FALSE(planEmulatorFileChange(KeyEmulator::ZSNES, 2, codes, "ScanKey1 = 99," + kOldValues + "\r\n"));
    // Ends within the first 49 bytes.
    EXPECT_FALSE(planEmulatorFileChange(KeyEmulator::ZSNES, 1, codes, std::string("ScanKey1=1,2,3\r\n")));
    // Far enough into the file, but too short: the block would overwrite the line before.
    EXPECT_FALSE(planEmulatorFileChange(KeyEmulator::ZSNES, 1, codes,
                                        std::string(60, ';') + "\r\nScanKey1=1,2,3,4,5,6,7,8,9\r\n"));
    // Exactly long enough: the name, then the block.
    EXPECT_TRUE(planEmulatorFileChange(KeyEmulator::ZSNES, 1, codes, "ScanKey1" + kOldValues + "\r\n"));
}

TEST(KeyReconfig, EsnesPlayer1KeepsTheTailAndPlayer2TheHead)
{
    const auto codes = codesOf(sampleKeys());
    // Up, Down, Left, Right, X, A, Y, B, L, R, Start, Select
    const std::string keys = {72, 80, 75, 77, 31, 45, 30, 44, 16, 17, 18, 25};
    const std::string old31 = "ESNES  abcdefghijklmnopqrstuvwx";  // 31 characters
    ASSERT_EQ(old31.size(), 31u);

    auto p1 = planEmulatorFileChange(KeyEmulator::ESNES, 1, codes, old31 + "\r\nsecond line\r\n");
    ASSERT_TRUE(p1 && !p1->inPlace);
    EXPECT_EQ(p1->bytes, "ESNES  " + keys + "mnopqrstuvwx\r\n");

    auto p2 = planEmulatorFileChange(KeyEmulator::ESNES, 2, codes, old31 + "yz0123\r\nsecond line\r\n");
    ASSERT_TRUE(p2);
    EXPECT_EQ(p2->bytes, "ESNES  abcdefghijkl" + keys + "\r\n");

    // Player 1 keeps characters up to 35 only.
    const std::string old40 = "NLKE0  abcdefghijklmnopqrstuvwxyz0123456";
    auto n1 = planEmulatorFileChange(KeyEmulator::NLKE, 1, codes, old40);
    ASSERT_TRUE(n1);
    EXPECT_EQ(n1->bytes, "NLKE0  " + keys + "mnopqrstuvwxyz01\r\n");
}

TEST(KeyReconfig, EsnesRecordOnAMissingOrShortFile)
{
    const auto codes = codesOf(sampleKeys());
    const std::string keys = {72, 80, 75, 77, 31, 45, 30, 44, 16, 17, 18, 25};
    auto p1 = planEmulatorFileChange(KeyEmulator::NLKE, 1, codes, std::nullopt);
    ASSERT_TRUE(p1);
    EXPECT_EQ(p1->bytes, "NLKE0  " + keys + "\r\n");
    auto p2 = planEmulatorFileChange(KeyEmulator::ESNES, 2, codes, std::nullopt);
    ASSERT_TRUE(p2);
    EXPECT_EQ(p2->bytes, keys + "\r\n");
    auto shortP2 = planEmulatorFileChange(KeyEmulator::ESNES, 2, codes, std::string("ESNES\r\n"));
    ASSERT_TRUE(shortP2);
    EXPECT_EQ(shortP2->bytes, "ESNES" + keys + "\r\n");
}

TEST(KeyReconfig, PluginColumnGetsNumBeforeDigitsAndKeepsTheRest)
{
    KeyTable table;
    table.at(kSwitchRow, KeyColumn::Player1) = "-j1";
    table.at(0, KeyColumn::Player2) = "Enter";
    PadKeys keys = sampleKeys();
    keys[1] = "AB";
    applyKeysToPlugin(table, keys, 1);
    EXPECT_EQ(table.at(0, KeyColumn::Player1), "X");
    EXPECT_EQ(table.at(1, KeyColumn::Player1), "AB");
    EXPECT_EQ(table.at(6, KeyColumn::Player1), "ENTER");
    EXPECT_EQ(table.at(8, KeyColumn::Player1), "Num8");
    EXPECT_EQ(table.at(11, KeyColumn::Player1), "Num6");
    EXPECT_EQ(table.at(kSwitchRow, KeyColumn::Player1), "-j1");
    EXPECT_EQ(table.at(0, KeyColumn::Player2), "Enter");
    EXPECT_EQ(table.at(0, KeyColumn::Pad2), " ");

    applyKeysToPlugin(table, keys, 2);
    EXPECT_EQ(table.at(8, KeyColumn::Player2), "Num8");
    EXPECT_EQ(table.at(kSwitchRow, KeyColumn::Player2), " ");
}
