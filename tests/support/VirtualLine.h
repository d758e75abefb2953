#pragma once

#include "ScriptedPrompter.h"
#include "SimulatedRadio.h"
#include "session/RadioSession.h"

#include <map>
#include <optional>
#include <vector>

/**
 * A radio session and a simulated radio over a virtual line, with time
 * advanced by the test: no port, no thread, no sleep. Bytes take their line
 * time at 9600 baud when paced, none otherwise.
 */
class VirtualLine {
  public:
    static constexpr long long kByteMicros = 1146;

    VirtualLine(RadioSession& session, SimulatedRadio& radio, ScriptedPrompter& prompter)
        : m_session(session), m_radio(radio), m_prompter(prompter) {}

    void SetPaced(bool paced) { m_paced = paced; }

    /** Bytes that came in before the session listens: they wait in the port's buffer. */
    void Inject(const QByteArray& bytes) { m_portBuffer += bytes; }
    /** Bytes from elsewhere on the line that arrive at the program at a given time (µs). */
    void InjectAt(const QByteArray& bytes, long long at) {
        m_deliveries.push_back({at, bytes, false, false});
    }
    /** After the radio drops the line, the cable is plugged in again before the next open. */
    void PlugInAgainAfterHangup() { m_replug = true; }
    /** How often the port was opened again after the line was lost. */
    int Reopens() const { return m_reopens; }
    /** When the program flushed the port (µs since start). */
    const std::vector<long long>& Flushes() const { return m_flushes; }

    /** Presses OK and runs until the session ends or nothing is left to happen. */
    void Start() {
        m_outcome.reset();
        m_startedAt = m_now;
        m_session.Start();
        Run();
    }

    void Run(long long limitMicros = 600'000'000) {
        apply();
        while (!m_outcome && m_now < limitMicros) {
            // The earliest of the pending timers and deliveries happens next.
            long long next = -1;
            int kind = 0;
            SessionTimer timer = SessionTimer::Pause;
            for (const auto& [t, due] : m_timers)
                if (next < 0 || due < next) {
                    next = due;
                    kind = 1;
                    timer = t;
                }
            for (size_t i = 0; i < m_deliveries.size(); ++i)
                if (next < 0 || m_deliveries[i].due < next) {
                    next = m_deliveries[i].due;
                    kind = 2;
                }
            if (next < 0)
                return;
            m_now = next;
            if (kind == 1) {
                m_timers.erase(timer);
                m_session.OnTimer(timer);
            } else {
                deliverDue();
            }
            apply();
        }
    }

    /** Every byte the program sent, in order, and when it was sent (µs since start). */
    struct Sent {
        long long at;
        QByteArray bytes;
    };
    const std::vector<Sent>& SentLog() const { return m_sent; }
    QByteArray AllSent() const {
        QByteArray all;
        for (const Sent& s : m_sent)
            all += s.bytes;
        return all;
    }
    int CommandsSent(char command) const {
        int n = 0;
        for (const Sent& s : m_sent)
            n += !s.bytes.isEmpty() && s.bytes[0] == command && s.bytes.size() >= 4 ? 1 : 0;
        return n;
    }
    const std::vector<std::pair<int, int>>& ProgressLog() const { return m_progress; }
    std::optional<SessionOutcome> Outcome() const { return m_outcome; }
    long long Now() const { return m_now; }
    long long Elapsed() const { return m_now - m_startedAt; }
    bool OkEnabled() const { return m_okEnabled; }

  private:
    struct Delivery {
        long long due;
        QByteArray bytes;
        bool lineError;
        bool toRadio;
    };

    long long lineTime(int bytes) const { return m_paced ? kByteMicros * bytes : 0; }

    void apply() {
        for (auto actions = m_session.TakeActions(); !actions.empty();
             actions = m_session.TakeActions()) {
            for (const SessionAction& a : actions)
                applyOne(a);
            // As the driver does, a port that cannot be opened is reported after the batch.
            if (std::exchange(m_portFailed, false))
                m_session.OnPortFailed();
        }
    }

