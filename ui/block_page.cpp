#include "block_page.h"

#include "controls.h"
#include "dialogs.h"
#include "escape_key.h"
#include "fonts.h"
#include "line_converter.h"
#include "number_reader.h"
#include "result_format.h"
#include "results_file.h"
#include "results_file_format.h"
#include "twips.h"
#include "utf8.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace vemlik {

namespace {

const QString kResultsFilter = QStringLiteral("Soubor s výslednou tabulkou *.pre|*.pre");

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
    addButtons();
}

void BlockPage::addEntryFields(QWidget* frame) {
    const QFont font = layoutFont(9.75);
    saveTableBox_ =
        makeCheckBox(frame, "chkSoubor", QStringLiteral("&Uložit výslednou tabulku do souboru"),
                     {1800, 120, 3615, 255});
    makeLabel(frame, "Label9", QStringLiteral("Vstupní rozměr"), {120, 600, 1575, 255});
    sourceUnitEdit_ = makeTextBox(frame, "Text3", {1800, 480, 3615, 375}, font);
    makeLabel(frame, "Label10", QStringLiteral("Požadovaný výsledný rozměr"),
              {120, 1080, 1575, 375});
    targetUnitEdit_ = makeTextBox(frame, "Text4", {1800, 1080, 3615, 375}, font);
    makeLabel(frame, "Label11", QStringLiteral("Vstupní číselná hodnota"), {120, 1680, 2295, 255});
    valueEdit_ = makeTextBox(frame, "Text5", {120, 1920, 2415, 375}, font);
    makeLabel(frame, "Label12", QStringLiteral("Vemlik číselná hodnota"), {2760, 1680, 2535, 255});
    resultEdit_ = makeTextBox(frame, "Text6", {2760, 1920, 2655, 375}, font);
    makeLabel(frame, "Label18",
              QStringLiteral("Výsledky bloku Vemlik v pořadí původní a Vemlik hodnota"),
              {120, 2640, 1095, 1455});
    tableEdit_ = new QPlainTextEdit(frame);
    tableEdit_->setObjectName(QStringLiteral("Text8"));
    tableEdit_->setGeometry(twipsRect(1440, 2400, 3975, 2295));
    tableEdit_->setFont(font);
    tableEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tableEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    tableEdit_->setTabChangesFocus(true);

    flipOnArrival(saveTableBox_, sourceUnitEdit_);
    onEscape(valueEdit_, [this] { valueEdit_->clear(); });
    connect(sourceUnitEdit_, &QLineEdit::returnPressed, this, &BlockPage::takeSourceUnit);
    connect(targetUnitEdit_, &QLineEdit::returnPressed, this, &BlockPage::takeUnitPair);
    connect(valueEdit_, &QLineEdit::returnPressed, this, &BlockPage::convertValue);
}

void BlockPage::addButtons() {
    QPushButton* newEntry =
        makeButton(this, "Command8", QStringLiteral("&Nové zadání"), {6000, 3600, 1455, 375});
    const auto writeTableFirst = [this] { writeTable(); };
    const auto [overview, menu, end] = addPageButtons(this,
                                                      {{"Command7", {6000, 4080, 1455, 375}},
                                                       {"Command6", {6000, 4560, 1455, 375}},
                                                       {"Command5", {6000, 5040, 1455, 375}}},
                                                      writeTableFirst, writeTableFirst);
    orderTabStops({sourceUnitEdit_, targetUnitEdit_, valueEdit_, resultEdit_, tableEdit_, end, menu,
                   overview, newEntry, saveTableBox_});
    connect(newEntry, &QPushButton::clicked, this, &BlockPage::newEntry);
}

void BlockPage::clearForPageEntry() {
    for (QLineEdit* box : {sourceUnitEdit_, targetUnitEdit_, valueEdit_, resultEdit_}) {
        box->clear();
    }
    tableEdit_->clear();
    acceptedPair_.reset();
}

QWidget* BlockPage::firstField() {
    return sourceUnitEdit_;
}

void BlockPage::takeSourceUnit() {
    state_.operands.sourceText = utf8(sourceUnitEdit_->text());
    targetUnitEdit_->setFocus();
}

void BlockPage::takeUnitPair() {
    OperandState& operands = state_.operands;
    operands.targetText = utf8(targetUnitEdit_->text());
    valueEdit_->clear();
    valueEdit_->setFocus();
    // The source text is the one Enter in Text3 or the last conversion line left.
    const std::string line = operands.targetText + " 1 " + operands.sourceText;
    const LineResult result = convertLine(state_.units, operands, messages_, line);
    acceptedPair_.reset();
    if (result.errorFlag == kNoError) {
        acceptedPair_ = result.conversion;
    }
}

void BlockPage::convertValue() {
    resultEdit_->clear();
    // Values are only converted with a pair the user has seen accepted on this page; that
    // also keeps the division from a target factor that no conversion has set yet.
    if (!acceptedPair_) {
        dialogs_.showMessage(QStringLiteral("Nejprve zadejte platný vstupní a požadovaný rozměr!"));
        return;
    }
    if (saveTableBox_->isChecked() && !results_.open(kResultsFilter)) {
        // Unchecked without the usual move to Text3: the user goes on typing values.
        const QSignalBlocker blocker(saveTableBox_);
        saveTableBox_->setChecked(false);
    }
    QString valueText = valueEdit_->text();
    if (const qsizetype comma = valueText.indexOf(u','); comma >= 0) {
        valueText[comma] = u'.';
        valueEdit_->setText(valueText);
    }
    const double converted = acceptedPair_->apply(readNumberWithRadix(utf8(valueText)));
    resultEdit_->setText(QString::fromStdString(
        formatValue(converted, ValuePrecision::Double, utf8(QLocale().decimalPoint()))));
    tableEdit_->moveCursor(QTextCursor::End);
    tableEdit_->insertPlainText(valueEdit_->text() + u'\t' + resultEdit_->text() + u'\n');
}

void BlockPage::writeTable() {
    if (!results_.isOpen()) {
        return;
    }
    // The box keeps its lines apart by LF alone; the file's rows end in CR LF.
    const QString table = tableEdit_->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    if (results_.append(blockTableSection(utf8(sourceUnitEdit_->text()),
                                          utf8(targetUnitEdit_->text()), utf8(table)))) {
        results_.close();
    } else {
        const QSignalBlocker blocker(saveTableBox_);
        saveTableBox_->setChecked(false);
    }
}

void BlockPage::newEntry() {
    writeTable();
    clearForPageEntry();
    sourceUnitEdit_->setFocus();
}

} // namespace vemlik
