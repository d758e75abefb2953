#include "SessionDialog.h"

#include "DialogParts.h"
#include "FormTranslator.h"
#include "app/AppContext.h"
#include "app/FileDialogs.h"
#include "app/SafeFile.h"
#include "app/Settings.h"
#include "port/PortNames.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

SessionDialog::SessionDialog(AppContext& ctx, Prompter& prompter, FileDialogs& dialogs,
                             const char* name, const char* caption, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_prompter(prompter), m_dialogs(dialogs) {
    DialogParts::SetUp(this, name, caption);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName("pBar");
    m_bar->setRange(0, 1);
    m_bar->setValue(0);
    m_bar->setMinimumWidth(320);
    QHBoxLayout* buttons = DialogParts::OkCancel(this, &m_ok);
    m_saveLog = new QPushButton("Save &Log...", this);
    m_saveLog->setObjectName("btnSaveLog");
    m_saveLog->setAutoDefault(false);
    m_saveLog->setEnabled(false); // until a session has something to tell
    buttons->insertWidget(0, m_saveLog);
    m_rows = new QVBoxLayout;
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_bar);
    layout->addLayout(m_rows);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(m_ok, &QPushButton::clicked, this, [this] { OkClicked(); });
    connect(m_saveLog, &QPushButton::clicked, this, &SessionDialog::saveLog);
}

SessionDialog::~SessionDialog() {
    stop();
}

void SessionDialog::Translate() {
    if (m_ctx.all().LanguageIndex > 0)
        TranslateForm(this, m_ctx.all().AppDir, m_ctx.all().LanguageName, false);
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

void SessionDialog::Run(RadioSession& session, const QString& title) {
    if (m_session != &session) {
        m_driver = std::make_unique<SessionDriver>(session, m_port, m_prompts, m_ctx.texts());
        m_session = &session;
        m_driver->SetLog(&m_log);
        // A session that starts after the line was lost opens the port again.
        m_driver->SetReopen([this] { return OpenPort(m_flushOnOpen); });
        connect(m_driver.get(), &SessionDriver::progressChanged, this, [this](int value, int max) {
            m_bar->setRange(0, std::max(max, 1));
            m_bar->setValue(value);
        });
        connect(m_driver.get(), &SessionDriver::okEnabledChanged, m_ok, &QPushButton::setEnabled);
        connect(m_driver.get(), &SessionDriver::ended, this, [this](SessionOutcome outcome) {
            m_saveLog->setEnabled(true);
            Ended(outcome);
        });
    }
    m_log.Begin(title);
    m_driver->Start();
}

Prompt::Result SessionDialog::SessionPrompts::ShowPrompt(const QString& caption,
                                                         const QString& text, Prompt::Kind kind) {
    const TLanguage& texts = m_dialog.m_ctx.texts();
    if (m_dialog.m_quietEnd && kind == Prompt::kInfo &&
        (text == texts.ReadOk || text == texts.WriteOk)) {
        m_dialog.m_log.Note(
            QStringLiteral("not shown: the dialog tells the end of the whole write"));
        return Prompt::kOk;
    }
    return m_dialog.m_prompter.ShowPrompt(caption, text, kind);
}

void SessionDialog::saveLog() {
    const std::optional<QString> path = m_dialogs.AskSavePath(
        FileKind::Log, QStringLiteral("qx7-%1.log").arg(objectName().mid(1).toLower()));
    if (!path)
        return;
    if (const Result<void> written = SafeFile::Write(*path, m_log.Text()); !written)
        m_prompter.ShowPrompt(m_ctx.texts().Confirmation, written.error(), Prompt::kInfo);
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
