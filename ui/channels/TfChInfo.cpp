#include "TfChInfo.h"

#include "ChannelTableModel.h"
#include "DialogParts.h"
#include "FontFit.h"
#include "FormTranslator.h"
#include "FrequencyDelegate.h"
#include "Tags.h"
#include "ToneComboBox.h"
#include "app/AppContext.h"
#include "channels/ChannelEditing.h"
#include "channels/ChannelStore.h"

#include <algorithm>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kHeaderHeight = 35;
constexpr int kRowHeight = 20;
constexpr int kRowPixelsForHeight = 30;
constexpr int kEditorOffset = 2;

// The column list after the captions: each column's width, then its alignment.
const char* const kColumnLayout[] = {
    "80", "90", "90", "80", "80", "70", "70", "70", "70", "80",
    "2",  "3",  "3",  "3",  "3",  "2",  "2",  "2",  "2",  "2",
};

} // namespace

TfChInfo::TfChInfo(AppContext& ctx, ChannelStore& store, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_ctx(ctx), m_store(store), m_prompter(prompter) {
    setObjectName("fChInfo");
    setWindowTitle("Channel Information");

    m_grid = new QTableView(this);
    m_grid->setObjectName("gvData");
    Tags::Set(m_grid, Tags::kNeverTranslate);
    m_model = new ChannelTableModel(ctx, store, prompter, this);
    m_grid->setModel(m_model);
    m_delegate = new FrequencyDelegate(m_grid);
    m_grid->setItemDelegate(m_delegate);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    m_grid->setContextMenuPolicy(Qt::NoContextMenu);
    m_grid->setTabKeyNavigation(false);
    m_grid->verticalHeader()->hide();
    // The heights are minimums: a larger font makes the rows and the header taller.
    m_grid->verticalHeader()->setDefaultSectionSize(
        FontFit::LineHeight(m_grid->fontMetrics(), kRowHeight));
    m_grid->horizontalHeader()->setFixedHeight(
        std::max(kHeaderHeight, m_grid->horizontalHeader()->sizeHint().height()));
    m_grid->horizontalHeader()->setSectionsMovable(false);
    m_grid->horizontalHeader()->setHighlightSections(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);

    m_lNone = new QLabel("None", this);
    m_lNone->setObjectName("lNone");
    m_lNone->hide();
    m_columnList = new QListWidget(this);
    m_columnList->setObjectName("BColText");
    m_columnList->addItems(ChannelStore::ColumnCaptions());
    for (const char* line : kColumnLayout)
        m_columnList->addItem(QString::fromLatin1(line));
    m_columnList->hide();

    m_cbQT = makeToneEditor("cbQT");
    m_cbDQT = makeToneEditor("cbDQT");
    m_cbfsgl = makeListEditor("cbfsgl", {"Low", "High"});
    m_cbkz = makeListEditor("cbkz", {"Wide", "Narrow"});
    m_cbHave = makeListEditor("cbHave", {"Yes", "No"});

    PickTone = [] { return QString(); };

    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid())
                    return;
                m_row = current.row() + 1;
                m_col = current.column() + 1;
                ShowCellEditor();
            });
    connect(m_grid, &QTableView::pressed, this,
            [this](const QModelIndex& index) { onPressed(index.row() + 1, index.column() + 1); });
}

TfChInfo::~TfChInfo() {
    // The editors are taken down after this part of the window, and may still
    // signal then (a focus lost): nothing they say reaches it any more.
    m_openEditor = nullptr;
    for (QComboBox* c : {m_cbQT, m_cbDQT, m_cbfsgl, m_cbkz, m_cbHave}) {
        c->disconnect(this);
        c->removeEventFilter(this);
        if (c->lineEdit())
            c->lineEdit()->removeEventFilter(this);
    }
}

QComboBox* TfChInfo::makeToneEditor(const char* name) {
    auto* combo = new ToneComboBox(name, ToneComboBox::Keys::Tone, m_grid->viewport());
    combo->hide();
    combo->installEventFilter(this);
    combo->lineEdit()->installEventFilter(this);
    // A tone reaches the cell when it is picked or the typing is confirmed
    // (Enter, an arrow key, leaving the editor); Esc throws the typing away.
    connect(combo, &ToneComboBox::committed, this, [this, combo] { commitEditor(combo); });
    connect(combo, &ToneComboBox::pickRequested, this, [this, combo] {
        if (const QString tone = PickTone(); !tone.isEmpty())
            combo->Enter(tone); // commits it and marks the codeplug changed
    });
    return combo;
}

