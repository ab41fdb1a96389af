#include "smartwarn.h"

#include <QChar>
#include <cstdio>

namespace {

enum { MaxLines = 4, Disks = 16 };

} // namespace

void addWarningLine(QStringList* list, const QString& line)
{
    if (list->size() < MaxLines)
        list->append(line);
    else if (list->size() == MaxLines)
        list->append(QStringLiteral("..."));
}

SmartWarnings smartWarnings(const int32_t valid[16], const int32_t temp[16], const int32_t errors[16],
                            int tempLimit, int errorLimit, const QString& errorTitle, const QString& heatTitle)
{
    SmartWarnings out;
    const QChar degree(0xB0);
    for (int i = 0; i < Disks; ++i) {
        if (!valid[i])
            continue;
        const int disk = i + 1;
        if (temp[i] > tempLimit) {
            addWarningLine(&out.temps, heatTitle + QStringLiteral("! ")
                                    + QStringLiteral("(HDD%1 %2%3C/%4%5C)")
                                          .arg(disk)
                                          .arg(temp[i])
                                          .arg(degree)
                                          .arg(tempLimit)
                                          .arg(degree));
            char text[256];
            std::snprintf(text, sizeof text, "(HDD%d %d'C/%d'C)", disk, int(temp[i]), tempLimit);
            out.tempLogs.append(QByteArray(text));
        }
        if (errors[i] >= errorLimit)
            addWarningLine(&out.errors, errorTitle + QStringLiteral("! ")
                                     + QStringLiteral("(HDD%1  %2 Errors / %3 Test)")
                                           .arg(disk)
                                           .arg(errors[i])
                                           .arg(errorLimit));
    }
    return out;
}
