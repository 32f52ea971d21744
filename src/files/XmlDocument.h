#pragma once
#include "model/Status.h"
#include <QDomDocument>
#include <QList>
#include <QString>
#include <optional>

// One element of an XmlDocument. A default-made element is "none": every query on it answers
// empty, so callers can walk optional children without checks at every step.
class XmlElement
{
public:
    XmlElement() = default;
    explicit XmlElement(const QDomElement& element) : m_element(element) {}

    bool isNull() const { return m_element.isNull(); }
    QString name() const { return m_element.tagName(); }

    // The first child element with that name, or none.
    XmlElement childByName(const QString& name) const;
    int childCount() const;
    XmlElement child(int index) const;
    // Every child element in document order, in one walk: readers of files use this, since
    // asking child(i) for every i walks the list again for each.
    QList<XmlElement> children() const;

    QString attribute(const QString& name) const { return m_element.attribute(name); }
    bool hasAttribute(const QString& name) const { return m_element.hasAttribute(name); }
    void setAttribute(const QString& name, const QString& text) { m_element.setAttribute(name, text); }
    XmlElement addChild(const QString& name);

private:
    QDomElement m_element;
};

// The small XML files of the program: loaded whole, walked in document order, built in memory
// and saved in one call, indented one element per line.
//
// Files come from outside (downloads, copies from other users), so what a file can make the
// program hold is bounded before it is parsed: a larger file, or elements nested deeper than
// the program's files ever are, is refused with the reason. Entities are expanded within Qt's
// own limit.
class XmlDocument
{
public:
    // The largest file read, a hundred times the shipped rhodes file and far beyond any update
    // list. Each byte can make at most one element of some 100 bytes.
    static constexpr qint64 kMaxFileBytes = qint64(1) << 20;
    // The deepest nesting of elements; the program's files are three or four levels deep, and
    // a freed tree is taken down one level per call.
    static constexpr int kMaxDepth = 64;

    // A new document with version "1.0", encoding "UTF-8" and the given document element.
    static XmlDocument create(const QString& rootName);
    // The parsed file, or the reason it could not be read.
    static std::optional<XmlDocument> load(const QString& fileName, Status* status = nullptr);
    static std::optional<XmlDocument> parse(const QByteArray& bytes, Status* status = nullptr);

    XmlElement documentElement() const { return XmlElement(m_document.documentElement()); }

    // Replaces the file atomically: the old file stays whole when writing fails.
    Status save(const QString& fileName) const;
    QByteArray toBytes() const;

private:
    QDomDocument m_document;
};
