#pragma once

#include "DataFileCommand.h"

class QCommandLineOption;
class QCommandLineParser;
class RadioPort;
class RadioSession;
class SessionLog;
class Workspace;

/**
 * What read and write share: the --port option, the port opened with the
 * radio's line settings, a session run to its end on the terminal (a progress
 * bar, Ctrl+C and SIGTERM stopping it in order) and the sentence telling what
 * went wrong where.
 */
class RadioCommand : public DataFileCommand {
  protected:
    static const QCommandLineOption& PortOption();
    /** --trace FILE: the session log. */
    static const QCommandLineOption& TraceOption();
    /**
     * The files a command will write, checked before the radio is woken: a
     * path that cannot be written is reported and gives false.
     */
    static bool CheckOutputs(const QStringList& paths, const QString& consequence);
    /** Writes the log to --trace's file when given; a failure is reported and gives false. */
    static bool SaveTrace(const QCommandLineParser& parser, const SessionLog& log);
    /** Says so and returns false when --port was not given. */
    bool RequirePort(const QCommandLineParser& parser) const;
    /** Opens the port; a failure is one line: LPortError, then what failed on which port. */
    static bool OpenPort(Workspace& ws, RadioPort& port, const QString& name, bool flush);
    /**
     * Runs the session to its end; a lost line is opened again before a
     * restart. Returns the exit status: 0, the session's or the port's
     * failure, or 128 + the signal that stopped it. The port is closed at the
     * end unless keepOpen asks for it to stay open for a next session.
     */
    static int RunSession(Workspace& ws, RadioSession& session, RadioPort& port,
                          const QString& name, bool flush, SessionLog* log = nullptr,
                          bool keepOpen = false);
    /**
     * Waits between two sessions, as a Retry does; Ctrl+C or SIGTERM ends the
     * wait. Returns 0, or 128 + the signal.
     */
    static int PauseBetweenSessions();
    /** One sentence: what went wrong with the radio on which port, and where. */
    static QString TroubleOf(const RadioSession& session, const QString& port, const Workspace& ws);
};
