#include "TfWriteRadio.h"

#include "app/AppContext.h"
#include "app/Prompter.h"
#include "image/Record.h"

#include <QTimer>

TfWriteRadio::TfWriteRadio(AppContext& ctx, Prompter& prompter, RecordSource records,
                           QWidget* parent)
    : SessionDialog(ctx, prompter, "fWriteRadio", "Write data to radio", parent),
      m_records(std::move(records)) {
    m_closeTime = new QTimer(this);
    m_closeTime->setObjectName("CloseTime");
    m_closeTime->setSingleShot(true);
    m_closeTime->setInterval(kCloseTime);
    connect(m_closeTime, &QTimer::timeout, this, &QDialog::close);
}

void TfWriteRadio::showEvent(QShowEvent* event) {
    SessionDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    if (!OpenPort(false))
        m_closeTime->start(); // the dialog closes itself 300 ms later
}

void TfWriteRadio::OkClicked() {
    if (!m_session) {
        // The table cannot change while this dialog is open: encode it once.
        try {
            m_session.emplace(m_ctx.models(), *m_ctx.all().CurrentModel, m_records());
        } catch (const CodecError& e) {
            m_prompter.ShowPrompt(m_ctx.texts().Confirmation,
                                  QStringLiteral("Cannot write: %1.").arg(e.message()),
                                  Prompt::kInfo);
            return;
        }
    }
    Run(*m_session);
}

void TfWriteRadio::Ended(SessionOutcome) {}
