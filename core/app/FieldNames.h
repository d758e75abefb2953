#pragma once

#include <QString>
#include <QStringList>

#include <vector>

/**
 * How the windows name a codeplug's fields and show their values, in one
 * language: the model and band captions of the main window, the channel
 * table's column captions, its None text and lists, the Function Setting
 * dialog's captions and lists, and the on/off words. The window program
 * gathers them from its translated windows; English() is the built-in
 * English, which qx7-cli uses.
 */
struct FieldNames {
    struct Setting {
        QString caption;
        /** A list's entries as the dialog shows them; empty for a check box or the gain level. */
        QStringList items;
    };

    QString model;
    QString band;
    /** The ten column captions, Channel No. to Busy Lockout. */
    QStringList columns;
    QString noTone;
    QStringList power;
    QStringList bandwidth;
    QStringList yesNo;
    /** One per function setting, in the order of SettingTexts(). */
    std::vector<Setting> settings;
    QString on;
    QString off;
    /** The word before a channel's number: "channel 3 TX Frequency". */
    QString channel;
    /** The Embedded Message caption; the line's number follows it. */
    QString message;
    /** What stands for a value that is not there: a channel not in use, no TX frequency. */
    QString empty;

    static FieldNames English();
};
