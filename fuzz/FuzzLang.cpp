// Language files (".lang") chosen as the program chooses a language: beside the shipped English
// file in a languages folder, decoded by their byte-order mark, made into the translation table,
// and used to translate messages with their arguments.
#include "FuzzSupport.h"
#include "model/Design.h"
#include "model/TextFile.h"
#include <QDir>
#include <QFile>

namespace {
QString languagesFolder()
{
    static const QString folder = [] {
        const QString f = FuzzSupport::scratchFolder() + QStringLiteral("languages/");
        QDir().mkpath(f);
        QFile::copy(QStringLiteral(THREADWRIGHT_SOURCE_DATA_DIR "/languages/english.lang"), f + QStringLiteral("english.lang"));
        return f;
    }();
    return folder;
}

QStringList firstEnglishLines()
{
    static const QStringList lines = [] {
        QStringList all;
        TextFile::readLinesWithBom(languagesFolder() + QStringLiteral("english.lang"), all);
        return all.mid(0, 4);
    }();
    return lines;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString folder = languagesFolder();
    FuzzSupport::writeInput(data, size, QStringLiteral("languages/input.lang"));
    auto design = FuzzSupport::freshDesign();
    TStitch& doc = design->stitch;
    doc.LanguagesPath = folder;
    doc.selectLanguage(QStringLiteral("input.lang"), nullptr);
    // The first lines are translated with arguments, as messages are: a translation may hold
    // placeholders of its own.
    const auto translate = [&doc](const QString& text) { return doc.translate(text); };
    for (const QString& english : firstEnglishLines())
        Status::error(english, {QStringLiteral("design.qmk"), QStringLiteral("12")}).text(translate);
    return 0;
}
