#include "printing/PageFileNames.h"
#include "model/Translatable.h"
#include <QDir>

QString PageFileNames::extension(PictureType type)
{
    switch (type) {
    case PictureType::Bmp:
        return QStringLiteral(".bmp");
    case PictureType::Png:
        return QStringLiteral(".png");
    case PictureType::Jpeg:
        break;
    }
    return QStringLiteral(".jpeg");
}

Status PageFileNames::checkName(const QString& name)
{
    static const QString forbidden = QStringLiteral("\"*/:<>?\\|");
    const bool bad = name.isEmpty() || std::any_of(name.begin(), name.end(), [](QChar c) { return forbidden.contains(c); });
    return bad ? Status::error(TRANSLATABLE("Filename is not valid")) : Status::ok();
}

Status PageFileNames::makeFolder(const QString& folder)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return Status::error(TRANSLATABLE("Foldername is not valid"));
    return Status::ok();
}

QString PageFileNames::withExtension(const QString& name, const QString& extension)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return (dot < 0 ? name : name.left(dot)) + extension;
}

QString PageFileNames::numbered(const QString& name, int page, int count, bool percentD)
{
    const QString number = QStringLiteral("%1").arg(page, int(QString::number(count).size()), 10, QLatin1Char('0'));
    const qsizetype hash = name.indexOf(QLatin1Char('#'));
    if (hash >= 0)
        return QString(name).replace(hash, 1, number);
    const qsizetype percent = percentD ? name.indexOf(QLatin1String("%d")) : -1;
    if (percent >= 0)
        return QString(name).replace(percent, 2, number);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name + number : QString(name).insert(dot, number);
}
