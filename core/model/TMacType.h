#pragma once

#include <QString>
#include <QStringList>

/** One radio model of the catalogue. */
class TMacType {
  public:
    TMacType(QString code, int channelCount, QString name)
        : Code(std::move(code)), Name(std::move(name)), ChannelCount(channelCount) {}

    void SetLimits(double lower, double upper) {
        MinFreq = lower;
        MaxFreq = upper;
    }
    void AddBand(const QString& band) { Bands.append(band); }
    void SetDefaultBand(const QString& band) { DefaultBand = band; }
    void SetReservedSlots(int count) { ReservedSlots = count; }

    /** The identity a radio reports and the data file carries, four characters. */
    QString Code;
    /** Display name: the application title followed by "(UHF)" or "(VHF)". */
    QString Name;
    int ChannelCount = 0;
    double MaxFreq = 0.0;
    double MinFreq = 0.0;
    QStringList Bands;
    /** Record slots between the last channel record and the first message record. */
    int ReservedSlots = 0;
    QString DefaultBand;
};
