#include "ProgressBar.h"

#include <QByteArray>

#include <cstdio>
#include <unistd.h>

ProgressBar::ProgressBar() : m_enabled(isatty(STDERR_FILENO) != 0) {}

ProgressBar::~ProgressBar() {
    Finish();
}

void ProgressBar::Show(int value, int maximum) {
    if (!m_enabled || maximum <= 0)
        return;
    constexpr int kWidth = 30;
    const int filled = kWidth * value / maximum;
    std::fprintf(stderr, "\r[%s%s] %d/%d", QByteArray(filled, '#').constData(),
                 QByteArray(kWidth - filled, '.').constData(), value, maximum);
    std::fflush(stderr);
    m_drawn = true;
}

void ProgressBar::Finish() {
    if (m_drawn)
        std::fputc('\n', stderr);
    m_drawn = false;
}
