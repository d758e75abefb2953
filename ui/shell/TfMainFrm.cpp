#include "TfMainFrm.h"

#include "Artwork.h"
#include "ChannelTableModel.h"
#include "FormTranslator.h"
#include "HelpWindow.h"
#include "MenuTables.h"
#include "PrintData.h"
#include "PrintReport.h"
#include "Tags.h"
#include "TfBBatchEdit.h"
#include "TfBFunSet.h"
#include "TfBInfoEdit.h"
#include "TfChInfo.h"
#include "TfCompare.h"
#include "TfEmbeddedMessage.h"
#include "TfFrmAbout.h"
#include "TfModel.h"
#include "TfReadRadio.h"
#include "TfSetLanguage.h"
#include "TfSetPort.h"
#include "TfTestFrequency.h"
#include "TfToneOption.h"
#include "TfWriteRadio.h"
#include "WindowFieldNames.h"
#include "app/AppContext.h"
#include "app/Prompter.h"
#include "app/Settings.h"
#include "port/PortNames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace {

using namespace MenuTables;

constexpr int kTopAreaHeight = 29;
constexpr int kToolPanelWidth = 251;
constexpr int kToolButtonWidth = 25;
constexpr int kPanelWidths[] = {50, 80, 120, 180, 200};

/** The channel table's frame: its close box minimises it, the table lives on. */
class ChannelSubWindow : public QMdiSubWindow {
  public:
    using QMdiSubWindow::QMdiSubWindow;

  protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        showMinimized();
    }
};

} // namespace

TfMainFrm::TfMainFrm(AppContext& ctx, Prompter& prompter, FileDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_ctx(ctx), m_prompter(prompter), m_dialogs(dialogs),
      m_doc(ctx, m_store, prompter, &dialogs) {
    setObjectName("fMainFrm");
    setWindowTitle(ctx.all().AppTitle);
    setWindowIcon(Artwork::AppIcon());
    m_doc.SetRefreshStatus([this] { RefreshStatus(); });
    m_toolkit.Load(ctx.all().LanguageName);
    buildMenus();
    buildTopArea();
    buildStatusBar();
    m_clock = new QTimer(this);
    m_clock->setObjectName("Timer");
    m_clock->setInterval(1000);
    connect(m_clock, &QTimer::timeout, this, [this] {
        m_panels[2]->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    });
    m_clock->start();
}

void TfMainFrm::buildMenus() {
    for (const Menu& m : Menus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(m.caption));
        menu->setObjectName(m.name);
        menu->menuAction()->setVisible(m.visible);
        for (const MenuItem& item : m.items) {
            QAction* action = item.caption ? new QAction(QString::fromLatin1(item.caption), this)
                                           : new QAction(this);
            action->setObjectName(item.name);
            action->setSeparator(item.caption == nullptr);
            action->setVisible(item.visible);
            Tags::Set(action, item.tag);
            if (item.shortcut)
                action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            menu->addAction(action);
            if (item.handler) {
                // An entry with a handler of its own: Exit and the two check marks.
                action->setCheckable(item.checked);
                action->setChecked(item.checked);
                const auto handler = item.handler;
                connect(action, item.checked ? &QAction::toggled : &QAction::triggered, this,
                        [this, handler](bool on) { (this->*handler)(on); });
            } else if (item.tag != kNoTag) {
                connect(action, &QAction::triggered, this,
                        [this, action] { RunCommand(Tags::Of(action)); });
            }
        }
    }
}

void TfMainFrm::nExitClick(bool) {
    close(); // FormCloseQuery decides
}

void TfMainFrm::nCoolClick(bool checked) {
    m_toolPanel->setVisible(checked); // the model and band display stays
}

void TfMainFrm::nBarClick(bool checked) {
    statusBar()->setVisible(checked);
}

