#pragma once

#include "app/Prompter.h"

#include <QByteArray>

/** The timers a radio session runs. */
enum class SessionTimer {
    Pause,  // a fixed pause between two steps
    Try,    // time-out of one command exchange
    Head,   // time-out of the handshake and the identity
    ReTime, // delay before the read's automatic restart after the first line error
};

/** The message texts a session shows, by their message keys. */
enum class SessionMessage { ComError, ModError, Modforce, ReadOk, WriteOk };

/** How a session ended. */
enum class SessionOutcome {
    Completed, // every record was transferred
    Failed,    // no answer, a wrong answer or a line error
    Refused,   // the radio's model may not be read or written
    Cancelled, // the user ended it
};

/** One thing a session asks its driver to do, in order. */
struct SessionAction {
    enum class Kind {
        Reopen,     // the port must be open: open it again if the line was lost (else OnPortFailed)
        Send,       // bytes: write them to the port
        Flush,      // discard bytes received and not yet sent
        StartTimer, // timer, ms: (re)start a single-shot timer
        StopTimer,  // timer
        Drain,  // look every 50 ms, up to 100 times, until no byte waits to be sent; then OnDrained
        Prompt, // promptKind, message: show it; a question is answered through Answer
        Progress, // value, maximum
        EnableOk, // value: 1 the session can be started again, 0 not
        Ended,    // outcome: the session stopped and waits for the user
    };

    explicit SessionAction(Kind k) : kind(k) {}

    Kind kind;
    QByteArray bytes;
    SessionTimer timer = SessionTimer::Pause;
    int ms = 0;
    Prompt::Kind promptKind = Prompt::kInfo;
    SessionMessage message = SessionMessage::ComError;
    int value = 0;
    int maximum = 0;
    SessionOutcome outcome = SessionOutcome::Completed;
};
