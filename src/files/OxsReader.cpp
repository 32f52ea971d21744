#include "model/Translatable.h"
#include "files/OxsReader.h"
#include "files/OxsStitchReader.h"
#include "files/OxsValues.h"
#include <QFile>
#include <QXmlStreamReader>

namespace {
QStringView value(const QXmlStreamAttributes& attributes, const char* name)
{
    return attributes.value(QLatin1String(name));
}

std::optional<double> number(const QXmlStreamAttributes& attributes, const char* name)
{
    return OxsValues::number(value(attributes, name));
}

// A chart side as the file gives it, within what an int holds; the import checks it.
void readSide(const QXmlStreamAttributes& attributes, const char* name, int* side)
{
    if (const std::optional<double> n = number(attributes, name))
        *side = int(std::clamp(*n, -1e9, 1e9));
}

void readProperties(const QXmlStreamAttributes& attributes, OxsFile& file)
{
    readSide(attributes, "chartwidth", &file.chartWidth);
    readSide(attributes, "chartheight", &file.chartHeight);
    file.title = value(attributes, "charttitle").toString();
    file.instructions = value(attributes, "instructions").toString();
    file.author = value(attributes, "author").toString();
    file.copyright = value(attributes, "copyright").toString();
    file.ownPalette = value(attributes, "threadwright_palette").toString();
    file.ownSymbols = value(attributes, "threadwright_symbols").toString();
    file.len = number(attributes, "threadwright_len");
    file.backlen = number(attributes, "threadwright_backlen");
    file.baseLen = number(attributes, "threadwright_baselen");
}

bool isBlend(const QXmlStreamAttributes& attributes)
{
    for (const QXmlStreamAttribute& a : attributes) {
        if (a.name().startsWith(QLatin1String("blend")) && !a.value().trimmed().isEmpty()
            && a.value().trimmed() != QLatin1String("nil"))
            return true;
    }
    return false;
}

// One palette entry; `position` counts the entries so far and stands in for a missing index.
void readPaletteItem(const QXmlStreamAttributes& attributes, int position, OxsFile& file)
{
    const std::optional<double> written = number(attributes, "index");
    const int index = written ? int(std::clamp(*written, -1.0, 1e9)) : position;
    const TColorRef color = OxsValues::color(value(attributes, "color"));
    if (index == 0) {
        file.background = color;
        return;
    }
    if (index < 0)
        return;
    OxsFile::Thread thread;
    thread.index = index;
    thread.number = value(attributes, "number").toString();
    thread.name = value(attributes, "name").toString();
    thread.color = color;
    if (const std::optional<double> charId = number(attributes, "threadwright_charid"); charId && *charId >= 0 && *charId < 1e6)
        thread.charId = int(*charId);
    file.blends += isBlend(attributes);
    file.threads.push_back(thread);
}

class Parser
{
public:
    Parser(OxsFile& file, QIODevice& device, const QString& fileName)
        : m_file(file)
        , m_device(device)
        , m_fileName(fileName)
    {
        // Charts use no namespaces; resolving them took a third of the time of a large open.
        m_xml.setNamespaceProcessing(false);
    }

    Status run()
    {
        while (!m_xml.atEnd() || moreData()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::StartElement) {
                if (const Status s = startElement(); !s)
                    return s;
            } else if (token == QXmlStreamReader::EndElement) {
                endElement();
            } else if (token == QXmlStreamReader::DTD) {
                return refuse(TRANSLATABLE("The file %1 holds a document type declaration, which charts never have."));
            }
        }
        if (m_xml.hasError()) {
            return Status::error(TRANSLATABLE("The file %1 is not a well-formed chart (line %2): %3"),
                {m_fileName, QString::number(m_xml.lineNumber()), m_xml.errorString()});
        }
        if (!m_rootSeen)
            return refuse(TRANSLATABLE("The file %1 is not an Open Cross Stitch chart: its outermost element is not chart."));
        return Status::ok();
    }

private:
    // The file is handed over a block at a time through one buffer that is used again, which
    // spares the reader's own device reading and fresh memory for every block.
    bool moreData()
    {
        if (m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError || m_device.atEnd())
            return false;
        m_block.resize(kBlockBytes);
        const qint64 read = m_device.read(m_block.data(), kBlockBytes);
        if (read <= 0)
            return false;
        m_block.resize(read);
        m_xml.addData(m_block);
        return true;
    }

