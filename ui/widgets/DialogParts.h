#pragma once

#include <QStringList>

#include <initializer_list>

class QComboBox;
class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

/** The pieces every dialog is built from, named by their component names. */
namespace DialogParts {

/** A fixed-size dialog with only a close box, its object name the window name. */
void SetUp(QDialog* dialog, const char* name, const char* caption);
/** A combo box that takes only entries of its list. */
QComboBox* FixedList(const char* name, const QStringList& items, QWidget* parent);
QLabel* Label(const char* name, const char* text, QWidget* parent);
/** A text a dialog shows now and then (a step, a result), by its component name and English. */
struct Text {
    const char* name;
    const char* english;
};
/** Hidden labels that hold texts, so that the language files translate them as any caption. */
void HiddenTexts(QWidget* parent, std::initializer_list<Text> texts);
/** The text of the hidden label name; empty when there is none. */
QString HiddenText(const QWidget* parent, const char* name);
/** "&Ok" (btnOk) and "&Cancel" (btnCancel) at the right; cancel rejects the dialog. */
QHBoxLayout* OkCancel(QDialog* dialog, QPushButton** ok);
/**
 * For a dialog whose every field takes effect at once: Enter commits the field
 * and nothing else. No button is the default; Enter presses only a button that
 * has the focus. Call once every button exists.
 */
void EnterCommitsOnly(QDialog* dialog);

} // namespace DialogParts
