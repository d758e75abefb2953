#pragma once

#include "image/Codeplug.h"
#include "image/MemoryMap.h"
#include "image/Record.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class AppContext;
class ChannelStore;
class FileDialogs;
class Prompter;

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

    /** New: asks SaveProgram when changed, then an empty codeplug of the current model. */
    void NewCodeplug();
    /** Save: to the current file, or to a name the save dialog asks for. */
    void Save();
    /** Save As: forgets the file name, then Save. */
    void SaveAs();
    /** Open: asks SaveProgram when changed, then the open dialog and the file. */
    void Open();

    /**
     * Import CSV: asks SaveProgram when changed, then a CSV channel list whose
     * channels replace the channel table; model, band, settings and message
     * stay. Lines that give no channel are listed in one question (CsvSkip);
     * the rest is imported only on Yes.
     */
    void ImportCsv();
    /** Reads and applies a CSV channel list as ImportCsv does; returns whether it was applied. */
    bool ImportCsvFile(const QString& path);
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
    /** Asks SaveProgram when the codeplug changed, and saves on Yes. */
    void offerSave();
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
