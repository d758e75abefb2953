#pragma once

#include "SessionDialog.h"

#include <functional>
#include <optional>

class QTimer;

/** "Write data to radio": writes the codeplug to the radio. */
class TfWriteRadio : public SessionDialog {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kCloseTime{300};

    /** records gives the records to write, in order; it throws CodecError for a bad cell. */
    using RecordSource = std::function<std::vector<std::pair<MapEntry, Record>>()>;

    TfWriteRadio(AppContext& ctx, Prompter& prompter, RecordSource records,
                 QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;
    void OkClicked() override;
    void Ended(SessionOutcome outcome) override;

  private:
    RecordSource m_records;
    std::optional<RadioSession> m_session;
    QTimer* m_closeTime;
    bool m_opened = false;
};
