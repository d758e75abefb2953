#pragma once

#include "TestUtil.h"
#include "TfMainFrm.h"
#include "app/AppContext.h"
#include "ScriptedFileDialogs.h"
#include "ScriptedPrompter.h"
#include "channels/ChannelEditing.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

/** A temporary application directory, optionally with the shipped language files. */
class TempHome {
  public:
    explicit TempHome(bool withLanguageFiles = false) {
        if (withLanguageFiles)
            for (const char* name : {"English.Ini", "Chinese.Ini"})
                QFile::copy(QStringLiteral(QX7_LANG_DIR "/") + name, m_dir.filePath(name));
    }
    QString path() const { return m_dir.path() + '/'; }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        WriteFileBytes(m_dir.filePath(name), bytes);
    }

  private:
    QTemporaryDir m_dir;
};

/**
 * Runs action on the next modal dialog that opens (the command under test
 * blocks in exec() until the action closes it). Returns a flag that tells
 * whether it ran.
 */
inline std::shared_ptr<QString> WhenModal(std::function<void(QWidget*)> action) {
    auto seen = std::make_shared<QString>();
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action, seen] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        timer->stop();
        timer->deleteLater();
        *seen = modal->objectName().isEmpty() ? QString("?") : modal->objectName();
        action(modal);
    });
    timer->start();
    return seen;
}

/** A started program in a temporary directory, its main window shown. */
struct RunningProgram {
    explicit RunningProgram(bool languageFiles = false, const QByteArray& settings = {})
        : home(languageFiles) {
        if (!settings.isEmpty())
            home.write("SysInfo.Ini", settings);
        ctx = std::make_unique<AppContext>(home.path());
        window = std::make_unique<TfMainFrm>(*ctx, prompter, dialogs);
        window->show();
        exposed = QTest::qWaitForWindowExposed(window.get());
    }
    ~RunningProgram() {
        if (window && window->isVisible()) {
            prompter.Enqueue(Prompt::kYes);
            prompter.Enqueue(Prompt::kNo);
            window->close();
        }
    }
    void addChannel(int row, const char* rx) {
        ChannelEditing::CommitCellText(*ctx, window->Store(), prompter, row, ChannelStore::ColRx,
                                       rx);
    }
    TempHome home;
    std::unique_ptr<AppContext> ctx;
    ScriptedPrompter prompter;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<TfMainFrm> window;
    bool exposed = false;
};
