#include "RadioSession.h"

#include "app/Prompter.h"
#include "image/RecordEncoder.h"
#include "model/TMacList.h"

using Kind = SessionAction::Kind;

namespace {

constexpr int kWakeWordLength = static_cast<int>(sizeof(RadioSession::kWakeWord)) - 1;
constexpr int kIdentityLength = 8;

QByteArray bytesOf(std::initializer_list<std::uint8_t> list) {
    QByteArray b;
    for (std::uint8_t v : list)
        b.append(static_cast<char>(v));
    return b;
}

std::uint8_t high(int address) {
    return static_cast<std::uint8_t>((address >> 8) & 0xFF);
}
std::uint8_t low(int address) {
    return static_cast<std::uint8_t>(address & 0xFF);
}

} // namespace

RadioSession::RadioSession(const TMacList& models, const TFrqList& bands)
    : m_mode(Mode::Read), m_models(models), m_bands(&bands) {}

RadioSession::RadioSession(const TMacList& models, const TMacType& currentModel,
                           std::vector<std::pair<MapEntry, Record>> records)
    : m_mode(Mode::Write), m_models(models), m_currentModel(&currentModel),
      m_records(std::move(records)) {}

std::vector<SessionAction> RadioSession::TakeActions() {
    return std::exchange(m_actions, {});
}

// ---------------------------------------------------------------------------
// Start: OK waits, then wakes the radio with 0x02 and the letters of PROGRAM.
// A read waits 500 ms; a write 450 ms, then flushes and waits 50 ms more.

void RadioSession::Start() {
    if (m_wait == Wait::Question)
        return;
    beginAttempt();
    m_result.reset();
    if (m_mode == Mode::Write) {
        pause(kWriteStartPause, &RadioSession::startWriteSession);
        return;
    }
    m_actions.emplace_back(Kind::Reopen); // a lost line is opened again first
    m_reported = false;
    enableOk(false);
    pause(kReadStartPause, &RadioSession::beginHandshake);
}

void RadioSession::startWriteSession() {
    m_actions.emplace_back(Kind::Reopen);
    beginAttempt();
    m_reported = false;
    m_actions.emplace_back(Kind::Flush);
    enableOk(false);
    pause(kWriteSessionPause, &RadioSession::beginHandshake);
}

void RadioSession::beginHandshake() {
    m_stage = Stage::Handshake;
    startTimer(SessionTimer::Head, headTimeout());
    // Whatever arrived before the handshake is no answer to it.
    m_actions.emplace_back(Kind::Flush);
    m_held.clear();
    m_buffer.fill(0);
    m_position = 0;
    m_expected = 1;
    send(bytesOf({kStx}));
    m_letter = 0;
    pause(kHandshakePause, &RadioSession::sendLetter, true);
}

void RadioSession::sendLetter() {
    send(QByteArray(1, kWakeWord[m_letter++]));
    if (m_letter < kWakeWordLength) {
        pause(kLetterPause, &RadioSession::sendLetter, true);
        return;
    }
    m_wait = Wait::Handshake;
    receive(std::exchange(m_held, {}));
}

void RadioSession::handshakeAnswered() {
    // A stray byte may come first in the same burst: byte 1 counts as well.
    // Any other answer is ignored, and the handshake times out.
    if (m_buffer[0] != kAck && m_buffer[1] != kAck)
        return;
    m_expected = kIdentityLength;
    stopTimer(SessionTimer::Head);
    pause(kWakePause, &RadioSession::askIdentity, true);
}

void RadioSession::askIdentity() {
    m_stage = Stage::Identity;
    send(bytesOf({kStx}));
    startTimer(SessionTimer::Head, headTimeout());
    m_wait = Wait::Identity;
    receive(std::exchange(m_held, {}));
}

