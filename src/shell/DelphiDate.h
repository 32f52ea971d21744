#pragma once
#include <QDateTime>

// Dates in the settings are days since 30 December 1899 (local time), the time of day as fraction.
namespace DelphiDate {
double fromDateTime(const QDateTime& when);
QDateTime toDateTime(double days);
} // namespace DelphiDate
