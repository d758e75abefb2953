#pragma once

#include "app/Result.h"
#include <QByteArray>

#include <QString>

class TMacList;

/**
 * The radio side of the programming protocol, without a line: it is handed
 * the bytes the program sends and gives back the bytes a radio answers. It
 * keeps a memory image of 0x400 bytes that "R" reads and "W" and "Y" write.
 * Fault switches make it misbehave after a number of data commands.
 */
class SimulatedRadio {
  public:
    static constexpr int kImageSize = 0x400;
    static constexpr char kNak = 0x15;

    /** The steps of a session where a fault can strike: before the data commands, or at "E". */
    enum class Stage { None, Handshake, Identity, End };

    struct Faults {
        Stage silentAt = Stage::None; // answer nothing from this step on
        Stage hangupAt = Stage::None; // drop the line when this step is reached
        QByteArray identity;          // reported instead of the model's identity
        int silentAfter = -1;         // answer nothing after this many data commands
        int wrongAckAfter = -1;       // answer acknowledgements wrongly after this many
        int hangupAfter = -1;         // drop the line after this many
        int extraBytes = 0;           // bytes added to every answer
        bool strayByte = false;       // a stray byte before the handshake's 0x06
        int storeWronglyAt = -1;      // the image address whose lowest bit a write stores flipped
    };

    struct Reply {
        QByteArray bytes;
        bool hangup = false;       // the line is gone
        bool sessionEnded = false; // "E" was received
    };

    explicit SimulatedRadio(QString modelCode = QStringLiteral("8524"));
    SimulatedRadio(QString modelCode, Faults faults);

    /** The eight identity characters: "P", the model code, "V10", unless a fault replaces them. */
    QByteArray Identity() const;
    QByteArray& Image() { return m_image; }
    const QByteArray& Image() const { return m_image; }
    /** Data commands ("R", "W", "Y") received so far. */
    int Commands() const { return m_commands; }

    Reply Receive(const QByteArray& bytes);
    /**
     * The cable is plugged in again after the radio dropped the line: it drops
     * it no more, and waits for a new session.
     */
    void Replug();

    /**
     * The radio image holding a data file's records at their radio addresses;
     * refused when the file is not a data file of a known model.
     */
    static Result<QByteArray> ImageFromDataFile(const QByteArray& file, const TMacList& models);

  private:
    enum class State { Idle, WakeWord, AwaitStx, Session };
    void receiveByte(char byte, Reply& reply);
    void command(Reply& reply);
    bool silent() const { return m_faults.silentAfter >= 0 && m_commands > m_faults.silentAfter; }

    QString m_modelCode;
    Faults m_faults;
    QByteArray m_image;
    State m_state = State::Idle;
    int m_letter = 0;
    QByteArray m_command;
    int m_commands = 0;
};