void RadioSession::identityReceived() {
    stopTimer(SessionTimer::Head);
    stopTimer(SessionTimer::Try);
    m_identity.clear();
    for (int i = 0; i < kIdentityLength; ++i)
        m_identity += QChar(m_buffer[static_cast<size_t>(i)]);
    const TMacType* model = m_models.FindByCode(m_identity.mid(1, 4));
    if (m_mode == Mode::Read) {
        if (!model) {
            trouble(Trouble::UnknownModel);
            prompt(Prompt::kInfo, SessionMessage::ModError);
            end(SessionOutcome::Refused);
            return;
        }
        m_radioModel = model;
        pause(kWakePause, &RadioSession::startTransfer);
        return;
    }
    // A write goes ahead for the current model, asks for another model with
    // the same channel count or an unknown one, and refuses any other.
    if (model && model->Code == m_currentModel->Code) {
        pause(kWakePause, &RadioSession::startTransfer);
    } else if (!model || model->ChannelCount == m_currentModel->ChannelCount) {
        m_wait = Wait::Question;
        m_question = Question::Modforce;
        prompt(Prompt::kYesNo, SessionMessage::Modforce);
    } else {
        trouble(Trouble::OtherModel);
        prompt(Prompt::kInfo, SessionMessage::ModError);
        end(SessionOutcome::Refused);
    }
}

// ---------------------------------------------------------------------------
// Receiving: bytes fill the buffer until the expected count is reached.

void RadioSession::Feed(const QByteArray& bytes) {
    switch (m_wait) {
    case Wait::Handshake:
    case Wait::Identity:
    case Wait::Answer:
        receive(bytes);
        break;
    case Wait::Pause:
        // While the radio is being woken the bytes are looked at afterwards.
        if (m_holding)
            m_held += bytes;
        break;
    default:
        // Nothing is awaited: a half-duplex radio has nothing to say now.
        break;
    }
}

