#pragma once

#include "SessionDialog.h"

#include <optional>

/** "Read data From radio": reads the radio's codeplug into a staging codeplug. */
class TfReadRadio : public SessionDialog {
    Q_OBJECT

  public:
    TfReadRadio(AppContext& ctx, Prompter& prompter, FileDialogs& dialogs,
                QWidget* parent = nullptr);

    /** The codeplug of a completed read, for the main window after the dialog closed. */
    const std::optional<Codeplug>& ReadResult() const { return m_result; }

  protected:
    void showEvent(QShowEvent* event) override;
    void OkClicked() override;
    void Ended(SessionOutcome outcome) override;

  private:
    RadioSession m_session;
    std::optional<Codeplug> m_result;
    bool m_opened = false;
};
