#include "VirtualLine.h"

#include "CodeplugBuilder.h"

#include "app/AppContext.h"
#include "image/DataFile.h"
#include "image/RecordEncoder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList asked(const ScriptedPrompter& p) {
    QStringList out;
    for (const auto& a : p.Log())
        out << QStringLiteral("%1/%2").arg(a.text).arg(a.kind);
    return out;
}

class SessionTest : public ::testing::Test {
  protected:
    SessionTest() {
        CodeplugBuilder build(ctx);
        build.Band("400 - 480MHz")
            .Channel(1, {462.5625, 467.5625, "67.0", "D023N", Power::High, Bandwidth::Wide,
                         YesNo::No, YesNo::Yes, YesNo::Yes})
            .Channel(16, {440.0,
                          {},
                          "",
                          "",
                          Power::Low,
                          Bandwidth::Wide,
                          YesNo::Yes,
                          YesNo::Yes,
                          YesNo::Yes})
            .Message("HELLO RADIO", "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345");
        build.Settings().SquelchLevel = 3;
        codeplug = build.Build();
    }

    /** The image a radio holds after this codeplug was written to it. */
    QByteArray imageOf(const Codeplug& cp) {
        const auto file = DataFile::Encode(cp, ctx.bands(), QDateTime::currentDateTime());
        return *SimulatedRadio::ImageFromDataFile(file.bytes, ctx.models());
    }

    std::vector<std::pair<MapEntry, Record>> recordsOf(const Codeplug& cp) {
        return RecordEncoder(cp, ctx.bands(), RecordEncoder::Target::Radio).WriteRecords();
    }

    /** A read, or a write of the fixture's codeplug. */
    void makeSession(std::optional<RadioSession>& session, RadioSession::Mode mode) {
        if (mode == RadioSession::Mode::Read)
            session.emplace(ctx.models(), ctx.bands());
        else
            session.emplace(ctx.models(), *codeplug.model, recordsOf(codeplug));
    }
    static QStringList success(RadioSession::Mode mode) {
        return {mode == RadioSession::Mode::Read ? "ReadOk/1" : "WriteOk/1"};
    }

    QTemporaryDir dir;
    AppContext ctx{dir.path()};
    Codeplug codeplug;
    ScriptedPrompter prompter;
};

TEST_F(SessionTest, AGoodRadioIsReadCompletely) {
    SimulatedRadio radio("8524");
    radio.Image() = imageOf(codeplug);
    RadioSession session(ctx.models(), ctx.bands());
    VirtualLine line(session, radio, prompter);
    line.Start();

    ASSERT_EQ(line.Outcome(), SessionOutcome::Completed);
    EXPECT_EQ(asked(prompter), QStringList({"ReadOk/1"}));
    ASSERT_TRUE(session.ReadResult());
    const Codeplug& got = *session.ReadResult();
    EXPECT_EQ(got.model->Code, "8524");
    EXPECT_EQ(got.bandText, "400 - 480MHz");
    EXPECT_EQ(got.channels, codeplug.channels);
    EXPECT_EQ(got.message, codeplug.message);
    EXPECT_EQ(got.fun, codeplug.fun);
    EXPECT_EQ(line.ProgressLog().back(), std::make_pair(24, 24));
    EXPECT_EQ(session.Identity(), "P8524V10");

    // The handshake, the identity request, the first acknowledgement and the first reads.
    const QByteArray start = QByteArray::fromHex("02") + "PROGRAM" + QByteArray::fromHex("02 06");
    EXPECT_TRUE(line.AllSent().startsWith(start + QByteArray::fromHex("52 00 00 08 06 52 00 08 08 "
                                                                      "06 52 00 10 08")));
    EXPECT_TRUE(line.AllSent().endsWith(QByteArray::fromHex("52 02 B8 08 06 45")));
    EXPECT_EQ(line.CommandsSent('R'), 48);
    EXPECT_EQ(radio.Commands(), 48);
}

