#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>

/**
 * A pseudo-terminal pair: the program opens the slave path like a serial
 * port, the simulator talks through the master side. Optionally paced at the
 * line speed of 9600 baud with 11 bits a byte.
 */
class PseudoTerminal {
  public:
    static constexpr std::chrono::microseconds kByteTime{1146}; // 11 bits at 9600 baud

    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool IsOpen() const { return m_master >= 0; }
    const QString& SlavePath() const { return m_slavePath; }
    const QString& Error() const { return m_error; }

    void SetPacing(bool paced) { m_paced = paced; }
    /** Waits up to timeoutMs for bytes; each one is taken at its line time when paced. */
    QByteArray Read(int timeoutMs);
    void Write(const QByteArray& bytes);
    /** Drops the line: the program sees its cable pulled. */
    void HangUp();

  private:
    int m_master = -1;
    int m_slave = -1; // kept open so the line survives the program closing its side
    QString m_slavePath;
    QString m_error;
    bool m_paced = false;
    std::chrono::steady_clock::time_point m_lineFree{};
};
