#include "Settings.h"

#include "IniFile.h"
#include "TALL.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

QString installedPath(const TALL& all) {
    return all.AppDir + QLatin1String(kSettingsFile);
}

QString settingsPath(const TALL& all) {
    return all.SettingsFile.isEmpty() ? installedPath(all) : all.SettingsFile;
}

} // namespace

QString ChooseSettingsFile(const QString& appDir, bool appDirWritable, const QString& configHome) {
    if (appDirWritable)
        return QDir(appDir).filePath(QLatin1String(kSettingsFile));
    return QDir(configHome).filePath(QStringLiteral("qx7/") + QLatin1String(kSettingsFile));
}

QString SettingsReadPath(const TALL& all) {
    const QString file = settingsPath(all);
    return QFileInfo::exists(file) ? file : installedPath(all);
}

void ReadSettings(TALL& all) {
    const IniFile ini(SettingsReadPath(all));
    const QString section = QLatin1String(kSettingsSection);
    all.PortName = ini.value(section, "Com", "Com1");
    const QString languageId = ini.value(section, "Language_ID", "0");
    all.HelpPrefix = ini.value(section, "Help", "HQ");
    if (all.LanguageChoice) {
        bool ok = false;
        const int index = languageId.toInt(&ok);
        all.LanguageIndex = ok ? index : 0;
    }
    bool ok = false;
    const int picId = ini.value(section, "PicID", "0").toInt(&ok);
    all.PicId = ok ? picId + 1 : 1;

    // Walk the list LanguageIndex + 1 times; an index past its end leaves the name empty.
    QString rest = ini.value(section, "Language", "Chinese|English");
    QString name;
    for (int step = 0; step <= all.LanguageIndex; ++step) {
        const int bar = rest.indexOf('|');
        if (bar >= 0) {
            name = rest.left(bar);
            rest.remove(0, bar + 1);
        } else {
            name = rest;
            rest.clear();
        }
    }
    all.LanguageName = name;
    all.WriteBackup = ini.value(section, "Backup", "1") != QLatin1String("0");
    all.WriteVerify = ini.value(section, "Verify", "1") != QLatin1String("0");
}

namespace {

Result<void> writeKeys(const TALL& all,
                       std::initializer_list<std::pair<const char*, QString>> keys) {
    const QString file = settingsPath(all);
    if (!QFileInfo::exists(file) && QFileInfo::exists(installedPath(all))) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile::copy(installedPath(all), file);
    }
    IniFile ini(file);
    const QString section = QLatin1String(kSettingsSection);
    for (const auto& [key, value] : keys)
        if (Result<void> written = ini.setValue(section, key, value); !written)
            return written;
    return Result<void>::Ok();
}

QString flag(bool on) {
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

Result<void> WriteSettings(const TALL& all) {
    return writeKeys(all, {{"Com", all.PortName},
                           {"Language_ID", QString::number(all.LanguageIndex)},
                           {"PicID", QString::number(all.PicId - 1)}});
}

Result<void> WriteSafeWriteSettings(const TALL& all) {
    return writeKeys(all, {{"Backup", flag(all.WriteBackup)}, {"Verify", flag(all.WriteVerify)}});
}

QStringList SplitBarList(QString text) {
    QStringList entries;
    while (!text.isEmpty()) {
        const int bar = text.indexOf('|');
        if (bar < 0) {
            entries.append(text);
            text.clear();
        } else {
            entries.append(text.left(bar));
            text.remove(0, bar + 1);
        }
    }
    return entries;
}
