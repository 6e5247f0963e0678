#pragma once

#include <QtGlobal>

#include <cmath>

// Decides when a cipher reports its percentage: at the first unit, then about once per percent,
// and 100 at the end. Positions and thresholds are worked in double precision with ties rounded to
// even, so the reported sequence is the same on every machine.
class ProgressMeter {
public:
    explicit ProgressMeter(qint64 total) : m_total(total) {}

    // After the unit at position is done: true when a report is due, with the percentage in *percent.
    bool done(qint64 position, int* percent)
    {
        if (position < m_threshold)
            return false;
        const double total = static_cast<double>(m_total);
        m_current = static_cast<int>(std::floor(static_cast<double>(position) / total * 100.0));
        m_threshold = static_cast<qint64>(std::nearbyint((m_current + 1) / 100.0 * total + 1.0));
        *percent = m_current;
        return true;
    }

    // At the end: true when 100 is still to be reported.
    bool finish(int* percent)
    {
        if (m_current == 100)
            return false;
        m_current = 100;
        *percent = 100;
        return true;
    }

private:
    qint64 m_total;
    qint64 m_threshold = 0;
    int m_current = 0;
};
