#pragma once
#include "model/Status.h"
#include <QDomDocument>
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

    QString attribute(const QString& name) const { return m_element.attribute(name); }
    bool hasAttribute(const QString& name) const { return m_element.hasAttribute(name); }
    void setAttribute(const QString& name, const QString& text) { m_element.setAttribute(name, text); }
    XmlElement addChild(const QString& name);

private:
    QDomElement m_element;
};

// The small XML files of the program: loaded whole, walked in document order, built in memory
// and saved in one call, indented one element per line.
class XmlDocument
{
public:
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
