#pragma once

#include <QDialog>

class AppContext;
class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

/**
 * "Function Setting": the fifteen function settings, loaded from the codeplug
 * and stored back on OK, which marks the codeplug changed. A stored value that
 * a list lacks shows as an extra entry with its number and survives OK unless
 * another entry is picked; a check box or the gain level left alone keeps a
 * stored value it cannot show.
 */
class TfBFunSet : public QDialog {
    Q_OBJECT

  public:
    explicit TfBFunSet(AppContext& ctx, QWidget* parent = nullptr);

    /** Translation and loading, as on show; the print data use it without showing. */
    void Prepare();
    /** The text a control shows, by its component name (combo box, spin edit). */
    QString Shown(const char* name) const;
    /** A check box's caption and state, by its component name. */
    QCheckBox* Check(const char* name) const;
    /** A label's caption, by its component name. */
    QString Caption(const char* name) const;
    /** The first count entries of a combo box, as it shows them, by its component name. */
    QStringList Items(const char* name, int count) const;

  private:
    void ok();
    void voxClicked();

    AppContext& m_ctx;
    QWidget* m_voxPanel;
    QSpinBox* m_gain;
    int m_storedGain = 0;
};
