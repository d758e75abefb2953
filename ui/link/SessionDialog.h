#pragma once

#include "app/Prompter.h"
#include "port/RadioPort.h"
#include "port/SessionDriver.h"
#include "port/SessionLog.h"
#include "session/RadioSession.h"

#include <QDialog>

#include <memory>

class AppContext;
class FileDialogs;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

/**
 * What the read and the write dialog share: the progress bar, OK and Cancel,
 * "Save Log...", the port of the session and the driver that runs the session
 * on it. The dialog never freezes: the session runs on the event loop, and
 * closing the dialog ends it at once and releases the port. The log of the
 * sessions that the last OK started is kept for "Save Log...".
 */
class SessionDialog : public QDialog {
    Q_OBJECT

  public:
    SessionDialog(AppContext& ctx, Prompter& prompter, FileDialogs& dialogs, const char* name,
                  const char* caption, QWidget* parent);
    ~SessionDialog() override;

    QProgressBar* Progress() const { return m_bar; }
    QPushButton* OkButton() const { return m_ok; }
    /** True while a session runs or one of its timers does. */
    bool SessionActive() const {
        return m_driver && (m_driver->Running() || m_driver->ActiveTimers() > 0);
    }
    /** True once the port was opened for the session. */
    bool PortOpen() const { return m_port.isOpen(); }
    const SessionLog& Log() const { return m_log; }

  protected:
    /** Translates the dialog, once its own controls are made (the end of a constructor). */
    void Translate();
    /** The rows between the progress bar and the buttons, for a dialog's own controls. */
    QVBoxLayout* Rows() const { return m_rows; }
    /** Opens the chosen port; on failure shows why and returns false. */
    bool OpenPort(bool flush);
    /** Starts (or restarts) the session with the driver; its log begins with title. */
    void Run(RadioSession& session, const QString& title);
    /**
     * While set, a completed session's ReadOk or WriteOk is not shown: a step
     * of a longer sequence, which tells its own end.
     */
    void SetQuietEnd(bool quiet) { m_quietEnd = quiet; }
    /** Every way of closing the dialog ends here: the session stops, the port closes. */
    void reject() override;
    /** The session ended; Completed, Failed, Refused or Cancelled. */
    virtual void Ended(SessionOutcome outcome) = 0;
    virtual void OkClicked() = 0;

    AppContext& m_ctx;
    Prompter& m_prompter;
    RadioPort m_port;
    SessionLog m_log;

  private:
    /** The prompts of the sessions, through the dialog's prompter unless a quiet end. */
    class SessionPrompts : public Prompter {
      public:
        explicit SessionPrompts(SessionDialog& dialog) : m_dialog(dialog) {}
        Prompt::Result ShowPrompt(const QString& caption, const QString& text,
                                  Prompt::Kind kind) override;

      private:
        SessionDialog& m_dialog;
    };

    void stop();
    void saveLog();

    FileDialogs& m_dialogs;
    SessionPrompts m_prompts{*this};
    QProgressBar* m_bar;
    QPushButton* m_ok;
    QPushButton* m_saveLog;
    QVBoxLayout* m_rows;
    std::unique_ptr<SessionDriver> m_driver;
    bool m_flushOnOpen = false;
    bool m_quietEnd = false;
    RadioSession* m_session = nullptr;
};
