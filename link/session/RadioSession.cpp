#include "RadioSession.h"

#include "app/Prompter.h"
#include "image/RecordEncoder.h"
#include "model/TMacList.h"

using Kind = SessionAction::Kind;

namespace {

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

void RadioSession::Start() {
    if (m_step == Step::AwaitQuestion)
        return;
    m_result.reset();
    if (m_mode == Mode::Read) {
        m_state = 0;
        m_reported = false;
        enableOk(false);
        pause(Step::StartPause, kReadStartPause);
    } else {
        pause(Step::StartPause, kWriteStartPause);
    }
}

void RadioSession::beginSession() {
    if (m_mode == Mode::Read) {
        m_position = 0;
        startTimer(SessionTimer::Head, kReadHeadTimeout);
        sendHandshake();
    } else {
        startWriteSession();
    }
}

void RadioSession::startWriteSession() {
    m_state = 0;
    m_reported = false;
    m_actions.emplace_back(Kind::Flush);
    enableOk(false);
    m_position = 0;
    pause(Step::SessionPause, kWriteSessionPause);
}

void RadioSession::sendHandshake() {
    m_state = 1;
    m_expected = 1;
    send(bytesOf({kStx}));
    pause(Step::HandshakePause, kHandshakePause);
}

void RadioSession::OnTimer(SessionTimer timer) {
    if (m_step == Step::AwaitQuestion || m_step == Step::Ended)
        return;
    switch (timer) {
    case SessionTimer::Try:
        // No complete answer in time: the exchange is abandoned.
        if (m_reported)
            return;
        stopEverything();
        finish();
        m_reported = true;
        askRetry(Question::TryRetry);
        return;
    case SessionTimer::Head:
        if (m_reported)
            return;
        stopEverything();
        pause(Step::HeadFailPause, kHeadFailPause);
        return;
    case SessionTimer::ReTime:
        enableOk(true);
        Start();
        return;
    case SessionTimer::Pause:
        break;
    }

    switch (m_step) {
    case Step::StartPause:
        beginSession();
        break;
    case Step::SessionPause:
        startTimer(SessionTimer::Head, kWriteHeadTimeout);
        sendHandshake();
        break;
    case Step::HandshakePause:
        m_letter = 0;
        [[fallthrough]];
    case Step::LetterPause:
        send(QByteArray(1, kWakeWord[m_letter++]));
        if (m_letter < static_cast<int>(sizeof(kWakeWord)) - 1) {
            pause(Step::LetterPause, kLetterPause);
        } else {
            m_step = Step::AwaitHandshake;
            receive(std::exchange(m_held, {}));
        }
        break;
    case Step::IdentityPause:
        send(bytesOf({kStx}));
        startTimer(SessionTimer::Head, m_mode == Mode::Read ? kReadHeadTimeout : kWriteHeadTimeout);
        m_step = Step::AwaitIdentity;
        receive(std::exchange(m_held, {}));
        break;
    case Step::WorkerStartPause:
        startTransfer();
        break;
    case Step::WakePause:
        resumeTransfer();
        break;
    case Step::BlockPause:
        if (m_lineError) {
            transferFailed();
            return;
        }
        if (m_ops[m_opIndex].countsRecord) {
            ++m_progress;
            progress();
        }
        nextOp();
        break;
    case Step::HeadFailPause:
        m_reported = true;
        askRetry(Question::HeadRetry);
        break;
    case Step::RetryPause:
        m_progress = 0;
        progress();
        if (m_mode == Mode::Read) {
            enableOk(true);
            Start();
        } else {
            startWriteSession();
        }
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// Receiving: bytes fill the buffer until the expected count is reached.

void RadioSession::Feed(const QByteArray& bytes) {
    switch (m_step) {
    case Step::AwaitHandshake:
    case Step::AwaitIdentity:
    case Step::AwaitAnswer:
        receive(bytes);
        break;
    case Step::StartPause:
    case Step::SessionPause:
    case Step::HandshakePause:
    case Step::LetterPause:
    case Step::IdentityPause:
        // The program is busy waking the radio; the bytes are looked at afterwards.
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
    answerComplete();
}

void RadioSession::answerComplete() {
    switch (m_step) {
    case Step::AwaitHandshake:
        // A stray byte may come first in the same burst: byte 1 counts as well.
        if (m_buffer[0] == kAck || m_buffer[1] == kAck) {
            m_state = 2;
            m_expected = 8;
            stopTimer(SessionTimer::Head);
            pause(Step::IdentityPause, kWakePause);
        }
        break;
    case Step::AwaitIdentity:
        stopTimer(SessionTimer::Head);
        stopTimer(SessionTimer::Try);
        identityReceived();
        break;
    case Step::AwaitAnswer:
        if (m_mode == Mode::Read)
            pause(Step::WakePause, kWakePause);
        else
            resumeTransfer();
        break;
    default:
        break;
    }
}

void RadioSession::identityReceived() {
    m_identity.clear();
    for (int i = 0; i < 8; ++i)
        m_identity += QChar(m_buffer[static_cast<size_t>(i)]);
    const TMacType* model = m_models.FindByCode(m_identity.mid(1, 4));
    if (m_mode == Mode::Read) {
        if (!model) {
            prompt(Prompt::kInfo, SessionMessage::ModError);
            end(SessionOutcome::Refused);
            return;
        }
        m_radioModel = model;
        m_state = 0;
        pause(Step::WorkerStartPause, kWakePause);
        return;
    }
    // A write goes ahead for the current model, asks for another model with
    // the same channel count or an unknown one, and refuses any other.
    if (model && model->Code == m_currentModel->Code) {
        m_state = 0;
        pause(Step::WorkerStartPause, kWakePause);
    } else if (!model || model->ChannelCount == m_currentModel->ChannelCount) {
        m_step = Step::AwaitQuestion;
        m_question = Question::Modforce;
        prompt(Prompt::kYesNo, SessionMessage::Modforce);
    } else {
        prompt(Prompt::kInfo, SessionMessage::ModError);
        end(SessionOutcome::Refused);
    }
}

// ---------------------------------------------------------------------------
// The transfer: an acknowledgement, then every record as two 8-byte halves,
// then "E". A read acknowledges each half; a write pauses after each answer.

void RadioSession::startTransfer() {
    m_reported = false;
    m_lineError = false;
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
    m_lineError = false;
    switch (op.kind) {
    case Op::Kind::Ack:
        m_expected = 1;
        send(bytesOf({kAck}));
        startTimer(SessionTimer::Try, kTryTimeout); // a silent radio never leaves us waiting
        m_step = Step::AwaitAnswer;
        break;
    case Op::Kind::ReadHalf:
        m_expected = kReadAnswerLength;
        send(bytesOf({op.command, high(op.address), low(op.address), kBlockLength}));
        startTimer(SessionTimer::Try, kTryTimeout);
        m_step = Step::AwaitAnswer;
        break;
    case Op::Kind::WriteHalf: {
        stopTimer(SessionTimer::Try);
        m_expected = 1;
        QByteArray command = bytesOf({op.command, high(op.address), low(op.address), kBlockLength});
        command.append(reinterpret_cast<const char*>(op.data.data()), 8);
        send(command);
        startTimer(SessionTimer::Try, kTryTimeout);
        m_step = Step::AwaitAnswer;
        break;
    }
    case Op::Kind::End:
        if (m_mode == Mode::Write) {
            stopTimer(SessionTimer::Try);
            m_progress = m_maximum;
            progress();
        }
        m_expected = 1;
        send(bytesOf({kEndCommand}));
        m_step = Step::Draining;
        m_actions.emplace_back(Kind::Drain);
        break;
    }
}

void RadioSession::resumeTransfer() {
    const Op& op = m_ops[m_opIndex];
    stopTimer(SessionTimer::Try);
    if (m_lineError) {
        transferFailed();
        return;
    }
    switch (op.kind) {
    case Op::Kind::Ack:
        if (m_buffer[0] != kAck) {
            transferFailed();
            return;
        }
        if (op.countsRecord) {
            ++m_progress;
            progress();
        }
        nextOp();
        break;
    case Op::Kind::ReadHalf:
        std::copy_n(m_buffer.begin() + 4, 8, m_records[op.record].second.begin() + 8 * op.half);
        nextOp();
        break;
    case Op::Kind::WriteHalf:
        // The answer byte's value is not examined.
        pause(Step::BlockPause, kBlockPause);
        break;
    case Op::Kind::End:
        break;
    }
}

void RadioSession::nextOp() {
    ++m_opIndex;
    runOp();
}

void RadioSession::OnDrained() {
    if (m_step != Step::Draining)
        return;
    if (m_mode == Mode::Read) {
        m_progress = m_maximum;
        progress();
    }
    transferSucceeded();
}

void RadioSession::transferSucceeded() {
    if (m_mode == Mode::Read) {
        RecordDecoder decoder(*m_radioModel, *m_bands, m_models);
        for (const auto& [entry, record] : m_records)
            decoder.Decode(entry, record);
        m_result = decoder.Result();
        m_result->fun.Normalise();
    }
    finish();
}

void RadioSession::transferFailed() {
    stopEverything();
    if (!m_reported) {
        m_reported = true;
        prompt(Prompt::kInfo, SessionMessage::ComError);
    }
    finish();
    end(SessionOutcome::Failed);
}

// The end of a transfer, also run by the exchange time-out.
void RadioSession::finish() {
    m_state = 5;
    m_step = Step::Idle;
    const bool complete = m_maximum > 0 && m_progress == m_maximum;
    if (!complete) {
        if (m_mode == Mode::Write)
            enableOk(true);
        return;
    }
    stopTimer(SessionTimer::Try);
    if (m_mode == Mode::Read) {
        prompt(Prompt::kInfo, SessionMessage::ReadOk);
    } else {
        prompt(Prompt::kInfo, SessionMessage::WriteOk);
        m_progress = 0;
        progress();
        enableOk(true);
    }
    end(SessionOutcome::Completed);
}

// ---------------------------------------------------------------------------
// Line errors, questions and the end.

void RadioSession::OnLineError() {
    if (m_step == Step::AwaitQuestion || m_step == Step::Ended || m_step == Step::RestartPending)
        return;
    const bool waiting = m_step == Step::AwaitAnswer;
    if (m_mode == Mode::Read) {
        m_actions.emplace_back(Kind::Flush);
        if (m_retryOnce) {
            // The first line error of the dialog restarts the session by itself.
            m_retryOnce = false;
            m_reported = true;
            stopEverything();
            m_step = Step::RestartPending;
            startTimer(SessionTimer::ReTime, kReTime);
            return;
        }
        if (waiting) {
            m_lineError = true;
            transferFailed();
            return;
        }
        stopEverything();
        m_step = Step::Idle;
        startTimer(SessionTimer::Try, kTryTimeout);
        return;
    }
    if (!m_reported) {
        m_reported = true;
        prompt(Prompt::kInfo, SessionMessage::ComError);
    }
    m_lineError = true;
    transferFailed();
}

void RadioSession::askRetry(Question question) {
    m_step = Step::AwaitQuestion;
    m_question = question;
    prompt(Prompt::kRetryCancel, SessionMessage::ComError);
}

void RadioSession::Answer(int result) {
    if (m_step != Step::AwaitQuestion)
        return;
    const Question question = std::exchange(m_question, Question::None);
    m_step = Step::Idle;
    switch (question) {
    case Question::Modforce:
        if (result == Prompt::kYes) {
            m_state = 0;
            pause(Step::WorkerStartPause, kWakePause);
        } else {
            end(SessionOutcome::Refused);
        }
        break;
    case Question::TryRetry:
        if (result == Prompt::kRetry) {
            pause(Step::RetryPause, kRetryPause);
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
    if (m_step == Step::Ended)
        return;
    stopEverything();
    m_question = Question::None;
    end(SessionOutcome::Cancelled);
}

void RadioSession::end(SessionOutcome outcome) {
    m_step = Step::Ended;
    SessionAction a(Kind::Ended);
    a.outcome = outcome;
    m_actions.push_back(a);
}

void RadioSession::stopEverything() {
    for (SessionTimer t :
         {SessionTimer::Pause, SessionTimer::Try, SessionTimer::Head, SessionTimer::ReTime})
        stopTimer(t);
    m_held.clear();
    m_step = Step::Idle;
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

void RadioSession::pause(Step step, ms duration) {
    m_step = step;
    startTimer(SessionTimer::Pause, duration);
}

void RadioSession::prompt(int kind, SessionMessage message) {
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
