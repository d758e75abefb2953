// Settings and language files of any bytes: start-up reads them without
// crashing, and a key written is read back as written, every other line kept.
#include "FuzzContext.h"
#include "app/IniFile.h"
#include "app/Settings.h"
#include "app/TALL.h"
#include "app/TLanguage.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath("SysInfo.Ini");
    QFile::remove(dir.filePath("Fuzz.Ini"));
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    QFile::copy(path, dir.filePath("Fuzz.Ini"));

    TALL all;
    all.AppDir = dir.path() + '/';
    all.LanguageChoice = true;
    ReadSettings(all);
    TLanguage texts;
    texts.LoadMessageTexts(all.AppDir, QStringLiteral("Fuzz"));

    IniFile ini(path);
    const QStringList sections{"SysInfo", "Language", "Ports", "fMainFrm"};
    for (const QString& section : sections)
        for (const QString& key : ini.keys(section))
            (void)ini.value(section, key, QString());

    FUZZ_CHECK(ini.setValue("SysInfo", "Com", "COM7"));
    FUZZ_CHECK(IniFile(path).value("SysInfo", "Com", "") == "COM7");
    return 0;
}
