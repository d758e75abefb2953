#pragma once

#include <QDialog>

#include <functional>

class AppContext;
class ChannelSettingsControls;
class ChannelStore;
class FrequencyEdit;
class Prompter;
class QSpinBox;

/**
 * "Channel Edit": one channel of the channel table at a time in ordinary
 * controls; every change is written into the table at once.
 */
class TfBInfoEdit : public QDialog {
    Q_OBJECT

  public:
    TfBInfoEdit(AppContext& ctx, ChannelStore& store, Prompter& prompter, int channel,
                QWidget* parent = nullptr);

    /** Opens the tone picker; tests replace it. */
    std::function<QString()> PickTone;

    QSpinBox* ChannelBox() const { return m_sexd; }
    FrequencyEdit* Receive() const { return m_eReceive; }
    FrequencyEdit* Send() const { return m_eSend; }
    QWidget* MainPanel() const { return m_pMain; }

  private:
    void loadChannel();
    void resetFields();
    void writeBack();
    void rxChanged();
    void txChanged();
    int channel() const;

    AppContext& m_ctx;
    ChannelStore& m_store;
    Prompter& m_prompter;
    QSpinBox* m_sexd;
    FrequencyEdit* m_eReceive;
    QWidget* m_pMain;
    FrequencyEdit* m_eSend;
    ChannelSettingsControls* m_settings;
    bool m_loading = false;
    bool m_txGuard = false;
};
