#include "command_line.h"

#include "vemlik/text_encoding.h"

#include <string_view>

namespace vemlik::cli {

const char* const kUsageText =
    "Použití: vemlik-cli [--separator ZNAK] [--prevody SOUBOR] [SOUBOR...]\n"
    "\n"
    "Převádí převodní řádky (např. \"36 km/h\" nebo \"cm/min 12 ft/hr\") ze zadaných souborů,\n"
    "a není-li zadán žádný soubor, ze standardního vstupu. Za každý vstupní řádek vypíše\n"
    "jeden řádek: hodnotu, mezeru a jednotku, po chybném řádku \"CHYBA !\" a po prázdném\n"
    "řádku prázdný. Hlášení řádku vypisuje po jeho výsledku na chybový výstup jako\n"
    "\"řádek N: TEXT\", kde N je pořadí řádku ve všech souborech dohromady.\n"
    "\n"
    "  --separator ZNAK   desetinný oddělovač výsledků (jinak podle národního prostředí)\n"
    "  --prevody SOUBOR   uživatelské jednotky z tohoto souboru (jen se čte) místo\n"
    "                     Prevody.kfc, který leží vedle programu, a není-li tam,\n"
    "                     v $XDG_DATA_HOME/vemlik/, jinak v ~/.local/share/vemlik/\n"
    "  --version          vypíše verzi programu\n"
    "  --help             vypíše tento návod\n"
    "\n"
    "Návratový kód: 0 vše převedeno, 1 některý řádek skončil chybou,\n"
    "2 chybné volby nebo soubor, který nelze číst.\n";

namespace {

bool isOneCharacter(std::string_view text) {
    return isValidUtf8(text) && characterCount(text) == 1 && text != "\n" && text != "\r";
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result;
    Options& options = result.options;
    bool optionsEnded = false;
    for (std::size_t index = 0; index < arguments.size(); ++index) {
        const std::string& argument = arguments[index];
        const bool hasValue = index + 1 < arguments.size();
        if (optionsEnded || argument.empty() || argument[0] != '-') {
            options.inputFiles.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help") {
            options.helpWanted = true;
        } else if (argument == "--version") {
            options.versionWanted = true;
        } else if (argument == "--separator") {
            if (!hasValue) {
                result.fault = "u volby --separator chybí znak";
            } else if (!isOneCharacter(arguments[index + 1])) {
                result.fault = "volba --separator potřebuje právě jeden znak, ne \"" +
                               arguments[index + 1] + "\"";
            } else {
                options.decimalSeparator = arguments[index + 1];
            }
            ++index;
        } else if (argument == "--prevody") {
            if (!hasValue) {
                result.fault = "u volby --prevody chybí jméno souboru";
            } else {
                options.userFile = arguments[index + 1];
            }
            ++index;
        } else {
            result.fault = "neznámá volba " + argument;
        }
        if (!result.fault.empty()) {
            break;
        }
    }
    return result;
}

} // namespace vemlik::cli
