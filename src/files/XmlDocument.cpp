#include "model/Translatable.h"
#include "files/XmlDocument.h"
#include "files/SafeFileWriter.h"
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>

XmlElement XmlElement::childByName(const QString& name) const
{
    return XmlElement(m_element.firstChildElement(name));
}

int XmlElement::childCount() const
{
    int count = 0;
    for (QDomElement e = m_element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        ++count;
    return count;
}

XmlElement XmlElement::child(int index) const
{
    QDomElement e = m_element.firstChildElement();
    for (int i = 0; i < index && !e.isNull(); ++i)
        e = e.nextSiblingElement();
    return XmlElement(index < 0 ? QDomElement() : e);
}

QList<XmlElement> XmlElement::children() const
{
    QList<XmlElement> list;
    for (QDomElement e = m_element.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        list.append(XmlElement(e));
    return list;
}

XmlElement XmlElement::addChild(const QString& name)
{
    if (m_element.isNull())
        return {};
    QDomElement child = m_element.ownerDocument().createElement(name);
    m_element.appendChild(child);
    return XmlElement(child);
}

namespace {
QString tooLarge()
{
    return QStringLiteral("larger than %1 bytes").arg(XmlDocument::kMaxFileBytes);
}

// False, with the place, when elements are nested deeper than kMaxDepth. Errors of the XML
// itself are left to the parser, which reports them.
bool withinDepth(const QByteArray& bytes, QString& message, int& line, int& column)
{
    QXmlStreamReader reader(bytes);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > XmlDocument::kMaxDepth) {
            message = QStringLiteral("elements nested deeper than %1 levels").arg(XmlDocument::kMaxDepth);
            line = int(reader.lineNumber());
            column = int(reader.columnNumber());
            return false;
        }
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return true;
}
} // namespace

XmlDocument XmlDocument::create(const QString& rootName)
{
    XmlDocument doc;
    doc.m_document.appendChild(
        doc.m_document.createProcessingInstruction(QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    doc.m_document.appendChild(doc.m_document.createElement(rootName));
    return doc;
}

std::optional<XmlDocument> XmlDocument::load(const QString& fileName, Status* status)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (status)
            *status = Status::error(TRANSLATABLE("Could not read the file %1: %2"), {fileName, file.errorString()});
        return std::nullopt;
    }
    if (file.size() > kMaxFileBytes) {
        if (status)
            *status = Status::error(TRANSLATABLE("The file %1 is not readable XML: %2"), {fileName, tooLarge()});
        return std::nullopt;
    }
    Status parsed;
    auto doc = parse(file.read(kMaxFileBytes + 1), &parsed);
    if (!doc && status)
        *status = Status::error(TRANSLATABLE("The file %1 is not readable XML: %2"), {fileName, parsed.args().value(0)});
    return doc;
}

std::optional<XmlDocument> XmlDocument::parse(const QByteArray& bytes, Status* status)
{
    XmlDocument doc;
    QString message;
    int line = 0;
    int column = 0;
    const bool bounded = bytes.size() <= kMaxFileBytes && withinDepth(bytes, message, line, column);
    if (!bounded && message.isEmpty())
        message = tooLarge();
    if (!bounded || !doc.m_document.setContent(bytes, &message, &line, &column) || doc.m_document.documentElement().isNull()) {
        if (status) {
            const QString where = QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(message);
            *status = Status::error(TRANSLATABLE("Not readable XML: %1"), {where});
        }
        return std::nullopt;
    }
    return doc;
}

namespace {
// Writes an element with its attributes in name order: the DOM keeps attributes in a hash, and
// a file saved twice from the same tree must come out the same.
void writeElement(QXmlStreamWriter& writer, const QDomElement& element)
{
    writer.writeStartElement(element.tagName());
    const QDomNamedNodeMap attributes = element.attributes();
    QList<QPair<QString, QString>> sorted;
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr a = attributes.item(i).toAttr();
        sorted.append({a.name(), a.value()});
    }
    std::sort(sorted.begin(), sorted.end());
    for (const auto& [name, value] : sorted)
        writer.writeAttribute(name, value);
    for (QDomNode child = element.firstChild(); !child.isNull(); child = child.nextSibling()) {
        if (child.isElement())
            writeElement(writer, child.toElement());
        else if (child.isText())
            writer.writeCharacters(child.nodeValue());
    }
    writer.writeEndElement();
}
} // namespace

QByteArray XmlDocument::toBytes() const
{
    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartDocument(QStringLiteral("1.0"));
    writeElement(writer, m_document.documentElement());
    writer.writeEndDocument();
    return bytes;
}

Status XmlDocument::save(const QString& fileName) const
{
    return SafeFileWriter::writeBytes(fileName, toBytes());
}
