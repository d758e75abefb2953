#include "Artwork.h"

#include <QPainter>
#include <QSvgRenderer>

// Resources of a static library are registered by hand, once.
static void initResources() {
    Q_INIT_RESOURCE(qx7);
}

namespace Artwork {

void EnsureResources() {
    static const bool done = [] {
        initResources();
        return true;
    }();
    (void)done;
}

namespace {

QPixmap render(const QString& path, QSize size) {
    EnsureResources();
    QSvgRenderer renderer(path);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon icon(const QString& path) {
    QIcon result;
    for (int side : {16, 24, 32, 48})
        result.addPixmap(render(path, QSize(side, side)));
    return result;
}

} // namespace

QIcon ToolImage(int index) {
    static const char* const names[] = {"new",   "open", "print", "save", "radio",
                                        "write", "help", "read",  "edit"};
    if (index < 0 || index > 8)
        return {};
    return icon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(names[index])));
}

QPixmap Background() {
    return render(QStringLiteral(":/background.svg"), QSize(200, 150));
}

QIcon AppIcon() {
    return icon(QStringLiteral(":/qx7.svg"));
}

} // namespace Artwork