void TfMainFrm::buildTopArea() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* top = new QWidget(central);
    top->setObjectName("Panel4");
    top->setMinimumHeight(kTopAreaHeight);
    auto* row = new QHBoxLayout(top);
    row->setContentsMargins(2, 0, 2, 0);
    m_toolPanel = new QWidget(top);
    m_toolPanel->setObjectName("pBar");
    m_toolPanel->setMinimumWidth(kToolPanelWidth);
    auto* toolLayout = new QHBoxLayout(m_toolPanel);
    toolLayout->setContentsMargins(0, 0, 0, 0);
    auto* toolBar = new QToolBar(m_toolPanel);
    toolBar->setObjectName("tbar");
    toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const ToolButton& b : ToolButtons()) {
        QAction* action =
            b.hint ? new QAction(Artwork::ToolImage(b.image), QString(), this) : new QAction(this);
        action->setObjectName(b.name);
        action->setProperty("toolButton", true);
        action->setSeparator(b.hint == nullptr);
        Tags::Set(action, b.tag);
        if (b.hint) {
            action->setToolTip(QString::fromLatin1(b.hint));
            connect(action, &QAction::triggered, this,
                    [this, action] { RunCommand(Tags::Of(action)); });
        }
        toolBar->addAction(action);
        if (QWidget* button = toolBar->widgetForAction(action); button && b.hint)
            button->setMinimumWidth(kToolButtonWidth);
    }
    toolLayout->addWidget(toolBar);
    row->addWidget(m_toolPanel);

    auto* display = new QWidget(top);
    display->setObjectName("Panel5");
    auto* displayRow = new QHBoxLayout(display);
    displayRow->setContentsMargins(8, 0, 0, 0);
    m_lMode = new QLabel("Model Type: ", display);
    m_lMode->setObjectName("lMode");
    m_stModel = new QLabel(display);
    m_stModel->setObjectName("stModel");
    auto* label4 = new QLabel("Frequency: ", display);
    label4->setObjectName("Label4");
    m_stFreq = new QLabel(display);
    m_stFreq->setObjectName("stFreq");
    m_lCom = new QLabel("Port: ", display);
    m_lCom->setObjectName("lCom");
    m_lCom->hide();
    // What stands for a value that is not there, when two codeplugs are compared.
    auto* empty = new QLabel("(empty)", display);
    empty->setObjectName("lEmpty");
    empty->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{m_lMode, m_stModel, label4, m_stFreq, m_lCom})
        displayRow->addWidget(w);
    displayRow->addStretch();
    row->addWidget(display, 1);
    column->addWidget(top);

    m_mdi = new QMdiArea(central);
    column->addWidget(m_mdi, 1);
    setCentralWidget(central);
}

void TfMainFrm::buildStatusBar() {
    statusBar()->setObjectName("MainBar");
    for (size_t i = 0; i < m_panels.size(); ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setMinimumWidth(kPanelWidths[i]);
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        statusBar()->addWidget(m_panels[i], i + 1 == m_panels.size() ? 1 : 0);
    }
}

QAction* TfMainFrm::Item(const QString& name) const {
    return findChild<QAction*>(name);
}

QString TfMainFrm::StatusText(int panel) const {
    return m_panels.at(static_cast<size_t>(panel))->text();
}

void TfMainFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TfMainFrm::FormShow() {
    TALL& all = m_ctx.all();
    m_mdi->setBackground(QBrush(Artwork::Background()));
    Item("T1")->setVisible(all.TestOnline);
    Item("nLanguage")->setVisible(all.LanguageChoice);
    m_ctx.SelectFirstModel();
    QStringList ports;
    for (const PortNames::Port& p : PortNames(SettingsReadPath(all)).ListPorts())
        ports << p.name;
    all.PortName = all.PortName.toUpper();
    if (!ports.contains(all.PortName) && !ports.isEmpty())
        all.PortName = ports.first();
    m_doc.SetFileName(QString());
    if (all.LanguageIndex > 0)
        TranslateForm(this, all.AppDir, all.LanguageName, true);
    setWindowTitle(all.AppTitle);
    m_lMode->show();
    m_lCom->hide();
    Item("N4")->setVisible(true);
    Item("N9")->setVisible(true);
    RefreshStatus();
    openChannelTable();
    all.Changed = false;
}

