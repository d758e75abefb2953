#pragma once

#include <QSpinBox>

/** A channel number: a typed number is rounded and clamped to the range, never refused. */
class ChannelSpinBox : public QSpinBox {
    Q_OBJECT

  public:
    using QSpinBox::QSpinBox;

  protected:
    QValidator::State validate(QString& text, int& pos) const override;
    int valueFromText(const QString& text) const override;
    void fixup(QString& input) const override;
};
