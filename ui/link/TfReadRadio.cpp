#include "TfReadRadio.h"

#include "app/AppContext.h"
#include "app/MessageText.h"

#include <QPushButton>

TfReadRadio::TfReadRadio(AppContext& ctx, Prompter& prompter, FileDialogs& dialogs, QWidget* parent)
    : SessionDialog(ctx, prompter, dialogs, "fReadRadio", "Read data From radio", parent),
      m_session(ctx.models(), ctx.bands()) {
    Translate();
}

void TfReadRadio::showEvent(QShowEvent* event) {
    SessionDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    m_result.reset();
    OpenPort(true); // on failure the dialog stays open
}

void TfReadRadio::OkClicked() {
    m_result.reset();
    m_log.Clear();
    Run(m_session,
        QStringLiteral("read session on %1").arg(MessageText::Quoted(m_ctx.all().PortName)));
}

void TfReadRadio::Ended(SessionOutcome outcome) {
    if (outcome == SessionOutcome::Completed)
        m_result = m_session.ReadResult();
}
