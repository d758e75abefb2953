#include "TfToneOption.h"

#include "FontFit.h"
#include "FormTranslator.h"
#include "Tags.h"
#include "app/AppContext.h"
#include "channels/ToneCodes.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kCtcssGroups = 5;
constexpr int kCtcssRows = 9;
constexpr int kDcsGroups = 8;
constexpr int kDcsRows = 11;
constexpr int kDcsFirstLine = 45; // DCS line n is line 45 + n of the code list
const QColor kCtcssIndex(249, 141, 227);
const QColor kCtcssLetters(225, 249, 112);
const QColor kDcsIndex(47, 231, 220);
constexpr int kSelectable = Qt::UserRole + 1;

QTableWidgetItem* cell(const QString& text, const QColor& background, bool selectable) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setBackground(background);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(kSelectable, selectable);
    if (selectable) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    return item;
}

} // namespace

TfToneOption::TfToneOption(const AppContext& ctx, QWidget* parent) : QDialog(parent) {
    setObjectName("fToneOption");
    setWindowTitle("Channel Tone Option");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

    m_group = new QGroupBox("Channel Voice Selection", this);
    m_group->setObjectName("GroupBox1");
    const char* names[] = {"rCTCSS", "rDCSN", "rDCSI"};
    const char* captions[] = {"CTCSS", "DCS-N", "DCS-I"};
    auto* radios = new QHBoxLayout(m_group);
    for (int tag = 0; tag < 3; ++tag) {
        m_pages[tag] = new QRadioButton(captions[tag], m_group);
        m_pages[tag]->setObjectName(names[tag]);
        Tags::Set(m_pages[tag], tag);
        radios->addWidget(m_pages[tag]);
        connect(m_pages[tag], &QRadioButton::clicked, this, [this, tag] { choosePage(tag); });
    }
    m_pages[0]->setChecked(true);

    m_list = new QGroupBox(this);
    m_list->setObjectName("gbList");
    auto* grids = new QVBoxLayout(m_list);
    m_grids[0] = makeGrid("gvCtcss", kCtcssGroups, 3, kCtcssRows);
    m_grids[1] = makeGrid("gvDcsN", kDcsGroups, 2, kDcsRows);
    m_grids[2] = makeGrid("gvDcsI", kDcsGroups, 2, kDcsRows);
    for (QTableWidget* grid : m_grids)
        grids->addWidget(grid);

    m_lbValue = new QListWidget(this);
    m_lbValue->setObjectName("lbValue");
    Tags::Set(m_lbValue, Tags::kNeverTranslate);
    m_lbValue->hide();
    int index = 1;
    for (const auto& e : ToneCodes::PickerCtcssEntries())
        m_lbValue->addItem(e.index + '-' + e.value + '-' + e.letters);
    for (int i = 0; i < 3; ++i)
        m_lbValue->addItem(QString());
    for (const QString& code : ToneCodes::PickerDcsCodes())
        m_lbValue->addItem(QString::number(index++) + "-D" + code);
    for (int i = 0; i < 3; ++i)
        m_lbValue->addItem(QString());
    m_lbSel = new QListWidget(this);
    m_lbSel->setObjectName("lbSel");
    m_lbSel->addItems({"CTCSS", "DCS-N", "DCS-I"});
    m_lbSel->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_group);
    layout->addWidget(m_list);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    fillGrids();
    fitGrid(m_grids[0], {32, 43, 32}, 24);
    for (QTableWidget* grid : {m_grids[1], m_grids[2]})
        fitGrid(grid, {25, 43}, 20);
    // The keyboard starts on the first value: arrows move, Enter chooses.
    for (QTableWidget* grid : m_grids)
        grid->setCurrentCell(0, 1);
    if (ctx.all().LanguageIndex > 0)
        TranslateForm(this, ctx.all().AppDir, ctx.all().LanguageName, false);
    m_result.clear();
    choosePage(0);
    m_grids[0]->setFocus();
}

