#include "user_page.h"

#include "controls.h"
#include "dialogs.h"
#include "dimension_code.h"
#include "engine_state.h"
#include "fonts.h"
#include "number_reader.h"
#include "unit_expression.h"
#include "unit_table.h"
#include "user_conversion_file.h"
#include "utf8.h"

#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace vemlik {

namespace {

// Exponents that a dimension code carries unchanged.
constexpr int kLowestExponent = -3;
constexpr int kHighestExponent = 5;
constexpr double kSmallestFactor = 1e-10;

const QString kFaultyEntry = QStringLiteral("Pro chybné zadání nebylo zapsáno, zadejte znovu!");

// Characters that split a conversion line or a unit expression, or separate the fields of the
// user conversion file.
bool isSeparator(QChar c) {
    return c.isSpace() || QStringLiteral(",\"*/;:()").contains(c);
}

// A name that a conversion line can look up and the user conversion file can carry: the
// expression parser reads a trailing digit as an exponent, and a leading digit, sign or point
// starts a number.
bool isUsableAbbreviation(const QString& abbreviation) {
    if (std::any_of(abbreviation.begin(), abbreviation.end(), isSeparator)) {
        return false;
    }
    const QChar first = abbreviation.front();
    return !first.isDigit() && first != u'+' && first != u'-' && first != u'.' &&
           !abbreviation.back().isDigit();
}

bool exponentsFitCode(const DimensionVector& vector) {
    return std::all_of(vector.begin(), vector.end(), [](std::int16_t exponent) {
        return exponent >= kLowestExponent && exponent <= kHighestExponent;
    });
}

} // namespace

UserPage::UserPage(EngineState& state, Dialogs& dialogs, MessageSink& messages, QWidget* parent)
    : Page(parent), state_(state), dialogs_(dialogs), messages_(messages) {
    makeLabel(this, "Label17", QStringLiteral("Přidání dalších vlastních uživatelských převodů"),
              {2040, 480, 5535, 255}, layoutFont(12));
    addKindChoice();
    addEntryFields();
    addButtonRow();
}

void UserPage::addKindChoice() {
    QGroupBox* frame =
        makeFrame(this, "Frame3", QStringLiteral(" Typ převodu"), {360, 960, 6855, 975});
    temporaryOption_ = makeOptionButton(
        frame, "Option1", QStringLiteral("&Dočasný -  jen do ukončení činnosti programu"),
        {240, 360, 4215, 195});
    permanentOption_ = makeOptionButton(
        frame, "Option2", QStringLiteral("&Trvalý     -  přidat do souboru uživatelských převodů"),
        {240, 600, 4335, 255});
    temporaryOption_->setChecked(true);
    // Only the user's choice moves on to the abbreviation; the program's setChecked doesn't.
    // Queued, because an arrow key puts the focus on the option after it has been clicked.
    for (QRadioButton* option : {temporaryOption_, permanentOption_}) {
        connect(
            option, &QRadioButton::clicked, this, [this] { abbreviationBox_->setFocus(); },
            Qt::QueuedConnection);
    }
}

void UserPage::addEntryFields() {
    QGroupBox* frame =
        makeFrame(this, "Frame4",
                  QStringLiteral(" Převod  - ( po vložení údaje je nutné stisknout Enter !) "),
                  {360, 2040, 6855, 2655});
    makeLabel(frame, "Label20", QStringLiteral("Zkratka rozměru (versta, LOT, ...ap.)"),
              {2400, 360, 2655, 255});
    abbreviationBox_ = makeTextBox(frame, "Text9", {5160, 240, 1455, 375}, windowFont());
    makeLabel(frame, "Label21",
              QStringLiteral("Rozměr jednotky vyjádřený pomocí základních  jednotek (např.  "
                             "kg2*m/s2/K )  nebo  x"),
              {840, 720, 3375, 375});
    dimensionBox_ = makeTextBox(frame, "Text10", {4320, 720, 2295, 375}, windowFont());
    makeLabel(
        frame, "Label22",
        QStringLiteral("Číslo, kterým je třeba data násobit při převodu do základních jednotek SI"),
        {840, 1200, 3375, 375});
    factorBox_ = makeTextBox(frame, "Text11", {4320, 1200, 2295, 375}, windowFont());
    cancelButton_ =
        makeButton(frame, "Command10", QStringLiteral("&Zrušit akci"), {1920, 2040, 2175, 375});
    confirmButton_ = makeButton(frame, "Command9", QStringLiteral("&V pořádku, zapsat"),
                                {4440, 2040, 2175, 375});

    connect(abbreviationBox_, &QLineEdit::returnPressed, dimensionBox_,
            [this] { dimensionBox_->setFocus(); });
    connect(dimensionBox_, &QLineEdit::returnPressed, this, &UserPage::parseDimension);
    connect(factorBox_, &QLineEdit::returnPressed, this, &UserPage::takeFactor);
    connect(confirmButton_, &QPushButton::clicked, this, &UserPage::addUnit);
    connect(cancelButton_, &QPushButton::clicked, this, &UserPage::clearEntry);
}

