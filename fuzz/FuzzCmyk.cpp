// The print colour corrections file ("CMYK.ini") read as the start-up reads it, then saved as
// the corrections dialog saves it: every correction read must be within the inks' range and
// print as its percentages say, and what was read must save and read back the same, to the byte.
#include "FuzzSupport.h"
#include "files/CMYKFile.h"
#include "model/CMYKConversion.h"
#include <QFile>

namespace {
QByteArray contentOf(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void checkCorrections(const TCMYKMap& corrections)
{
    for (const auto& [key, value] : corrections) {
        if ((key >> 24) != 0xFFu)
            FuzzSupport::fail("a correction is keyed by a colour that is not opaque");
        for (int ink : {value.C, value.M, value.Y, value.K}) {
            if (ink < 0 || ink > 100)
                FuzzSupport::fail("a correction outside 0..100 was read");
        }
        if (value != CMYKConversion::correction(value.C, value.M, value.Y, value.K))
            FuzzSupport::fail("a correction prints another colour than its percentages");
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
    const QString fileName = FuzzSupport::writeInput(data, size, QString::fromLatin1(CMYKFile::kFileName));
    TCMYKMap corrections;
    const Status loaded = CMYKFile::load(fileName, corrections);
    FuzzSupport::checkNamesFile(loaded, fileName);
    checkCorrections(corrections);
    const QString copy = FuzzSupport::scratchFolder() + QStringLiteral("saved-cmyk.ini");
    if (!CMYKFile::save(copy, corrections))
        FuzzSupport::fail("corrections that were read could not be saved");
    TCMYKMap again;
    if (!CMYKFile::load(copy, again) || !(again == corrections))
        FuzzSupport::fail("saved corrections read back differently");
    if (CMYKFile::format(again) != contentOf(copy))
        FuzzSupport::fail("saving again changed the file", fileName);
    return 0;
}
