#include "block_page.h"

#include "controls.h"
#include "dialogs.h"
#include "engine_state.h"
#include "fonts.h"
#include "line_converter.h"
#include "number_reader.h"
#include "result_format.h"
#include "results_file.h"
#include "results_file_format.h"
#include "twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace vemlik {

namespace {

const QString kResultsFilter = QStringLiteral("Soubor s výslednou tabulkou *.pre|*.pre");

std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

BlockPage::BlockPage(EngineState& state, Dialogs& dialogs, MessageSink& messages,
                     ResultsFile& results, QWidget* parent)
    : Page(parent), state_(state), dialogs_(dialogs), messages_(messages), results_(results) {
    makeLabel(this, "Label8", QStringLiteral("Slouží k Vemlik tabulky dat se stejným rozměrem"),
              {1920, 480, 4695, 255}, layoutFont(9.75));
    QGroupBox* frame =
        makeFrame(this, "Frame2", QStringLiteral(" Vemlik "), {120, 720, 5655, 4815});
    addEntryFields(frame);
    makeLabel(
        this, "Label23",
        QStringLiteral("Po zadání číselné hodnoty stiskněte <Enter> a před zadáním další <Esc>"),
        {6000, 2160, 1575, 855});
    addPageButtons();
}

void BlockPage::addEntryFields(QWidget* frame) {
    const QFont font = layoutFont(9.75);
    chkSoubor_ =
        makeCheckBox(frame, "chkSoubor", QStringLiteral("&Uložit výslednou tabulku do souboru"),
                     {1800, 120, 3615, 255});
    makeLabel(frame, "Label9", QStringLiteral("Vstupní rozměr"), {120, 600, 1575, 255});
    Text3_ = makeTextBox(frame, "Text3", {1800, 480, 3615, 375}, font);
    makeLabel(frame, "Label10", QStringLiteral("Požadovaný výsledný rozměr"),
              {120, 1080, 1575, 375});
    Text4_ = makeTextBox(frame, "Text4", {1800, 1080, 3615, 375}, font);
    makeLabel(frame, "Label11", QStringLiteral("Vstupní číselná hodnota"), {120, 1680, 2295, 255});
    Text5_ = makeTextBox(frame, "Text5", {120, 1920, 2415, 375}, font);
    makeLabel(frame, "Label12", QStringLiteral("Vemlik číselná hodnota"), {2760, 1680, 2535, 255});
    Text6_ = makeTextBox(frame, "Text6", {2760, 1920, 2655, 375}, font);
    makeLabel(frame, "Label18",
              QStringLiteral("Výsledky bloku Vemlik v pořadí původní a Vemlik hodnota"),
              {120, 2640, 1095, 1455});
    Text8_ = new QPlainTextEdit(frame);
    Text8_->setObjectName(QStringLiteral("Text8"));
    Text8_->setGeometry(twipsRect(1440, 2400, 3975, 2295));
    Text8_->setFont(font);
    Text8_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text8_->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text8_->setTabChangesFocus(true);

    flipOnArrival(chkSoubor_, Text3_);
    Text5_->installEventFilter(this);
    connect(Text3_, &QLineEdit::returnPressed, this, &BlockPage::takeSourceUnit);
    connect(Text4_, &QLineEdit::returnPressed, this, &BlockPage::takeUnitPair);
    connect(Text5_, &QLineEdit::returnPressed, this, &BlockPage::convertValue);
}

void BlockPage::addPageButtons() {
    QPushButton* newEntry =
        makeButton(this, "Command8", QStringLiteral("&Nové zadání"), {6000, 3600, 1455, 375});
    QPushButton* overview =
        makeButton(this, "Command7", QStringLiteral("&Přehled zkratek"), {6000, 4080, 1455, 375});
    QPushButton* menu =
        makeButton(this, "Command6", QStringLiteral("&Hlavní menu"), {6000, 4560, 1455, 375});
    QPushButton* end =
        makeButton(this, "Command5", QStringLiteral("&Skončit"), {6000, 5040, 1455, 375});
    orderTabStops(
        {Text3_, Text4_, Text5_, Text6_, Text8_, end, menu, overview, newEntry, chkSoubor_});

    connect(newEntry, &QPushButton::clicked, this, &BlockPage::newEntry);
    connect(overview, &QPushButton::clicked, this, &Page::overviewRequested);
    connect(menu, &QPushButton::clicked, this, [this] {
        writeTable();
        emit menuRequested();
    });
    connect(end, &QPushButton::clicked, this, [this] {
        writeTable();
        emit endRequested();
    });
}

void BlockPage::clearForPageEntry() {
    for (QLineEdit* box : {Text3_, Text4_, Text5_, Text6_}) {
        box->clear();
    }
    Text8_->clear();
    pairAccepted_ = false;
}

QWidget* BlockPage::firstField() {
    return Text3_;
}

bool BlockPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text5_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        Text5_->clear();
        return false;
    }
    return Page::eventFilter(watched, event);
}

void BlockPage::takeSourceUnit() {
    state_.secondOperandText = utf8(Text3_->text());
    Text4_->setFocus();
}

void BlockPage::takeUnitPair() {
    state_.firstOperandText = utf8(Text4_->text());
    Text5_->clear();
    Text5_->setFocus();
    state_.inputLine = state_.firstOperandText + " 1 " + state_.secondOperandText;
    convertLine(state_, messages_);
    pairAccepted_ = state_.errorFlag == kNoError;
}

void BlockPage::convertValue() {
    Text6_->clear();
    // Values are only converted with a pair the user has seen accepted on this page; that
    // also keeps the division from a target factor that no conversion has set yet.
    if (!pairAccepted_) {
        dialogs_.showMessage(QStringLiteral("Nejprve zadejte platný vstupní a požadovaný rozměr!"));
        return;
    }
    if (state_.resultsFileFlag == 0 && chkSoubor_->isChecked() && !results_.open(kResultsFilter)) {
        // Unchecked without the usual move to Text3: the user goes on typing values.
        const QSignalBlocker blocker(chkSoubor_);
        chkSoubor_->setChecked(false);
    }
    QString valueText = Text5_->text();
    if (const qsizetype comma = valueText.indexOf(u','); comma >= 0) {
        valueText[comma] = u'.';
        Text5_->setText(valueText);
    }
    const double x = readNumberWithRadix(utf8(valueText));
    const double y =
        (x * state_.secondOperandFactor + state_.secondOperandOffset) / state_.firstOperandFactor +
        state_.firstOperandOffset;
    Text6_->setText(QString::fromStdString(
        formatValue(y, ValuePrecision::Double, utf8(QLocale().decimalPoint()))));
    Text8_->moveCursor(QTextCursor::End);
    Text8_->insertPlainText(Text5_->text() + u'\t' + Text6_->text() + u'\n');
}

void BlockPage::writeTable() {
    if (state_.resultsFileFlag != 1) {
        return;
    }
    // The box keeps its lines apart by LF alone; the file's rows end in CR LF.
    const QString table = Text8_->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    if (results_.append(
            blockTableSection(utf8(Text3_->text()), utf8(Text4_->text()), utf8(table)))) {
        results_.close();
    } else {
        const QSignalBlocker blocker(chkSoubor_);
        chkSoubor_->setChecked(false);
    }
}

void BlockPage::newEntry() {
    writeTable();
    clearForPageEntry();
    Text3_->setFocus();
}

} // namespace vemlik
