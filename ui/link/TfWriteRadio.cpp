#include "TfWriteRadio.h"

#include "DialogParts.h"
#include "app/AppContext.h"
#include "app/Backups.h"
#include "app/CodeplugDiff.h"
#include "app/MessageText.h"
#include "app/Prompter.h"
#include "app/Settings.h"
#include "image/DataFile.h"
#include "image/Record.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

/** The most differences a prompt lists; the rest are counted. */
constexpr int kListedDifferences = 12;

} // namespace

TfWriteRadio::TfWriteRadio(AppContext& ctx, Prompter& prompter, FileDialogs& dialogs,
                           RecordSource records, CodeplugSource codeplug, FieldNames names,
                           QWidget* parent)
    : SessionDialog(ctx, prompter, dialogs, "fWriteRadio", "Write data to radio", parent),
      m_records(std::move(records)), m_codeplug(std::move(codeplug)), m_names(std::move(names)),
      m_read(std::in_place, ctx.models(), ctx.bands()) {
    m_closeTime = new QTimer(this);
    m_closeTime->setObjectName("CloseTime");
    m_closeTime->setSingleShot(true);
    m_closeTime->setInterval(kCloseTime);
    connect(m_closeTime, &QTimer::timeout, this, &QDialog::close);
    // Between two sessions of a write the pause a Retry makes.
    m_between = new QTimer(this);
    m_between->setSingleShot(true);
    m_between->setTimerType(Qt::PreciseTimer);
    m_between->setInterval(RadioSession::kRetryPause);
    connect(m_between, &QTimer::timeout, this, [this] { start(m_next); });

    m_backup = new QCheckBox("&Back up the radio first", this);
    m_backup->setObjectName("cbBackup");
    m_backup->setChecked(ctx.all().WriteBackup);
    m_verify = new QCheckBox("&Verify after writing", this);
    m_verify->setObjectName("cbVerify");
    m_verify->setChecked(ctx.all().WriteVerify);
    auto* folderLabel = new QLabel("Backups:", this);
    folderLabel->setObjectName("lBackups");
    auto* folder = new QLabel(QDir::toNativeSeparators(Backups::Folder()), this);
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* openFolder = new QPushButton("Open &Folder", this);
    openFolder->setObjectName("btnBackups");
    openFolder->setAutoDefault(false);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(folder, 1);
    folderRow->addWidget(openFolder);
    m_status = new QLabel(this);
    m_status->setObjectName("lStatus");
    m_status->setWordWrap(true);
    // The texts of the steps and of their ends.
    DialogParts::HiddenTexts(
        this, {{"lStepBackup", "Backing up the radio..."},
               {"lStepWrite", "Writing to the radio..."},
               {"lStepVerify", "Reading the radio back to verify..."},
               {"lBackupKept", "The radio's earlier codeplug is kept in %1."},
               {"lBackupFailed", "The radio's codeplug could not be kept, so nothing was written."},
               {"lVerified", "The radio was written and verified."},
               {"lMismatch", "After the write the radio holds something else than the codeplug:"},
               {"lMore", "and %1 more."},
               {"lWriteAgain", "Write it again?"},
               {"lNotVerified", "The write may have succeeded, but it could not be verified."}});
    Rows()->addWidget(m_backup);
    Rows()->addWidget(m_verify);
    Rows()->addLayout(folderRow);
    Rows()->addWidget(m_status);
    setTabOrder(m_backup, m_verify);
    setTabOrder(m_verify, openFolder);
    setTabOrder(openFolder, OkButton());

    connect(m_backup, &QCheckBox::toggled, this, &TfWriteRadio::choicesChanged);
    connect(m_verify, &QCheckBox::toggled, this, &TfWriteRadio::choicesChanged);
    connect(openFolder, &QPushButton::clicked, this, [] {
        QDir().mkpath(Backups::Folder());
        QDesktopServices::openUrl(QUrl::fromLocalFile(Backups::Folder()));
    });
    Translate();
}

QString TfWriteRadio::text(const char* label) const {
    return DialogParts::HiddenText(this, label);
}

void TfWriteRadio::choicesChanged() {
    TALL& all = m_ctx.all();
    all.WriteBackup = m_backup->isChecked();
    all.WriteVerify = m_verify->isChecked();
    if (const Result<void> written = WriteSafeWriteSettings(all); !written)
        m_prompter.ShowPrompt(m_ctx.texts().Confirmation, written.error(), Prompt::kInfo);
}

void TfWriteRadio::showEvent(QShowEvent* event) {
    SessionDialog::showEvent(event);
    if (m_opened)
        return;
    m_opened = true;
    if (!OpenPort(false))
        m_closeTime->start(); // the dialog closes itself 300 ms later
}

void TfWriteRadio::reject() {
    m_between->stop(); // no step follows a closed dialog
    SessionDialog::reject();
}

