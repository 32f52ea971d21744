#include "model/Translatable.h"
#include "files/RhodesFile.h"
#include "files/SafeFileWriter.h"
#include "files/XmlDocument.h"
#include "model/RhodeShapes.h"
#include <QFile>
#include <QFileInfo>
#include <optional>

namespace {
const QString kRhodes = QStringLiteral("rhodes");
const QString kRhode = QStringLiteral("rhode");
const QString kStitches = QStringLiteral("stitches");
const QString kStitch = QStringLiteral("stitch");
const QString kName = QStringLiteral("name");
const QString kWidth = QStringLiteral("width");
const QString kHeight = QStringLiteral("height");
const QString kOriginal = QStringLiteral("original");
const QString kFromX = QStringLiteral("fromx");
const QString kFromY = QStringLiteral("fromy");
const QString kToX = QStringLiteral("tox");
const QString kToY = QStringLiteral("toy");

// The first attribute whose value the format does not allow.
struct BadValue
{
    QString attribute;
    QString value;
};

// Reads the shapes of one document; stops at the first bad value.
class ShapeReader
{
public:
    std::optional<BadValue> bad;
    int badShape = 0;

    QList<TRhodeRef> read(const XmlElement& root)
    {
        QList<TRhodeRef> shapes;
        const QList<XmlElement> elements = root.children();
        for (int i = 0; i < elements.size() && !bad; ++i) {
            TRhodeRef shape = readShape(elements[i]);
            if (bad)
                badShape = i + 1;
            else
                shapes.append(shape);
        }
        return shapes;
    }

private:
    int integer(const XmlElement& e, const QString& attribute, int low, int high)
    {
        const QString text = e.attribute(attribute);
        bool ok = false;
        const int value = text.toInt(&ok);
        if (ok && value >= low && value <= high)
            return value;
        // The first bad value is the one reported; what follows must not compute with it.
        if (!bad)
            bad = BadValue{attribute, text};
        return low;
    }

    // "True" or "False" in any letter case, or a number where 0 is false; absent is false.
    bool boolean(const XmlElement& e, const QString& attribute)
    {
        const QString text = e.attribute(attribute);
        if (text.isEmpty() || text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok && !bad)
            bad = BadValue{attribute, text};
        return ok && value != 0;
    }

    TRhodeRef readShape(const XmlElement& e)
    {
        auto shape = std::make_shared<TRhode>();
        shape->name = e.attribute(kName);
        shape->width = integer(e, kWidth, 1, RhodeShapes::kMaxSide);
        shape->height = integer(e, kHeight, 1, RhodeShapes::kMaxSide);
        shape->original = boolean(e, kOriginal);
        const XmlElement stitches = e.childByName(kStitches);
        const int maxX = 2 * shape->width, maxY = 2 * shape->height;
        for (const XmlElement& s : stitches.children()) {
            if (bad)
                break;
            const int fromX = integer(s, kFromX, 0, maxX);
            const int fromY = integer(s, kFromY, 0, maxY);
            const int toX = integer(s, kToX, 0, maxX);
            const int toY = integer(s, kToY, 0, maxY);
            TBackStitch stitch;
            stitch.FromPoint = QPoint(fromX, fromY);
            stitch.ToPoint = QPoint(toX, toY);
            shape->stitches.append(stitch);
        }
        return shape;
    }
};

XmlDocument documentOf(const RhodeShapes& shapes)
{
    XmlDocument doc = XmlDocument::create(kRhodes);
    XmlElement root = doc.documentElement();
    for (const TRhodeRef& shape : shapes.shapes()) {
        XmlElement e = root.addChild(kRhode);
        e.setAttribute(kName, shape->name);
        e.setAttribute(kWidth, QString::number(shape->width));
        e.setAttribute(kHeight, QString::number(shape->height));
        e.setAttribute(kOriginal, shape->original ? QStringLiteral("True") : QStringLiteral("False"));
        XmlElement stitches = e.addChild(kStitches);
        for (const TBackStitch& s : shape->stitches) {
            XmlElement stitch = stitches.addChild(kStitch);
            stitch.setAttribute(kFromX, QString::number(s.FromPoint.x()));
            stitch.setAttribute(kFromY, QString::number(s.FromPoint.y()));
            stitch.setAttribute(kToX, QString::number(s.ToPoint.x()));
            stitch.setAttribute(kToY, QString::number(s.ToPoint.y()));
        }
    }
    return doc;
}

bool sameFile(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// "rhodes.xml.unreadable", or with a number when that name is taken.
QString freeCopyName(const QString& fileName)
{
    const QString base = fileName + QStringLiteral(".unreadable");
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    return name;
}
} // namespace

QString RhodesFile::fileIn(const QString& rhodesPath)
{
    return rhodesPath + QLatin1String(kFileName);
}

Status RhodesFile::load(const QString& fileName, RhodeShapes& shapes)
{
    shapes.m_shapes.clear();
    shapes.m_current = -1;
    shapes.m_unreadableFile.clear();
    if (!QFileInfo::exists(fileName))
        return Status::ok();
    Status parsed;
    const std::optional<XmlDocument> doc = XmlDocument::load(fileName, &parsed);
    if (!doc) {
        shapes.m_unreadableFile = fileName;
        return Status::error(
            TRANSLATABLE("The rhodes shapes file %1 cannot be read (%2). The rhodes tool has no shapes, and the file is kept as it is."),
            {fileName, parsed.args().value(1)});
    }
    ShapeReader reader;
    const QList<TRhodeRef> read = reader.read(doc->documentElement());
    if (reader.bad) {
        shapes.m_unreadableFile = fileName;
        return Status::error(
            TRANSLATABLE("The rhodes shapes file %1 is damaged: shape %2 has the value \"%3\" in %4. The rhodes tool has no shapes, and the file is kept as it is."),
            {fileName, QString::number(reader.badShape), reader.bad->value, reader.bad->attribute});
    }
    for (const TRhodeRef& shape : read)
        shapes.append(shape);
    return Status::ok();
}

Status RhodesFile::save(const QString& fileName, RhodeShapes& shapes)
{
    const bool overUnreadable = !shapes.m_unreadableFile.isEmpty() && sameFile(shapes.m_unreadableFile, fileName);
    if (overUnreadable && shapes.isEmpty())
        return Status::ok();
    // The reader refuses a file beyond XmlDocument's limit, which would lose the whole library
    // at the next start; such a library is not written at all.
    const QByteArray bytes = documentOf(shapes).toBytes();
    if (bytes.size() > XmlDocument::kMaxFileBytes) {
        return Status::error(TRANSLATABLE("The rhodes shapes would make a file of %1 bytes, and files of more than %2 bytes cannot be read. Remove shapes or stitches; the shapes were not saved."),
            {QString::number(bytes.size()), QString::number(XmlDocument::kMaxFileBytes)});
    }
    if (overUnreadable && QFileInfo::exists(fileName)) {
        const QString copy = freeCopyName(fileName);
        if (!QFile::copy(fileName, copy)) {
            return Status::error(TRANSLATABLE("Could not keep a copy of the unreadable file %1 as %2; the rhodes shapes were not saved."),
                {fileName, copy});
        }
    }
    const Status saved = SafeFileWriter::writeBytes(fileName, bytes);
    if (saved && overUnreadable)
        shapes.m_unreadableFile.clear();
    return saved;
}
