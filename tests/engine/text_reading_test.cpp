#include "number_reader.h"
#include "vemlik/text_encoding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace vemlik {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct Reading {
    const char* text;
    double value;
};

void expectReadings(double (*reader)(std::string_view), std::initializer_list<Reading> readings) {
    for (const auto& [text, value] : readings) {
        const double read = reader(text);
        EXPECT_EQ(std::pair(read, std::signbit(read)), std::pair(value, std::signbit(value)))
            << '"' << text << '"';
    }
}

// Numbers written plainly take a shorter road; "4 2 m" to "-0 m" border on those that do not.
TEST(NumberReader, ReadsAsFarAsTheNumberGoes) {
    expectReadings(readNumber,
                   {Reading{" \t\n- 1 2.5", -12.5}, Reading{"+.5", 0.5}, Reading{"1.2.3", 1.2},
                    Reading{"-12.5e2x", -1250}, Reading{"2D3", 2000}, Reading{"2d-3", 0.002},
                    Reading{"abc", 0}, Reading{"+-1", 0}, Reading{".e5", 0}, Reading{"4 2 m", 42},
                    Reading{"6\tE2 m", 600}, Reading{"3 .5", 3.5}, Reading{"-0 m", -0.0},
                    Reading{"0.3", 0.3}, Reading{"-98765.4321098765 m", -98765.4321098765},
                    // Out of range: infinite or zero.
                    Reading{"1e999", kInfinity}, Reading{"-1e999", -kInfinity},
                    Reading{"1e99999999999999999999", kInfinity}, Reading{"1e-999", 0},
                    Reading{"1e-320", 1e-320}, Reading{"9007199254740993", 9007199254740992.0}});
    // The power of the first digit that is not 0 counts with the exponent.
    const std::string digits(20000, '9');
    EXPECT_EQ(readNumber("0." + digits), 1.0);
    EXPECT_EQ(readNumber(digits), kInfinity);
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1e9"), 0.0);
}

TEST(NumberReader, ReadsHexadecimalAndOctalIntegers) {
    expectReadings(readNumberWithRadix,
                   {Reading{"&H1F", 31}, Reading{"&hff", 255}, Reading{" &H1 0", 16},
                    Reading{"&HFFFFFFFF", 4294967295.0}, Reading{"&O17", 15}, Reading{"&o78", 7},
                    Reading{"&HG", 0}, Reading{"&X1", 0}, Reading{"&", 0}, Reading{"12.5e1", 125}});
    EXPECT_EQ(readNumber("&H10"), 0);
}

TEST(NumberReader, FactorTextMustBeOneNumberAsAWhole) {
    for (const auto& [text, value] :
         {Reading{" \t-1,5E3 ", -1500}, Reading{"2D-3", 0.002}, Reading{"+.5", 0.5},
          Reading{"5.", 5}, Reading{"1e-999", 0}}) {
        EXPECT_EQ(parseFactorText(text), value) << '"' << text << '"';
    }
    for (const char* text :
         {"  ", "1 000", "1.000,5", "1e", "1e+", "1.5x", "&H10", "1e999", "-1e999"}) {
        EXPECT_EQ(parseFactorText(text), std::nullopt) << '"' << text << '"';
    }
}

// "Žluťoučký kůň" as a Czech Windows system writes it.
constexpr std::string_view kHorseIn1250 = "\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2";

// Characters, not bytes, are counted and compared.
TEST(TextEncodingTest, TellsUtf8FromWindows1250AndCountsAndComparesCharacters) {
    EXPECT_TRUE(isValidUtf8("versta, 1066.8 , 5 \r\n€ \xF0\x9F\x98\x80"));
    for (const char* bad : {"\x80", "\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "k\xC5", kHorseIn1250.data()}) {
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
    }
    EXPECT_EQ(windows1250ToUtf8(kHorseIn1250), "Žluťoučký kůň");
    EXPECT_EQ(windows1250ToUtf8("\x80\x84\x93\x96\xA0\xFF\x81"), "€„“–\u00A0˙\uFFFD");
    EXPECT_FALSE(utf8ToWindows1250("\uFFFD"));
    // Each defined byte has a character of its own: written back, it is the same byte.
    std::string defined;
    for (int code = 1; code < 256; ++code) {
        if (std::string_view("\x81\x83\x88\x90\x98").find(static_cast<char>(code)) ==
            std::string_view::npos) {
            defined += static_cast<char>(code);
        }
    }
    EXPECT_EQ(utf8ToWindows1250(windows1250ToUtf8(defined)), defined);
    EXPECT_EQ(characterCount("kůň€\xF0\x9F\x98\x80"), 5u);
    EXPECT_TRUE(equalIgnoringCase("MOhm ŁŐŸÄ × ß µ", "mohm łőÿä × ß µ"));
    EXPECT_TRUE(equalIgnoringCase("ÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ", "áčďéěíňóřšťúůýž"));
    for (const auto& [a, b] :
         {std::pair{"mm", "m"}, std::pair{"ů", "ú"}, std::pair{"@", "`"}, std::pair{"×", "÷"},
          std::pair{"İ", "ı"}, std::pair{"\xC8", "\xE8"}}) {
        EXPECT_FALSE(equalIgnoringCase(a, b)) << a << " " << b;
    }
}

} // namespace
} // namespace vemlik