QComboBox* TfChInfo::makeListEditor(const char* name, const QStringList& list) {
    QComboBox* combo = DialogParts::FixedList(name, list, m_grid->viewport());
    combo->setMaxVisibleItems(20);
    combo->hide();
    combo->installEventFilter(this);
    // Only an item the user picks reaches the cell.
    connect(combo, &QComboBox::activated, this, [this, combo] { commitEditor(combo); });
    return combo;
}

QStringList TfChInfo::items(const QComboBox* combo) const {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

void TfChInfo::FormShow() {
    if (m_ctx.all().LanguageIndex > 0)
        TranslateForm(this, m_ctx.all().AppDir, m_ctx.all().LanguageName, true);
    m_lNone->setText(m_cbQT->itemText(0));
    m_store.SetLabels(m_cbQT->itemText(0), items(m_cbfsgl), items(m_cbkz), items(m_cbHave));
    applyColumns();
    m_store.ResetRows(m_ctx.all().ChannelCount);
    if (kRowPixelsForHeight * m_ctx.all().ChannelCount < height() || height() < kHeaderHeight)
        emit heightWanted(kRowPixelsForHeight * m_ctx.all().ChannelCount);
}

void TfChInfo::applyColumns() {
    QStringList lines;
    for (int i = 0; i < m_columnList->count(); ++i)
        lines << m_columnList->item(i)->text();
    m_model->SetColumnList(lines);
    // The listed widths are minimums: each column shows its caption and its texts whole.
    const QFontMetrics header = m_grid->horizontalHeader()->fontMetrics();
    for (int c = 0; c < ChannelStore::kColumns; ++c) {
        const int width = std::max(
            FontFit::Width(m_grid->fontMetrics(), sampleTexts(c + 1), m_model->ColumnWidth(c)),
            FontFit::Width(
                header, {m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()}, 0));
        m_grid->setColumnWidth(c, width);
    }
}

QStringList TfChInfo::sampleTexts(int col) const {
    switch (col) {
    case ChannelStore::ColChannel:
        return {QString::number(std::max(m_store.RowCount(), m_ctx.all().ChannelCount))};
    case ChannelStore::ColRx:
    case ChannelStore::ColTx:
        return {QStringLiteral("888.88888")};
    case ChannelStore::ColDecode:
    case ChannelStore::ColEncode:
        return {m_cbQT->itemText(0), QStringLiteral("888.8"), QStringLiteral("D888N")};
    default:
        return m_store.ItemsFor(col);
    }
}

int TfChInfo::TableWidth() const {
    int width = 30;
    for (int c = 0; c < ChannelStore::kColumns; ++c)
        width += m_grid->columnWidth(c);
    return width;
}

void TfChInfo::RelabelCells() {
    m_ctx.all().Refreshing = true;
    TranslateForm(this, m_ctx.all().AppDir, m_ctx.all().LanguageName, true);
    m_store.RelabelCells(m_cbQT->itemText(0), items(m_cbfsgl), items(m_cbkz), items(m_cbHave));
    applyColumns(); // the captions of the new language, and room for its texts
    m_lNone->setText(m_cbQT->itemText(0));
    m_ctx.all().Refreshing = false;
}

int TfChInfo::CurrentChannel() const {
    return std::max(1, m_row);
}

void TfChInfo::SelectCell(int row, int col) {
    m_grid->setCurrentIndex(m_model->index(row - 1, col - 1));
    onPressed(row, col);
}

void TfChInfo::ShowChannel(int channel, int column) {
    EndEditing();
    const QModelIndex index = m_model->index(channel - 1, std::max(column, 1) - 1);
    m_grid->setCurrentIndex(index);
    m_grid->scrollTo(index);
}

void TfChInfo::onPressed(int row, int col) {
    m_row = row;
    m_col = col;
    const QModelIndex index = m_model->index(row - 1, col - 1);
    if (col == ChannelStore::ColRx || (col == ChannelStore::ColTx && m_store.IsPresent(row))) {
        hideEditors();
        m_grid->edit(index);
        return;
    }
    ShowCellEditor();
}

void TfChInfo::ShowCellEditor() {
    hideEditors();
    const int row = m_row;
    const int col = m_col;
    if (row < 1 || row > m_store.RowCount() || col <= ChannelStore::ColTx ||
        !m_store.IsPresent(row))
        return;
    QComboBox* editor = nullptr;
    switch (col) {
    case ChannelStore::ColDecode:
        editor = m_cbQT;
        break;
    case ChannelStore::ColEncode:
        if (m_store.CellText(row, ChannelStore::ColTx).trimmed().isEmpty())
            return;
        editor = m_cbDQT;
        break;
    case ChannelStore::ColPower:
        editor = m_cbfsgl;
        break;
    case ChannelStore::ColBandwidth:
        editor = m_cbkz;
        break;
    default:
        editor = m_cbHave;
        break;
    }
    const QRect cell = m_grid->visualRect(m_model->index(row - 1, col - 1));
    {
        // The editor starts at the cell's own value, never where it was left.
        const QSignalBlocker block(editor);
        editor->setGeometry(cell.left() + kEditorOffset, cell.top() + kEditorOffset,
                            m_grid->columnWidth(col - 1), editor->sizeHint().height());
        if (editor->isEditable()) {
            const QString text = m_store.CellText(row, col);
            editor->setCurrentIndex(editor->findText(text, Qt::MatchExactly));
            editor->setEditText(text);
            editor->lineEdit()->setModified(false);
        } else {
            editor->setCurrentIndex(std::max(0, m_store.CellValue(row, col).toInt()));
        }
    }
    m_openEditor = editor;
    m_editRow = row;
    m_editCol = col;
    editor->show();
    editor->raise();
    editor->setFocus();
}

void TfChInfo::commitEditor(QComboBox* editor) {
    if (m_ctx.all().Refreshing || editor != m_openEditor || m_editRow < 1 ||
        m_editRow > m_store.RowCount())
        return;
    if (editor->isEditable())
        ChannelEditing::CommitTone(m_ctx, m_store, m_editRow, m_editCol, editor->currentText());
    else
        ChannelEditing::CommitItem(m_ctx, m_store, m_editRow, m_editCol, editor->currentIndex());
}

void TfChInfo::closeEditor(bool keepTyping) {
    QComboBox* editor = m_openEditor;
    if (!editor)
        return;
    if (auto* tone = qobject_cast<ToneComboBox*>(editor)) {
        if (keepTyping)
            tone->Confirm();
        tone->lineEdit()->setModified(false);
    }
    m_openEditor = nullptr;
    // Hiding a focused editor would pass the focus on like a Tab key: keep it in the grid.
    if (editor->isAncestorOf(QApplication::focusWidget()) || editor->hasFocus())
        m_grid->setFocus();
    editor->hide();
}

void TfChInfo::hideEditors() {
    closeEditor(true);
    for (QComboBox* c : {m_cbQT, m_cbDQT, m_cbfsgl, m_cbkz, m_cbHave})
        c->hide();
}

void TfChInfo::EndEditing() {
    m_delegate->Finish();
    hideEditors();
}

void TfChInfo::moveFromEditor(const QKeyEvent* key) {
    const QModelIndex before = m_grid->currentIndex();
    closeEditor(true);
    m_grid->setFocus();
    QKeyEvent move(QEvent::KeyPress, key->key(), key->modifiers() & ~Qt::AltModifier);
    QCoreApplication::sendEvent(m_grid, &move);
    if (m_grid->currentIndex() == before)
        ShowCellEditor(); // at the edge of the grid the editor stays where it is
}

bool TfChInfo::editorKey(QComboBox* combo, const QKeyEvent* key) {
    if (combo->view()->isVisible())
        return false; // the open list takes its keys: there the arrows choose
    const bool tone = combo->isEditable();
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        closeEditor(true);
        m_grid->setFocus();
        return true;
    case Qt::Key_Escape:
        closeEditor(false);
        m_grid->setFocus();
        return true;
    case Qt::Key_Down:
        if (key->modifiers() & Qt::AltModifier)
            return false; // opens the list, or for a tone the picker
        [[fallthrough]];
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        moveFromEditor(key);
        return true;
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (tone)
            return false; // the cursor moves in the typed text
        moveFromEditor(key);
        return true;
    default:
        return false;
    }
}

bool TfChInfo::eventFilter(QObject* watched, QEvent* event) {
    auto* combo = qobject_cast<QComboBox*>(watched);
    if (!combo && watched->parent())
        combo = qobject_cast<QComboBox*>(watched->parent());
    if (!combo)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusOut: {
        // Its own list or a dialog it opened (the tone picker) takes the focus
        // for a while: the editor stays open for what they give it.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (combo == m_openEditor && reason != Qt::PopupFocusReason &&
            reason != Qt::ActiveWindowFocusReason && !combo->view()->isVisible() &&
            !combo->hasFocus())
            closeEditor(true);
        break;
    }
    case QEvent::Wheel:
        return true; // turning the wheel over an editor changes nothing
    case QEvent::KeyPress:
        if (editorKey(combo, static_cast<QKeyEvent*>(event)))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
