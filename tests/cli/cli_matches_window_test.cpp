// vemlik-cli and the single conversion page convert the same lines into the same texts and
// report the same messages.
#include "cli_process.h"
#include "program_under_test.h"

#include <string>
#include <vector>

using namespace vemlik::testing;

namespace {

// Lines of every kind: results with and without a target (then in the last item's unit), a
// temperature scale, several items, errors and a result out of range with the lines after them,
// messages without an error, empty lines, Czech letters and a user unit.
const std::vector<std::string> kLines = {
    "36 km/h",          "cm/min 12 ft/hr", "C 100 F",      "F 100 C",   "m 5 s",
    "5 km; 3 min",      "5 xyz*m/abc",     "12ft/hr",      "",          "   ",
    "1e999 m",          "1 000 m",         "1E30 kWh",     "-150,5 mW", "5 žlab",
    "m 3 versta",       "2,5 versta/h",    "m 5 km; 3 ft", "5 km;;3 m", "mol 5 6 7",
    "154,5 kcal/m2/h/C"};

} // namespace

class CliMatchesWindow : public QObject {
    Q_OBJECT

private slots:
    void sameLinesGiveTheSameBytes() {
        ProgramUnderTest program("versta, 1066.8 , 5 \r\n");
        program.choose(0);
        QLineEdit* Text1 = program.control("Text1");
        CliRun window{"", "", 1};
        std::string input;
        for (std::size_t index = 0; index < kLines.size(); ++index) {
            program.dialogs.messages.clear();
            Text1->clear();
            ProgramUnderTest::type(Text1, QString::fromStdString(kLines[index]));
            // After an error the page shows "CHYBA !" beside an empty result.
            const QString result = program.control("Text2")->text();
            window.output += (result.isEmpty() ? "CHYBA !" : result.toStdString()) + '\n';
            for (const QString& message : program.dialogs.messages) {
                window.errors +=
                    "řádek " + std::to_string(index + 1) + ": " + message.toStdString() + '\n';
            }
            input += kLines[index] + '\n';
        }

        const std::string userFile = program.directory.fileName(vemlik::kUserConversionFileName);
        QCOMPARE(runCli({"--separator", ",", "--prevody", userFile}, input), window);
        // The user unit did reach both, so its lines compare results rather than two errors.
        QVERIFY(window.output.find("3200,40 m\n") != std::string::npos);
    }
};

QTEST_MAIN(CliMatchesWindow)
#include "cli_matches_window_test.moc"
