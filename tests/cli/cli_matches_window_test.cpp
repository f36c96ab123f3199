// vemlik-cli and the single conversion page convert the same lines into the same texts and
// report the same messages.
#include "cli_process.h"
#include "dialog_message_sink.h"
#include "engine_state.h"
#include "main_window.h"
#include "unit_table.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QTabWidget>
#include <QTest>

#include <string>
#include <vector>

namespace vemlik {
namespace {

// Keeps the messages that the window would show in its boxes and answers nothing else.
class RecordingDialogs : public Dialogs {
public:
    void showMessage(const QString& text) override { messages.push_back(text.toStdString()); }
    bool askYesNo(const QString&) override { return false; }
    QString chooseResultsFileName(const QString&) override { return {}; }

    std::vector<std::string> messages;
};

// Lines of every kind: results with and without a target, the temperature scales, several
// items, errors, messages without an error, an empty line, Czech letters and a user unit.
const std::vector<std::string> kLines = {
    "36 km/h",     "cm/min 12 ft/hr", "154,5 kcal/m2/h/C",
    "C 100 F",     "F 100 C",         "R 0 C",
    "K 0 C",       "C 32 F",          "m 5 s",
    "5 xyz*m/abc", "12ft/hr",         "",
    "   ",         "m 5 km; 3 ft",    "5 km;;3 m",
    "1 000 m",     "kg/(m*s) 2 Pas",  "0,000123456 m",
    "1E30 kWh",    "-150,5 mW",       "J 1 BTU",
    "V 12 kW/A",   "Ohm 3 kOhm",      "N 2 lbf",
    "5 žlab",      "m 3 versta",      "2,5 versta/h",
    "mol 5 6 7",
};

// Types the text key by key; QTest::keyClicks takes Latin-1 only, the lines hold Czech letters.
void typeText(QWidget* control, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QApplication::sendEvent(control, &press);
        QApplication::sendEvent(control, &release);
    }
}

struct Conversions {
    std::string results;
    std::string messages;
};

Conversions throughTheWindow(const std::string& directory) {
    RecordingDialogs dialogs;
    DialogMessageSink messages(dialogs);
    EngineState state;
    initialiseEngine(state, messages, directory);
    MainWindow window(state, dialogs, messages);
    window.show();
    window.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    auto* Text1 = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* Text2 = window.findChild<QLineEdit*>(QStringLiteral("Text2"));

    Conversions conversions;
    for (std::size_t index = 0; index < kLines.size(); ++index) {
        dialogs.messages.clear();
        Text1->clear();
        typeText(Text1, QString::fromStdString(kLines[index]));
        QTest::keyClick(Text1, Qt::Key_Return);
        // After an error the page shows "CHYBA !" beside an empty result.
        conversions.results += Text2->text().isEmpty() ? "CHYBA !" : Text2->text().toStdString();
        conversions.results += '\n';
        for (const std::string& message : dialogs.messages) {
            conversions.messages += "řádek " + std::to_string(index + 1) + ": " + message + '\n';
        }
    }
    return conversions;
}

class CliMatchesWindow : public QObject {
    Q_OBJECT

private slots:
    void sameLinesGiveTheSameBytes() {
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        const testing::ScratchDirectory directory;
        const std::string userFile =
            directory.write(kUserConversionFileName, "versta, 1066.8 , 5 \r\n");

        const Conversions window = throughTheWindow(directory.path().string() + '/');

        std::string input;
        for (const std::string& line : kLines) {
            input += line + '\n';
        }
        const testing::CliRun cli =
            testing::runCli({"--separator", ",", "--prevody", userFile}, input);
        QCOMPARE(cli.output, window.results);
        QCOMPARE(cli.errors, window.messages);
        QCOMPARE(cli.exitStatus, 1);
        // The lines do reach every kind of result.
        QVERIFY(window.results.find("10,000 m/s\n") != std::string::npos);
        QVERIFY(window.results.find("3200,40 m\n") != std::string::npos);
        QVERIFY(window.messages.find("Neznamy rozmer!: žlab") != std::string::npos);
    }
};

} // namespace
} // namespace vemlik

QTEST_MAIN(vemlik::CliMatchesWindow)
#include "cli_matches_window_test.moc"
