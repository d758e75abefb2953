#pragma once

#include <QDialog>

class AppContext;
class QComboBox;

/** "Model Information": the model and band the codeplug is for. */
class TfModel : public QDialog {
    Q_OBJECT

  public:
    explicit TfModel(AppContext& ctx, QWidget* parent = nullptr);

    QString ModelName() const;
    QString BandText() const;
    QComboBox* ModelBox() const { return m_model; }
    QComboBox* BandBox() const { return m_band; }

  private:
    void modelChanged();

    AppContext& m_ctx;
    QComboBox* m_model;
    QComboBox* m_band;
};
