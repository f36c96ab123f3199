#pragma once

#include <QRect>
#include <QString>

#include <initializer_list>

class QCheckBox;
class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace vemlik {

// Controls of the windows, each named by its object name and placed by its position in twips
// (left, top, width, height) relative to its parent. Captions mark access keys with "&".

// Wraps its text at blanks inside its box, as the layout's labels do.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect twips);
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect twips,
                  const QFont& font);
QLineEdit* makeTextBox(QWidget* parent, const char* name, QRect twips, const QFont& font);
// A text box of several lines, unwrapped, with a vertical scroll bar; Tab moves on to the next
// control.
QPlainTextEdit* makeTableBox(QWidget* parent, const char* name, QRect twips, const QFont& font);
// Pressed by a click, by its access key, or by Enter or the space bar while it has the focus.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, QRect twips);
// A results check box that never keeps the focus: reaching it by the keyboard or its access key
// flips it once, and every change of its state hands the focus to the target.
QCheckBox* makeResultsCheckBox(QWidget* parent, const char* name, const QString& caption,
                               QRect twips, QWidget* focusTarget);
QRadioButton* makeOptionButton(QWidget* parent, const char* name, const QString& caption,
                               QRect twips);
QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, QRect twips);

// The substitute fonts are taller than the ones the layout was drawn with: each label of the
// window grows downwards until its text fits.
void fitLabelsToText(QWidget* window);

// Names each field of the window for screen readers after the label tied to it as its buddy:
// the label's text up to its parenthesis or colon; where the parenthesis adds more, the whole
// text describes the field.
void nameFieldsAfterLabels(QWidget* window);

// The order in which the Tab key visits the controls.
void orderTabStops(std::initializer_list<QWidget*> controls);

} // namespace vemlik
