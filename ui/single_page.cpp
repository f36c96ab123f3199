#include "single_page.h"

#include "controls.h"
#include "engine_state.h"
#include "fonts.h"
#include "results_file.h"
#include "results_file_format.h"
#include "single_conversion.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace vemlik {

namespace {

const QString kResultsFilter = QStringLiteral("Soubor s převody *.pre|*.pre");

const QString kExplanation = QStringLiteral(
    "Vemlik jednotlivých dat. Rozměr jednotek ZA číslem označuje v jaké soustavě je číslo "
    "zadáváno. Provádí se Vemlik do základních jednotek soustavy SI (m,s,kg,K,I,mol,cd).       "
    "Např. 36 km/h se Vemlik na 10  m/s. Ve výsledku se uvádějí rozepsané základní jednotky.  "
    "     Pokud se uvede rozměr i PŘED číslem označuje soustavu do které má být číslo převedeno. "
    "Např.  km/h 10 m/s poskytne výsledek 36 km/h. Je-li tento rozměr v základních jednotkách "
    "SI netřeba ho uvádět.");

const QString kSyntax = QStringLiteral(
    "Mezi číslem a rozměrem musí být aspoň jedna mezera, celý rozměr může být event. v "
    "kulatých závorkách, ale lépe bez nich. Program nerozeznává velká a malá písmena, jsou si "
    "ekvivalentní. Příklady:  154,5 kcal/m2/h/C   0,52 kg*m/min2  nebo Vemlik stupňů "
    "Fahrenheita na Celsia    C 450 F.   Vemlik z anglických měr na cm/min:  cm/min 12 ft/hr.");

std::string utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

SinglePage::SinglePage(EngineState& state, MessageSink& messages, ResultsFile& results,
                       QWidget* parent)
    : Page(parent), state_(state), messages_(messages), results_(results) {
    addTexts();
    addWorkingControls();
}

void SinglePage::addTexts() {
    makeLabel(this, "Label3", kExplanation, {240, 780, 6735, 1215});
    makeLabel(this, "Label7", kSyntax, {240, 2100, 6855, 975});
}

void SinglePage::addWorkingControls() {
    QGroupBox* frame = makeFrame(this, "Frame1", QString(), {120, 3240, 7335, 2295});
    chkSoubj_ = makeCheckBox(frame, "chkSoubj", QStringLiteral("Uložit &výsledky do souboru"),
                             {120, 240, 2535, 255});
    makeLabel(frame, "Label4",
              QStringLiteral("Vložte číslo s rozměry k převodu  ( rozměr_NA  číslo  rozměr_Z ) :"),
              {120, 600, 4695, 255});
    Text1_ = makeTextBox(frame, "Text1", {120, 840, 4335, 375}, layoutFont(9.75));
    makeLabel(frame, "Label5", QStringLiteral("Výsledek po převodu :"), {120, 1560, 1815, 255});
    Label6_ = makeLabel(frame, "Label6", QString(), {3240, 1560, 1215, 255});
    Text2_ = makeTextBox(frame, "Text2", {120, 1800, 4335, 375}, layoutFont(9.75));
    QPushButton* overview =
        makeButton(frame, "Command3", QStringLiteral("&Přehled zkratek"), {5160, 360, 1935, 375});
    QPushButton* newEntry =
        makeButton(frame, "Command2", QStringLiteral("&Nové zadání <ESC>"), {5160, 840, 1935, 375});
    QPushButton* menu =
        makeButton(frame, "Command4", QStringLiteral("&Hlavní menu"), {5160, 1320, 1935, 375});
    QPushButton* end =
        makeButton(frame, "Command1", QStringLiteral("&Skončit"), {5160, 1800, 1935, 375});
    orderTabStops({Text1_, Text2_, overview, newEntry, menu, end, chkSoubj_});

    flipOnArrival(chkSoubj_, Text1_);
    Text1_->installEventFilter(this);
    connect(Text1_, &QLineEdit::returnPressed, this, &SinglePage::convert);
    connect(overview, &QPushButton::clicked, this, &Page::overviewRequested);
    connect(newEntry, &QPushButton::clicked, this, &SinglePage::newEntry);
    connect(menu, &QPushButton::clicked, this, &Page::menuRequested);
    connect(end, &QPushButton::clicked, this, &Page::endRequested);
}

void SinglePage::clearForPageEntry() {
    Text1_->clear();
    Text2_->clear();
    showErrorMarker(QString());
}

QWidget* SinglePage::firstField() {
    return Text1_;
}

bool SinglePage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        clearForPageEntry();
        return false;
    }
    return Page::eventFilter(watched, event);
}

void SinglePage::newEntry() {
    Text1_->clear();
    Text2_->clear();
    Text1_->setFocus();
}

void SinglePage::showErrorMarker(const QString& marker) {
    Label6_->setText(marker);
    // A screen reader, which doesn't watch the label, hears the marker with the conversion
    // line that keeps the focus, and with the emptied result.
    Text1_->setAccessibleDescription(marker);
    Text2_->setAccessibleDescription(marker);
}

void SinglePage::convert() {
    if (chkSoubj_->isChecked() && !results_.open(kResultsFilter)) {
        chkSoubj_->setChecked(false);
    }
    const QString line = Text1_->text();
    const std::optional<std::string> result = convertSingleLine(
        state_.units, state_.operands, messages_, utf8(line), utf8(QLocale().decimalPoint()));
    Text2_->setText(result ? QString::fromStdString(*result) : QString());
    if (!result) {
        showErrorMarker(QStringLiteral("CHYBA !"));
        return;
    }
    if (results_.isOpen() &&
        !results_.append(singleConversionLine(utf8(line), utf8(Text2_->text())))) {
        chkSoubj_->setChecked(false);
    }
}

} // namespace vemlik
