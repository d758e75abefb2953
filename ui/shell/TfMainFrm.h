#pragma once

#include "PrintData.h"
#include "app/FieldNames.h"

#include "ToolkitTranslation.h"
#include "app/CodeplugDocument.h"
#include "channels/ChannelStore.h"

#include <QMainWindow>
#include <QPointer>

#include <array>

class AppContext;
class FileDialogs;
class Prompter;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QToolBar;
class TfChInfo;

/**
 * The main window: menus, tool bar, model and band display, status bar, and
 * the channel table as its child window. Every command reaches RunCommand by
 * the Tag of its menu item or tool button.
 */
class TfMainFrm : public QMainWindow {
    Q_OBJECT

  public:
    TfMainFrm(AppContext& ctx, Prompter& prompter, FileDialogs& dialogs, QWidget* parent = nullptr);

    /** The dispatcher: ends editing in the channel table, then runs the command of tag. */
    void RunCommand(int tag);
    /** Print and Print Preview: fills the print tables in the current language. */
    void PreparePrintData();
    /** How the windows name a codeplug's fields and show their values, in the language in use. */
    FieldNames FieldNamesShown();
    /** Caption, model and band display and status bar from the state and the file name. */
    void RefreshStatus();

    CodeplugDocument& Document() { return m_doc; }
    ChannelStore& Store() { return m_store; }
    TfChInfo* ChannelTable() const { return m_chInfo; }
    /** A menu item or tool button by its component name. */
    QAction* Item(const QString& name) const;
    QString StatusText(int panel) const;
    /** True once the first showing has set the window up. */
    bool Shown() const { return m_shown; }
    /** Exit: closes the window, which asks first. */
    void nExitClick(bool checked = false);
    /** Toolbar: the tool buttons shown while checked; the model and band display stays. */
    void nCoolClick(bool checked);
    /** Status bar: shown while checked. */
    void nBarClick(bool checked);

    /** The toolkit's own texts in the language in use. */
    const ToolkitTranslation& Toolkit() const { return m_toolkit; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildTopArea();
    void buildStatusBar();
    void FormShow();
    void openChannelTable();
    void modelInformation();
    void languageSetup();
    PrintData::Sources printSources() const;
    void readFromRadio();
    void writeToRadio();
    void compare();
    void about();
    void showHelp();
    void tile(Qt::Orientation orientation);

    AppContext& m_ctx;
    Prompter& m_prompter;
    FileDialogs& m_dialogs;
    ChannelStore m_store;
    CodeplugDocument m_doc;
    QMdiArea* m_mdi = nullptr;
    TfChInfo* m_chInfo = nullptr;
    QMdiSubWindow* m_chWindow = nullptr;
    QWidget* m_toolPanel = nullptr;
    QLabel* m_stModel = nullptr;
    QLabel* m_stFreq = nullptr;
    QLabel* m_lCom = nullptr;
    QLabel* m_lMode = nullptr;
    std::array<QLabel*, 5> m_panels{};
    QTimer* m_clock = nullptr;
    QPointer<QWidget> m_help;
    ToolkitTranslation m_toolkit;
    bool m_shown = false;
};
