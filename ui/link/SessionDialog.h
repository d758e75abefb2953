#pragma once

#include "port/RadioPort.h"
#include "port/SessionDriver.h"
#include "session/RadioSession.h"

#include <QDialog>

#include <memory>

class AppContext;
class Prompter;
class QProgressBar;
class QPushButton;

/**
 * What the read and the write dialog share: the progress bar, OK and Cancel,
 * the port of the session and the driver that runs the session on it. The
 * dialog never freezes: the session runs on the event loop, and closing the
 * dialog ends it at once and releases the port.
 */
class SessionDialog : public QDialog {
    Q_OBJECT

  public:
    SessionDialog(AppContext& ctx, Prompter& prompter, const char* name, const char* caption,
                  QWidget* parent);
    ~SessionDialog() override;

    QProgressBar* Progress() const { return m_bar; }
    QPushButton* OkButton() const { return m_ok; }
    /** True while a session runs or one of its timers does. */
    bool SessionActive() const {
        return m_driver && (m_driver->Running() || m_driver->ActiveTimers() > 0);
    }
    /** True once the port was opened for the session. */
    bool PortOpen() const { return m_port.isOpen(); }

  protected:
    /** Opens the chosen port; on failure shows why and returns false. */
    bool OpenPort(bool flush);
    /** Starts (or restarts) the session with the driver. */
    void Run(RadioSession& session);
    /** Every way of closing the dialog ends here: the session stops, the port closes. */
    void reject() override;
    /** The session ended; Completed, Failed, Refused or Cancelled. */
    virtual void Ended(SessionOutcome outcome) = 0;
    virtual void OkClicked() = 0;

    AppContext& m_ctx;
    Prompter& m_prompter;
    RadioPort m_port;

  private:
    void stop();

    QProgressBar* m_bar;
    QPushButton* m_ok;
    std::unique_ptr<SessionDriver> m_driver;
    bool m_flushOnOpen = false;
    RadioSession* m_session = nullptr;
};
