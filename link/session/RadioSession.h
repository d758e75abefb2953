#pragma once

#include "SessionAction.h"
#include "image/Codeplug.h"
#include "image/MemoryMap.h"
#include "image/Record.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <chrono>
#include <optional>
#include <vector>

class TFrqList;
class TMacList;
class TMacType;

/**
 * One read or write session with a radio, as a state machine that sees no
 * port, no thread and no clock. It is fed the bytes received, the expiry of
 * the timers it asked for, line errors and the answers to its questions, and
 * hands back what to do: bytes to send, timers to start and stop, prompts,
 * progress and its end.
 *
 * The exchange is half-duplex, one command at a time: the program sends, then
 * waits for a fixed number of answer bytes. A read fills a staging codeplug
 * that is handed out only when every record has arrived; a write sends the
 * records it was given.
 */
class RadioSession {
  public:
    enum class Mode { Read, Write };

    using ms = std::chrono::milliseconds;
    static constexpr std::uint8_t kStx = 0x02;
    static constexpr std::uint8_t kAck = 0x06;
    static constexpr std::uint8_t kReadCommand = 0x52;        // "R"
    static constexpr std::uint8_t kWriteCommand = 0x57;       // "W"
    static constexpr std::uint8_t kWriteOptionCommand = 0x59; // "Y"
    static constexpr std::uint8_t kEndCommand = 0x45;         // "E"
    static constexpr std::uint8_t kBlockLength = 0x08;
    static constexpr char kWakeWord[] = "PROGRAM";
    static constexpr int kReadAnswerLength = 12; // four bytes not examined, then the data
    static constexpr int kBufferSize = 49;       // answer bytes kept per exchange

    static constexpr ms kReadStartPause{500};
    static constexpr ms kWriteStartPause{450};
    static constexpr ms kWriteSessionPause{50};
    static constexpr ms kHandshakePause{200}; // after the first 0x02
    static constexpr ms kLetterPause{2};      // between the letters of the wake-up word
    static constexpr ms kWakePause{5};        // before the next step after an answer
    static constexpr ms kBlockPause{28};      // after each answered write block
    static constexpr ms kTryTimeout{1500};
    static constexpr ms kReadHeadTimeout{1500};
    static constexpr ms kWriteHeadTimeout{500};
    static constexpr ms kHeadFailPause{2500};
    static constexpr ms kRetryPause{1000};
    static constexpr ms kReTime{500};

    /** A read: the radio's model is looked up in models; its band in bands. */
    RadioSession(const TMacList& models, const TFrqList& bands);
    /** A write of records (radio address, record) in sending order for currentModel. */
    RadioSession(const TMacList& models, const TMacType& currentModel,
                 std::vector<std::pair<MapEntry, Record>> records);

    Mode mode() const { return m_mode; }

    /** OK pressed: the session begins (again). */
    void Start();
    void Feed(const QByteArray& bytes);
    void OnTimer(SessionTimer timer);
    /** The port reported a line error or the line was lost. */
    void OnLineError();
    /** After a Drain: no byte waits to be sent any more. */
    void OnDrained();
    /** After a Reopen: the port cannot be opened; the driver has said why. */
    void OnPortFailed();
    /** The answer to the last yes/no or retry/cancel prompt. */
    void Answer(int result);
    /** The user closed the session: everything stops at once. */
    void Cancel();

    /** The actions gathered since the last call, in order. */
    std::vector<SessionAction> TakeActions();

    /** What a session met when it ended otherwise than completed. */
    enum class Trouble {
        None,
        NoAnswer,        // nothing, or not enough, came back in time
        LineLost,        // the port reported a line error
        WrongAnswer,     // an acknowledgement that was no 0x06
        UnknownModel,    // a read: the identity names no model of the catalogue
        OtherModel,      // a write: the radio's model has another channel count
        Declined,        // a write: the question about another model was answered No
        PortUnavailable, // the port could not be opened again
        Cancelled,       // the user ended it
    };
    /** How far a session had come. */
    enum class Stage { Start, Handshake, Identity, Transfer, End };
    struct Report {
        Trouble trouble = Trouble::None;
        Stage stage = Stage::Start;
        /** The record being transferred, during the transfer. */
        std::optional<MapEntry> record;
    };
    /** The first trouble of the last attempt, and where it struck. */
    const Report& LastTrouble() const { return m_report; }