void UserPage::addButtonRow() {
    const auto [overview, menu, end] =
        addPageButtons(this,
                       {{"Command13", {2040, 4920, 1455, 375}},
                        {"Command12", {3840, 4920, 1455, 375}},
                        {"Command11", {5640, 4920, 1455, 375}}},
                       [this] { temporaryOption_->setChecked(true); });
    orderTabStops({temporaryOption_, permanentOption_, abbreviationBox_, dimensionBox_, factorBox_,
                   confirmButton_, cancelButton_, end, menu, overview});
}

void UserPage::clearForPageEntry() {
    abbreviationBox_->clear();
    dimensionBox_->clear();
    factorBox_->clear();
    temporaryOption_->setChecked(true);
}

QWidget* UserPage::firstField() {
    return abbreviationBox_;
}

void UserPage::parseDimension() {
    const UnitExpressionValue dimension =
        parseUnitExpression(state_.units, messages_, utf8(dimensionBox_->text()));
    Operand& target = state_.operands.conversion.target;
    target.factor = dimension.factor;
    target.vector = dimension.vector;
    // The flag then tells at the confirmation whether this dimension had an unknown name.
    state_.operands.errorFlag = dimension.unknownName ? kUnknownUnit : kNoError;
    factorBox_->setFocus();
}

void UserPage::takeFactor() {
    const std::optional<double> factor = parseFactorText(utf8(factorBox_->text()));
    if (!factor) {
        dialogs_.showMessage(QStringLiteral("Faktor není numerická hodnota!"));
        factorBox_->clear();
        state_.operands.conversion.target.factor = 0;
        return;
    }
    state_.operands.conversion.target.factor = *factor;
    confirmButton_->setFocus();
}

QString UserPage::refusal() const {
    const QString abbreviation = abbreviationBox_->text();
    const Operand& target = state_.operands.conversion.target;
    if (std::abs(target.factor) <= kSmallestFactor || dimensionBox_->text().isEmpty() ||
        abbreviation.isEmpty() || state_.operands.errorFlag == kUnknownUnit) {
        return kFaultyEntry;
    }
    if (!isUsableAbbreviation(abbreviation)) {
        return QStringLiteral("Zkratka nesmí obsahovat mezeru ani znaky , \" * / ; : ( ), nesmí "
                              "začínat číslicí, znaménkem nebo tečkou a nesmí končit číslicí!");
    }
    if (!exponentsFitCode(target.vector)) {
        return QStringLiteral("Exponent rozměru musí být v rozsahu -3 až +5, převod nebyl zapsán!");
    }
    if (state_.units.rowCount >= kMaxRows) {
        return QStringLiteral("Tabulka jednotek je plná, další převod nelze přidat!");
    }
    return {};
}

void UserPage::addUnit() {
    if (const QString reason = refusal(); !reason.isEmpty()) {
        dialogs_.showMessage(reason);
        clearEntry();
        return;
    }
    // The exponents were checked, so the code fits in 32 bits.
    const Operand& target = state_.operands.conversion.target;
    const auto code = static_cast<std::int32_t>(encodeDimensionCode(target.vector));
    addUserUnit(state_.units, utf8(abbreviationBox_->text()), target.factor, code);
    if (permanentOption_->isChecked()) {
        writePermanently();
    }
    emit countsChanged();
    clearEntry();
}

void UserPage::writePermanently() {
    const UnitTable& units = state_.units;
    const UnitRecord& row = units.rows[static_cast<std::size_t>(units.rowCount)];
    if (!dialogs_.askYesNo(QStringLiteral("Převod %1 bude zapsán do souboru")
                               .arg(QString::fromStdString(row.abbreviation)))) {
        return;
    }
    if (!appendUserConversionRecord(units.userFileName, row)) {
        dialogs_.showMessage(
            QStringLiteral("Převod nelze zapsat do souboru %1, platí jen do ukončení programu!")
                .arg(QFile::decodeName(units.userFileName.c_str())));
    }
}

void UserPage::clearEntry() {
    abbreviationBox_->clear();
    dimensionBox_->clear();
    factorBox_->clear();
    abbreviationBox_->setFocus();
}

} // namespace vemlik
