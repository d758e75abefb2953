#pragma once

#include "app/Prompter.h"
#include "session/SessionAction.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

/**
 * What happened on the line during sessions, one line each and readable by a
 * person: every byte sent and received with its time in milliseconds from the
 * session's start, each pause, time-out and line error, each prompt with its
 * answer, and how the session ended. It is kept in memory and written only
 * when asked, so that logging never delays a byte.
 */
class SessionLog {
  public:
    /** A session begins: a heading line, and the times count from 0 again. */
    void Begin(const QString& title);
    /** A line of the caller's own, at the current time. */
    void Note(const QString& what);

    void Sent(const QByteArray& bytes);
    void Received(const QByteArray& bytes);
    void Flushed();
    void TimerStarted(SessionTimer timer, int ms);
    void TimerFired(SessionTimer timer);
    void LineError(const QString& why);
    void Prompted(const QString& text, Prompt::Kind kind, Prompt::Result answer);
    void Ended(SessionOutcome outcome);

    const QStringList& Lines() const { return m_lines; }
    /** The lines, each ended by a line feed. */
    QByteArray Text() const;
    void Clear() { m_lines.clear(); }

    /** "02 50 52  .PR": bytes as hex and as characters, as the log shows them. */
    static QString Bytes(const QByteArray& bytes);

  private:
    void add(const QString& what, const QString& detail = {});

    QElapsedTimer m_clock;
    QStringList m_lines;
    int m_started[4] = {};
};
