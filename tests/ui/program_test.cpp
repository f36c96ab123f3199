#include "private_home.h"
#include "program.h"
#include "status_panels.h"
#include "unit_table.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <csignal>

// The program as it starts: its name, its desktop entry and icon, the Prevody.kfc beside the
// executable, broken pipes ignored, Qt's texts in Czech, and an end from the menu that ends the
// event loop.
class ProgramTest : public QObject {
    Q_OBJECT

private:
    const vemlik::testing::PrivateHome home;
    // Beside this test's executable, as the program's Prevody.kfc lies beside vemlik.
    const QString userFileName =
        QApplication::applicationDirPath() + u'/' + QLatin1String(vemlik::kUserConversionFileName);

private slots:
    void init() {
        QFile file(userFileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("versta, 1066.8 , 5 \r\n");
    }
    void cleanup() { QFile::remove(userFileName); }

    void startsWithTheUserFileBesideItAndEndsFromTheMenu() {
        std::signal(SIGPIPE, SIG_DFL);
        vemlik::Program program;
        // The desktop entry's name, and the icon built into the program at its smallest and
        // largest size.
        QCOMPARE(QApplication::applicationName() + ' ' + QGuiApplication::desktopFileName(),
                 "Vemlik cz.vemlik.Vemlik");
        const QList<QSize> iconSizes = program.window().windowIcon().availableSizes();
        QVERIFY(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(256, 256)));
        // Qt's own texts, such as a text box's context menu, are in Czech.
        const std::unique_ptr<QMenu> textMenu(
            program.window().findChild<QLineEdit*>("Text1")->createStandardContextMenu());
        QCOMPARE_NE(textMenu->actions().value(0)->text().section(u'\t', 0, 0), "&Undo");
        // A write into a pipe without a reader fails like any other instead of ending the run.
        struct sigaction brokenPipe {};
        QVERIFY(sigaction(SIGPIPE, nullptr, &brokenPipe) == 0 && brokenPipe.sa_handler == SIG_IGN);
        program.window().show();
        QVERIFY(QTest::qWaitForWindowActive(&program.window()));
        const auto* panels = program.window().findChild<vemlik::StatusPanels*>("StatusBar1");
        QCOMPARE(panels->panelText(4) + '|' + panels->panelText(5), "Prevody.kfc| 1 +  91");

        auto* menu = program.window().findChild<QListWidget*>("lblNabidka");
        QTimer::singleShot(0, menu, [menu] {
            menu->setCurrentRow(4);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        // An event loop still running after the end would leave with 1.
        QTimer::singleShot(5000, qApp, [] { QApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
