#include "CodeplugDocument.h"

#include "AppContext.h"
#include "FileDialogs.h"
#include "MessageText.h"
#include "Prompter.h"
#include "SafeFile.h"
#include "channels/ChannelStore.h"
#include "image/CodeplugCsv.h"
#include "image/DataFile.h"
#include "image/RecordEncoder.h"
#include "model/Selection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

CodeplugDocument::CodeplugDocument(AppContext& ctx, ChannelStore& store, Prompter& prompter,
                                   FileDialogs* dialogs)
    : m_ctx(ctx), m_store(store), m_prompter(prompter), m_dialogs(dialogs) {}

QString CodeplugDocument::SuggestedName(const QString& suffix) const {
    if (m_fileName.isEmpty())
        return m_ctx.all().AppTitle + '.' + suffix;
    const QFileInfo file(m_fileName);
    return file.dir().filePath(file.completeBaseName() + '.' + suffix);
}

void CodeplugDocument::report(const QString& message) {
    m_prompter.ShowPrompt(m_ctx.texts().Confirmation, message, Prompt::kInfo);
}

bool CodeplugDocument::OfferSave() {
    if (!m_ctx.all().Changed ||
        m_prompter.ShowPrompt(m_ctx.texts().Confirmation, m_ctx.texts().SaveProgram,
                              Prompt::kYesNo) != Prompt::kYes)
        return true;
    // A refused save keeps the user where they were, with the work in memory.
    return Save() != SaveOutcome::Failed;
}

void CodeplugDocument::fillRows(const std::vector<std::optional<ChannelValues>>& channels) {
    m_store.BeginUpdate();
    m_store.ResetRows(m_ctx.all().ChannelCount);
    for (int row = 1; row <= m_store.RowCount(); ++row) {
        const size_t i = static_cast<size_t>(row - 1);
        if (i < channels.size() && channels[i])
            m_store.SetChannelRow(row, *channels[i]);
    }
    m_store.EndUpdate();
}

void CodeplugDocument::refresh() {
    if (m_refresh)
        m_refresh();
}

Codeplug CodeplugDocument::Capture() const {
    const TALL& all = m_ctx.all();
    Codeplug cp;
    cp.model = all.CurrentModel;
    cp.modelCode = all.ModelCode;
    cp.bandText = all.BandText;
    cp.bandLow = all.BandLow;
    cp.bandHigh = all.BandHigh;
    cp.fun = m_ctx.fun();
    cp.message = m_ctx.message();
    for (int row = 1; row <= m_store.RowCount(); ++row)
        cp.channels.push_back(m_store.ReadRow(row));
    cp.channels.resize(static_cast<size_t>(cp.model->ChannelCount));
    return cp;
}

void CodeplugDocument::Apply(const Codeplug& cp) {
    TALL& all = m_ctx.all();
    SelectModel(all, *cp.model);
    all.ModelCode = cp.modelCode;
    fillRows(cp.channels);
    m_ctx.fun() = cp.fun;
    m_ctx.message() = cp.message;
    SelectBand(all, cp.bandText);
}

bool CodeplugDocument::SaveDataFile() {
    const Result<QDateTime> saveTime = DataFile::SaveTime();
    if (!saveTime) {
        report(QStringLiteral("Cannot save %1: %2.")
                   .arg(MessageText::Path(m_fileName), saveTime.error()));
        return false;
    }
    DataFile::Encoded encoded;
    try {
        encoded = DataFile::Encode(Capture(), m_ctx.bands(), *saveTime);
    } catch (const CodecError& e) {
        report(
            QStringLiteral("Cannot save %1: %2.").arg(MessageText::Path(m_fileName), e.message()));
        return false;
    }
    m_ctx.all().UsedBits = encoded.usedBits;
    m_ctx.all().ScanBits = encoded.scanBits;
    if (const Result<void> written = SafeFile::Write(m_fileName, encoded.bytes); !written) {
        report(written.error());
        return false;
    }
    m_ctx.all().Changed = false;
    return true;
}

bool CodeplugDocument::OpenDataFile(const QString& path) {
    const Result<DataFile::Contents> read = DataFile::Read(path, m_ctx.models(), m_ctx.bands());
    if (!read) {
        if (read.code() == DataFile::UnknownModel) {
            m_fileName.clear();
            report(m_ctx.texts().ModError);
        } else {
            report(read.error());
        }
        return false;
    }
    m_fileName = path;
    Apply(read->codeplug);
    m_ctx.all().Changed = false;
    return true;
}

bool CodeplugDocument::NewCodeplug() {
    if (!OfferSave())
        return false;
    m_ctx.ResetCodeplug();
    m_store.ResetRows(m_ctx.all().ChannelCount);
    m_fileName.clear();
    refresh();
    m_ctx.all().Changed = false;
    return true;
}

CodeplugDocument::SaveOutcome CodeplugDocument::Save() {
    if (m_fileName.isEmpty()) {
        const auto path = m_dialogs ? m_dialogs->AskSavePath() : std::nullopt;
        if (path)
            m_fileName = *path;
    }
    SaveOutcome outcome = SaveOutcome::Cancelled;
    if (!m_fileName.isEmpty())
        outcome = SaveDataFile() ? SaveOutcome::Saved : SaveOutcome::Failed;
    refresh();
    return outcome;
}

CodeplugDocument::SaveOutcome CodeplugDocument::SaveAs() {
    m_fileName.clear();
    return Save();
}

bool CodeplugDocument::Open() {
    if (!OfferSave())
        return false;
    const auto path = m_dialogs ? m_dialogs->AskOpenPath() : std::nullopt;
    if (!path)
        return false;
    const bool opened = OpenDataFile(*path);
    refresh();
    return opened;
}

