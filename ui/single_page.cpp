#include "single_page.h"

#include "controls.h"
#include "escape_key.h"
#include "fonts.h"
#include "shared_results_file.h"
#include "utf8.h"
#include "vemlik/engine.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace vemlik {

namespace {

const QString kResultsFilter = QStringLiteral("Soubor s převody *.pre|*.pre");

const QString kExplanation = QStringLiteral(
    "Přepočet jednotlivých dat. Rozměr jednotek ZA číslem označuje v jaké soustavě je číslo "
    "zadáváno. Provádí se přepočet do základních jednotek soustavy SI (m,s,kg,K,I,mol,cd).       "
    "Např. 36 km/h se přepočte na 10  m/s. Ve výsledku se uvádějí rozepsané základní jednotky.  "
    "     Pokud se uvede rozměr i PŘED číslem označuje soustavu do které má být číslo převedeno. "
    "Např.  km/h 10 m/s poskytne výsledek 36 km/h. Je-li tento rozměr v základních jednotkách "
    "SI netřeba ho uvádět.");

const QString kSyntax = QStringLiteral(
    "Mezi číslem a rozměrem musí být aspoň jedna mezera, celý rozměr může být event. v "
    "kulatých závorkách, ale lépe bez nich. Program nerozeznává velká a malá písmena, jsou si "
    "ekvivalentní. Příklady:  154,5 kcal/m2/h/C   0,52 kg*m/min2  nebo přepočet stupňů "
    "Fahrenheita na Celsia    C 450 F.   Přepočet z anglických měr na cm/min:  cm/min 12 ft/hr.");

} // namespace

SinglePage::SinglePage(Engine& engine, MessageSink& messages, SharedResultsFile& results,
                       QWidget* parent)
    : Page(parent), engine_(engine), messages_(messages), results_(results) {
    addTexts();
    addWorkingControls();
}

void SinglePage::addTexts() {
    makeLabel(this, "Label3", kExplanation, {240, 780, 6735, 1215});
    makeLabel(this, "Label7", kSyntax, {240, 2100, 6855, 975});
}

void SinglePage::addWorkingControls() {
    QGroupBox* frame = makeFrame(this, "Frame1", QString(), {120, 3240, 7335, 2295});
    lineEdit_ = makeTextBox(frame, "Text1", {120, 840, 4335, 375}, layoutFont(9.75));
    writeResultsBox_ =
        makeResultsCheckBox(frame, "chkSoubj", QStringLiteral("Uložit &výsledky do souboru"),
                            {120, 240, 2535, 255}, lineEdit_);
    makeLabel(frame, "Label4",
              QStringLiteral("Vložte číslo s rozměry k převodu  ( rozměr_NA  číslo  rozměr_Z ) :"),
              {120, 600, 4695, 255})
        ->setBuddy(lineEdit_);
    resultBox_ = makeTextBox(frame, "Text2", {120, 1800, 4335, 375}, layoutFont(9.75));
    makeLabel(frame, "Label5", QStringLiteral("Výsledek po převodu :"), {120, 1560, 1815, 255})
        ->setBuddy(resultBox_);
    errorMarker_ = makeLabel(frame, "Label6", QString(), {3240, 1560, 1215, 255});
    const auto [overview, menu, end] =
        addPageButtons(frame, {{"Command3", {5160, 360, 1935, 375}},
                               {"Command4", {5160, 1320, 1935, 375}},
                               {"Command1", {5160, 1800, 1935, 375}}});
    QPushButton* newEntry =
        makeButton(frame, "Command2", QStringLiteral("&Nové zadání <ESC>"), {5160, 840, 1935, 375});
    orderTabStops({lineEdit_, resultBox_, overview, newEntry, menu, end, writeResultsBox_});

    onEscape(lineEdit_, [this] { clearForPageEntry(); });
    connect(lineEdit_, &QLineEdit::returnPressed, this, &SinglePage::convert);
    connect(newEntry, &QPushButton::clicked, this, &SinglePage::newEntry);
}

void SinglePage::clearForPageEntry() {
    lineEdit_->clear();
    resultBox_->clear();
    showErrorMarker(QString());
}

QWidget* SinglePage::firstField() {
    return lineEdit_;
}

void SinglePage::newEntry() {
    lineEdit_->clear();
    resultBox_->clear();
    lineEdit_->setFocus();
}

void SinglePage::showErrorMarker(const QString& marker) {
    errorMarker_->setText(marker);
    // A screen reader, which doesn't watch the label, hears the marker with the conversion
    // line that keeps the focus, and with the emptied result.
    lineEdit_->setAccessibleDescription(marker);
    resultBox_->setAccessibleDescription(marker);
}

void SinglePage::convert() {
    if (writeResultsBox_->isChecked() && !results_.open(kResultsFilter)) {
        writeResultsBox_->setChecked(false);
    }
    const QString line = lineEdit_->text();
    const std::optional<std::string> result =
        engine_.convertLine(utf8(line), utf8(QLocale().decimalPoint()), messages_);
    resultBox_->setText(result ? QString::fromStdString(*result) : QString());
    if (!result) {
        showErrorMarker(QStringLiteral("CHYBA !"));
        return;
    }
    if (results_.isOpen() && !results_.appendConversion(utf8(line), utf8(resultBox_->text()))) {
        writeResultsBox_->setChecked(false);
    }
}

} // namespace vemlik
