#include "TfCompare.h"

#include "DialogParts.h"
#include "FormTranslator.h"
#include "TfReadRadio.h"
#include "app/AppContext.h"
#include "app/CodeplugDiff.h"
#include "app/FileDialogs.h"
#include "app/Prompter.h"
#include "image/CodecError.h"
#include "image/DataFile.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kChannelRole = Qt::UserRole;
constexpr int kColumnRole = Qt::UserRole + 1;

} // namespace

TfCompare::TfCompare(AppContext& ctx, Prompter& prompter, FileDialogs& dialogs,
                     CodeplugSource window, FieldNames names, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_prompter(prompter), m_dialogs(dialogs),
      m_window(std::move(window)), m_names(std::move(names)) {
    DialogParts::SetUp(this, "fCompare", "Compare");
    QLabel* lead = DialogParts::Label("lCompare", "Compare the codeplug in this window with", this);
    auto* file = new QPushButton("a &Data File...", this);
    file->setObjectName("btnFile");
    auto* radio = new QPushButton("the &Radio...", this);
    radio->setObjectName("btnRadio");
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("btnClose");
    m_result = new QLabel(this);
    m_result->setObjectName("lResult");
    m_result->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName("lbDifferences");
    m_list->setMinimumSize(480, 240);
    DialogParts::HiddenTexts(this, {{"lSame", "This window and %1 hold the same codeplug."},
                                    {"lDiffers", "Differences from %2: %1 (this window -> %2)"},
                                    {"lTheRadio", "the radio"},
                                    {"lCannot", "Cannot compare: %1."}});

    auto* with = new QHBoxLayout;
    with->addWidget(lead);
    with->addWidget(file);
    with->addWidget(radio);
    with->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(with);
    layout->addWidget(m_result);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);
    lead->setBuddy(file);
    for (QPushButton* b : {file, radio, close})
        b->setAutoDefault(false);
    DialogParts::EnterCommitsOnly(this);

    connect(file, &QPushButton::clicked, this, &TfCompare::chooseFile);
    connect(radio, &QPushButton::clicked, this, &TfCompare::compareWithRadio);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (item && item->data(kChannelRole).toInt() > 0)
            emit channelChosen(item->data(kChannelRole).toInt(), item->data(kColumnRole).toInt());
    });
    if (m_ctx.all().LanguageIndex > 0)
        TranslateForm(this, m_ctx.all().AppDir, m_ctx.all().LanguageName, false);
}

QString TfCompare::text(const char* label) const {
    return DialogParts::HiddenText(this, label);
}

QString TfCompare::ResultText() const {
    return m_result->text();
}

bool TfCompare::windowAs(const std::function<Codeplug(const Codeplug&)>& normalise, Codeplug& out) {
    try {
        out = normalise(m_window());
        return true;
    } catch (const CodecError& e) {
        m_prompter.ShowPrompt(m_ctx.texts().Confirmation, text("lCannot").arg(e.message()),
                              Prompt::kInfo);
        return false;
    }
}

void TfCompare::chooseFile() {
    if (const std::optional<QString> path = m_dialogs.AskOpenPath(FileKind::DataFile))
        CompareWithFile(*path);
}

void TfCompare::CompareWithFile(const QString& path) {
    const auto file = DataFile::Read(path, m_ctx.models(), m_ctx.bands());
    if (!file) {
        m_prompter.ShowPrompt(m_ctx.texts().Confirmation, file.error(), Prompt::kInfo);
        return;
    }
    // The window as a file saved from it holds it.
    Codeplug window;
    if (windowAs(
            [this](const Codeplug& c) {
                return CodeplugDiff::AsSaved(c, m_ctx.bands(), m_ctx.models());
            },
            window))
        showDifferences(QDir::toNativeSeparators(QFileInfo(path).fileName()), window,
                        file->codeplug);
}

void TfCompare::compareWithRadio() {
    // The window as a faithful radio gives it back, made before the radio is woken.
    Codeplug window;
    if (!windowAs(
            [this](const Codeplug& c) {
                return CodeplugDiff::AsReadBack(c, m_ctx.bands(), m_ctx.models());
            },
            window))
        return;
    TfReadRadio read(m_ctx, m_prompter, m_dialogs, this);
    read.exec();
    if (read.ReadResult())
        showDifferences(text("lTheRadio"), window, *read.ReadResult());
}

void TfCompare::showDifferences(const QString& other, const Codeplug& window,
                                const Codeplug& theirs) {
    const auto differences = CodeplugDiff::Compare(window, theirs, m_names);
    m_list->clear();
    m_result->setText(differences.empty() ? text("lSame").arg(other)
                                          : text("lDiffers").arg(differences.size()).arg(other));
    for (const CodeplugDiff::Difference& d : differences) {
        auto* item = new QListWidgetItem(d.Text(), m_list);
        item->setData(kChannelRole, d.channel);
        item->setData(kColumnRole, d.column);
    }
    if (!differences.empty())
        m_list->setFocus();
}
