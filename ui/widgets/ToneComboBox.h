#pragma once

#include <QComboBox>

/**
 * A tone combo box: the tone list with the None text first (only that entry
 * is translated), free text allowed without completion. A double-click, F4
 * or Alt+Down asks for the tone picker.
 */
class ToneComboBox : public QComboBox {
    Q_OBJECT

  public:
    enum class Keys {
        Tone,       // the tone key filter
        DecimalOnly // "," and "." become "."; nothing else is filtered
    };
    ToneComboBox(const char* name, Keys keys, QWidget* parent);

    /** Item 0 is selected and shown: no tone. */
    bool IsNone() const { return currentIndex() == 0 && currentText() == itemText(0); }
    /** Sets a tone text and commits it as if the user had entered it. */
    void Enter(const QString& text);
    /** Commits what was typed, if anything was. */
    void Confirm();

  signals:
    /** A double-click, F4 or Alt+Down: the user wants the tone picker. */
    void pickRequested();
    /** An entry was picked or a typed text confirmed; the text is normalised by then. */
    void committed();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void normalise();
};
