#include "AppContext.h"

#include "Settings.h"
#include "model/Catalogue.h"
#include "model/Selection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

AppContext::AppContext(const QString& appDir) {
    m_all.AppDir = appDir.endsWith('/') ? appDir : appDir + '/';
    m_all.SettingsFile =
        ChooseSettingsFile(m_all.AppDir, QFileInfo(m_all.AppDir).isWritable(),
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    m_all.TestOnline = false;
    m_all.LanguageChoice = true;
    FillBandList(m_bands);
    FillCatalogue(m_models, m_all);
    ResetCodeplug();
    ReadSettings(m_all);
    m_texts.LoadMessageTexts(m_all.AppDir, m_all.LanguageName);
    m_all.Refreshing = false;
}

void AppContext::SelectFirstModel() {
    const TMacType* first = m_models.Item(0);
    SelectModel(m_all, *first);
    SelectBand(m_all, first->DefaultBand);
}

void AppContext::ResetCodeplug() {
    m_fun.Reset();
    m_message.Clear();
}

QString ResolveAppDir(const QString& homeOption) {
    QString dir = homeOption;
    if (dir.isEmpty())
        dir = qEnvironmentVariable("QX7_HOME");
    if (dir.isEmpty())
        dir = QCoreApplication::applicationDirPath();
    dir = QDir(dir).absolutePath();
    return dir.endsWith('/') ? dir : dir + '/';
}
