#pragma once

#include "image/Codeplug.h"
#include "image/MemoryMap.h"
#include "image/Record.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class AppContext;
class ChannelStore;
class FileDialogs;
class Prompter;
class TMacType;

/**
 * The codeplug as a document: the channel store and the records of the
 * context, the current file name, and the commands New, Save, Save As and
 * Open with their prompts. The window program and the command-line tool
 * drive it alike; file dialogs and prompts come in through interfaces.
 */
class CodeplugDocument {
  public:
    CodeplugDocument(AppContext& ctx, ChannelStore& store, Prompter& prompter,
                     FileDialogs* dialogs = nullptr);

    const QString& FileName() const { return m_fileName; }
    /**
     * A name for another file made from this codeplug (a printout, a channel
     * list): the data file's name with suffix, else the program's title with it.
     */
    QString SuggestedName(const QString& suffix) const;
    void SetFileName(const QString& name) { m_fileName = name; }
    /** Run after every command that changes what the caption and status bar show. */
    void SetRefreshStatus(std::function<void()> refresh) { m_refresh = std::move(refresh); }

    /** The channel table, records, model and band as a codeplug; throws CodecError. */
    Codeplug Capture() const;
    /** Makes a decoded codeplug current: model, band, channels, settings, message. */
    void Apply(const Codeplug& codeplug);

    /**
     * Writes the codeplug to the current file name, never leaving a half-written
     * file. On success clears Changed; on failure reports the problem with the
     * path, keeps Changed and the file on disk as they were. Returns success.
     */
    bool SaveDataFile();
    /**
     * Reads a data file and applies it only when every record was read. An
     * unknown model shows ModError and empties the current file name; a short
     * or unreadable file is reported and changes nothing. Returns success.
     */
    bool OpenDataFile(const QString& path);

    /** What became of a Save. */
    enum class SaveOutcome {
        Saved,
        Cancelled, // the save dialog was cancelled: nothing was written
        Failed,    // the save was refused and reported; Changed stays set
    };

    /** Save: to the current file, or to a name the save dialog asks for. */
    SaveOutcome Save();
    /** Save As: forgets the file name, then Save. */
    SaveOutcome SaveAs();

    /**
     * Offers to save unsaved changes (SaveProgram) and says whether the command
     * that asked may go on: yes when nothing changed, on No, and when the save
     * dialog was cancelled; no when the save failed, so that nothing is lost.
     */
    bool OfferSave();

    /**
     * New: offers to save, then an empty codeplug of the current model. Returns
     * false when a failed save stopped it and nothing changed.
     */
    bool NewCodeplug();
    /** Open: offers to save, then the open dialog and the file; false when stopped or cancelled. */
    bool Open();
    /**
     * Model Information's OK: with unsaved changes asks ClearData (No changes
     * nothing) and offers to save the codeplug while it is still whole; then the
     * model and band become current with an empty codeplug and default settings.
     * Returns false when nothing changed.
     */
    bool ApplyModelChoice(const TMacType& model, const QString& bandText);
    /**
     * Closing the program: asks ExitProgram, then offers to save. Returns whether
     * the program may close: not on No, and not when the save failed.
     */
    bool ConfirmExit();

    /**
     * Import CSV: offers to save, then a CSV channel list whose channels replace
     * the channel table; model, band, settings and message stay. Lines that give
     * no channel are listed in one question (CsvSkip); the rest is imported only
     * on Yes. Returns whether the channels were replaced.
     */
    bool ImportCsv();
    /** What an import does with the lines of a channel list that give no channel. */
    enum class InvalidLines {
        Ask,    // lists them in one question (CsvSkip); the rest is imported on Yes
        Skip,   // reports each as skipped and imports the rest
        Refuse, // reports each and imports nothing
    };
    /** What became of an import. */
    struct CsvImport {
        bool imported = false;
        /** Lines that give no channel. */
        int invalid = 0;
        /** Frequencies moved down onto the raster, one sentence each. */
        QStringList warnings;
    };
    /**
     * Reads a CSV channel list and, by the rules every import follows, makes
     * its channels the channel table's: a file that is no channel list, or one
     * in which no line gives a channel, is refused; lines that give none are
     * asked about, skipped or refused. Every refusal is reported.
     */
    CsvImport ImportCsvFile(const QString& path, InvalidLines invalidLines = InvalidLines::Ask);
    /** Export CSV: the channels in use, to a CSV file that the save dialog names. */
    void ExportCsv();
    /** Writes the channels in use as CSV; reports a failure and returns false. */
    bool ExportCsvFile(const QString& path);
    /** The channel table's rows become these channels, one per slot; sets Changed. */
    void ReplaceChannels(const std::vector<std::optional<ChannelValues>>& channels);

    /**
     * The records a write sends, in sending order, encoded from the channel
     * table and the records; rebuilds UsedBits and ScanBits. Throws CodecError.
     */
    std::vector<std::pair<MapEntry, Record>> RadioRecords();

    /**
     * A completed read: the radio's model, band, settings and message become
     * current and its channels fill the channel table (CopyReadChannels).
     */
    void ApplyRead(const Codeplug& codeplug);

    /** The staging rows a read from the radio fills: one empty row per channel slot. */
    void ResetStaging();
    std::vector<std::optional<ChannelValues>>& Staging() { return m_staging; }
    /** After a completed read: the staged channels become the channel table's rows. */
    void CopyReadChannels();

  private:
    void report(const QString& message);
    void refresh();
    /** The channel table's rows, one per slot of channels; a slot without a channel stays empty. */
    void fillRows(const std::vector<std::optional<ChannelValues>>& channels);

    AppContext& m_ctx;
    ChannelStore& m_store;
    Prompter& m_prompter;
    FileDialogs* m_dialogs;
    QString m_fileName;
    std::function<void()> m_refresh;
    std::vector<std::optional<ChannelValues>> m_staging;
};