void TfMainFrm::openChannelTable() {
    if (!m_chInfo) {
        m_chInfo = new TfChInfo(m_ctx, m_store, m_prompter);
        m_chInfo->PickTone = [this] { return TfToneOption::PickTone(m_ctx, this); };
        m_chWindow = new ChannelSubWindow;
        m_chWindow->setWidget(m_chInfo);
        m_chWindow->setAttribute(Qt::WA_DeleteOnClose, false);
        // The frame's own menu must not take the menus' keys (Ctrl+W is Write To Radio).
        if (QMenu* frameMenu = m_chWindow->systemMenu())
            for (QAction* action : frameMenu->actions())
                action->setShortcuts({});
        m_mdi->addSubWindow(m_chWindow);
        connect(m_chInfo, &TfChInfo::heightWanted, this, [this](int height) {
            m_chWindow->resize(m_chWindow->width(), std::max(height, 200));
        });
        m_chInfo->FormShow();
        m_chWindow->setWindowTitle(m_chInfo->windowTitle());
        m_chWindow->resize(m_chInfo->TableWidth(), 521);
        if (m_ctx.all().ChannelCount * 30 < 521)
            m_chWindow->resize(m_chInfo->TableWidth(), m_ctx.all().ChannelCount * 30 + 40);
    }
    m_chWindow->showNormal();
}

