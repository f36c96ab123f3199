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
    addPageButtons();
}

void UserPage::addKindChoice() {
    QGroupBox* frame =
        makeFrame(this, "Frame3", QStringLiteral(" Typ převodu"), {360, 960, 6855, 975});
    Option1_ = makeOptionButton(frame, "Option1",
                                QStringLiteral("&Dočasný -  jen do ukončení činnosti programu"),
                                {240, 360, 4215, 195});
    Option2_ = makeOptionButton(
        frame, "Option2", QStringLiteral("&Trvalý     -  přidat do souboru uživatelských převodů"),
        {240, 600, 4335, 255});
    Option1_->setChecked(true);
    // Only the user's choice moves on to the abbreviation; the program's setChecked doesn't.
    // Queued, because an arrow key puts the focus on the option after it has been clicked.
    for (QRadioButton* option : {Option1_, Option2_}) {
        connect(
            option, &QRadioButton::clicked, this, [this] { Text9_->setFocus(); },
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
    Text9_ = makeTextBox(frame, "Text9", {5160, 240, 1455, 375}, windowFont());
    makeLabel(frame, "Label21",
              QStringLiteral("Rozměr jednotky vyjádřený pomocí základních  jednotek (např.  "
                             "kg2*m/s2/K )  nebo  x"),
              {840, 720, 3375, 375});
    Text10_ = makeTextBox(frame, "Text10", {4320, 720, 2295, 375}, windowFont());
    makeLabel(
        frame, "Label22",
        QStringLiteral("Číslo, kterým je třeba data násobit při převodu do základních jednotek SI"),
        {840, 1200, 3375, 375});
    Text11_ = makeTextBox(frame, "Text11", {4320, 1200, 2295, 375}, windowFont());
    Command10_ =
        makeButton(frame, "Command10", QStringLiteral("&Zrušit akci"), {1920, 2040, 2175, 375});
    Command9_ = makeButton(frame, "Command9", QStringLiteral("&V pořádku, zapsat"),
                           {4440, 2040, 2175, 375});

    connect(Text9_, &QLineEdit::returnPressed, Text10_, [this] { Text10_->setFocus(); });
    connect(Text10_, &QLineEdit::returnPressed, this, &UserPage::parseDimension);
    connect(Text11_, &QLineEdit::returnPressed, this, &UserPage::takeFactor);
    connect(Command9_, &QPushButton::clicked, this, &UserPage::addUnit);
    connect(Command10_, &QPushButton::clicked, this, &UserPage::clearEntry);
}

void UserPage::addPageButtons() {
    QPushButton* overview =
        makeButton(this, "Command13", QStringLiteral("&Přehled zkratek"), {2040, 4920, 1455, 375});
    QPushButton* menu =
        makeButton(this, "Command12", QStringLiteral("&Hlavní menu"), {3840, 4920, 1455, 375});
    QPushButton* end =
        makeButton(this, "Command11", QStringLiteral("&Skončit"), {5640, 4920, 1455, 375});
    orderTabStops(
        {Option1_, Option2_, Text9_, Text10_, Text11_, Command9_, Command10_, end, menu, overview});

    connect(overview, &QPushButton::clicked, this, &Page::overviewRequested);
    connect(menu, &QPushButton::clicked, this, [this] {
        Option1_->setChecked(true);
        emit menuRequested();
    });
    connect(end, &QPushButton::clicked, this, &Page::endRequested);
}

void UserPage::clearForPageEntry() {
    Text9_->clear();
    Text10_->clear();
    Text11_->clear();
    Option1_->setChecked(true);
}

QWidget* UserPage::firstField() {
    return Text9_;
}

void UserPage::parseDimension() {
    const UnitExpressionValue dimension =
        parseUnitExpression(state_.units, messages_, Text10_->text().toStdString());
    Operand& target = state_.operands.conversion.target;
    target.factor = dimension.factor;
    target.vector = dimension.vector;
    state_.operands.errorFlag = dimension.unknownName ? kUnknownUnit : kNoError;
    Text11_->setFocus();
}

void UserPage::takeFactor() {
    const std::optional<double> factor = parseFactorText(Text11_->text().toStdString());
    if (!factor) {
        dialogs_.showMessage(QStringLiteral("Faktor není numerická hodnota!"));
        Text11_->clear();
        state_.operands.conversion.target.factor = 0;
        return;
    }
    state_.operands.conversion.target.factor = *factor;
    Command9_->setFocus();
}

QString UserPage::refusal() const {
    const QString abbreviation = Text9_->text();
    const Operand& target = state_.operands.conversion.target;
    if (std::abs(target.factor) <= kSmallestFactor || Text10_->text().isEmpty() ||
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
    addUserUnit(state_.units, Text9_->text().toStdString(), target.factor, code);
    if (Option2_->isChecked()) {
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
    Text9_->clear();
    Text10_->clear();
    Text11_->clear();
    Text9_->setFocus();
}

} // namespace vemlik
