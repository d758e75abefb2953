#include "TfFrmAbout.h"

#include "FormTranslator.h"
#include "app/AppContext.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

constexpr int kMemoHeight = 80;
constexpr int kMemoLines = 5; // two lines, a blank line and a notice that may wrap once

} // namespace

TfFrmAbout::TfFrmAbout(const AppContext& ctx, QWidget* parent) : QDialog(parent) {
    setObjectName("fFrmAbout");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

    auto* icon = new QLabel(this);
    icon->setObjectName("ImApp");
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    icon->setFixedSize(32, 32);
    icon->installEventFilter(this);
    auto* lines = new QVBoxLayout;
    // Lines 1 to 6, top to bottom.
    const char* shown[] = {"Label1", "Label2", "Label3", "Label8", "Label4", "Label9"};
    int placeholder = 1;
    for (const char* name : shown) {
        auto* label = new QLabel(QString::number(placeholder++), this);
        label->setObjectName(name);
        label->installEventFilter(this);
        lines->addWidget(label);
    }
    auto* panel = new QWidget(this);
    panel->setObjectName("Panel1");
    panel->hide();
    panel->installEventFilter(this);
    for (const char* name : {"Label5", "Label6", "Label7"}) {
        auto* label = new QLabel(QString::number(placeholder++), panel);
        label->setObjectName(name);
        label->installEventFilter(this);
    }
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName("Memo1");
    m_memo->setReadOnly(true);
    // Five lines, as tall as the font needs; the box opens on its first line.
    m_memo->setFixedHeight(std::max(
        kMemoHeight, kMemoLines * m_memo->fontMetrics().lineSpacing() + 2 * m_memo->frameWidth() +
                         2 * static_cast<int>(m_memo->document()->documentMargin())));

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addLayout(lines, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_memo);
    setMinimumWidth(360);

    // On show: translated whatever the language index, captioned with the title.
    TranslateForm(this, ctx.all().AppDir, ctx.all().LanguageName, false);
    setWindowTitle(ctx.all().AppTitle);
    m_memo->clear();
    for (const char* name : {"Label5", "Label6"})
        m_memo->appendPlainText(findChild<QLabel*>(name)->text());
    m_memo->appendPlainText(QString());
    m_memo->appendPlainText(findChild<QLabel*>("Label7")->text());
    m_memo->moveCursor(QTextCursor::Start);
}

void TfFrmAbout::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    close();
}

bool TfFrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress)
        return QDialog::eventFilter(watched, event);
    // A press on a label or the panel closes the box; one on the icon does nothing.
    if (watched != findChild<QLabel*>("ImApp"))
        close();
    return true;
}
