#include "ToneComboBox.h"

#include "KeyFilter.h"
#include "Tags.h"
#include "channels/ToneCodes.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

std::optional<QChar> decimalOnly(QChar c) {
    return c == ',' ? QChar('.') : c;
}

bool asksForPicker(const QKeyEvent* key) {
    return (key->key() == Qt::Key_F4 && key->modifiers() == Qt::NoModifier) ||
           (key->key() == Qt::Key_Down && (key->modifiers() & Qt::AltModifier));
}

} // namespace

ToneComboBox::ToneComboBox(const char* name, Keys keys, QWidget* parent) : QComboBox(parent) {
    setObjectName(name);
    addItems(ToneCodes::ToneList("None"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr); // what is typed is what counts, not the list's completion
    setMaxVisibleItems(20);
    Tags::Set(this, Tags::kFirstEntryOnly);
    // Keys typed with the focus on the box reach its line edit without passing
    // the line edit's filters: the box is filtered as well.
    for (QObject* target : {static_cast<QObject*>(this), static_cast<QObject*>(lineEdit())}) {
        target->installEventFilter(keys == Keys::Tone ? KeyFilter::Tone(this)
                                                      : new KeyFilter(&decimalOnly, this));
        target->installEventFilter(this);
    }
    connect(this, &QComboBox::activated, this, &ToneComboBox::normalise);
    connect(lineEdit(), &QLineEdit::editingFinished, this, &ToneComboBox::Confirm);
}

void ToneComboBox::Enter(const QString& text) {
    setEditText(text);
    normalise();
}

void ToneComboBox::Confirm() {
    // Leaving the field counts only when something was typed into it.
    if (lineEdit()->isModified())
        normalise();
}

void ToneComboBox::normalise() {
    // Empty or the None entry: no tone; anything else typed becomes a valid tone text.
    const QString typed = currentText().trimmed();
    if (typed.isEmpty() || findText(currentText(), Qt::MatchExactly) == 0) {
        setCurrentIndex(0);
        setEditText(itemText(0));
    } else {
        setEditText(ToneCodes::NormalizeToneText(typed));
    }
    lineEdit()->setModified(false);
    emit committed();
}

bool ToneComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonDblClick) {
        emit pickRequested();
        return true;
    }
    if (event->type() == QEvent::KeyPress && asksForPicker(static_cast<QKeyEvent*>(event))) {
        emit pickRequested();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}
