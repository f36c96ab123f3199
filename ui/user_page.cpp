#include "user_page.h"

#include "controls.h"
#include "dialogs.h"
#include "fonts.h"
#include "utf8.h"
#include "vemlik/engine.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vemlik {

UserPage::UserPage(Engine& engine, Dialogs& dialogs, MessageSink& messages, QWidget* parent)
    : Page(parent), engine_(engine), dialogs_(dialogs), messages_(messages) {
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
    abbreviationBox_ = makeTextBox(frame, "Text9", {5160, 240, 1455, 375}, windowFont());
    makeLabel(frame, "Label20", QStringLiteral("Zkratka rozměru (versta, LOT, ...ap.)"),
              {2400, 360, 2655, 255})
        ->setBuddy(abbreviationBox_);
    dimensionBox_ = makeTextBox(frame, "Text10", {4320, 720, 2295, 375}, windowFont());
    makeLabel(frame, "Label21",
              QStringLiteral("Rozměr jednotky vyjádřený pomocí základních  jednotek (např.  "
                             "kg2*m/s2/K )  nebo  x"),
              {840, 720, 3375, 375})
        ->setBuddy(dimensionBox_);
    factorBox_ = makeTextBox(frame, "Text11", {4320, 1200, 2295, 375}, windowFont());
    makeLabel(
        frame, "Label22",
        QStringLiteral("Číslo, kterým je třeba data násobit při převodu do základních jednotek SI"),
        {840, 1200, 3375, 375})
        ->setBuddy(factorBox_);
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
    const auto [overview, menu, end] = addPageButtons(this,
                                                      {{"Command13", {2040, 4920, 1455, 375}},
                                                       {"Command12", {3840, 4920, 1455, 375}},
                                                       {"Command11", {5640, 4920, 1455, 375}}},
                                                      [this] {
                                                          temporaryOption_->setChecked(true);
                                                          return true;
                                                      });
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
    engine_.takeUserDimension(utf8(dimensionBox_->text()), messages_);
    factorBox_->setFocus();
}

void UserPage::takeFactor() {
    if (!engine_.takeUserFactor(utf8(factorBox_->text()), messages_)) {
        factorBox_->clear();
        return;
    }
    confirmButton_->setFocus();
}

void UserPage::addUnit() {
    const std::optional<UnitRecord> unit =
        engine_.addUserUnit(utf8(abbreviationBox_->text()), utf8(dimensionBox_->text()), messages_);
    if (unit) {
        const QString question = QStringLiteral("Převod %1 bude zapsán do souboru")
                                     .arg(QString::fromStdString(unit->abbreviation));
        if (permanentOption_->isChecked() && engine_.canWriteUserUnit(*unit, messages_) &&
            dialogs_.askYesNo(question)) {
            engine_.writeUserUnit(*unit, messages_);
        }
        emit countsChanged();
    }
    clearEntry();
}

void UserPage::clearEntry() {
    abbreviationBox_->clear();
    dimensionBox_->clear();
    factorBox_->clear();
    abbreviationBox_->setFocus();
}

} // namespace vemlik
