#pragma once

#include <QDialog>

#include <functional>

class AppContext;
class ChannelSettingsControls;
class ChannelStore;
class FrequencyEdit;
class Prompter;
class QComboBox;
class QRadioButton;
class QSpinBox;

/**
 * "Batch Channel Edit": fills all channels, or a run of them, with stepped
 * frequencies and common tones, bandwidth, power and switches. OK fills and
 * leaves the dialog open for another run.
 */
class TfBBatchEdit : public QDialog {
    Q_OBJECT

  public:
    TfBBatchEdit(AppContext& ctx, ChannelStore& store, Prompter& prompter,
                 QWidget* parent = nullptr);

    std::function<QString()> PickTone;

    /** OK: validates, then fills. */
    void Ok();

  private:
    AppContext& m_ctx;
    ChannelStore& m_store;
    Prompter& m_prompter;
    FrequencyEdit* m_eReceive;
    FrequencyEdit* m_eSend;
    QComboBox* m_cbJg;
    ChannelSettingsControls* m_settings;
    QRadioButton* m_rall;
    QRadioButton* m_rOne;
    QRadioButton* m_rdesc;
    QSpinBox* m_seFrom;
    QSpinBox* m_seTo;
};
