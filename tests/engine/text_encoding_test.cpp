#include "text_encoding.h"

#include <gtest/gtest.h>

#include <set>

namespace vemlik {
namespace {

constexpr std::string_view kCzechCapitals = "ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
constexpr std::string_view kCzechSmall = "áčďéěíňóřšťúůýž";
// "Žluťoučký kůň" as a Czech Windows system writes it.
constexpr std::string_view kHorseIn1250 = "\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2";

TEST(TextEncodingTest, TellsUtf8FromWindows1250) {
    EXPECT_TRUE(isValidUtf8("versta, 1066.8 , 5 \r\n€ \xF0\x9F\x98\x80"));
    for (const char* bad : {"\x80", "\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "k\xC5", kHorseIn1250.data()}) {
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
    }
    EXPECT_EQ(windows1250ToUtf8(kHorseIn1250), "Žluťoučký kůň");
    EXPECT_EQ(windows1250ToUtf8("\x80\x84\x93\x96\xA0\xFF\x81"), "€„“–\u00A0˙\uFFFD");
    EXPECT_FALSE(utf8ToWindows1250("\uFFFD"));
}

TEST(TextEncodingTest, EveryDefinedWindows1250ByteHasItsOwnCharacter) {
    std::set<std::string> characters;
    for (int code = 0; code < 256; ++code) {
        const std::string byte(1, static_cast<char>(code));
        const std::string character = windows1250ToUtf8(byte);
        ASSERT_TRUE(isValidUtf8(character)) << code;
        if (character != "\uFFFD") {
            characters.insert(character);
            EXPECT_EQ(utf8ToWindows1250(character), byte) << code;
        }
    }
    EXPECT_EQ(characters.size(), 251u); // five bytes are undefined
}

TEST(TextEncodingTest, CountsAndComparesCharactersNotBytes) {
    EXPECT_EQ(characterCount("kůň€\xF0\x9F\x98\x80"), 5u);
    EXPECT_TRUE(equalIgnoringCase("MOhm ŁŐŸÄ × ß µ", "mohm łőÿä × ß µ"));
    EXPECT_TRUE(equalIgnoringCase("mW", "MW"));
    EXPECT_TRUE(equalIgnoringCase(kCzechCapitals, kCzechSmall));
    for (const auto& [a, b] :
         {std::pair{"mm", "m"}, std::pair{"ů", "ú"}, std::pair{"@", "`"}, std::pair{"×", "÷"},
          std::pair{"İ", "ı"}, std::pair{"\xC8", "\xE8"}}) {
        EXPECT_FALSE(equalIgnoringCase(a, b)) << a << " " << b;
    }
}

} // namespace
} // namespace vemlik
