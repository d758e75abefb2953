#include "TfTestFrequency.h"

#include "DialogParts.h"
#include "FontFit.h"
#include "FormTranslator.h"
#include "FrequencyDelegate.h"
#include "app/AppContext.h"
#include "app/Prompter.h"
#include "channels/ChannelStore.h"
#include "channels/FrequencyEntry.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRows = 16;
constexpr int kColumns = 3;
constexpr int kRowHeight = 24;

} // namespace

TfTestFrequency::TfTestFrequency(AppContext& ctx, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_prompter(prompter) {
    DialogParts::SetUp(this, "fTestFrequency", "Test Frequency");

    m_grid = new QTableWidget(kRows, kColumns, this);
    m_grid->setObjectName("gvData");
    m_grid->setHorizontalHeaderLabels(
        {QStringLiteral("信道"), QStringLiteral("接收[MHz]"), QStringLiteral("发射[MHz]")});
    m_grid->verticalHeader()->hide();
    m_grid->setContextMenuPolicy(Qt::NoContextMenu);
    m_grid->setItemDelegate(new FrequencyDelegate(m_grid));
    m_warning = new QLabel("Test Frequency mismatch.#10#13Execute read data from radio or write "
                           "to radio.",
                           this);
    m_warning->setObjectName("Label1");
    m_warning->hide();
    QPushButton* ok = nullptr;
    QHBoxLayout* buttons = DialogParts::OkCancel(this, &ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &TfTestFrequency::ok);

    if (ctx.all().LanguageIndex > 0)
        TranslateForm(this, ctx.all().AppDir, ctx.all().LanguageName, true);
    fitGrid();
    const TTestFre& test = ctx.testFre();
    for (int r = 0; r < kRows; ++r) {
        auto* number = new QTableWidgetItem(QString::number(r + 1));
        number->setFlags(Qt::ItemIsEnabled);
        number->setTextAlignment(Qt::AlignCenter);
        number->setBackground(QApplication::palette().button());
        m_grid->setItem(r, 0, number);
        const QString texts[] = {test.RxFreq[static_cast<size_t>(r)],
                                 test.TxFreq[static_cast<size_t>(r)]};
        for (int c = 1; c < kColumns; ++c) {
            auto* cell = new QTableWidgetItem(texts[c - 1]);
            cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(r, c, cell);
        }
    }
    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() > 0)
            CommitCell(item->row() + 1, item->column() + 1, item->text());
    });
    m_edited = false;
}

void TfTestFrequency::fitGrid() {
    // 60, 100 and 100 pixels and rows of 24 at the least; more where the font needs it.
    const int minimums[kColumns] = {60, 100, 100};
    const QString samples[kColumns] = {QStringLiteral("16"), QStringLiteral("88888.88888"),
                                       QStringLiteral("88888.88888")};
    int width = 0;
    for (int c = 0; c < kColumns; ++c) {
        const QString caption = m_grid->horizontalHeaderItem(c)->text();
        m_grid->setColumnWidth(
            c, std::max(FontFit::Width(m_grid->fontMetrics(), {samples[c]}, minimums[c]),
                        FontFit::Width(m_grid->horizontalHeader()->fontMetrics(), {caption}, 0)));
        width += m_grid->columnWidth(c);
    }
    const int row = FontFit::LineHeight(m_grid->fontMetrics(), kRowHeight);
    m_grid->verticalHeader()->setDefaultSectionSize(row);
    m_grid->setFixedSize(width + 2 * m_grid->frameWidth() + 2,
                         m_grid->horizontalHeader()->sizeHint().height() + kRows * row +
                             2 * m_grid->frameWidth());
}

void TfTestFrequency::CommitCell(int row, int col, const QString& text) {
    QTableWidgetItem* item = m_grid->item(row - 1, col - 1);
    const QSignalBlocker block(m_grid);
    item->setText(ChannelEditing::TestFrequencyText(m_ctx, m_prompter, text));
    m_edited = true;
}

void TfTestFrequency::ok() {
    TTestFre& test = m_ctx.testFre();
    for (int r = 0; r < kRows; ++r) {
        test.RxFreq[static_cast<size_t>(r)] = m_grid->item(r, 1)->text();
        test.TxFreq[static_cast<size_t>(r)] = m_grid->item(r, 2)->text();
    }
    accept();
}

void TfTestFrequency::done(int result) {
    // OK, Cancel and the close box all end here: an edited table shows the warning.
    if (m_edited)
        m_prompter.ShowPrompt(m_ctx.texts().Confirmation, m_warning->text(), Prompt::kInfo);
    QDialog::done(result);
}
