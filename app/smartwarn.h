#pragma once
#include <QByteArray>
#include <QList>
#include <QStringList>

#include <cstdint>

// What the disks' S.M.A.R.T. data give the operator at start: the lines of
// the warning box (at most four, then "..."), one list for disks with
// errors and one for overheated disks, and the system-log texts of the
// overheated ones (each at most 255 bytes).
struct SmartWarnings {
    QStringList errors;
    QStringList temps;
    QList<QByteArray> tempLogs;
};

// Disks 1..16 from the per-disk tables (index disk - 1): only disks whose
// data are valid count. A temperature above tempLimit overheats; an error
// count at or above errorLimit is an error. errorTitle and heatTitle lead
// their lines ("S.M.A.R.T Error", "Overheating").
SmartWarnings smartWarnings(const int32_t valid[16], const int32_t temp[16], const int32_t errors[16],
                            int tempLimit, int errorLimit, const QString& errorTitle, const QString& heatTitle);

// Adds a line to a warning box's list while it holds fewer than four; one
// more makes the fifth line "..." and later ones are dropped.
void addWarningLine(QStringList* list, const QString& line);
