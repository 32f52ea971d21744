#include "shell/DelphiDate.h"
#include <cmath>

namespace {
const QDateTime& epoch()
{
    static const QDateTime e(QDate(1899, 12, 30), QTime(0, 0));
    return e;
}
constexpr double kMsPerDay = 86400000.0;
} // namespace

double DelphiDate::fromDateTime(const QDateTime& when)
{
    const QDateTime local = when.toLocalTime();
    const qint64 days = epoch().date().daysTo(local.date());
    return double(days) + local.time().msecsSinceStartOfDay() / kMsPerDay;
}

QDateTime DelphiDate::toDateTime(double days)
{
    const double whole = std::floor(days);
    const qint64 ms = qint64(std::llround((days - whole) * kMsPerDay));
    return QDateTime(epoch().date().addDays(qint64(whole)), QTime(0, 0)).addMSecs(ms);
}
