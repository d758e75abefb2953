#include "HelpWindow.h"

#include "Artwork.h"

#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString& title, const QString& language, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName("HelpWindow");
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);
    Artwork::EnsureResources();
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(true);
    QString path = QStringLiteral(":/help/manual_%1.html").arg(language);
    if (!QFile::exists(path))
        path = QStringLiteral(":/help/manual_English.html");
    m_browser->setSource(QUrl(QStringLiteral("qrc") + path));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(720, 640);
}

QString HelpWindow::Text() const {
    return m_browser->toPlainText();
}