TEST_F(SessionTest, HandshakePausesAreKeptToTheMillisecond) {
    SimulatedRadio radio("8524");
    RadioSession session(ctx.models(), ctx.bands());
    VirtualLine line(session, radio, prompter);
    line.Start();
    const auto& sent = line.SentLog();
    ASSERT_GE(sent.size(), 10u);
    EXPECT_EQ(sent[0].at, 500'000); // 500 ms after OK
    for (int letter = 0; letter < 7; ++letter)
        EXPECT_EQ(sent[1 + static_cast<size_t>(letter)].at, 700'000 + 2'000 * letter);
    EXPECT_EQ(sent[8].at, 712'000 + 5'000); // 0x02 for the identity, 5 ms after the 0x06
    EXPECT_EQ(sent[9].at, 717'000 + 5'000); // the worker's 0x06, 5 ms after the identity
    // Each read half and its acknowledgement follow 5 ms after the answer before them;
    // the end waits 50 ms for the "E" to leave.
    EXPECT_EQ(line.Elapsed(), 722'000 + 5'000 + 48 * 10'000 + 50'000);
}

TEST_F(SessionTest, AWriteSendsEveryRecordWithItsPauses) {
    SimulatedRadio radio("8524");
    RadioSession session(ctx.models(), *codeplug.model, recordsOf(codeplug));
    VirtualLine line(session, radio, prompter);
    line.Start();

    ASSERT_EQ(line.Outcome(), SessionOutcome::Completed);
    EXPECT_EQ(asked(prompter), QStringList({"WriteOk/1"}));
    EXPECT_EQ(radio.Image(), imageOf(codeplug)); // record 0 blank, the rest at its address
    EXPECT_EQ(line.CommandsSent('W'), 46);
    EXPECT_EQ(line.CommandsSent('Y'), 2);
    // The option settings record goes last, with "Y", then "E".
    EXPECT_TRUE(line.AllSent().endsWith(
        QByteArray::fromHex("59 02 B0 08 01 01 00 00 04 00 01 01 59 02 B8 08 00 01 FF FF FF FF FF "
                            "FF 45")));
    EXPECT_EQ(line.ProgressLog().back(), std::make_pair(0, 24)); // reset after WriteOk
    EXPECT_TRUE(line.OkEnabled());
    // 450 ms, 50 ms, 200 ms, six 2 ms gaps, 5 ms, 5 ms, 28 ms after each of 48 blocks, 50 ms.
    EXPECT_EQ(line.Elapsed(), 450'000 + 50'000 + 212'000 + 10'000 + 48 * 28'000 + 50'000);
    const auto& sent = line.SentLog();
    EXPECT_EQ(sent[0].at, 500'000);
}

struct Behaviour {
    const char* name;
    RadioSession::Mode mode;
    const char* radioModel;
    SimulatedRadio::Faults faults;
    std::vector<int> answers;
    SessionOutcome outcome;
    QStringList prompts;
    int dataCommands; // data commands the radio answered
};

void PrintTo(const Behaviour& b, std::ostream* os) {
    *os << b.name;
}

SimulatedRadio::Faults faults(int silent, int wrongAck, int hangup, int extra, bool stray) {
    SimulatedRadio::Faults f;
    f.silentAfter = silent;
    f.wrongAckAfter = wrongAck;
    f.hangupAfter = hangup;
    f.extraBytes = extra;
    f.strayByte = stray;
    return f;
}

class Behaviours : public SessionTest, public ::testing::WithParamInterface<Behaviour> {};

TEST_P(Behaviours, GiveTheirPromptsAndOutcome) {
    const Behaviour& b = GetParam();
    SimulatedRadio radio(b.radioModel, b.faults);
    radio.Image() = imageOf(codeplug);
    const QByteArray before = radio.Image();
    std::optional<RadioSession> session;
    if (b.mode == RadioSession::Mode::Read) {
        session.emplace(ctx.models(), ctx.bands());
    } else {
        Codeplug other = codeplug;
        other.channels[5] = other.channels[0];
        session.emplace(ctx.models(), *codeplug.model, recordsOf(other));
    }
    for (int answer : b.answers)
        prompter.Enqueue(answer);
    VirtualLine line(*session, radio, prompter);
    line.Start();
    EXPECT_EQ(line.Outcome(), b.outcome);
    EXPECT_EQ(asked(prompter), b.prompts);
    EXPECT_EQ(radio.Commands(), b.dataCommands);
    if (b.outcome != SessionOutcome::Completed) {
        EXPECT_FALSE(session->ReadResult()); // nothing of a failed read is handed out
        if (b.mode == RadioSession::Mode::Write && b.dataCommands == 0) {
            EXPECT_EQ(radio.Image(), before);
        }
    }
}

using M = RadioSession::Mode;
const QStringList kReadOk{"ReadOk/1"};
const QStringList kWriteOk{"WriteOk/1"};

INSTANTIATE_TEST_SUITE_P(
    Radios, Behaviours,
    ::testing::Values(
        Behaviour{"good_read", M::Read, "8524", {}, {}, SessionOutcome::Completed, kReadOk, 48},
        Behaviour{"stray_byte_before_ack",
                  M::Read,
                  "8524",
                  faults(-1, -1, -1, 0, true),
                  {},
                  SessionOutcome::Completed,
                  kReadOk,
                  48},
        Behaviour{"unknown_model_read",
                  M::Read,
                  "9999",
                  {},
                  {},
                  SessionOutcome::Refused,
                  {"ModError/1"},
                  0},
        Behaviour{
            "other_model_read", M::Read, "7524", {}, {}, SessionOutcome::Completed, kReadOk, 48},
        Behaviour{"other_model_write_no",
                  M::Write,
                  "7524",
                  {},
                  {7},
                  SessionOutcome::Refused,
                  {"Modforce/2"},
                  0},
        Behaviour{"other_model_write_yes",
                  M::Write,
                  "7524",
                  {},
                  {6},
                  SessionOutcome::Completed,
                  {"Modforce/2", "WriteOk/1"},
                  48},
        Behaviour{"unknown_model_write_asks",
                  M::Write,
                  "1234",
                  {},
                  {7},
                  SessionOutcome::Refused,
                  {"Modforce/2"},
                  0},
        Behaviour{"silent_in_channels_cancel",
                  M::Read,
                  "8524",
                  faults(10, -1, -1, 0, false),
                  {2},
                  SessionOutcome::Failed,
                  {"ComError/22"},
                  11},
        Behaviour{"silent_in_channels_write",
                  M::Write,
                  "8524",
                  faults(10, -1, -1, 0, false),
                  {2},
                  SessionOutcome::Failed,
                  {"ComError/22"},
                  11},
        Behaviour{"wrong_ack_read",
                  M::Read,
                  "8524",
                  faults(-1, 4, -1, 0, false),
                  {},
                  SessionOutcome::Failed,
                  {"ComError/1"},
                  4},
        Behaviour{"wrong_first_ack_write",
                  M::Write,
                  "8524",
                  faults(-1, 0, -1, 0, false),
                  {},
                  SessionOutcome::Failed,
                  {"ComError/1"},
                  0},
        Behaviour{"line_error_write",
                  M::Write,
                  "8524",
                  faults(-1, -1, 6, 0, false),
                  {},
                  SessionOutcome::Failed,
                  {"ComError/1"},
                  7},
        Behaviour{"answers_longer_than_49_bytes",
                  M::Read,
                  "8524",
                  faults(-1, -1, -1, 40, false),
                  {},
                  SessionOutcome::Completed,
                  kReadOk,
                  48},
        Behaviour{"answers_longer_write",
                  M::Write,
                  "8524",
                  faults(-1, -1, -1, 60, false),
                  {},
                  SessionOutcome::Completed,
                  kWriteOk,
                  48}));

TEST_F(SessionTest, RetryAfterSilenceStartsAgainFromTheHandshake) {
    SimulatedRadio radio("8524", faults(10, -1, -1, 0, false));
    radio.Image() = imageOf(codeplug);
    RadioSession session(ctx.models(), ctx.bands());
    prompter.Enqueue(4); // Retry: the radio stays silent, so the handshake times out
    prompter.Enqueue(2); // Cancel
    VirtualLine line(session, radio, prompter);
    line.Start();
    EXPECT_EQ(line.Outcome(), SessionOutcome::Failed);
    EXPECT_EQ(asked(prompter), QStringList({"ComError/22", "ComError/22"}));
    EXPECT_EQ(line.AllSent().count("PROGRAM"), 2);
    EXPECT_LT(line.ProgressLog().back().first, 24);
    EXPECT_TRUE(line.OkEnabled());
}

TEST_F(SessionTest, AReadRestartsByItselfAfterTheFirstLineErrorAndOpensThePortAgain) {
    // The radio drops the line once, like a cable pulled out.
    SimulatedRadio radio("8524", faults(-1, -1, 3, 0, false));
    radio.Image() = imageOf(codeplug);
    RadioSession session(ctx.models(), ctx.bands());
    VirtualLine line(session, radio, prompter);
    line.Start();
    // The restart finds the port gone for good: the driver says why, and the
    // session ends without a prompt of its own, ready for OK again.
    EXPECT_EQ(line.AllSent().count("PROGRAM"), 1);
    EXPECT_EQ(asked(prompter), QStringList());
    EXPECT_EQ(line.Outcome(), SessionOutcome::Failed);
    EXPECT_TRUE(line.OkEnabled());
    EXPECT_FALSE(session.ReadResult());
}

TEST_F(SessionTest, ACablePluggedInAgainIsReadOnTheRestart) {
    SimulatedRadio radio("8524", faults(-1, -1, 3, 0, false));
    radio.Image() = imageOf(codeplug);
    RadioSession session(ctx.models(), ctx.bands());
    VirtualLine line(session, radio, prompter);
    line.PlugInAgainAfterHangup();
    line.Start();
    EXPECT_EQ(line.Reopens(), 1);
    EXPECT_EQ(line.AllSent().count("PROGRAM"), 2);
    EXPECT_EQ(line.Outcome(), SessionOutcome::Completed);
    EXPECT_EQ(asked(prompter), QStringList({"ReadOk/1"}));
    ASSERT_TRUE(session.ReadResult());
    EXPECT_EQ(session.ReadResult()->channels, codeplug.channels);
}

// The line drops as the bar fills, once "E" has gone: the transfer is complete.
TEST_F(SessionTest, ALineLostAfterTheEndIsNoFailure) {
    for (const auto mode : {RadioSession::Mode::Read, RadioSession::Mode::Write}) {
        SimulatedRadio::Faults f;
        f.hangupAt = SimulatedRadio::Stage::End;
        SimulatedRadio radio("8524", f);
        radio.Image() = imageOf(codeplug);
        std::optional<RadioSession> session;
        makeSession(session, mode);
        ScriptedPrompter p;
        VirtualLine line(*session, radio, p);
        line.Start();
        line.Run(); // nothing else may follow
        EXPECT_EQ(line.Outcome(), SessionOutcome::Completed);
        EXPECT_EQ(asked(p), success(mode));
        EXPECT_EQ(mode == RadioSession::Mode::Read, session->ReadResult().has_value());
    }
}

// Whatever arrives before the handshake's first 0x02 is no answer to it.
TEST_F(SessionTest, BytesBeforeTheHandshakeAreDropped) {
    for (const auto mode : {RadioSession::Mode::Read, RadioSession::Mode::Write}) {
        SimulatedRadio radio("8524");
        radio.Image() = imageOf(codeplug);
        std::optional<RadioSession> session;
        makeSession(session, mode);
        ScriptedPrompter p;
        VirtualLine line(*session, radio, p);
        line.Inject(QByteArray::fromHex("55 55"));         // waiting in the port since before OK
        line.InjectAt(QByteArray::fromHex("06"), 300'000); // during the pause after OK
        line.InjectAt(QByteArray::fromHex("06"), 480'000); // a write's 50 ms before the handshake
        line.Start();
        EXPECT_EQ(line.Outcome(), SessionOutcome::Completed);
        EXPECT_EQ(session->Identity(), "P8524V10");
        EXPECT_EQ(asked(p), success(mode));
        // The port is flushed the moment the handshake begins.
        ASSERT_FALSE(line.SentLog().empty());
        const long long handshake = line.SentLog().front().at;
        EXPECT_NE(std::find(line.Flushes().begin(), line.Flushes().end(), handshake),
                  line.Flushes().end());
    }
}

TEST_F(SessionTest, EveryRestartFlushesBeforeItsHandshake) {
    SimulatedRadio::Faults silent;
    silent.silentAt = SimulatedRadio::Stage::Handshake;
    SimulatedRadio radio("8524", silent);
    RadioSession session(ctx.models(), ctx.bands());
    prompter.Enqueue(Prompt::kRetry);
    prompter.Enqueue(Prompt::kCancel);
    VirtualLine line(session, radio, prompter);
    line.Start();
    std::vector<long long> handshakes; // a silent radio is never asked for its identity
    for (const auto& sent : line.SentLog())
        if (sent.bytes == QByteArray(1, '\x02'))
            handshakes.push_back(sent.at);
    ASSERT_EQ(handshakes.size(), 2u);
    for (long long at : handshakes)
        EXPECT_NE(std::find(line.Flushes().begin(), line.Flushes().end(), at),
                  line.Flushes().end());
}

TEST_F(SessionTest, CancelStopsEverythingAtOnce) {
    SimulatedRadio radio("8524");
    RadioSession session(ctx.models(), ctx.bands());
    session.Start();
    session.TakeActions();
    session.Cancel();
    const auto actions = session.TakeActions();
    ASSERT_FALSE(actions.empty());
    EXPECT_EQ(actions.back().kind, SessionAction::Kind::Ended);
    EXPECT_EQ(actions.back().outcome, SessionOutcome::Cancelled);
    session.OnTimer(SessionTimer::Pause); // a late timer changes nothing
    EXPECT_TRUE(session.TakeActions().empty());
}

} // namespace