void RadioSession::receive(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return;
    for (char c : bytes) {
        if (m_position < kBufferSize) {
            m_buffer[static_cast<size_t>(m_position++)] = static_cast<std::uint8_t>(c);
            --m_expected;
        }
    }
    if (m_expected > 0)
        return;
    m_position = 0;
    switch (m_wait) {
    case Wait::Handshake:
        handshakeAnswered();
        break;
    case Wait::Identity:
        identityReceived();
        break;
    case Wait::Answer:
        answered();
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// The transfer: an acknowledgement, then every record as two 8-byte halves,
// then "E". A read acknowledges each half; a write pauses after each answer.

void RadioSession::startTransfer() {
    m_stage = Stage::Transfer;
    m_reported = false;
    m_ops.clear();
    m_ops.push_back({Op::Kind::Ack});
    if (m_mode == Mode::Read) {
        enableOk(false);
        m_records.clear();
        const MemoryMap map = MemoryMap::ForModel(*m_radioModel);
        for (const MapEntry& entry : map.ReadOrder()) {
            m_records.push_back({entry, Record{}});
            for (int half = 0; half < 2; ++half) {
                Op read{Op::Kind::ReadHalf, entry.radioAddress + 8 * half, kReadCommand};
                read.record = m_records.size() - 1;
                read.half = half;
                m_ops.push_back(read);
                Op ack{Op::Kind::Ack};
                ack.record = read.record;
                ack.countsRecord = half == 1;
                m_ops.push_back(ack);
            }
        }
    } else {
        for (size_t i = 0; i < m_records.size(); ++i) {
            const auto& [entry, record] = m_records[i];
            const std::uint8_t command =
                entry.kind == RecordKind::OptionSettings ? kWriteOptionCommand : kWriteCommand;
            for (int half = 0; half < 2; ++half) {
                Op write{Op::Kind::WriteHalf, entry.radioAddress + 8 * half, command};
                std::copy_n(record.begin() + 8 * half, 8, write.data.begin());
                write.record = i;
                write.half = half;
                write.countsRecord = half == 1;
                m_ops.push_back(write);
            }
        }
    }
    m_ops.push_back({Op::Kind::End});
    m_progress = 0;
    m_maximum = static_cast<int>(m_records.size());
    progress();
    m_opIndex = 0;
    runOp();
}

void RadioSession::runOp() {
    const Op& op = m_ops[m_opIndex];
    switch (op.kind) {
    case Op::Kind::Ack:
        m_expected = 1;
        send(bytesOf({kAck}));
        startTimer(SessionTimer::Try, kTryTimeout); // a silent radio never leaves us waiting
        m_wait = Wait::Answer;
        break;
    case Op::Kind::ReadHalf:
        m_expected = kReadAnswerLength;
        send(bytesOf({op.command, high(op.address), low(op.address), kBlockLength}));
        startTimer(SessionTimer::Try, kTryTimeout);
        m_wait = Wait::Answer;
        break;
    case Op::Kind::WriteHalf: {
        stopTimer(SessionTimer::Try);
        m_expected = 1;
        QByteArray command = bytesOf({op.command, high(op.address), low(op.address), kBlockLength});
        command.append(reinterpret_cast<const char*>(op.data.data()), 8);
        send(command);
        startTimer(SessionTimer::Try, kTryTimeout);
        m_wait = Wait::Answer;
        break;
    }
    case Op::Kind::End:
        // Every record is through. "E" ends the session; its answer is not awaited.
        m_stage = Stage::End;
        if (m_mode == Mode::Write) {
            stopTimer(SessionTimer::Try);
            m_progress = m_maximum;
            progress();
        }
        send(bytesOf({kEndCommand}));
        m_wait = Wait::Drain;
        m_actions.emplace_back(Kind::Drain);
        break;
    }
}

// An answer is complete: a read looks at it 5 ms later, a write at once.
void RadioSession::answered() {
    if (m_mode == Mode::Read)
        pause(kWakePause, &RadioSession::resumeTransfer);
    else
        resumeTransfer();
}

void RadioSession::resumeTransfer() {
    const Op& op = m_ops[m_opIndex];
    stopTimer(SessionTimer::Try);
    switch (op.kind) {
    case Op::Kind::Ack:
        if (m_buffer[0] != kAck) {
            transferFailed(Trouble::WrongAnswer);
            return;
        }
        if (op.countsRecord)
            advanceProgress();
        nextOp();
        break;
    case Op::Kind::ReadHalf:
        std::copy_n(m_buffer.begin() + 4, 8, m_records[*op.record].second.begin() + 8 * op.half);
        nextOp();
        break;
    case Op::Kind::WriteHalf:
        // The answer byte's value is not examined.
        pause(kBlockPause, &RadioSession::blockWritten);
        break;
    case Op::Kind::End:
        break;
    }
}

void RadioSession::blockWritten() {
    if (m_ops[m_opIndex].countsRecord)
        advanceProgress();
    nextOp();
}

void RadioSession::nextOp() {
    ++m_opIndex;
    runOp();
}

void RadioSession::advanceProgress() {
    ++m_progress;
    progress();
}

// ---------------------------------------------------------------------------
// The two ends. Success is reached only from the drain after "E"; every
// failure goes through transferFailed, a time-out or a question, and none of
// them reports ReadOk or WriteOk.

void RadioSession::OnDrained() {
    if (m_wait == Wait::Drain)
        succeed();
}

void RadioSession::succeed() {
    m_wait = Wait::Nothing;
    stopTimer(SessionTimer::Try);
    if (m_mode == Mode::Read) {
        m_progress = m_maximum;
        progress();
        RecordDecoder decoder(*m_radioModel, *m_bands, m_models);
        for (const auto& [entry, record] : m_records)
            decoder.Decode(entry, record);
        m_result = decoder.Result();
        m_result->fun.Normalise();
        prompt(Prompt::kInfo, SessionMessage::ReadOk);
    } else {
        prompt(Prompt::kInfo, SessionMessage::WriteOk);
        m_progress = 0;
        progress();
        enableOk(true);
    }
    end(SessionOutcome::Completed);
}

// A wrong acknowledgement, or a line error while an exchange waits: reported once.
void RadioSession::transferFailed(Trouble what) {
    trouble(what);
    stopEverything();
    if (!m_reported) {
        m_reported = true;
        prompt(Prompt::kInfo, SessionMessage::ComError);
    }
    if (m_mode == Mode::Write)
        enableOk(true);
    end(SessionOutcome::Failed);
}

// ---------------------------------------------------------------------------
// Time-outs.

void RadioSession::OnTimer(SessionTimer timer) {
    // Nothing times out while a prompt waits, after the end, or once "E" is sent.
    if (m_wait == Wait::Question || m_wait == Wait::Ended || m_wait == Wait::Drain)
        return;
    switch (timer) {
    case SessionTimer::Try:
        exchangeTimedOut();
        break;
    case SessionTimer::Head:
        handshakeTimedOut();
        break;
    case SessionTimer::ReTime:
        if (m_wait == Wait::Restart)
            restart();
        break;
    case SessionTimer::Pause:
        if (m_wait == Wait::Pause) {
            const Step next = std::exchange(m_next, nullptr);
            m_wait = Wait::Nothing;
            (this->*next)();
        }
        break;
    }
}

// No complete answer within 1500 ms: the exchange is abandoned and the user asked.
void RadioSession::exchangeTimedOut() {
    if (m_reported)
        return;
    trouble(Trouble::NoAnswer);
    stopEverything();
    if (m_mode == Mode::Write)
        enableOk(true);
    m_reported = true;
    askRetry(Question::TryRetry);
}

void RadioSession::retryAfterTimeout() {
    m_progress = 0;
    progress();
    if (m_mode == Mode::Read) {
        enableOk(true);
        Start();
    } else {
        startWriteSession();
    }
}

// No answer to the handshake or no identity: the user is asked 2500 ms later.
void RadioSession::handshakeTimedOut() {
    if (m_reported)
        return;
    trouble(Trouble::NoAnswer);
    stopEverything();
    pause(kHeadFailPause, &RadioSession::reportNoRadio);
}

void RadioSession::reportNoRadio() {
    m_reported = true;
    askRetry(Question::HeadRetry);
}

// ---------------------------------------------------------------------------
// Line errors. Once "E" is sent every record is through: a line lost then is
// no failure. Before that, a read restarts by itself after its first line
// error and reports later ones; a write reports every one at once.

void RadioSession::OnLineError() {
    switch (m_wait) {
    case Wait::Question:
    case Wait::Ended:
    case Wait::Restart:
    case Wait::Drain:
        return;
    default:
        break;
    }
    if (m_mode == Mode::Read)
        readLineError();
    else
        writeLineError();
}

// A write has no automatic restart: the exchange fails, reported at once.
void RadioSession::writeLineError() {
    transferFailed(Trouble::LineLost);
}

void RadioSession::readLineError() {
    const bool waiting = m_wait == Wait::Answer;
    m_actions.emplace_back(Kind::Flush);
    if (m_retryOnce) {
        m_retryOnce = false;
        m_reported = true;
        stopEverything();
        m_wait = Wait::Restart;
        startTimer(SessionTimer::ReTime, kReTime);
        return;
    }
    if (waiting) {
        transferFailed(Trouble::LineLost);
        return;
    }
    // Reported by the exchange time-out, unless something was reported already.
    trouble(Trouble::LineLost);
    stopEverything();
    startTimer(SessionTimer::Try, kTryTimeout);
}

void RadioSession::restart() {
    m_wait = Wait::Nothing;
    enableOk(true);
    Start();
}

void RadioSession::OnPortFailed() {
    if (m_wait == Wait::Ended)
        return;
    trouble(Trouble::PortUnavailable);
    stopEverything();
    m_reported = true; // the driver has shown why the port cannot be opened
    enableOk(true);
    end(SessionOutcome::Failed);
}

// ---------------------------------------------------------------------------
// Questions and the end.

void RadioSession::askRetry(Question question) {
    m_wait = Wait::Question;
    m_question = question;
    prompt(Prompt::kRetryCancel, SessionMessage::ComError);
}

void RadioSession::Answer(int result) {
    if (m_wait != Wait::Question)
        return;
    const Question question = std::exchange(m_question, Question::None);
    m_wait = Wait::Nothing;
    switch (question) {
    case Question::Modforce:
        if (result == Prompt::kYes) {
            pause(kWakePause, &RadioSession::startTransfer);
        } else {
            trouble(Trouble::Declined);
            end(SessionOutcome::Refused);
        }
        break;
    case Question::TryRetry:
        if (result == Prompt::kRetry) {
            pause(kRetryPause, &RadioSession::retryAfterTimeout);
        } else {
            enableOk(true);
            end(SessionOutcome::Failed);
        }
        break;
    case Question::HeadRetry:
        enableOk(true);
        if (result == Prompt::kRetry)
            Start();
        else
            end(SessionOutcome::Failed);
        break;
    case Question::None:
        break;
    }
}

void RadioSession::Cancel() {
    if (m_wait == Wait::Ended)
        return;
    trouble(Trouble::Cancelled);
    stopEverything();
    m_question = Question::None;
    end(SessionOutcome::Cancelled);
}

void RadioSession::beginAttempt() {
    m_stage = Stage::Start;
    m_report = {};
}

void RadioSession::trouble(Trouble what) {
    if (m_report.trouble != Trouble::None)
        return; // the first one is what went wrong
    m_report.trouble = what;
    m_report.stage = m_stage;
    m_report.record.reset();
    if (m_stage == Stage::Transfer && m_opIndex < m_ops.size() && m_ops[m_opIndex].record)
        m_report.record = m_records[*m_ops[m_opIndex].record].first;
}

void RadioSession::end(SessionOutcome outcome) {
    m_wait = Wait::Ended;
    SessionAction a(Kind::Ended);
    a.outcome = outcome;
    m_actions.push_back(a);
}

void RadioSession::stopEverything() {
    for (SessionTimer t :
         {SessionTimer::Pause, SessionTimer::Try, SessionTimer::Head, SessionTimer::ReTime})
        stopTimer(t);
    m_held.clear();
    m_next = nullptr;
    m_wait = Wait::Nothing;
}

// ---------------------------------------------------------------------------
// Actions for the driver.

void RadioSession::send(const QByteArray& bytes) {
    SessionAction a(Kind::Send);
    a.bytes = bytes;
    m_actions.push_back(a);
}

void RadioSession::startTimer(SessionTimer timer, ms duration) {
    SessionAction a(Kind::StartTimer);
    a.timer = timer;
    a.ms = static_cast<int>(duration.count());
    m_actions.push_back(a);
}

void RadioSession::stopTimer(SessionTimer timer) {
    SessionAction a(Kind::StopTimer);
    a.timer = timer;
    m_actions.push_back(a);
}

void RadioSession::pause(ms duration, Step next, bool hold) {
    m_wait = Wait::Pause;
    m_next = next;
    m_holding = hold;
    startTimer(SessionTimer::Pause, duration);
}

void RadioSession::prompt(Prompt::Kind kind, SessionMessage message) {
    SessionAction a(Kind::Prompt);
    a.promptKind = kind;
    a.message = message;
    m_actions.push_back(a);
}

void RadioSession::progress() {
    SessionAction a(Kind::Progress);
    a.value = m_progress;
    a.maximum = m_maximum;
    m_actions.push_back(a);
}

void RadioSession::enableOk(bool enabled) {
    SessionAction a(Kind::EnableOk);
    a.value = enabled ? 1 : 0;
    m_actions.push_back(a);
}

RadioSession::ms RadioSession::headTimeout() const {
    return m_mode == Mode::Read ? kReadHeadTimeout : kWriteHeadTimeout;
}
