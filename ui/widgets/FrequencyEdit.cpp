#include "FrequencyEdit.h"

#include "KeyFilter.h"

FrequencyEdit::FrequencyEdit(const char* name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setPlaceholderText(QStringLiteral("0.00000"));
    installEventFilter(KeyFilter::Frequency(this));
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (text() == m_shown)
            return;
        m_shown = text();
        emit committed();
    });
}

void FrequencyEdit::SetText(const QString& text) {
    m_shown = text;
    setText(text);
}
