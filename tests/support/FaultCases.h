#pragma once

// The fault matrix: how a read or a write ends when the radio misbehaves,
// shared by the command-line and the window tests. A read whose line is cut
// restarts by itself and opens the port again: it cannot, so the port's
// failure is what the user sees, unless the cable is plugged in again.

#include "app/Prompter.h"
#include "app/TLanguage.h"

#include <QByteArray>

#include <algorithm>
#include <ostream>
#include <vector>

struct Fault {
    const char* name;
    bool read;
    std::vector<const char*> sim; // qx7-sim's switches
    int status;                   // qx7-cli's exit status
    const char* message;          // the message key of the prompt shown
    int kind;                     // and its kind

    bool failed() const { return status != 0; }
    /** The radio drops the line, and its side of the port goes with it. */
    bool cut() const { return has("--hangup"); }
    /** The cable is plugged in again after the cut: the port is reached through a link. */
    bool replugs() const { return has("--replug"); }
    bool has(const char* option) const {
        return std::any_of(sim.begin(), sim.end(),
                           [option](const char* a) { return QByteArray(a).startsWith(option); });
    }
};

/** The text of a message key in the language of texts. */
inline QString MessageText(const TLanguage& texts, const char* key) {
    for (const TLanguage::Key& k : TLanguage::Keys())
        if (qstrcmp(k.name, key) == 0)
            return texts.*k.member;
    return {};
}

inline void PrintTo(const Fault& f, std::ostream* os) {
    *os << f.name;
}

// Data commands before the first channel record and before the settings: a
// read sends two per record in read order.
inline constexpr const char* kDuringChannels = "3";
inline constexpr const char* kDuringSettings = "40";

// One case a line reads as a table.
// clang-format off
inline const Fault kFaults[] = {
    {"read_silent_at_handshake", true, {"--silent-at", "handshake"}, 3, "ComError", Prompt::kRetryCancel},
    {"read_silent_at_identity", true, {"--silent-at", "identity"}, 3, "ComError", Prompt::kRetryCancel},
    {"read_silent_during_channels", true, {"--silent-after", kDuringChannels}, 3, "ComError", Prompt::kRetryCancel},
    {"read_silent_during_settings", true, {"--silent-after", kDuringSettings}, 3, "ComError", Prompt::kRetryCancel},
    {"read_wrong_ack", true, {"--wrong-ack-after", kDuringChannels}, 3, "ComError", Prompt::kInfo},
    {"read_cut_at_handshake", true, {"--hangup-at", "handshake"}, 4, "LPortError", Prompt::kInfo},
    {"read_cut_at_identity", true, {"--hangup-at", "identity"}, 4, "LPortError", Prompt::kInfo},
    {"read_cut_during_channels", true, {"--hangup-after", kDuringChannels}, 4, "LPortError", Prompt::kInfo},
    {"read_cut_during_settings", true, {"--hangup-after", kDuringSettings}, 4, "LPortError", Prompt::kInfo},
    {"read_cut_then_replugged", true, {"--hangup-after", kDuringChannels, "--replug"}, 0, "ReadOk", Prompt::kInfo},
    {"read_cut_after_end", true, {"--hangup-at", "end"}, 0, "ReadOk", Prompt::kInfo},
    {"read_garbage_identity", true, {"--identity", "#?!@%&*("}, 3, "ModError", Prompt::kInfo},
    {"read_unknown_model", true, {"--model", "9999"}, 3, "ModError", Prompt::kInfo},
    {"read_longer_answers", true, {"--extra-bytes", "3"}, 0, "ReadOk", Prompt::kInfo},
    {"read_other_model", true, {"--model", "7524"}, 0, "ReadOk", Prompt::kInfo},
    {"write_silent_at_handshake", false, {"--silent-at", "handshake"}, 3, "ComError", Prompt::kRetryCancel},
    {"write_silent_at_identity", false, {"--silent-at", "identity"}, 3, "ComError", Prompt::kRetryCancel},
    {"write_silent_during_channels", false, {"--silent-after", kDuringChannels}, 3, "ComError", Prompt::kRetryCancel},
    {"write_silent_during_settings", false, {"--silent-after", kDuringSettings}, 3, "ComError", Prompt::kRetryCancel},
    {"write_wrong_ack", false, {"--wrong-ack-after", "0"}, 3, "ComError", Prompt::kInfo},
    {"write_cut_at_handshake", false, {"--hangup-at", "handshake"}, 3, "ComError", Prompt::kInfo},
    {"write_cut_at_identity", false, {"--hangup-at", "identity"}, 3, "ComError", Prompt::kInfo},
    {"write_cut_during_channels", false, {"--hangup-after", kDuringChannels}, 3, "ComError", Prompt::kInfo},
    {"write_cut_during_settings", false, {"--hangup-after", kDuringSettings}, 3, "ComError", Prompt::kInfo},
    {"write_cut_after_end", false, {"--hangup-at", "end"}, 0, "WriteOk", Prompt::kInfo},
    {"write_garbage_identity", false, {"--identity", "#?!@%&*("}, 3, "Modforce", Prompt::kYesNo},
    {"write_unknown_model", false, {"--model", "9999"}, 3, "Modforce", Prompt::kYesNo},
    {"write_longer_answers", false, {"--extra-bytes", "3"}, 0, "WriteOk", Prompt::kInfo},
    {"write_other_model", false, {"--model", "7524"}, 3, "Modforce", Prompt::kYesNo},
};
// clang-format on
