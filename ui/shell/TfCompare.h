#pragma once

#include "app/FieldNames.h"
#include "image/Codeplug.h"

#include <QDialog>

#include <functional>
#include <vector>

class AppContext;
class FileDialogs;
class Prompter;
class QLabel;
class QListWidget;

/**
 * "Compare": the codeplug in the window beside a data file or beside the
 * radio (a read session), as a list of the fields in which they differ.
 * Choosing a channel's difference makes that channel's cell current in the
 * channel table.
 */
class TfCompare : public QDialog {
    Q_OBJECT

  public:
    /** The window's codeplug; throws CodecError for a bad cell. */
    using CodeplugSource = std::function<Codeplug()>;

    TfCompare(AppContext& ctx, Prompter& prompter, FileDialogs& dialogs, CodeplugSource window,
              FieldNames names, QWidget* parent = nullptr);

    /** Compares with the data file at path. */
    void CompareWithFile(const QString& path);
    QListWidget* Differences() const { return m_list; }
    QString ResultText() const;

  signals:
    /** A channel's difference was chosen: its channel and column (from 1). */
    void channelChosen(int channel, int column);

  private:
    void chooseFile();
    void compareWithRadio();
    /** The window's codeplug made into what other holds when it is the same; false after a prompt.
     */
    bool windowAs(const std::function<Codeplug(const Codeplug&)>& normalise, Codeplug& out);
    void showDifferences(const QString& other, const Codeplug& window, const Codeplug& theirs);
    QString text(const char* label) const;

    AppContext& m_ctx;
    Prompter& m_prompter;
    FileDialogs& m_dialogs;
    CodeplugSource m_window;
    FieldNames m_names;
    QLabel* m_result;
    QListWidget* m_list;
};
