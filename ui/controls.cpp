#include "controls.h"

#include "twips.h"

#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace vemlik {

namespace {

template <typename Control> Control* place(Control* control, const char* name, QRect twips) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return control;
}

// An etched border with the caption set into its top line; the frame's controls, placed just
// below that line, stay inside the border.
class FrameBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics = fontMetrics();
        const int top = title().isEmpty() ? 0 : metrics.height() / 2;
        const QRect border = rect().adjusted(0, top, -2, -2);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(border);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(border.translated(1, 1));
        if (!title().isEmpty()) {
            const QRect caption(6, 0, metrics.horizontalAdvance(title()) + 2, metrics.height());
            painter.fillRect(caption, palette().color(QPalette::Window));
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
        }
    }
};

// Qt breaks a line also after a slash or a hyphen ("m/" and "s"); the layout's labels break
// only at blanks. A word joiner after every such sign inside a word keeps the word whole.
constexpr QChar kWordJoiner(0x2060);

QString withWordsWhole(const QString& text) {
    QString whole;
    whole.reserve(text.size() * 2);
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar character = text[index];
        whole += character;
        const bool insideWord =
            index + 1 < text.size() && !character.isSpace() && !text[index + 1].isSpace();
        if (insideWord && !character.isLetterOrNumber()) {
            whole += kWordJoiner;
        }
    }
    return whole;
}

class ResultsCheckBox : public QCheckBox {
public:
    ResultsCheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void focusInEvent(QFocusEvent* event) override {
        QCheckBox::focusInEvent(event);
        toggle();
    }

    // The access key flips the box once, instead of a click that would also take the focus.
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Shortcut) {
            toggle();
            return true;
        }
        return QCheckBox::event(event);
    }
};

// A window system hands over an empty clipboard as data without a single format, and Qt's own
// plain text box reads the first format all the same and crashes; a paste of nothing does
// nothing here.
class TableBox : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData* source) override {
        if (source != nullptr && !source->formats().isEmpty()) {
            QPlainTextEdit::insertFromMimeData(source);
        }
    }
};

} // namespace

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect twips) {
    auto* label = place(new QLabel(withWordsWhole(text), parent), name, twips);
    if (label->text() != text) {
        // Read out as written, without the joiners.
        label->setAccessibleName(text);
    }
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect twips,
                  const QFont& font) {
    QLabel* label = makeLabel(parent, name, text, twips);
    label->setFont(font);
    return label;
}

QLineEdit* makeTextBox(QWidget* parent, const char* name, QRect twips, const QFont& font) {
    auto* box = place(new QLineEdit(parent), name, twips);
    box->setFont(font);
    return box;
}

QPlainTextEdit* makeTableBox(QWidget* parent, const char* name, QRect twips, const QFont& font) {
    auto* box = place(new TableBox(parent), name, twips);
    box->setFont(font);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setTabChangesFocus(true);
    return box;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect twips) {
    auto* button = place(new QPushButton(caption, parent), name, twips);
    // Outside a dialog a push button takes Enter only as an auto-default button.
    button->setAutoDefault(true);
    return button;
}

QCheckBox* makeResultsCheckBox(QWidget* parent, const char* name, const QString& caption,
                               QRect twips, QWidget* focusTarget) {
    QCheckBox* box = place(new ResultsCheckBox(caption, parent), name, twips);
    QObject::connect(box, &QCheckBox::toggled, focusTarget,
                     [focusTarget] { focusTarget->setFocus(); });
    return box;
}

QRadioButton* makeOptionButton(QWidget* parent, const char* name, const QString& caption,
                               QRect twips) {
    return place(new QRadioButton(caption, parent), name, twips);
}

void fitLabelsToText(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const int needed =
            label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
        if (needed > label->height()) {
            label->resize(label->width(), needed);
        }
    }
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, QRect twips) {
    return place(new FrameBox(caption, parent), name, twips);
}

void nameFieldsAfterLabels(QWidget* window) {
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        QWidget* field = label->buddy();
        if (field == nullptr) {
            continue;
        }
        const QString text = label->text().remove(kWordJoiner).simplified();
        const qsizetype cut = text.indexOf(QRegularExpression(QStringLiteral("[(:]")));
        field->setAccessibleName(text.left(cut).trimmed());
        if (cut >= 0 && text.at(cut) == u'(') {
            field->setAccessibleDescription(text);
        }
    }
}

void orderTabStops(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, control);
        }
        previous = control;
    }
}

} // namespace vemlik
