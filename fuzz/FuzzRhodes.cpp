// The rhodes shapes file ("rhodes.xml") loaded as the start-up loads the shape library, each
// shape placed in a design as the rhodes tool places it, and the library saved back as the
// rhodes editor saves it: a file that could not be read must never be replaced, and a file that
// was read must come back the same.
#include "FuzzSupport.h"
#include "files/RhodesFile.h"
#include "model/RhodeShapes.h"
#include <QFile>
#include <QRect>

namespace {
constexpr int kDesignSide = 40;

QByteArray contentOf(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool sameShapes(const RhodeShapes& a, const RhodeShapes& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        const TRhode& x = *a.at(i);
        const TRhode& y = *b.at(i);
        if (x.name != y.name || x.width != y.width || x.height != y.height || x.original != y.original
            || x.stitches.size() != y.stitches.size())
            return false;
        for (int k = 0; k < x.stitches.size(); ++k) {
            if (x.stitches[k].FromPoint != y.stitches[k].FromPoint || x.stitches[k].ToPoint != y.stitches[k].ToPoint)
                return false;
        }
    }
    return true;
}

void placeEverywhere(const RhodeShapes& shapes)
{
    const QPoint centres[] = {{0, 0}, {kDesignSide, kDesignSide}, {2 * kDesignSide, 2 * kDesignSide}, {2 * kDesignSide, 0}};
    for (const TRhodeRef& shape : shapes.shapes()) {
        for (const QPoint& centre : centres) {
            const TRhodeRef placed = RhodeShapes::place(*shape, centre, 0x123456, 0, kDesignSide, kDesignSide);
            if (!placed)
                continue;
            for (const TBackStitch& s : placed->stitches) {
                const QRect grid(0, 0, 2 * kDesignSide + 1, 2 * kDesignSide + 1);
                if (!grid.contains(s.FromPoint) || !grid.contains(s.ToPoint))
                    FuzzSupport::fail("a placed rhode sticks out of the design");
            }
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fileName = FuzzSupport::writeInput(data, size, QString::fromLatin1(RhodesFile::kFileName));
    RhodeShapes shapes;
    const Status loaded = RhodesFile::load(fileName, shapes);
    FuzzSupport::checkNamesFile(loaded, fileName);
    if (!loaded) {
        if (!shapes.isEmpty())
            FuzzSupport::fail("an unreadable shapes file left shapes in the library");
        RhodesFile::save(fileName, shapes);
        if (contentOf(fileName) != FuzzSupport::bytes(data, size))
            FuzzSupport::fail("an unreadable shapes file was replaced");
        return 0;
    }
    placeEverywhere(shapes);
    const QString copy = FuzzSupport::scratchFolder() + QStringLiteral("saved-rhodes.xml");
    if (!RhodesFile::save(copy, shapes))
        FuzzSupport::fail("a library that was read could not be saved");
    RhodeShapes again;
    if (!RhodesFile::load(copy, again) || !sameShapes(shapes, again))
        FuzzSupport::fail("a saved library does not read back the same");
    return 0;
}