    /** The eight identity characters of the radio, once received. */
    const QString& Identity() const { return m_identity; }
    /** A completed read: the radio's codeplug with its settings range-checked. */
    const std::optional<Codeplug>& ReadResult() const { return m_result; }

  private:
    /** What the session waits for now. */
    enum class Wait {
        Nothing,   // not started, or stopped after a line error
        Pause,     // a fixed pause, after which m_next runs
        Handshake, // the radio's 0x06 after the wake-up word
        Identity,  // the radio's eight identity characters
        Answer,    // the answer to a command of the transfer
        Drain,     // "E" is sent: the transfer is complete once it has left
        Question,  // the user's answer to a prompt
        Restart,   // a read's automatic restart after its first line error
        Ended,
    };
    enum class Question { None, Modforce, TryRetry, HeadRetry };
    using Step = void (RadioSession::*)();
    struct Op {
        enum class Kind { Ack, ReadHalf, WriteHalf, End } kind;
        int address = 0;
        std::uint8_t command = 0;
        std::array<std::uint8_t, 8> data{};
        std::optional<size_t> record{}; // index into m_records
        int half = 0;
        bool countsRecord = false; // the record is complete after this op
    };

    // Start and handshake.
    void startWriteSession();
    void beginHandshake();
    void sendLetter();
    void askIdentity();
    void receive(const QByteArray& bytes);
    void handshakeAnswered();
    void identityReceived();
    // The transfer.
    void startTransfer();
    void runOp();
    void answered();
    void resumeTransfer();
    void blockWritten();
    void nextOp();
    void advanceProgress();
    // The two ends: they never meet.
    void succeed();
    void transferFailed(Trouble trouble);
    /** Notes the first trouble of an attempt and where it struck. */
    void trouble(Trouble what);
    void beginAttempt();
    // Time-outs, line errors and questions.
    void exchangeTimedOut();
    void handshakeTimedOut();
    void reportNoRadio();
    void retryAfterTimeout();
    void restart();
    void readLineError();
    void writeLineError();
    void askRetry(Question question);
    void end(SessionOutcome outcome);
    void stopEverything();
    // Actions.
    void send(const QByteArray& bytes);
    void startTimer(SessionTimer timer, ms duration);
    void stopTimer(SessionTimer timer);
    /** A fixed pause, then next; bytes arriving meanwhile are kept for later when hold is set. */
    void pause(ms duration, Step next, bool hold = false);
    void prompt(Prompt::Kind kind, SessionMessage message);
    void progress();
    void enableOk(bool enabled);
    ms headTimeout() const;

    Mode m_mode;
    const TMacList& m_models;
    const TFrqList* m_bands = nullptr;
    const TMacType* m_currentModel = nullptr;
    const TMacType* m_radioModel = nullptr;
    std::vector<std::pair<MapEntry, Record>> m_records;
    std::vector<Op> m_ops;
    size_t m_opIndex = 0;

    Wait m_wait = Wait::Nothing;
    Step m_next = nullptr;
    bool m_holding = false;
    Question m_question = Question::None;
    int m_letter = 0;
    std::array<std::uint8_t, kBufferSize> m_buffer{};
    int m_position = 0;
    int m_expected = 0;
    QByteArray m_held;
    bool m_reported = false;
    bool m_retryOnce = true;
    int m_progress = 0;
    int m_maximum = 0;
    QString m_identity;
    Stage m_stage = Stage::Start;
    Report m_report;
    std::optional<Codeplug> m_result;
    std::vector<SessionAction> m_actions;
};
