// Writes the manual pages' section on the built-in units: each abbreviation of the engine's table
// with its meaning and what the program shows for one such unit, so that the manuals follow the
// table. Usage: vemlik-unit-list cs|en OUTPUT
#include "unit_meanings.h"
#include "vemlik/engine.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

namespace {

struct Language {
    const char* heading;
    const char* introduction;
    const char* decimalSeparator;
    const char* vemlik::UnitMeaning::*meaning;
};

constexpr Language kCzech{
    "JEDNOTKY",
    "Vestavěné zkratky jednotek v pořadí tabulky programu. Za významem každé zkratky následuje\n"
    "výsledek převodního řádku s číslem 1 a touto zkratkou, tedy hodnota jedné jednotky\n"
    "v základních jednotkách SI. Teplotní stupnice C, F a R se převádějí i se svými nulovými\n"
    "body.\n",
    ",", &vemlik::UnitMeaning::czech};

constexpr Language kEnglish{
    "UNITS",
    "The built\\-in unit abbreviations in the order of the program's table. Each meaning is\n"
    "followed by what the program shows for the conversion line of the number 1 and that\n"
    "abbreviation: the value of one unit in SI base units. The temperature scales C, F and R\n"
    "are converted with their zero points.\n",
    ".", &vemlik::UnitMeaning::english};

// A minus sign, not a hyphen, in the exponents.
std::string roffText(std::string_view text) {
    std::string escaped;
    for (const char character : text) {
        escaped += character == '-' ? std::string("\\-") : std::string(1, character);
    }
    return escaped;
}

class FirstMessage : public vemlik::MessageSink {
public:
    void showMessage(std::string_view text) override {
        if (message.empty()) {
            message = text;
        }
    }
    std::string message;
};

// The section, or the reason why it can't be written.
bool writeSection(const Language& language, std::string& section) {
    vemlik::Engine engine;
    const auto units = engine.units();
    const auto meanings = vemlik::unitMeanings();
    if (units.size() != meanings.size()) {
        section = "tabulka má " + std::to_string(units.size()) + " jednotek, významů je " +
                  std::to_string(meanings.size());
        return false;
    }
    // One line for each unit, without a blank line between them.
    section =
        std::string(".SH ") + language.heading + '\n' + language.introduction + ".PP\n.PD 0\n";
    for (std::size_t row = 0; row < units.size(); ++row) {
        const std::string& abbreviation = units[row].abbreviation;
        if (abbreviation != meanings[row].abbreviation) {
            section = "jednotka " + abbreviation + " nemá na svém místě význam";
            return false;
        }
        FirstMessage messages;
        const auto shown =
            engine.convertLine("1 " + abbreviation, language.decimalSeparator, messages);
        if (!shown) {
            section = "1 " + abbreviation + ": " + messages.message;
            return false;
        }
        section += ".TP\n.B " + abbreviation + '\n' + meanings[row].*language.meaning + ": 1 " +
                   abbreviation + " = " + roffText(*shown) + '\n';
    }
    section += ".PD\n";
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string_view code = argc == 3 ? argv[1] : "";
    if (code != "cs" && code != "en") {
        std::fputs("Použití: vemlik-unit-list cs|en VÝSTUP\n", stderr);
        return 2;
    }
    std::string section;
    if (!writeSection(code == "cs" ? kCzech : kEnglish, section)) {
        std::fprintf(stderr, "vemlik-unit-list: %s\n", section.c_str());
        return 1;
    }
    std::ofstream output(argv[2], std::ios::binary | std::ios::trunc);
    output << section;
    return output.flush() ? 0 : 1;
}
