#pragma once

#include <QDialog>

#include <functional>

class AppContext;
class ChannelStore;
class FrequencyEdit;
class Prompter;
class QCheckBox;
class QComboBox;
class QSpinBox;
class ToneComboBox;

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
    void switchClicked(QCheckBox* box, QComboBox* hidden);
    int channel() const;

    AppContext& m_ctx;
    ChannelStore& m_store;
    Prompter& m_prompter;
    QSpinBox* m_sexd;
    FrequencyEdit* m_eReceive;
    QWidget* m_pMain;
    FrequencyEdit* m_eSend;
    ToneComboBox* m_cbQT;
    ToneComboBox* m_cbDQT;
    QComboBox* m_cbkz;
    QComboBox* m_cbfsgl;
    QCheckBox* m_chsmtj;
    QCheckBox* m_chpppy;
    QCheckBox* m_chfm;
    QComboBox* m_cbsmtj;
    QComboBox* m_cbpppy;
    QComboBox* m_cbfm;
    bool m_loading = false;
    bool m_txGuard = false;
};
