#include "RhodesCommand.h"
#include "CatalogueListing.h"
#include "CliDelegate.h"
#include "model/Design.h"
#include "model/RhodeShapes.h"
#include "shell/Startup.h"
#include <QJsonArray>
#include <QJsonObject>

namespace {
QJsonObject shapeJson(const TRhode& shape, const QString& file)
{
    QJsonArray stitches;
    for (const TBackStitch& s : shape.stitches) {
        stitches.append(QJsonObject{{QStringLiteral("fromx"), s.FromPoint.x()}, {QStringLiteral("fromy"), s.FromPoint.y()},
            {QStringLiteral("tox"), s.ToPoint.x()}, {QStringLiteral("toy"), s.ToPoint.y()}});
    }
    return {{QStringLiteral("name"), shape.name}, {QStringLiteral("width"), shape.width},
        {QStringLiteral("height"), shape.height}, {QStringLiteral("original"), shape.original},
        {QStringLiteral("stitches"), stitches}, {QStringLiteral("file"), file}};
}

QString shapeLine(const TRhode& shape, const QString& file)
{
    return QStringLiteral("%1\t%2 x %3\t%4 stitches\t%5\t%6\n")
        .arg(shape.name)
        .arg(shape.width)
        .arg(shape.height)
        .arg(shape.stitches.size())
        .arg(shape.original ? QStringLiteral("original") : QStringLiteral("own"), file);
}
} // namespace

QString RhodesCommand::synopsis() const
{
    return QStringLiteral("[--json]  list the rhodes shapes (name, size, stitches, file)");
}

int RhodesCommand::run(const QStringList& arguments, CliDelegate& delegate)
{
    return CatalogueListing::run(name(), arguments, delegate, [&delegate](const Design& design) {
        RhodeShapes shapes;
        QStringList files;
        const Status loaded = Startup::loadRhodeShapes(design.stitch.RhodesPath, shapes, &files);
        if (!loaded)
            delegate.err(QStringLiteral("threadwright-cli: %1").arg(loaded.text()));
        QList<CatalogueListing::Entry> entries;
        for (int i = 0; i < shapes.size(); ++i)
            entries.append({shapeJson(*shapes.at(i), files.value(i)), shapeLine(*shapes.at(i), files.value(i))});
        return entries;
    });
}
