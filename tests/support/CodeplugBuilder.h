#pragma once

#include "image/Codeplug.h"
#include "image/MemoryMap.h"
#include "image/Record.h"

#include <QByteArray>
#include <QDateTime>

#include <vector>

class AppContext;

/**
 * Sample codeplugs for the tests, in a line or two: a model with its default
 * band, no channels, default settings and an empty message, and whatever a
 * test sets on top.
 */
class CodeplugBuilder {
  public:
    explicit CodeplugBuilder(const AppContext& ctx, const QString& modelCode = "8524");

    /** The band by its text; its edges from the text. */
    CodeplugBuilder& Band(const QString& text);
    /** Channel number (from 1) holds c. */
    CodeplugBuilder& Channel(int number, const ChannelValues& c);
    CodeplugBuilder& Message(const QString& line1, const QString& line2);
    /** The function settings, to be changed in place. */
    TFun& Settings() { return m_codeplug.fun; }

    const Codeplug& Build() const { return m_codeplug; }
    /** The data file of the codeplug, saved at time (a fixed one by default). */
    QByteArray DataFile(const QDateTime& time = QDateTime::fromSecsSinceEpoch(1717596420)) const;
    /** The records a write sends of it, in sending order. */
    std::vector<std::pair<MapEntry, Record>> RadioRecords() const;

  private:
    const AppContext& m_ctx;
    Codeplug m_codeplug;
};