bool CodeplugDocument::ApplyModelChoice(const TMacType& model, const QString& bandText) {
    TALL& all = m_ctx.all();
    if (all.Changed && m_prompter.ShowPrompt(m_ctx.texts().Confirmation, m_ctx.texts().ClearData,
                                             Prompt::kYesNo) != Prompt::kYes)
        return false;
    // The old codeplug is offered for saving while it is still whole, before the
    // model switches; the New below then has nothing left to ask.
    if (!OfferSave())
        return false;
    all.Changed = false;
    SelectModel(all, model);
    SelectBand(all, bandText);
    m_ctx.ResetCodeplug();
    return NewCodeplug();
}

bool CodeplugDocument::ConfirmExit() {
    if (m_prompter.ShowPrompt(m_ctx.texts().Confirmation, m_ctx.texts().ExitProgram,
                              Prompt::kYesNo) == Prompt::kNo)
        return false;
    return OfferSave();
}

bool CodeplugDocument::ImportCsv() {
    if (!OfferSave())
        return false;
    const auto path = m_dialogs ? m_dialogs->AskOpenPath(FileKind::Csv) : std::nullopt;
    const bool imported = path && ImportCsvFile(*path).imported;
    refresh();
    return imported;
}

CodeplugDocument::CsvImport CodeplugDocument::ImportCsvFile(const QString& path,
                                                            InvalidLines invalidLines) {
    CsvImport result;
    const QString file = MessageText::Path(path);
    const Result<QByteArray> in = SafeFile::Read(path, SafeFile::kTextLimit);
    if (!in) {
        report(in.error());
        return result;
    }
    const Result<CodeplugCsv::Parsed> read = CodeplugCsv::Read(*in, *m_ctx.all().CurrentModel);
    if (!read) {
        report(QStringLiteral("Cannot import %1: %2.").arg(file, read.error()));
        return result;
    }
    const CodeplugCsv::Parsed& parsed = *read;
    result.invalid = static_cast<int>(parsed.invalid.size());
    if (!parsed.invalid.isEmpty()) {
        QStringList lines;
        for (const CodeplugCsv::Problem& p : parsed.invalid)
            lines << p.text();
        const bool none = parsed.ChannelsGiven() == 0;
        if (invalidLines == InvalidLines::Ask) {
            if (none) {
                report(QStringLiteral("Cannot import %1: no line gives a channel.\n%2")
                           .arg(file, lines.join('\n')));
                return result;
            }
            QString question = m_ctx.texts().CsvSkip;
            question.replace(QLatin1String("\\n"), QLatin1String("\n"));
            if (m_prompter.ShowPrompt(m_ctx.texts().Confirmation, question.arg(lines.join('\n')),
                                      Prompt::kYesNo) != Prompt::kYes)
                return result;
        } else {
            const bool skip = invalidLines == InvalidLines::Skip && !none;
            for (const QString& line : lines)
                report(QStringLiteral("%1: %2%3.").arg(file, skip ? "skipped " : "", line));
            if (none) {
                report(QStringLiteral("Cannot import %1: no line gives a channel.").arg(file));
                return result;
            }
            if (!skip) {
                report(QStringLiteral("Cannot import %1: %2 give no channel; nothing was imported.")
                           .arg(file, lines.size() == 1
                                          ? QStringLiteral("1 line")
                                          : QStringLiteral("%1 lines").arg(lines.size())));
                return result;
            }
        }
    }
    result.warnings = parsed.warnings;
    ReplaceChannels(parsed.channels);
    result.imported = true;
    return result;
}

void CodeplugDocument::ExportCsv() {
    const auto path =
        m_dialogs ? m_dialogs->AskSavePath(FileKind::Csv, SuggestedName(QStringLiteral("csv")))
                  : std::nullopt;
    if (path)
        ExportCsvFile(*path);
}

bool CodeplugDocument::ExportCsvFile(const QString& path) {
    QByteArray csv;
    try {
        csv = CodeplugCsv::Write(Capture().channels);
    } catch (const CodecError& e) {
        report(QStringLiteral("Cannot export %1: %2.").arg(MessageText::Path(path), e.message()));
        return false;
    }
    if (const Result<void> written = SafeFile::Write(path, csv); !written) {
        report(written.error());
        return false;
    }
    return true;
}

void CodeplugDocument::ReplaceChannels(const std::vector<std::optional<ChannelValues>>& channels) {
    fillRows(channels);
    m_ctx.all().Changed = true;
}

std::vector<std::pair<MapEntry, Record>> CodeplugDocument::RadioRecords() {
    const Codeplug cp = Capture();
    RecordEncoder encoder(cp, m_ctx.bands(), RecordEncoder::Target::Radio);
    auto records = encoder.WriteRecords();
    m_ctx.all().UsedBits = encoder.UsedBits();
    m_ctx.all().ScanBits = encoder.ScanBits();
    return records;
}

void CodeplugDocument::ApplyRead(const Codeplug& cp) {
    TALL& all = m_ctx.all();
    SelectModel(all, *cp.model);
    all.ModelCode = cp.modelCode;
    SelectBand(all, cp.bandText);
    m_ctx.fun() = cp.fun;
    m_ctx.message() = cp.message;
    ResetStaging();
    for (size_t i = 0; i < m_staging.size() && i < cp.channels.size(); ++i)
        m_staging[i] = cp.channels[i];
    CopyReadChannels();
}

void CodeplugDocument::ResetStaging() {
    m_staging.assign(static_cast<size_t>(m_ctx.all().ChannelCount), std::nullopt);
}

void CodeplugDocument::CopyReadChannels() {
    ReplaceChannels(m_staging);
    m_fileName.clear();
    refresh();
}
