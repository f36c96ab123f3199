#include "block_page.h"

#include "controls.h"
#include "dialogs.h"
#include "escape_key.h"
#include "fonts.h"
#include "shared_results_file.h"
#include "utf8.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace vemlik {

namespace {

const QString kResultsFilter = QStringLiteral("Soubor s výslednou tabulkou *.pre|*.pre");
const QString kEndWithoutTable =
    QStringLiteral("Tabulka nebyla zapsána do souboru, skončit bez ní?");

} // namespace

BlockPage::BlockPage(Engine& engine, Dialogs& dialogs, MessageSink& messages,
                     SharedResultsFile& results, QWidget* parent)
    : Page(parent), engine_(engine), dialogs_(dialogs), messages_(messages), results_(results) {
    makeLabel(this, "Label8", QStringLiteral("Slouží k přepočtu tabulky dat se stejným rozměrem"),
              {1920, 480, 4695, 255}, layoutFont(9.75));
    QGroupBox* frame =
        makeFrame(this, "Frame2", QStringLiteral(" Přepočet "), {120, 720, 5655, 4815});
    addEntryFields(frame);
    makeLabel(
        this, "Label23",
        QStringLiteral("Po zadání číselné hodnoty stiskněte <Enter> a před zadáním další <Esc>"),
        {6000, 2160, 1575, 855});
    addButtons();
}

void BlockPage::addEntryFields(QWidget* frame) {
    const QFont font = layoutFont(9.75);
    sourceUnitEdit_ = makeTextBox(frame, "Text3", {1800, 480, 3615, 375}, font);
    saveTableBox_ = makeResultsCheckBox(frame, "chkSoubor",
                                        QStringLiteral("&Uložit výslednou tabulku do souboru"),
                                        {1800, 120, 3615, 255}, sourceUnitEdit_);
    makeLabel(frame, "Label9", QStringLiteral("Vstupní rozměr"), {120, 600, 1575, 255})
        ->setBuddy(sourceUnitEdit_);
    targetUnitEdit_ = makeTextBox(frame, "Text4", {1800, 1080, 3615, 375}, font);
    makeLabel(frame, "Label10", QStringLiteral("Požadovaný výsledný rozměr"),
              {120, 1080, 1575, 375})
        ->setBuddy(targetUnitEdit_);
    valueEdit_ = makeTextBox(frame, "Text5", {120, 1920, 2415, 375}, font);
    makeLabel(frame, "Label11", QStringLiteral("Vstupní číselná hodnota"), {120, 1680, 2295, 255})
        ->setBuddy(valueEdit_);
    resultEdit_ = makeTextBox(frame, "Text6", {2760, 1920, 2655, 375}, font);
    makeLabel(frame, "Label12", QStringLiteral("Přepočtená číselná hodnota"),
              {2760, 1680, 2535, 255})
        ->setBuddy(resultEdit_);
    tableEdit_ = makeTableBox(frame, "Text8", {1440, 2400, 3975, 2295}, font);
    makeLabel(frame, "Label18",
              QStringLiteral("Výsledky bloku přepočtu v pořadí původní a přepočtená hodnota"),
              {120, 2640, 1095, 1455})
        ->setBuddy(tableEdit_);

    onEscape(valueEdit_, [this] { valueEdit_->clear(); });
    connect(sourceUnitEdit_, &QLineEdit::returnPressed, this, &BlockPage::takeSourceUnit);
    connect(targetUnitEdit_, &QLineEdit::returnPressed, this, &BlockPage::takeUnitPair);
    connect(valueEdit_, &QLineEdit::returnPressed, this, &BlockPage::convertValue);
}

void BlockPage::addButtons() {
    QPushButton* newEntry =
        makeButton(this, "Command8", QStringLiteral("&Nové zadání"), {6000, 3600, 1455, 375});
    const auto [overview, menu, end] = addPageButtons(
        this,
        {{"Command7", {6000, 4080, 1455, 375}},
         {"Command6", {6000, 4560, 1455, 375}},
         {"Command5", {6000, 5040, 1455, 375}}},
        [this] { return writeTable(); },
        [this] { return writeTable() || dialogs_.askYesNo(kEndWithoutTable); });
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
    tableUnwritten_ = false;
}

QWidget* BlockPage::firstField() {
    return sourceUnitEdit_;
}

void BlockPage::takeSourceUnit() {
    engine_.takeSourceUnit(utf8(sourceUnitEdit_->text()));
    targetUnitEdit_->setFocus();
}

void BlockPage::takeUnitPair() {
    valueEdit_->clear();
    valueEdit_->setFocus();
    acceptedPair_ = engine_.takeTargetUnit(utf8(targetUnitEdit_->text()), messages_);
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
    const std::optional<BlockRow> row = engine_.convertBlockValue(
        *acceptedPair_, utf8(valueEdit_->text()), utf8(QLocale().decimalPoint()), messages_);
    if (!row) {
        return;
    }
    valueEdit_->setText(QString::fromStdString(row->valueText));
    resultEdit_->setText(QString::fromStdString(row->resultText));
    tableEdit_->moveCursor(QTextCursor::End);
    tableEdit_->insertPlainText(QString::fromStdString(row->tableLine()));
}

bool BlockPage::writeTable() {
    const bool tryAgain = tableUnwritten_ && saveTableBox_->isChecked();
    if (!results_.isOpen() && !(tryAgain && results_.open(kResultsFilter))) {
        return !tryAgain;
    }
    // The file is closed by then, also after a failed section.
    tableUnwritten_ =
        !results_.appendBlockTable(utf8(sourceUnitEdit_->text()), utf8(targetUnitEdit_->text()),
                                   utf8(tableEdit_->toPlainText()));
    results_.close();
    return !tableUnwritten_;
}

void BlockPage::newEntry() {
    if (!writeTable()) {
        return;
    }
    clearForPageEntry();
    sourceUnitEdit_->setFocus();
}

} // namespace vemlik
