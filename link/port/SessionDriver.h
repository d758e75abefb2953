#pragma once

#include "session/RadioSession.h"

#include <QObject>
#include <QTimer>

#include <deque>
#include <functional>
#include <map>

class Prompter;
class SessionLog;
class QSerialPort;
class TLanguage;

/**
 * Binds a radio session to a serial port, to timers and to the prompts, on
 * the thread of its caller. Everything the port and the timers report is
 * queued and handed to the session one event at a time; while a prompt is
 * shown nothing reaches the session.
 */
class SessionDriver : public QObject {
    Q_OBJECT

  public:
    static constexpr std::chrono::milliseconds kDrainLook{50};
    static constexpr int kDrainLooks = 100;

    SessionDriver(RadioSession& session, QSerialPort& port, Prompter& prompter,
                  const TLanguage& texts, QObject* parent = nullptr);

    /**
     * How to open the port again when a session starts after the line was lost
     * (an unplugged cable); it reports its own failure and returns false then.
     */
    void SetReopen(std::function<bool()> reopen) { m_reopen = std::move(reopen); }
    /** Where to log what happens on the line; none by default. */
    void SetLog(SessionLog* log) { m_log = log; }

    /** OK: starts the session (again). */
    void Start();
    /** Ends the session at once and stops every timer. */
    void Cancel();
    bool Running() const { return m_running; }
    /** The text a session's message shows in the given language. */
    static QString TextOf(const TLanguage& texts, SessionMessage message);
    /** The session's timers that run now, the drain's included. */
    int ActiveTimers() const;

  signals:
    void progressChanged(int value, int maximum);
    void okEnabledChanged(bool enabled);
    void ended(SessionOutcome outcome);

  private:
    void deliver(std::function<void()> event);
    void apply(const SessionAction& action);
    bool reopen();
    void onReadyRead();
    void onError(int error);
    void onDrainLook();

    RadioSession& m_session;
    QSerialPort& m_port;
    Prompter& m_prompter;
    const TLanguage& m_texts;
    std::function<bool()> m_reopen;
    SessionLog* m_log = nullptr;
    std::map<SessionTimer, QTimer*> m_timers;
    QTimer m_drain;
    int m_drainLooks = 0;
    std::deque<std::function<void()>> m_events;
    bool m_delivering = false;
    bool m_reopening = false;
    bool m_running = false;
};
