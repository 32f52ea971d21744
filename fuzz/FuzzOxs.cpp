// Open Cross Stitch charts (".oxs") opened as the program opens them: by extension, into a fresh
// design with the shipped catalogues. A chart that opens is exported and opened again: that must
// succeed without a note, give the same size, and export to the same bytes.
#include "FuzzDesignCheck.h"
#include "FuzzSupport.h"
#include "files/OxsWriter.h"
#include "model/Design.h"
#include <QBuffer>
#include <QFile>

namespace {
QByteArray exported(const Design& design)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!OxsWriter::write(design, buffer))
        FuzzSupport::fail("an opened chart could not be exported");
    return buffer.data();
}

void exportAndOpenAgain(const QString& input)
{
    auto design = FuzzSupport::freshDesign();
    if (!DesignFiles::load(input, *design).status)
        return;
    const QByteArray first = exported(*design);
    const QString copy = FuzzSupport::writeInput(reinterpret_cast<const uint8_t*>(first.constData()), size_t(first.size()),
        QStringLiteral("exported.oxs"));
    auto again = FuzzSupport::freshDesign();
    const DesignFiles::LoadResult reread = DesignFiles::load(copy, *again);
    if (!reread.status)
        FuzzSupport::fail("an exported chart does not open", reread.status.text());
    if (!reread.warnings.isEmpty())
        FuzzSupport::fail("an exported chart opens with a note", reread.warnings.first().text());
    if (again->width() != design->width() || again->height() != design->height())
        FuzzSupport::fail("an exported chart opens with another size");
    if (exported(*again) != first)
        FuzzSupport::fail("an exported chart exports to other bytes");
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = FuzzSupport::writeInput(data, size, QStringLiteral("input.oxs"));
    FuzzDesignCheck::loadAndCheck(input);
    exportAndOpenAgain(input);
    return 0;
}
