#include "SessionLog.h"

#include "app/MessageText.h"

namespace {

constexpr int kBytesPerLine = 16;

QString timerName(SessionTimer timer) {
    switch (timer) {
    case SessionTimer::Pause:
        return QStringLiteral("pause");
    case SessionTimer::Try:
        return QStringLiteral("answer");
    case SessionTimer::Head:
        return QStringLiteral("handshake");
    case SessionTimer::ReTime:
        return QStringLiteral("restart");
    }
    return {};
}

QString answerName(Prompt::Kind kind, Prompt::Result answer) {
    if (kind == Prompt::kInfo)
        return QStringLiteral("OK");
    switch (answer) {
    case Prompt::kOk:
        return QStringLiteral("OK");
    case Prompt::kCancel:
        return QStringLiteral("Cancel");
    case Prompt::kRetry:
        return QStringLiteral("Retry");
    case Prompt::kYes:
        return QStringLiteral("Yes");
    case Prompt::kNo:
        return QStringLiteral("No");
    }
    return QString::number(answer);
}

QString outcomeName(SessionOutcome outcome) {
    switch (outcome) {
    case SessionOutcome::Completed:
        return QStringLiteral("completed");
    case SessionOutcome::Failed:
        return QStringLiteral("failed");
    case SessionOutcome::Refused:
        return QStringLiteral("refused");
    case SessionOutcome::Cancelled:
        return QStringLiteral("cancelled");
    }
    return {};
}

} // namespace

QString SessionLog::Bytes(const QByteArray& bytes) {
    QString hex;
    QString chars;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (!hex.isEmpty())
            hex += ' ';
        hex += QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
        chars += byte >= 0x20 && byte < 0x7F ? QChar(byte) : QChar('.');
    }
    return QStringLiteral("%1  %2").arg(hex, -3 * kBytesPerLine + 1).arg(chars);
}

void SessionLog::Begin(const QString& title) {
    m_clock.start();
    m_lines << QStringLiteral("== %1 ==").arg(title);
}

void SessionLog::add(const QString& what, const QString& detail) {
    const qint64 ms = m_clock.isValid() ? m_clock.elapsed() : 0;
    // One arg() for all three, so that a % in a prompt's text is never taken for a place.
    QString line = QStringLiteral("%1 ms  %2 %3")
                       .arg(QString::number(ms).rightJustified(7), what.leftJustified(9), detail);
    while (line.endsWith(' '))
        line.chop(1);
    m_lines << line;
}

void SessionLog::Note(const QString& what) {
    add(QStringLiteral("note"), what);
}

void SessionLog::Sent(const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); i += kBytesPerLine)
        add(QStringLiteral("sent"), Bytes(bytes.mid(i, kBytesPerLine)));
}

void SessionLog::Received(const QByteArray& bytes) {
    for (qsizetype i = 0; i < bytes.size(); i += kBytesPerLine)
        add(QStringLiteral("received"), Bytes(bytes.mid(i, kBytesPerLine)));
}

void SessionLog::Flushed() {
    add(QStringLiteral("flush"), QStringLiteral("bytes received and not yet sent are dropped"));
}

void SessionLog::TimerStarted(SessionTimer timer, int ms) {
    m_started[static_cast<int>(timer)] = ms;
    if (timer == SessionTimer::Pause)
        add(QStringLiteral("pause"), QStringLiteral("%1 ms").arg(ms));
    else if (timer == SessionTimer::ReTime)
        add(QStringLiteral("restart"), QStringLiteral("in %1 ms").arg(ms));
}

void SessionLog::TimerFired(SessionTimer timer) {
    if (timer == SessionTimer::Try || timer == SessionTimer::Head)
        add(QStringLiteral("time-out"), QStringLiteral("no %1 within %2 ms")
                                            .arg(timerName(timer))
                                            .arg(m_started[static_cast<int>(timer)]));
}

void SessionLog::LineError(const QString& why) {
    add(QStringLiteral("line"), QStringLiteral("error: %1").arg(MessageText::Quoted(why, 200)));
}

void SessionLog::Prompted(const QString& text, Prompt::Kind kind, Prompt::Result answer) {
    add(QStringLiteral("prompt"),
        QStringLiteral("\"%1\" -> %2")
            .arg(MessageText::Quoted(text, 200), answerName(kind, answer)));
}

void SessionLog::Ended(SessionOutcome outcome) {
    add(QStringLiteral("end"), outcomeName(outcome));
}

QByteArray SessionLog::Text() const {
    QByteArray text;
    for (const QString& line : m_lines)
        text += line.toUtf8() + '\n';
    return text;
}
