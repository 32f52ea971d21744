#pragma once
#include <QProcess>
#include <QRegularExpression>
#include <QString>

// What poppler's pdfinfo reports of a PDF file: its pages, title and page size in points.
struct PdfInfo
{
    int pages = 0;
    QString title;
    QString pageSize;

    static PdfInfo of(const QString& fileName)
    {
        QProcess process;
        process.start(QStringLiteral("pdfinfo"), {fileName});
        process.waitForFinished(30000);
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        const auto field = [&](const char* name) {
            const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(QLatin1String(name)), QRegularExpression::MultilineOption);
            return line.match(text).captured(1).trimmed();
        };
        return {field("Pages").toInt(), field("Title"), field("Page size")};
    }
};
