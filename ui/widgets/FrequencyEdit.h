#pragma once

#include <QLineEdit>

/**
 * A numeric edit of a frequency in MHz, shown with the pattern "0.00000".
 * Only digits, "." and Backspace can be typed ("," becomes "."); what is
 * typed is taken when the user presses Enter or leaves the field.
 */
class FrequencyEdit : public QLineEdit {
    Q_OBJECT

  public:
    FrequencyEdit(const char* name, QWidget* parent);

    /** Sets the text without it counting as an entry. */
    void SetText(const QString& text);

  signals:
    /** The user changed the text and confirmed it. */
    void committed();

  private:
    QString m_shown;
};
