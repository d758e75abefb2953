#pragma once

#include "SessionDialog.h"
#include "app/FieldNames.h"

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QTimer;

/**
 * "Write data to radio": writes the codeplug to the radio. With "Back up the
 * radio first" the radio is read before and its codeplug kept in the backups
 * folder, and the write starts only once it is kept; with "Verify after
 * writing" the radio is read back afterwards and compared with what was
 * written. Each step is a whole session, with the pause a Retry makes before
 * the next; with both off a write is the write session alone.
 */
class TfWriteRadio : public SessionDialog {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kCloseTime{300};

    /** The records to write, in order; throws CodecError for a bad cell. */
    using RecordSource = std::function<std::vector<std::pair<MapEntry, Record>>()>;
    /** The codeplug the records are made from; throws CodecError for a bad cell. */
    using CodeplugSource = std::function<Codeplug()>;

    TfWriteRadio(AppContext& ctx, Prompter& prompter, FileDialogs& dialogs, RecordSource records,
                 CodeplugSource codeplug, FieldNames names, QWidget* parent = nullptr);

    /** The step a session runs for. */
    enum class Step { None, Backup, Write, Verify };
    Step CurrentStep() const { return m_step; }
    /** Where the last backup was kept; empty before one was. */
    const QString& BackupFile() const { return m_backupFile; }

  protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;
    void OkClicked() override;
    void Ended(SessionOutcome outcome) override;

  private:
    void start(Step step);
    void finish(const QString& status = {});
    void backupEnded();
    void verifyEnded();
    QString text(const char* label) const;
    void choicesChanged();

    RecordSource m_records;
    CodeplugSource m_codeplug;
    FieldNames m_names;
    std::optional<RadioSession> m_write;
    std::optional<RadioSession> m_read;
    Codeplug m_expected;
    Step m_step = Step::None;
    Step m_next = Step::None;
    QString m_backupFile;
    QCheckBox* m_backup;
    QCheckBox* m_verify;
    QLabel* m_status;
    QTimer* m_closeTime;
    QTimer* m_between;
    bool m_opened = false;
};