void TfMainFrm::RefreshStatus() {
    const TALL& all = m_ctx.all();
    m_panels[0]->clear();
    m_panels[1]->setText(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
    m_panels[2]->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    m_panels[4]->clear();
    m_stModel->setText(all.ModelName);
    m_stFreq->setText(all.BandText);
    m_panels[3]->setText(m_lCom->text() + all.PortName);
    setWindowTitle(m_doc.FileName().isEmpty()
                       ? all.AppTitle
                       : QStringLiteral("%1 [%2]").arg(all.AppTitle, m_doc.FileName()));
}

void TfMainFrm::RunCommand(int tag) {
    if (m_chInfo)
        m_chInfo->EndEditing();
    switch (tag) {
    case kNew:
        m_doc.NewCodeplug();
        break;
    case kOpen:
        m_doc.Open();
        break;
    case kSave:
        m_doc.Save();
        break;
    case kSaveAs:
        m_doc.SaveAs();
        break;
    case kImportCsv:
        m_doc.ImportCsv();
        break;
    case kExportCsv:
        m_doc.ExportCsv();
        break;
    case kCompare:
        compare();
        break;
    case kModel:
        modelInformation();
        break;
    case kLanguage:
        languageSetup();
        break;
    case kCascade:
        m_mdi->cascadeSubWindows();
        break;
    case kTileHorizontally:
        tile(Qt::Vertical);
        break;
    case kTileVertically:
        tile(Qt::Horizontal);
        break;
    case kArrangeIcons:
        for (QMdiSubWindow* w : m_mdi->subWindowList())
            if (w->isMinimized())
                w->showMinimized(); // minimised windows line up along the bottom again
        break;
    case kCloseAll: {
        const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
        for (auto it = windows.rbegin(); it != windows.rend(); ++it)
            (*it)->close();
        break;
    }
    case kPrint:
        PreparePrintData();
        PrintReport::Print(m_ctx.printTables(), this);
        break;
    case kPrintPreview:
        PreparePrintData();
        PrintReport::Preview(
            m_ctx.printTables(), this,
            {m_dialogs, m_doc.SuggestedName(QStringLiteral("pdf")), [this](const QString& error) {
                 m_prompter.ShowPrompt(m_ctx.texts().Confirmation, error, Prompt::kInfo);
             }});
        break;
    case kFunctionSetting: {
        TfBFunSet dialog(m_ctx, this);
        dialog.exec();
        break;
    }
    case kChannelEdit: {
        TfBInfoEdit dialog(m_ctx, m_store, m_prompter, m_chInfo ? m_chInfo->CurrentChannel() : 1,
                           this);
        dialog.PickTone = [this] { return TfToneOption::PickTone(m_ctx, this); };
        dialog.exec();
        break;
    }
    case kBatchEdit: {
        TfBBatchEdit dialog(m_ctx, m_store, m_prompter, this);
        dialog.PickTone = [this] { return TfToneOption::PickTone(m_ctx, this); };
        dialog.exec();
        break;
    }
    case kTestFrequency: {
        TfTestFrequency dialog(m_ctx, m_prompter, this);
        dialog.exec();
        break;
    }
    case kEmbeddedMessage: {
        TfEmbeddedMessage dialog(m_ctx, this);
        dialog.exec();
        break;
    }
    case kRead:
        readFromRadio();
        break;
    case kWrite:
        writeToRadio();
        break;
    case kPort: {
        TfSetPort dialog(m_ctx, this);
        dialog.exec();
        RefreshStatus(); // confirmed or cancelled
        break;
    }
    case kHelp:
        showHelp();
        break;
    case kAbout:
        about();
        break;
    default:
        // Test Online (22) does nothing.
        break;
    }
}

void TfMainFrm::tile(Qt::Orientation orientation) {
    const QList<QMdiSubWindow*> windows = m_mdi->subWindowList();
    if (windows.isEmpty())
        return;
    const QRect area = m_mdi->viewport()->rect();
    const int n = static_cast<int>(windows.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = windows[i];
        w->showNormal();
        if (orientation == Qt::Vertical)
            w->setGeometry(0, area.height() * i / n, area.width(), area.height() / n);
        else
            w->setGeometry(area.width() * i / n, 0, area.width() / n, area.height());
    }
}

void TfMainFrm::modelInformation() {
    TfModel dialog(m_ctx, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_doc.ApplyModelChoice(*m_ctx.models().FindByName(dialog.ModelName()), dialog.BandText());
}

PrintData::Sources TfMainFrm::printSources() const {
    PrintData::Sources sources;
    sources.modelCaption = m_lMode->text();
    sources.bandCaption = findChild<QLabel*>("Label4")->text();
    sources.bandText = m_stFreq->text();
    for (int c = 0; c < ChannelStore::kColumns; ++c)
        sources.titles
            << (m_chInfo
                    ? m_chInfo->Model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()
                    : QString());
    return sources;
}

void TfMainFrm::PreparePrintData() {
    PrintData::Prepare(m_ctx, m_store, printSources());
}

FieldNames TfMainFrm::FieldNamesShown() {
    return WindowFieldNames(m_ctx, m_store, printSources(), findChild<QLabel*>("lEmpty")->text());
}

void TfMainFrm::readFromRadio() {
    TfReadRadio dialog(m_ctx, m_prompter, m_dialogs, this);
    dialog.exec();
    // Only a completed read changes the codeplug, all of it at once.
    if (dialog.ReadResult())
        m_doc.ApplyRead(*dialog.ReadResult());
}

void TfMainFrm::compare() {
    TfCompare dialog(
        m_ctx, m_prompter, m_dialogs, [this] { return m_doc.Capture(); }, FieldNamesShown(), this);
    if (m_chInfo)
        connect(&dialog, &TfCompare::channelChosen, m_chInfo, &TfChInfo::ShowChannel);
    dialog.exec();
}

void TfMainFrm::writeToRadio() {
    TfWriteRadio dialog(
        m_ctx, m_prompter, m_dialogs, [this] { return m_doc.RadioRecords(); },
        [this] { return m_doc.Capture(); }, FieldNamesShown(), this);
    dialog.exec();
}

void TfMainFrm::languageSetup() {
    TfSetLanguage dialog(m_ctx, this);
    dialog.exec();
    if (!dialog.LanguageChanged())
        return;
    TALL& all = m_ctx.all();
    m_ctx.texts().LoadMessageTexts(all.AppDir, all.LanguageName);
    m_toolkit.Load(all.LanguageName);
    TranslateForm(this, all.AppDir, all.LanguageName, true);
    RefreshStatus();
    if (m_chInfo) {
        m_chInfo->RelabelCells();
        m_chWindow->setWindowTitle(m_chInfo->windowTitle());
    }
}

void TfMainFrm::about() {
    TfFrmAbout box(m_ctx, this);
    box.exec();
}

void TfMainFrm::showHelp() {
    const TALL& all = m_ctx.all();
    const QString title = all.HelpPrefix + QStringLiteral("_Help");
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->windowTitle() == title) {
            w->show();
            w->raise();
            w->activateWindow();
            return;
        }
    }
    const QString file = all.AppDir + all.HelpPrefix + '_' + all.LanguageName + ".chm";
    if (QFileInfo::exists(file)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(file));
        return;
    }
    auto* help = new HelpWindow(title, all.LanguageName);
    m_help = help;
    help->show();
}

void TfMainFrm::closeEvent(QCloseEvent* event) {
    if (m_chInfo)
        m_chInfo->EndEditing(); // what is being typed belongs to the codeplug asked about
    // FormCloseQuery: only No, or a save that failed, keeps the program running.
    if (!m_doc.ConfirmExit()) {
        event->ignore();
        return;
    }
    // FormClose: the settings of this run are kept.
    if (const Result<void> written = WriteSettings(m_ctx.all()); !written)
        m_prompter.ShowPrompt(m_ctx.texts().Confirmation, written.error(), Prompt::kInfo);
    if (m_help)
        m_help->close();
    event->accept();
}
