// qx7: the window program.

#include "Artwork.h"
#include "MessageBoxPrompter.h"
#include "QtFileDialogs.h"
#include "TfMainFrm.h"
#include "app/AppContext.h"
#include "app/IniFile.h"
#include "app/Settings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

namespace {

bool hasDisplay() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString optionValue(int argc, char** argv, const char* option) {
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], option) == 0)
            return QString::fromLocal8Bit(argv[i + 1]);
    return {};
}

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

bool hasOption(int argc, char** argv, const char* option) {
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], option) == 0)
            return true;
    return false;
}

// Where the program found its files: what an installation can be checked by.
int printVersion(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const AppContext ctx(ResolveAppDir(optionValue(argc, argv, "--home")));
    const TALL& all = ctx.all();
    QStringList languages;
    for (const QString& name :
         SplitBarList(IniFile(SettingsReadPath(all))
                          .value(kSettingsSection, "Language", QStringLiteral("Chinese|English"))))
        if (QFileInfo::exists(all.AppDir + name + QStringLiteral(".Ini")))
            languages << all.AppDir + name + QStringLiteral(".Ini");
    std::printf("qx7 %s\nfiles: %s\nsettings: %s\nlanguage files: %s\n", QX7_VERSION,
                qPrintable(all.AppDir), qPrintable(all.SettingsFile),
                qPrintable(languages.isEmpty() ? QStringLiteral("none") : languages.join(", ")));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    if (hasOption(argc, argv, "--version"))
        return printVersion(argc, argv);
    if (!hasDisplay()) {
        std::fprintf(stderr, "qx7 needs a desktop display: start it on your desktop, or without "
                             "one as \"xvfb-run build/bin/qx7\", or use build/bin/qx7-cli.\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QX7"));
    QApplication::setWindowIcon(Artwork::AppIcon());

    AppContext ctx(ResolveAppDir(optionValue(argc, argv, "--home")));
    MessageBoxPrompter prompter;
    QtFileDialogs dialogs;
    TfMainFrm window(ctx, prompter, dialogs);
    prompter.SetParent(&window);
    dialogs.SetParent(&window);
    window.resize(920, 680); // the size it keeps where nothing maximises it
    window.showMaximized();

    // The start-up benchmark asks for the time to a shown window and the memory held then.
    if (qEnvironmentVariableIsSet("QX7_STARTUP_PROBE")) {
        QTimer::singleShot(0, &window, [&] {
            std::printf("shown %lld ms, resident %ld kB\n",
                        static_cast<long long>(sinceStart.elapsed()), residentKilobytes());
            std::fflush(stdout);
            QApplication::exit(0);
        });
    }
    return QApplication::exec();
}
