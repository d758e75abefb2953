#pragma once

#include "ToneComboBox.h"
#include "image/TBWriteRead.h"

#include <QObject>

#include <array>

class ChannelStore;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QWidget;

/**
 * The controls Channel Edit and Batch Channel Edit share: the decode and
 * encode tones (cbQT, cbDQT), bandwidth (cbkz), power (cbfsgl) and the three
 * switches, each a check box with the hidden yes/no list behind it
 * (checked is item 0, "Yes"). They turn into the settings of a channel row.
 */
class ChannelSettingsControls : public QObject {
    Q_OBJECT

  public:
    /** The four labels' component names and texts: decode, encode, bandwidth, power. */
    using Labels = std::array<std::pair<const char*, const char*>, 4>;

    ChannelSettingsControls(QWidget* parent, ToneComboBox::Keys keys);

    /** Adds the labelled rows and the row of switches to form. */
    void AddRows(QFormLayout* form, const Labels& labels, QWidget* labelParent);

    /** Tones, power, bandwidth and switches into c (item 0 of a tone box is no tone). */
    void Fill(ChannelValues& c) const;
    /** Shows the settings of a channel row. */
    void Load(const ChannelStore& store, int row);
    /** None, None, Wide and No for the switches; the power stays. */
    void Reset();

    ToneComboBox* Decode() const { return m_decode; }
    ToneComboBox* Encode() const { return m_encode; }

  signals:
    /** The user changed a list, a switch or a tone. */
    void changed();

  private:
    struct Switch {
        QCheckBox* box;
        QComboBox* hidden;
        int column;
    };

    ToneComboBox* m_decode;
    ToneComboBox* m_encode;
    QComboBox* m_bandwidth;
    QComboBox* m_power;
    std::array<Switch, 3> m_switches;
};