    /** Bytes reach the program: together with any still waiting in the port's buffer. */
    void arrive(const QByteArray& bytes) {
        m_portBuffer += bytes;
        m_session.Feed(std::exchange(m_portBuffer, {}));
    }

    void applyOne(const SessionAction& a) {
        using Kind = SessionAction::Kind;
        switch (a.kind) {
        case Kind::Reopen:
            if (m_portOpen)
                break;
            if (m_replug) {
                ++m_reopens;
                m_radio.Replug();
                m_hungUp = false;
                m_portOpen = true;
            } else {
                m_portFailed = true;
            }
            break;
        case Kind::Send:
            m_sent.push_back({m_now - m_startedAt, a.bytes});
            if (m_hungUp || !m_portOpen) {
                m_deliveries.push_back({m_now, {}, true, false});
                break;
            }
            m_lineFree = std::max(m_lineFree, m_now) + lineTime(static_cast<int>(a.bytes.size()));
            m_deliveries.push_back({m_lineFree, a.bytes, false, true});
            break;
        case Kind::StartTimer:
            m_timers[a.timer] = m_now + 1000LL * a.ms;
            break;
        case Kind::StopTimer:
            m_timers.erase(a.timer);
            break;
        case Kind::Drain:
            m_drainDue = m_now + 50'000;
            m_deliveries.push_back({m_drainDue, {}, false, false});
            break;
        case Kind::Prompt: {
            static const char* names[] = {"ComError", "ModError", "Modforce", "ReadOk", "WriteOk"};
            const int result = m_prompter.ShowPrompt(
                "Confirmation", names[static_cast<int>(a.message)], a.promptKind);
            if (a.promptKind != 1)
                m_session.Answer(result);
            break;
        }
        case Kind::Progress:
            m_progress.emplace_back(a.value, a.maximum);
            break;
        case Kind::EnableOk:
            m_okEnabled = a.value != 0;
            break;
        case Kind::Ended:
            m_timers.clear();
            m_outcome = a.outcome;
            break;
        case Kind::Flush:
            // What arrived and was not taken is gone.
            m_flushes.push_back(m_now - m_startedAt);
            m_portBuffer.clear();
            break;
        }
    }

    void deliverDue() {
        for (size_t i = 0; i < m_deliveries.size(); ++i) {
            if (m_deliveries[i].due != m_now)
                continue;
            const Delivery d = m_deliveries[i];
            m_deliveries.erase(m_deliveries.begin() + static_cast<ptrdiff_t>(i));
            if (d.lineError) {
                m_session.OnLineError();
            } else if (!d.toRadio) {
                if (d.bytes.isEmpty() && d.due == m_drainDue)
                    m_session.OnDrained();
                else
                    arrive(d.bytes);
            } else {
                const SimulatedRadio::Reply reply = m_radio.Receive(d.bytes);
                if (reply.hangup) {
                    m_hungUp = true;
                    m_portOpen = false; // the driver closes a port whose line is lost
                    m_deliveries.push_back({m_now, {}, true, false});
                } else if (!reply.bytes.isEmpty()) {
                    m_lineFree = std::max(m_lineFree, m_now) +
                                 lineTime(static_cast<int>(reply.bytes.size()));
                    m_deliveries.push_back({m_lineFree, reply.bytes, false, false});
                }
            }
            return;
        }
    }

    RadioSession& m_session;
    SimulatedRadio& m_radio;
    ScriptedPrompter& m_prompter;
    bool m_paced = false;
    long long m_now = 0;
    long long m_startedAt = 0;
    long long m_lineFree = 0;
    long long m_drainDue = -1;
    bool m_hungUp = false;
    bool m_portOpen = true;
    bool m_portFailed = false;
    bool m_replug = false;
    int m_reopens = 0;
    QByteArray m_portBuffer;
    std::vector<long long> m_flushes;
    bool m_okEnabled = true;
    std::map<SessionTimer, long long> m_timers;
    std::vector<Delivery> m_deliveries;
    std::vector<Sent> m_sent;
    std::vector<std::pair<int, int>> m_progress;
    std::optional<SessionOutcome> m_outcome;
};
