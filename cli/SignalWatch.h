#pragma once

#include <QObject>

class QSocketNotifier;

/**
 * Turns Ctrl+C (SIGINT) and SIGTERM into a signal of the event loop while it
 * lives, so that a session can stop in order: the handler only writes the
 * signal's number into a pipe. The handlers before it come back with its end.
 */
class SignalWatch : public QObject {
    Q_OBJECT

  public:
    SignalWatch();
    ~SignalWatch() override;

    /** The signal that came, or 0. */
    int Caught() const { return m_caught; }

  signals:
    void caught(int signalNumber);

  private:
    void onReadable();

    QSocketNotifier* m_notifier = nullptr;
    int m_caught = 0;
};
