// A read or write session fed random radio answers, timer expiries, line
// errors, drains, port failures, answers to prompts, OK presses and cancels.
// It never crashes; once cancelled it sends nothing and runs no timer until it
// is started again; once ended it does nothing more until started again; and
// it reports ReadOk or WriteOk exactly when it ends completed, once. OK is
// pressed only while the session lets it be enabled, as in the dialogs.
#include "CodeplugBuilder.h"
#include "FuzzContext.h"
#include "app/Prompter.h"
#include "model/TMacList.h"
#include "session/RadioSession.h"

#include <set>

namespace {

class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool more() const { return m_pos < m_size; }
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    QByteArray bytes(std::size_t n) {
        n = std::min(n, m_size - m_pos);
        QByteArray out(reinterpret_cast<const char*>(m_data + m_pos), static_cast<qsizetype>(n));
        m_pos += n;
        return out;
    }

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

std::vector<std::pair<MapEntry, Record>> writeRecords(const AppContext& ctx) {
    return CodeplugBuilder(ctx, "8524")
        .Band("400 - 480MHz")
        .Channel(1, ChannelValues{462.5625, 467.5625, "67.0", "D023N", Power::High, Bandwidth::Wide,
                                  YesNo::No, YesNo::Yes, YesNo::Yes})
        .RadioRecords();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AppContext& ctx = FuzzContext();
    static const auto records = writeRecords(ctx);
    Input in(data, size);
    RadioSession session =
        (in.byte() & 1) ? RadioSession(ctx.models(), ctx.bands())
                        : RadioSession(ctx.models(), *ctx.models().FindByCode("8524"), records);
    std::set<SessionTimer> running;
    bool cancelled = false;
    bool okEnabled = true;
    bool ended = false;
    int successPrompts = 0;
    const auto take = [&] {
        for (const SessionAction& a : session.TakeActions()) {
            FUZZ_CHECK(!ended);
            if (a.kind == SessionAction::Kind::Prompt &&
                (a.message == SessionMessage::ReadOk || a.message == SessionMessage::WriteOk))
                ++successPrompts;
            if (a.kind == SessionAction::Kind::Ended) {
                FUZZ_CHECK(successPrompts == (a.outcome == SessionOutcome::Completed ? 1 : 0));
                ended = true;
            }
            if (a.kind == SessionAction::Kind::StartTimer)
                running.insert(a.timer);
            else if (a.kind == SessionAction::Kind::StopTimer)
                running.erase(a.timer);
            else if (a.kind == SessionAction::Kind::EnableOk)
                okEnabled = a.value != 0;
            if (cancelled)
                FUZZ_CHECK(a.kind != SessionAction::Kind::Send &&
                           a.kind != SessionAction::Kind::StartTimer);
        }
    };
    session.Start();
    take();
    for (int steps = 0; in.more() && steps < 4000; ++steps) {
        const std::uint8_t op = in.byte();
        switch (op % 7) {
        case 0:
        case 1:
            session.Feed(in.bytes(op / 7 % 24 + 1));
            break;
        case 2: {
            // Mostly a timer that runs, as a driver would deliver it.
            const auto timer = static_cast<SessionTimer>(in.byte() % 4);
            if (running.count(timer) || op & 0x80) {
                running.erase(timer);
                session.OnTimer(timer);
            }
            break;
        }
        case 3:
            session.OnLineError();
            break;
        case 4:
            if (op & 0x80)
                session.OnPortFailed();
            else
                session.OnDrained();
            break;
        case 5: {
            static const int answers[] = {Prompt::kOk, Prompt::kCancel, Prompt::kRetry,
                                          Prompt::kYes, Prompt::kNo};
            session.Answer(answers[in.byte() % 5]);
            break;
        }
        case 6:
            if (op & 0x40) {
                if (okEnabled) {
                    cancelled = false;
                    ended = false;
                    successPrompts = 0;
                    session.Start();
                }
            } else {
                session.Cancel();
                take();
                FUZZ_CHECK(running.empty());
                cancelled = true;
            }
            break;
        }
        take();
    }
    return 0;
}
