#pragma once

#include <QString>

#include <array>

/** The message texts of the prompts, each named by its message key. */
class TLanguage {
  public:
    struct Key {
        const char* name;
        QString TLanguage::*member;
        const char* defaultText; // UTF-8
    };
    /** The keys in their declared order with their built-in Chinese texts. */
    static const std::array<Key, 22>& Keys();

    /**
     * Fills every text from section "Language" of appDir + languageName + ".Ini";
     * a missing file or key gives the built-in text, an empty value an empty text.
     */
    void LoadMessageTexts(const QString& appDir, const QString& languageName);

    /**
     * The locale whose translations of the toolkit's own texts (the buttons of
     * message boxes, file dialogs, print preview) go with a language: "zh_CN"
     * for Chinese, none for English and any other language.
     */
    static QString ToolkitLocale(const QString& languageName);
    /** The language file for a locale such as "zh_CN.UTF-8": Chinese for Chinese, else English. */
    static QString LanguageOfLocale(const QString& locale);

    QString Confirmation;
    QString ExitProgram;
    QString SaveProgram;
    QString Channel;
    QString Info;
    QString OutRange;
    QString Caution;
    QString FChBigT;
    QString Close;
    QString Open;
    QString ComError;
    QString ModError;
    QString ClearData;
    QString Modforce;
    QString All;
    QString ErrRange;
    QString ModelType;
    QString Frequency;
    QString ReadOk;
    QString WriteOk;
    QString LPortError;
    /** The CSV import's question; %1 is the list of lines it leaves out. */
    QString CsvSkip;
};
