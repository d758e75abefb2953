#include "SessionDriver.h"

#include "SessionLog.h"
#include "app/Prompter.h"
#include "app/TLanguage.h"

#include <QSerialPort>

SessionDriver::SessionDriver(RadioSession& session, QSerialPort& port, Prompter& prompter,
                             const TLanguage& texts, QObject* parent)
    : QObject(parent), m_session(session), m_port(port), m_prompter(prompter), m_texts(texts) {
    for (SessionTimer t :
         {SessionTimer::Pause, SessionTimer::Try, SessionTimer::Head, SessionTimer::ReTime}) {
        auto* timer = new QTimer(this);
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, this, [this, t] {
            if (m_log)
                m_log->TimerFired(t);
            deliver([this, t] { m_session.OnTimer(t); });
        });
        m_timers[t] = timer;
    }
    m_drain.setTimerType(Qt::PreciseTimer);
    m_drain.setInterval(kDrainLook);
    connect(&m_drain, &QTimer::timeout, this, &SessionDriver::onDrainLook);
    connect(&m_port, &QSerialPort::readyRead, this, &SessionDriver::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError e) { onError(static_cast<int>(e)); });
}

void SessionDriver::Start() {
    m_running = true;
    deliver([this] { m_session.Start(); });
}

void SessionDriver::Cancel() {
    deliver([this] { m_session.Cancel(); });
}

void SessionDriver::deliver(std::function<void()> event) {
    m_events.push_back(std::move(event));
    if (m_delivering)
        return; // a prompt is up, or actions are being applied: it waits its turn
    m_delivering = true;
    while (!m_events.empty()) {
        auto next = std::move(m_events.front());
        m_events.pop_front();
        next();
        // Answering a prompt can give the session more to do: apply until it is quiet.
        for (auto actions = m_session.TakeActions(); !actions.empty();
             actions = m_session.TakeActions())
            for (const SessionAction& a : actions)
                apply(a);
    }
    m_delivering = false;
}

void SessionDriver::apply(const SessionAction& a) {
    using Kind = SessionAction::Kind;
    switch (a.kind) {
    case Kind::Reopen:
        if (!m_port.isOpen() && !reopen())
            m_events.push_back([this] { m_session.OnPortFailed(); });
        break;
    case Kind::Send:
        if (!m_port.isOpen() || m_port.write(a.bytes) != a.bytes.size())
            m_events.push_back([this] { m_session.OnLineError(); });
        if (m_log)
            m_log->Sent(a.bytes); // after the write, so that the log never delays a byte
        break;
    case Kind::Flush:
        if (m_port.isOpen())
            m_port.clear();
        if (m_log)
            m_log->Flushed();
        break;
    case Kind::StartTimer:
        m_timers[a.timer]->start(a.ms);
        if (m_log)
            m_log->TimerStarted(a.timer, a.ms);
        break;
    case Kind::StopTimer:
        m_timers[a.timer]->stop();
        break;
    case Kind::Drain:
        m_drainLooks = 0;
        m_drain.start();
        break;
    case Kind::Prompt: {
        const QString text = TextOf(m_texts, a.message);
        const Prompt::Result result =
            m_prompter.ShowPrompt(m_texts.Confirmation, text, a.promptKind);
        if (m_log)
            m_log->Prompted(text, a.promptKind, result);
        if (a.promptKind != Prompt::kInfo)
            m_session.Answer(result);
        break;
    }
    case Kind::Progress:
        emit progressChanged(a.value, a.maximum);
        break;
    case Kind::EnableOk:
        emit okEnabledChanged(a.value != 0);
        break;
    case Kind::Ended:
        for (auto& [timer, qtimer] : m_timers)
            qtimer->stop();
        m_drain.stop();
        m_running = false;
        if (m_log)
            m_log->Ended(a.outcome);
        emit ended(a.outcome);
        break;
    }
}

bool SessionDriver::reopen() {
    if (!m_reopen)
        return false;
    // What the port reports while it is being set up (a pseudo-terminal refuses
    // DTR and RTS) is no line error of the session.
    m_reopening = true;
    const bool opened = m_reopen();
    m_port.clearError();
    m_reopening = false;
    if (m_log)
        m_log->Note(opened ? QStringLiteral("the port is open again")
                           : QStringLiteral("the port cannot be opened again"));
    return opened;
}

void SessionDriver::onReadyRead() {
    const QByteArray bytes = m_port.readAll();
    if (bytes.isEmpty())
        return;
    if (m_log)
        m_log->Received(bytes);
    deliver([this, bytes] { m_session.Feed(bytes); });
}

void SessionDriver::onError(int error) {
    const auto e = static_cast<QSerialPort::SerialPortError>(error);
    if (e == QSerialPort::NoError || e == QSerialPort::TimeoutError || m_reopening)
        return;
    // The line cannot be trusted any more (an unplugged cable shows as any of
    // several errors): the next start opens the port again.
    if (m_log)
        m_log->LineError(m_port.errorString());
    m_port.clearError();
    if (m_port.isOpen())
        m_port.close();
    deliver([this] { m_session.OnLineError(); });
}

void SessionDriver::onDrainLook() {
    ++m_drainLooks;
    if (m_port.isOpen() && m_port.bytesToWrite() > 0 && m_drainLooks < kDrainLooks)
        return;
    m_drain.stop();
    deliver([this] { m_session.OnDrained(); });
}

QString SessionDriver::TextOf(const TLanguage& texts, SessionMessage message) {
    switch (message) {
    case SessionMessage::ComError:
        return texts.ComError;
    case SessionMessage::ModError:
        return texts.ModError;
    case SessionMessage::Modforce:
        return texts.Modforce;
    case SessionMessage::ReadOk:
        return texts.ReadOk;
    case SessionMessage::WriteOk:
        return texts.WriteOk;
    }
    return {};
}

int SessionDriver::ActiveTimers() const {
    int active = m_drain.isActive() ? 1 : 0;
    for (const auto& [kind, timer] : m_timers)
        active += timer->isActive() ? 1 : 0;
    return active;
}