QTableWidget* TfToneOption::makeGrid(const char* name, int groups, int columnsPerGroup, int rows) {
    auto* grid = new QTableWidget(rows, groups * columnsPerGroup, m_list);
    grid->setObjectName(name);
    Tags::Set(grid, Tags::kNeverTranslate);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setContextMenuPolicy(Qt::NoContextMenu);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setTabKeyNavigation(false);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->installEventFilter(this); // Enter chooses, as a double-click does
    connect(grid, &QTableWidget::cellDoubleClicked, this,
            [this, grid](int row, int column) { ChooseCell(grid, row, column); });
    return grid;
}

void TfToneOption::fitGrid(QTableWidget* grid, const QList<int>& widths, int rowHeight) {
    // The given sizes are minimums: every value is shown whole, in bold, at any font.
    QFont bold = grid->font();
    bold.setBold(true);
    const QFontMetrics boldMetrics(bold);
    int total = 0;
    for (int c = 0; c < grid->columnCount(); ++c) {
        QStringList texts;
        for (int r = 0; r < grid->rowCount(); ++r)
            if (const QTableWidgetItem* item = grid->item(r, c))
                texts << item->text();
        const bool selectable = grid->item(0, c) && grid->item(0, c)->data(kSelectable).toBool();
        const int width = FontFit::Width(selectable ? boldMetrics : grid->fontMetrics(), texts,
                                         widths[c % widths.size()]);
        grid->setColumnWidth(c, width);
        total += width;
    }
    const int height = FontFit::LineHeight(boldMetrics, rowHeight);
    grid->verticalHeader()->setDefaultSectionSize(height);
    grid->setFixedSize(total + 2 * grid->frameWidth(),
                       grid->rowCount() * height + 2 * grid->frameWidth());
}

void TfToneOption::fillGrids() {
    for (int g = 0; g < kCtcssGroups; ++g)
        for (int r = 0; r < kCtcssRows; ++r) {
            const QStringList parts = m_lbValue->item(kCtcssRows * g + r)->text().split('-');
            m_grids[0]->setItem(r, 3 * g, cell(parts.value(0), kCtcssIndex, false));
            m_grids[0]->setItem(r, 3 * g + 1, cell(parts.value(1), Qt::white, true));
            m_grids[0]->setItem(r, 3 * g + 2, cell(parts.value(2), kCtcssLetters, false));
        }
    for (int page = 1; page <= 2; ++page)
        for (int g = 0; g < kDcsGroups; ++g)
            for (int r = 0; r < kDcsRows; ++r) {
                const QString line = m_lbValue->item(kDcsFirstLine + kDcsRows * g + r)->text();
                const QStringList parts = line.split('-');
                const QString code =
                    line.isEmpty() ? QString() : parts.value(1) + (page == 1 ? "N" : "I");
                m_grids[page]->setItem(r, 2 * g, cell(parts.value(0), kDcsIndex, false));
                m_grids[page]->setItem(r, 2 * g + 1, cell(code, Qt::white, true));
            }
}

void TfToneOption::choosePage(int tag) {
    m_list->setEnabled(false);
    for (int i = 0; i < 3; ++i)
        m_grids[i]->setVisible(m_pages[i]->isChecked());
    m_list->setTitle(m_lbSel->item(tag)->text());
    m_list->setEnabled(true);
}

QTableWidget* TfToneOption::Page(int tag) const {
    return m_grids[tag];
}

void TfToneOption::ChooseCell(QTableWidget* grid, int row, int column) {
    if (grid->isHidden())
        return;
    const QTableWidgetItem* item = grid->item(row, column);
    if (!item || !item->data(kSelectable).toBool())
        return;
    m_result = item->text();
    accept();
}

bool TfToneOption::eventFilter(QObject* watched, QEvent* event) {
    auto* grid = qobject_cast<QTableWidget*>(watched);
    if (grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ChooseCell(grid, grid->currentRow(), grid->currentColumn());
            return true; // a cell that is no value leaves the picker open
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString TfToneOption::PickTone(const AppContext& ctx, QWidget* parent) {
    TfToneOption picker(ctx, parent);
    picker.exec();
    return picker.Result();
}
