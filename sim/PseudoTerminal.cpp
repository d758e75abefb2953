#include "PseudoTerminal.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using Clock = std::chrono::steady_clock;

PseudoTerminal::PseudoTerminal() {
    char name[256] = {};
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    if (openpty(&m_master, &m_slave, name, &raw, nullptr) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        m_master = m_slave = -1;
        return;
    }
    m_slavePath = QString::fromLocal8Bit(name);
    fcntl(m_master, F_SETFD, FD_CLOEXEC);
    fcntl(m_slave, F_SETFD, FD_CLOEXEC);
}

PseudoTerminal::~PseudoTerminal() {
    HangUp();
}

QByteArray PseudoTerminal::Read(int timeoutMs) {
    QByteArray out;
    if (m_master < 0)
        return out;
    pollfd p{m_master, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0 || !(p.revents & POLLIN))
        return out;
    char buffer[512];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n <= 0)
        return out;
    out = QByteArray(buffer, static_cast<int>(n));
    if (m_paced) {
        // The bytes were on the line one after the other: the last arrives last.
        const auto now = Clock::now();
        const auto start = std::max(now, m_lineFree);
        m_lineFree = start + kByteTime * static_cast<int>(n);
        std::this_thread::sleep_until(m_lineFree);
    }
    return out;
}

void PseudoTerminal::Write(const QByteArray& bytes) {
    if (m_master < 0)
        return;
    if (!m_paced) {
        const ssize_t ignored =
            ::write(m_master, bytes.constData(), static_cast<size_t>(bytes.size()));
        (void)ignored;
        return;
    }
    auto next = std::max(Clock::now(), m_lineFree);
    for (char b : bytes) {
        next += kByteTime;
        std::this_thread::sleep_until(next);
        const ssize_t ignored = ::write(m_master, &b, 1);
        (void)ignored;
    }
    m_lineFree = next;
}

void PseudoTerminal::HangUp() {
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = m_master = -1;
}
