#pragma once

/** Exit status of qx7-cli. */
namespace ExitCode {
constexpr int kOk = 0;
constexpr int kUsage = 1;
/** A file or its content is not acceptable; nothing was written. */
constexpr int kBadFile = 2;
/** A radio session failed: no answer, line error, refused or unknown model. */
constexpr int kSessionFailed = 3;
/** The port cannot be opened. */
constexpr int kPortFailed = 4;
/** diff: the two codeplugs differ. */
constexpr int kDiffer = 5;
} // namespace ExitCode
