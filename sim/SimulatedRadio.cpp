#include "SimulatedRadio.h"

#include "image/DataFile.h"
#include "image/MemoryMap.h"
#include "model/TFrqList.h"
#include "model/TMacList.h"

namespace {

constexpr char kStx = 0x02;
constexpr char kAck = 0x06;
constexpr char kWakeWord[] = "PROGRAM";
constexpr int kHalf = 8;

int commandLength(char c) {
    switch (c) {
    case 'R':
        return 4;
    case 'W':
    case 'Y':
        return 4 + kHalf;
    default:
        return 1;
    }
}

} // namespace

SimulatedRadio::SimulatedRadio(QString modelCode)
    : SimulatedRadio(std::move(modelCode), Faults()) {}

SimulatedRadio::SimulatedRadio(QString modelCode, Faults faults)
    : m_modelCode(std::move(modelCode)), m_faults(faults), m_image(kImageSize, '\xFF') {}

QByteArray SimulatedRadio::Identity() const {
    if (!m_faults.identity.isEmpty())
        return m_faults.identity;
    return ("P" + m_modelCode + "    ").left(5).toLatin1() + "V10";
}

SimulatedRadio::Reply SimulatedRadio::Receive(const QByteArray& bytes) {
    Reply reply;
    for (char b : bytes) {
        receiveByte(b, reply);
        if (reply.hangup)
            break;
    }
    if (!reply.bytes.isEmpty() && m_faults.extraBytes > 0)
        reply.bytes.append(QByteArray(m_faults.extraBytes, '\0'));
    if (silent())
        reply.bytes.clear();
    return reply;
}

void SimulatedRadio::Replug() {
    m_faults.hangupAfter = -1;
    m_faults.hangupAt = Stage::None;
    m_state = State::Idle;
    m_command.clear();
}

void SimulatedRadio::receiveByte(char b, Reply& reply) {
    switch (m_state) {
    case State::Idle:
        if (b == kStx) {
            m_state = State::WakeWord;
            m_letter = 0;
        }
        return;
    case State::WakeWord:
        if (b == kWakeWord[m_letter]) {
            if (++m_letter == static_cast<int>(sizeof(kWakeWord)) - 1) {
                if (m_faults.hangupAt == Stage::Handshake) {
                    reply.hangup = true;
                    return;
                }
                if (m_faults.silentAt == Stage::Handshake) {
                    m_state = State::Idle;
                    return;
                }
                if (m_faults.strayByte)
                    reply.bytes.append('\x55');
                reply.bytes.append(kAck);
                m_state = State::AwaitStx;
            }
        } else {
            m_state = b == kStx ? State::WakeWord : State::Idle;
            m_letter = 0;
        }
        return;
    case State::AwaitStx:
        if (b == kStx && m_faults.hangupAt == Stage::Identity) {
            reply.hangup = true;
        } else if (b == kStx && m_faults.silentAt == Stage::Identity) {
            m_state = State::Idle;
        } else if (b == kStx) {
            reply.bytes.append(Identity());
            m_state = State::Session;
            m_command.clear();
        }
        return;
    case State::Session:
        if (m_command.isEmpty() && b == kStx) { // the program starts over
            m_state = State::WakeWord;
            m_letter = 0;
            return;
        }
        m_command.append(b);
        if (m_command.size() == commandLength(m_command[0]))
            command(reply);
        return;
    }
}

void SimulatedRadio::command(Reply& reply) {
    const QByteArray c = std::exchange(m_command, {});
    switch (c[0]) {
    case kAck: {
        const bool wrong = m_faults.wrongAckAfter >= 0 && m_commands >= m_faults.wrongAckAfter;
        reply.bytes.append(wrong ? kNak : kAck);
        return;
    }
    case 'E':
        m_state = State::Idle;
        reply.sessionEnded = true;
        reply.hangup = m_faults.hangupAt == Stage::End; // the cable is pulled as the bar fills
        return;
    case 'R':
    case 'W':
    case 'Y':
        break;
    default:
        return; // not a command this radio knows
    }
    ++m_commands;
    if (m_faults.hangupAfter >= 0 && m_commands > m_faults.hangupAfter) {
        reply.hangup = true;
        return;
    }
    const int address = (static_cast<unsigned char>(c[1]) << 8) | static_cast<unsigned char>(c[2]);
    const int length = std::min<int>(static_cast<unsigned char>(c[3]), kHalf);
    const bool inside = address >= 0 && address + length <= kImageSize;
    if (c[0] == 'R') {
        reply.bytes.append(c.left(4));
        reply.bytes.append(inside ? m_image.mid(address, kHalf) : QByteArray(kHalf, '\xFF'));
        return;
    }
    if (inside) {
        m_image.replace(address, length, c.mid(4, length));
        // A radio that stores a block badly: it acknowledges it all the same.
        const int wrong = m_faults.storeWronglyAt;
        if (wrong >= address && wrong < address + length)
            m_image[wrong] = static_cast<char>(m_image[wrong] ^ 0x01);
    }
    reply.bytes.append(kAck);
}

Result<QByteArray> SimulatedRadio::ImageFromDataFile(const QByteArray& file,
                                                     const TMacList& models) {
    TFrqList noBands;
    const auto d = DataFile::Decode(file, QStringLiteral("the image file"), models, noBands);
    if (!d)
        return Result<QByteArray>::Failure(d.error(), d.code());
    QByteArray image(kImageSize, '\xFF');
    const MemoryMap map = MemoryMap::ForModel(*d->codeplug.model);
    for (const MapEntry& e : map.FileOrder()) {
        if (e.radioAddress <= 0 || e.radioAddress + kRecordSize > kImageSize)
            continue; // record 0 of a radio is not the file's header
        image.replace(e.radioAddress, kRecordSize,
                      file.mid(e.fileRecord * kRecordSize, kRecordSize));
    }
    return image;
}