void TfWriteRadio::OkClicked() {
    if (m_step != Step::None || m_between->isActive())
        return;
    if (!m_write) {
        // The table cannot change while this dialog is open: encode it once.
        try {
            m_write.emplace(m_ctx.models(), *m_ctx.all().CurrentModel, m_records());
            m_expected = CodeplugDiff::AsReadBack(m_codeplug(), m_ctx.bands(), m_ctx.models());
        } catch (const CodecError& e) {
            m_write.reset();
            m_prompter.ShowPrompt(m_ctx.texts().Confirmation,
                                  QStringLiteral("Cannot write: %1.").arg(e.message()),
                                  Prompt::kInfo);
            return;
        }
    }
    m_log.Clear();
    m_backup->setEnabled(false);
    m_verify->setEnabled(false);
    start(m_backup->isChecked() ? Step::Backup : Step::Write);
}

void TfWriteRadio::start(Step step) {
    m_step = step;
    const QString port = MessageText::Quoted(m_ctx.all().PortName);
    // A step of a longer write tells its end itself, once the whole write is done.
    SetQuietEnd(step != Step::Write || m_verify->isChecked());
    switch (step) {
    case Step::Backup:
        m_status->setText(text("lStepBackup"));
        Run(*m_read, QStringLiteral("read session on %1: the backup").arg(port));
        break;
    case Step::Write:
        m_status->setText(text("lStepWrite"));
        Run(*m_write, QStringLiteral("write session on %1").arg(port));
        break;
    case Step::Verify:
        m_status->setText(text("lStepVerify"));
        Run(*m_read, QStringLiteral("read session on %1: the verify").arg(port));
        break;
    case Step::None:
        break;
    }
}

void TfWriteRadio::finish(const QString& status) {
    m_step = Step::None;
    m_status->setText(status);
    m_backup->setEnabled(true);
    m_verify->setEnabled(true);
}

void TfWriteRadio::Ended(SessionOutcome outcome) {
    // The next session starts from the timer, never from inside the one that ended.
    const auto then = [this](Step next) {
        m_next = next;
        m_between->start();
    };
    if (outcome != SessionOutcome::Completed) {
        // The session has shown its own prompt; a verify says what it means for the write.
        if (m_step == Step::Verify) {
            m_prompter.ShowPrompt(m_ctx.texts().Confirmation, text("lNotVerified"), Prompt::kInfo);
            finish(text("lNotVerified"));
        } else {
            finish();
        }
        return;
    }
    switch (m_step) {
    case Step::Backup:
        backupEnded();
        if (m_step == Step::Backup)
            then(Step::Write);
        break;
    case Step::Write:
        if (m_verify->isChecked())
            then(Step::Verify);
        else
            finish(m_backupFile.isEmpty() ? QString() : text("lBackupKept").arg(m_backupFile));
        break;
    case Step::Verify:
        verifyEnded();
        break;
    case Step::None:
        break;
    }
}

void TfWriteRadio::backupEnded() {
    const Codeplug& radio = *m_read->ReadResult();
    const QString folder = Backups::Folder();
    QDir().mkpath(folder);
    const QString path = Backups::NewPath(folder, radio, QDateTime::currentDateTime());
    if (const Result<void> saved = DataFile::Write(path, radio, m_ctx.bands()); !saved) {
        m_prompter.ShowPrompt(m_ctx.texts().Confirmation,
                              text("lBackupFailed") + '\n' + saved.error(), Prompt::kInfo);
        finish(text("lBackupFailed"));
        return;
    }
    m_backupFile = QDir::toNativeSeparators(path);
    m_status->setText(text("lBackupKept").arg(m_backupFile));
}

void TfWriteRadio::verifyEnded() {
    const auto differences = CodeplugDiff::Compare(m_expected, *m_read->ReadResult(), m_names);
    const QString kept =
        m_backupFile.isEmpty() ? QString() : ' ' + text("lBackupKept").arg(m_backupFile);
    if (differences.empty()) {
        m_prompter.ShowPrompt(m_ctx.texts().Confirmation, text("lVerified") + kept, Prompt::kInfo);
        finish(text("lVerified") + kept);
        return;
    }
    QStringList lines{text("lMismatch")};
    for (size_t i = 0; i < differences.size() && i < kListedDifferences; ++i)
        lines << differences[i].Text();
    if (differences.size() > kListedDifferences)
        lines << text("lMore").arg(differences.size() - kListedDifferences);
    lines << QString() << text("lWriteAgain");
    if (m_prompter.ShowPrompt(m_ctx.texts().Confirmation, lines.join('\n'), Prompt::kYesNo) ==
        Prompt::kYes) {
        m_next = Step::Write;
        m_between->start();
        return;
    }
    finish(text("lMismatch") + ' ' + differences.front().Text());
}
