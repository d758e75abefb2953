#include "TfReadRadio.h"

#include "app/AppContext.h"

#include <QPushButton>

TfReadRadio::TfReadRadio(AppContext& ctx, Prompter& prompter, QWidget* parent)
    : SessionDialog(ctx, prompter, "fReadRadio", "Read data From radio", parent),
      m_session(ctx.models(), ctx.bands()) {}

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
    Run(m_session); // a port that is not open is opened again first
}

void TfReadRadio::Ended(SessionOutcome outcome) {
    if (outcome == SessionOutcome::Completed)
        m_result = m_session.ReadResult();
}
