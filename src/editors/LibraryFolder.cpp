#include "editors/LibraryFolder.h"
#include <QDir>
#include <algorithm>

namespace {
// The length of the run of digits (or of other characters) that starts at `i`.
qsizetype runLength(const QString& s, qsizetype i)
{
    const bool digits = s[i].isDigit();
    qsizetype end = i;
    while (end < s.size() && s[end].isDigit() == digits)
        ++end;
    return end - i;
}

QStringView withoutLeadingZeros(QStringView digits)
{
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits = digits.mid(1);
    return digits;
}

// Numbers inside names compare by value ("motif 2" before "motif 10"), the rest without regard
// to case. The collator would do this only where the locale provides it, not under the C locale.
bool namedBefore(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const qsizetype n = runLength(a, i), m = runLength(b, j);
        const QStringView x = QStringView(a).mid(i, n), y = QStringView(b).mid(j, m);
        int order = 0;
        if (a[i].isDigit() && b[j].isDigit()) {
            // By value without reading the number, so a run of any length compares.
            const QStringView p = withoutLeadingZeros(x), q = withoutLeadingZeros(y);
            order = p.size() != q.size() ? (p.size() < q.size() ? -1 : 1) : p.compare(q);
            if (order == 0 && x.size() != y.size())
                order = x.size() < y.size() ? -1 : 1;
        } else {
            order = x.compare(y, Qt::CaseInsensitive);
        }
        if (order != 0)
            return order < 0;
        i += n;
        j += m;
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j;
    return a < b;
}
} // namespace

QStringList LibraryFolder::entries(const QString& folder)
{
    QStringList names;
    if (folder.isEmpty())
        return names;
    // The name filters of QDir ignore case on some systems; the test here never does.
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Readable)) {
        if (name.endsWith(QLatin1String(".qmk")) || name.endsWith(QLatin1String(".qmkp")))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), namedBefore);
    return names;
}
