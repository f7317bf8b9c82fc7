// SPDX-License-Identifier: GPL-3.0-or-later
#include "roms/memoryfile.h"
#include "roms/romtitle.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace kivalto {
namespace {

// A ROM image of `size` zero bytes with texts placed at file offsets.
std::string image(std::size_t size, const std::map<std::size_t, std::string>& texts)
{
    std::string data(size, '\0');
    for (const auto& [offset, text] : texts)
        data.replace(offset, text.size(), text);
    return data;
}

std::string titleOf(std::string_view name, const std::string& data)
{
    MemoryReadFile file(data);
    return ReadRomTitle(name, file);
}

constexpr std::size_t kLoRomCopier = 33216, kLoRom = 32704, kHiRomCopier = 65984, kFourth = 29888;

TEST(RomTitle, NameRulesForArchivesAndOtherSystemsIgnoreCaseAndReadNothing)
{
    const std::map<std::string, std::string> cases = {
        {"Mario.zip", "MARIO*"},     {"mario.ZIP", "MARIO*"},    {"Mario.smc.gz", "MARIO.SMC*"},
        {"Mario.Gz", "MARIO*"},      {"Sonic.smd", "SONIC'"},    {"game.bin", "GAME'"},
        {"Zelda.NES", "ZELDA'"},     {"Bonk.pce", "BONK'"},      {"Disc.idx", "DISC'"},
        {"Mario, Luigi.zip", "MARIO, LUIGI*"}};
    for (const auto& [name, title] : cases) {
        const std::string data = image(70000, {{kLoRomCopier, "SUPER MARIOWORLD"}});
        MemoryReadFile file(data);
        EXPECT_EQ(ReadRomTitle(name, file), title) << name;
        EXPECT_EQ(file.bytesRead(), 0u) << name;
    }
}

TEST(RomTitle, PositionsAreTriedInListOrder)
{
    // A plausible text at the first position wins over the real title.
    EXPECT_EQ(titleOf("a.smc", image(70000, {{kLoRomCopier, "NOT THE TITLE"}, {kLoRom, "SUPER MARIOWORLD"}})),
              "NOT THE TITLE");
    EXPECT_EQ(titleOf("a.smc", image(70000, {{kLoRom, "SUPER MARIOWORLD"}, {kHiRomCopier, "HIROM TITLE"}})),
              "SUPER MARIOWORLD");
    EXPECT_EQ(titleOf("a.smc", image(70000, {{kHiRomCopier, "HIROM TITLE"}, {kFourth, "FOURTH TITLE"}})),
              "HIROM TITLE");
    EXPECT_EQ(titleOf("a.smc", image(70000, {{kFourth, "FOURTH TITLE"}})), "FOURTH TITLE");
}

TEST(RomTitle, FieldRuleAndNineCharacterMinimum)
{
    EXPECT_EQ(titleOf("a.smc", image(70000, {{kLoRomCopier, "ABCDEFGHI,"}})), "ABCDEFGHI");
    EXPECT_EQ(titleOf("a.smc", image(70000, {{kLoRomCopier, "ABCDEFGH,"}})), "A'");
    // A comma cuts the field; the rest is too short.
    EXPECT_EQ(titleOf("Mario.smc", image(70000, {{kLoRomCopier, "SUPER, MARIO WORLD"}})), "MARIO'");
    // Leading blanks are skipped, quotes delimit, lower case is raised.
    EXPECT_EQ(titleOf("a.smc", image(70000, {{kLoRomCopier, "  \tSTREET FIGHTER2\r"}})), "STREET FIGHTER2");
    EXPECT_EQ(titleOf("a.smc", image(70000, {{kLoRomCopier, "\"ZELDA, NO DENSETSU\"xx"}})), "ZELDA, NO DENSETSU");
    EXPECT_EQ(titleOf("a.smc", image(70000, {{kLoRomCopier, "super mario world"}})), "SUPER MARIO WORLD");
    // The field runs on past the 21-byte title; 19 characters are kept,
    // trailing blanks included when more of the field follows.
    EXPECT_EQ(titleOf("a.smc", image(70000, {{kLoRomCopier, "SUPER MARIOWORLD      \x02\x09"}})),
              "SUPER MARIOWORLD   ");
    EXPECT_EQ(titleOf("a.smc", image(70000, {{kLoRomCopier, "SUPER MARIOWORLD      \n"}})), "SUPER MARIOWORLD");
}

TEST(RomTitle, PlausibilityCutsBeforeTwoAdjacentBadCharacters)
{
    EXPECT_EQ(cutImplausible("SUPER MARIOWORLD   "), "SUPER MARIOWORLD   ");
    EXPECT_EQ(cutImplausible("F-ZERO             "), "F-ZERO             ");
    EXPECT_EQ(cutImplausible("MARIO?!PAINT       "), "MARIO");
    EXPECT_EQ(cutImplausible("?!ABC"), "");
    EXPECT_EQ(cutImplausible("A-B-C-D"), "A-B-C-D");
    EXPECT_EQ(cutImplausible("AB-C--D"), "AB-C");
    // A cut title falls back to the next position, then to the name.
    EXPECT_EQ(titleOf("a.smc", image(70000, {{kLoRomCopier, "MARIO?!PAINT"}, {kLoRom, "MARIO PAINT J"}})),
              "MARIO PAINT J");
    EXPECT_EQ(titleOf("Game.1", image(70000, {{kLoRomCopier, "MARIO?!PAINT"}})), "GA'");
    EXPECT_EQ(titleOf("Game", image(70000, {})), "'");
}

TEST(RomTitle, ReadingAtOrPastTheEndIsAnError)
{
    EXPECT_THROW(titleOf("short.smc", image(20000, {})), TextReadError);
    EXPECT_THROW(titleOf("exact.smc", image(kLoRomCopier, {})), TextReadError);
    // No plausible LoROM title in a 40 000-byte file reaches the HiROM position.
    EXPECT_THROW(titleOf("small.smc", image(40000, {})), TextReadError);
    EXPECT_EQ(titleOf("small.smc", image(40000, {{kLoRom, "SMALL GAME 1"}})), "SMALL GAME 1");
}

TEST(RomTitle, LongFieldsAreReadInSmallChunks)
{
    std::string data = image(4 << 20, {{kLoRomCopier, "SUPER MARIOWORLD"}});
    std::fill(data.begin() + kLoRomCopier + 16, data.end(), 'A');
    MemoryReadFile file(data);
    EXPECT_EQ(ReadRomTitle("big.smc", file), "SUPER MARIOWORLDAAA");
    EXPECT_LE(file.bytesRead(), 4096u);

    // Long runs of blanks and quoted text at every position stay short too.
    std::string quoted = image(4 << 20, {});
    for (std::size_t p : {kLoRomCopier, kLoRom, kHiRomCopier, kFourth})
        quoted.replace(p, 2, "\"?");
    MemoryReadFile quotedFile(quoted);
    EXPECT_EQ(ReadRomTitle("q.smc", quotedFile), "Q'");
    EXPECT_LE(quotedFile.bytesRead(), 4u * 4096u);
}

// The candidate as the field reader finds it in the whole file.
std::string candidateByReader(const std::string& bytes)
{
    StringCharSource source(bytes);
    TextFieldReader reader(source);
    return cutImplausible(toUpper(reader.fieldPrefix(kTitleLength)));
}

TEST(RomTitle, CandidateFromBytesMatchesTheFieldReaderOrAsksForMore)
{
    // Settled within the bytes: the same candidate as the field reader.
    for (const std::string bytes :
         {"SUPER MARIOWORLD     \x01\x02", "super mario world   x", "  \t STREET FIGHTER2\r\n", "ABCDEFGH,IJ",
          "\"ZELDA, NO DENSETSU\"xx", "\"ABCDEFGHIJKLMNOPQRSTUV", "MARIO?!PAINT       xx", "A   B   C   D   E   F",
          "A                  B", ",", "\r\n", "\"\"", "\xe4\xf6\xfc abcdefghijklmnopq", "SUPER MARIOWORLD   ,"}) {
        const std::optional<std::string> judged = headerCandidateFromBytes(bytes);
        ASSERT_TRUE(judged) << bytes;
        EXPECT_EQ(*judged, candidateByReader(bytes)) << bytes;
    }
    // Not settled before the bytes end: the file has to tell.
    for (const std::string bytes : {"", "   \t ", "SHORT TITLE", "SUPER MARIOWORLD   ", "\"QUOTED", "A    "})
        EXPECT_FALSE(headerCandidateFromBytes(bytes)) << bytes;
}

TEST(RomTitle, CandidateFromBytesAgreesWithTheFieldReaderOnRandomHeaders)
{
    // Bytes drawn mostly from the characters the rule treats specially.
    const std::string alphabet = "  \t\"\r\n,AZaz09-?!\x80\xff";
    std::mt19937 random(21);
    for (int round = 0; round < 20000; ++round) {
        std::string bytes(random() % 40, '\0');
        for (char& c : bytes)
            c = alphabet[random() % alphabet.size()];
        const std::optional<std::string> judged = headerCandidateFromBytes(bytes);
        if (!judged)
            continue;
        ASSERT_EQ(*judged, candidateByReader(bytes)) << bytes;
        // More bytes after the end never change a settled candidate.
        ASSERT_EQ(headerCandidateFromBytes(bytes + "QQQQQQQQQQQQQQQQQQQQ"), judged) << bytes;
    }
}

TEST(RomTitle, OneReadServesBothLoRomPositions)
{
    // No title behind the copier header: the second position is judged
    // from the bytes the first one brought in.
    const std::string data = image(70000, {{kLoRomCopier, "\x01\x02\x03"}, {kLoRom, "SUPER MARIOWORLD"}});
    MemoryReadFile file(data);
    EXPECT_EQ(ReadRomTitle("a.smc", file), "SUPER MARIOWORLD");
    EXPECT_EQ(file.bytesRead(), 1024u);
}

} // namespace
} // namespace kivalto
