#include "ChannelSpinBox.h"

#include <cmath>

QValidator::State ChannelSpinBox::validate(QString& text, int&) const {
    if (text.trimmed().isEmpty())
        return QValidator::Intermediate;
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok ? QValidator::Acceptable : QValidator::Invalid;
}

int ChannelSpinBox::valueFromText(const QString& text) const {
    const double typed = text.trimmed().toDouble();
    const long rounded = std::lround(typed);
    return static_cast<int>(std::clamp<long>(rounded, minimum(), maximum()));
}

void ChannelSpinBox::fixup(QString& input) const {
    input = QString::number(valueFromText(input));
}
