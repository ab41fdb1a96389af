#pragma once
// Reads a clock of whole seconds right after Qt's reading of the system
// clock, over the turn of a second and 20 ms past it, where a clock of ticks
// still gives the second before. Empty when every reading was Qt's second
// (or the next, turned in between), else the first one that was not.
#include <QDateTime>
#include <QElapsedTimer>
#include <QString>

template <typename Clock>
QString secondTurnMismatch(Clock clock)
{
    const qint64 first = QDateTime::currentSecsSinceEpoch();
    QElapsedTimer sinceTurn;
    while (!sinceTurn.isValid() || sinceTurn.elapsed() < 20) {
        const qint64 qt = QDateTime::currentSecsSinceEpoch();
        const qint64 read = clock();
        if (read != qt && read != qt + 1)
            return QStringLiteral("%1 after %2").arg(read).arg(qt);
        if (!sinceTurn.isValid() && qt > first)
            sinceTurn.start();
    }
    return QString();
}
