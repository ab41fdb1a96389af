#include "tvkeytext.h"

#include <QStringList>

bool TVKeyText::isNumber(const QString& text)
{
    bool ok = false;
    text.toInt(&ok, 10);
    return ok;
}

bool TVKeyText::isIPv4(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() != 4)
        return false;
    for (const QString& part : parts) {
        // Digits only: a sign or blanks that toInt would let through are no
        // part of an address.
        if (part.isEmpty() || part.length() > 3)
            return false;
        for (const QChar ch : part) {
            if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
                return false;
        }
        bool ok = false;
        const int value = part.toInt(&ok, 10);
        if (!ok || value < 0 || value > 255)
            return false;
    }
    return true;
}

bool TVKeyText::needsDot(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    return parts.size() <= 3 && parts.last().length() == 3;
}

bool TVKeyText::needsColon(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(':'), Qt::KeepEmptyParts);
    return parts.size() < 6 && parts.last().length() == 2;
}