    Status refuse(const QString& message, const QStringList& more = {}) const
    {
        return Status::error(message, QStringList{m_fileName} + more);
    }

    Status startElement()
    {
        ++m_depth;
        if (m_depth > OxsReader::kMaxDepth)
            return refuse(TRANSLATABLE("The file %1 nests its elements deeper than %2 levels."), {QString::number(OxsReader::kMaxDepth)});
        const QStringView name = m_xml.name();
        if (m_depth == 1) {
            m_rootSeen = name == QLatin1String("chart");
            if (!m_rootSeen)
                return refuse(TRANSLATABLE("The file %1 is not an Open Cross Stitch chart: its outermost element is not chart."));
        } else if (m_depth == 2) {
            sectionStart(name);
        } else if (m_depth == 3) {
            return item(name);
        }
        return Status::ok();
    }

    void endElement()
    {
        if (--m_depth == 1)
            m_section = Section::Other;
    }

    enum class Section { Other, Palette, Full, Back, Ornaments };

    void sectionStart(QStringView name)
    {
        if (name == QLatin1String("properties"))
            readProperties(m_xml.attributes(), m_file);
        else if (name == QLatin1String("palette"))
            m_section = Section::Palette;
        else if (name == QLatin1String("fullstitches"))
            m_section = Section::Full;
        else if (name == QLatin1String("backstitches"))
            m_section = Section::Back;
        else if (name == QLatin1String("ornaments_inc_knots_and_beads"))
            m_section = Section::Ornaments;
    }

    Status item(QStringView name)
    {
        if (m_section == Section::Palette && name == QLatin1String("palette_item")) {
            if (m_paletteItems == OxsReader::kMaxPaletteItems)
                return refuse(TRANSLATABLE("The file %1 has more than %2 palette entries."), {QString::number(OxsReader::kMaxPaletteItems)});
            readPaletteItem(m_xml.attributes(), m_paletteItems++, m_file);
        } else if (m_section == Section::Full && name == QLatin1String("stitch")) {
            OxsStitchReader::readFullStitch(m_xml.attributes(), m_file);
        } else if (m_section == Section::Back && name == QLatin1String("backstitch")) {
            OxsStitchReader::readObject(m_xml.attributes(), true, m_file);
        } else if (m_section == Section::Ornaments && name == QLatin1String("object")) {
            OxsStitchReader::readObject(m_xml.attributes(), false, m_file);
        }
        return Status::ok();
    }

    static constexpr qint64 kBlockBytes = 64 * 1024;
    OxsFile& m_file;
    QIODevice& m_device;
    QByteArray m_block;
    QXmlStreamReader m_xml;
    QString m_fileName;
    int m_depth = 0;
    bool m_rootSeen = false;
    Section m_section = Section::Other;
    int m_paletteItems = 0;
};
} // namespace

Status OxsReader::read(OxsFile& file, const QString& fileName)
{
    QFile device(fileName);
    if (!device.open(QIODevice::ReadOnly))
        return Status::error(TRANSLATABLE("Could not read the file %1: %2"), {fileName, device.errorString()});
    if (device.size() > kMaxFileBytes) {
        return Status::error(TRANSLATABLE("The file %1 is larger than the %2 MB a chart may have."),
            {fileName, QString::number(kMaxFileBytes >> 20)});
    }
    return read(file, device, fileName);
}

Status OxsReader::read(OxsFile& file, QIODevice& device, const QString& fileName)
{
    return Parser(file, device, fileName).run();
}
