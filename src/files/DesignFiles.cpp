#include "model/Translatable.h"
#include "files/DesignFiles.h"
#include "files/OxsImport.h"
#include "files/QmkLoader.h"
#include "files/StvImport.h"
#include <QFileInfo>

namespace {
struct Kind
{
    const char* extension; // upper case, without the dot
    DesignFiles::Reader read;
};

// Every kind of design file that can be opened.
const Kind kKinds[] = {
    {"QMK", LoadQMK},
    {"QMKP", LoadQMK},
    {"STV", ReadSTV},
    {"OXS", ReadOXS},
};
} // namespace

DesignFiles::LoadResult DesignFiles::load(const QString& fileName, Design& freshDesign)
{
    const QString extension = QFileInfo(fileName).suffix().toUpper();
    LoadResult result;
    for (const Kind& kind : kKinds) {
        if (extension == QLatin1String(kind.extension)) {
            result.status = kind.read(fileName, freshDesign, &result.warnings);
            return result;
        }
    }
    result.status = Status::error(TRANSLATABLE("This kind of file cannot be opened: %1"), {fileName});
    return result;
}
