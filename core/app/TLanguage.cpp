#include "TLanguage.h"

#include "IniFile.h"

const std::array<TLanguage::Key, 22>& TLanguage::Keys() {
    static const std::array<Key, 22> keys{{
        {"Confirmation", &TLanguage::Confirmation, "提示"},
        {"ExitProgram", &TLanguage::ExitProgram, "确定要退出系统？"},
        {"SaveProgram", &TLanguage::SaveProgram, "是否保存数据？"},
        {"Channel", &TLanguage::Channel, "信道"},
        {"Info", &TLanguage::Info, "信息"},
        {"OutRange", &TLanguage::OutRange, "频率超出范围！"},
        {"Caution", &TLanguage::Caution, "注意"},
        {"FChBigT", &TLanguage::FChBigT, "起始频道应小于结束频道！"},
        {"Close", &TLanguage::Close, "已关闭"},
        {"Open", &TLanguage::Open, "已启动"},
        {"ComError", &TLanguage::ComError, "检查所有连接及通信端口设置！"},
        {"ModError", &TLanguage::ModError, "机型错误，是否强写？"},
        {"ClearData", &TLanguage::ClearData, "是否清空数据？"},
        {"Modforce", &TLanguage::Modforce, "是否强制改写？"},
        {"All", &TLanguage::All, "全部"},
        {"ErrRange", &TLanguage::ErrRange, "频率出错！"},
        {"ModelType", &TLanguage::ModelType, "机型"},
        {"Frequency", &TLanguage::Frequency, "频率"},
        {"ReadOk", &TLanguage::ReadOk, "读取完成！"},
        {"WriteOk", &TLanguage::WriteOk, "写入完成！"},
        {"LPortError", &TLanguage::LPortError, "无法打开端口！"},
        {"CsvSkip", &TLanguage::CsvSkip, "以下各行无法导入：\n%1\n是否导入其余信道？"},
    }};
    return keys;
}

void TLanguage::LoadMessageTexts(const QString& appDir, const QString& languageName) {
    const IniFile ini(appDir + languageName + QStringLiteral(".Ini"));
    for (const Key& key : Keys())
        this->*key.member = ini.value(QStringLiteral("Language"), QString::fromLatin1(key.name),
                                      QString::fromUtf8(key.defaultText));
}

QString TLanguage::ToolkitLocale(const QString& languageName) {
    if (languageName.compare(QLatin1String("Chinese"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("zh_CN");
    return {};
}

QString TLanguage::LanguageOfLocale(const QString& locale) {
    return locale.startsWith(QLatin1String("zh"), Qt::CaseInsensitive) ? QStringLiteral("Chinese")
                                                                       : QStringLiteral("English");
}
