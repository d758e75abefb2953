#include "SessionDialog.h"

#include "DialogParts.h"
#include "FormTranslator.h"
#include "app/AppContext.h"
#include "app/Prompter.h"
#include "app/Settings.h"
#include "port/PortNames.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

SessionDialog::SessionDialog(AppContext& ctx, Prompter& prompter, const char* name,
                             const char* caption, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_prompter(prompter) {
    DialogParts::SetUp(this, name, caption);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName("pBar");
    m_bar->setRange(0, 1);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(320);
    QHBoxLayout* buttons = DialogParts::OkCancel(this, &m_ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_ok, &QPushButton::clicked, this, [this] { OkClicked(); });
    if (ctx.all().LanguageIndex > 0)
        TranslateForm(this, ctx.all().AppDir, ctx.all().LanguageName, false);
}

SessionDialog::~SessionDialog() {
    stop();
}

bool SessionDialog::OpenPort(bool flush) {
    m_flushOnOpen = flush;
    const Result<QString> opened =
        m_port.OpenFor(m_ctx.all().PortName, PortNames(SettingsReadPath(m_ctx.all())), flush);
    if (opened)
        return true;
    // Lack of permission has a fix the user can apply; every other failure is LPortError.
    const QString text =
        opened.code() == RadioPort::Permission ? opened.error() : m_ctx.texts().LPortError;
    m_prompter.ShowPrompt(m_ctx.texts().Confirmation, text, Prompt::kInfo);
    return false;
}

void SessionDialog::Run(RadioSession& session) {
    if (m_session != &session) {
        m_driver = std::make_unique<SessionDriver>(session, m_port, m_prompter, m_ctx.texts());
        m_session = &session;
        // A session that starts after the line was lost opens the port again.
        m_driver->SetReopen([this] { return OpenPort(m_flushOnOpen); });
        connect(m_driver.get(), &SessionDriver::progressChanged, this, [this](int value, int max) {
            m_bar->setRange(0, std::max(max, 1));
            m_bar->setValue(value);
        });
        connect(m_driver.get(), &SessionDriver::okEnabledChanged, m_ok, &QPushButton::setEnabled);
        connect(m_driver.get(), &SessionDriver::ended, this,
                [this](SessionOutcome outcome) { Ended(outcome); });
    }
    m_driver->Start();
}

void SessionDialog::stop() {
    if (m_driver && m_driver->Running())
        m_driver->Cancel();
    m_driver.reset();
    m_session = nullptr;
    m_port.close();
}

void SessionDialog::reject() {
    stop();
    QDialog::reject();
}
