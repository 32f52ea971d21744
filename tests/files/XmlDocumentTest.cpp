#include "files/XmlDocument.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(XmlDocument, BuildSaveAndLoadKeepTheTree)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("doc.xml"));
    XmlDocument doc = XmlDocument::create(QStringLiteral("Rhodes"));
    XmlElement first = doc.documentElement().addChild(QStringLiteral("Rhode"));
    first.setAttribute(QStringLiteral("Name"), QStringLiteral("Fan <1> & \"2\""));
    doc.documentElement().addChild(QStringLiteral("Other"));
    doc.documentElement().addChild(QStringLiteral("Rhode")).setAttribute(QStringLiteral("Name"), QStringLiteral("b"));
    ASSERT_TRUE(doc.save(file));

    const QByteArray bytes = doc.toBytes();
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_TRUE(bytes.contains("\n  <Rhode")); // one element per line, children indented

    const auto loaded = XmlDocument::load(file);
    ASSERT_TRUE(loaded);
    const XmlElement root = loaded->documentElement();
    EXPECT_EQ(root.name(), QStringLiteral("Rhodes"));
    EXPECT_EQ(root.childCount(), 3);
    EXPECT_EQ(root.childByName(QStringLiteral("Rhode")).attribute(QStringLiteral("Name")), QStringLiteral("Fan <1> & \"2\""));
    EXPECT_EQ(root.child(2).attribute(QStringLiteral("Name")), QStringLiteral("b"));
    EXPECT_TRUE(root.child(3).isNull());
    EXPECT_TRUE(root.childByName(QStringLiteral("Missing")).childByName(QStringLiteral("Deeper")).isNull());
}

TEST(XmlDocument, UnreadableFilesSayWhy)
{
    Status status;
    EXPECT_FALSE(XmlDocument::parse("<a><b></a>", &status));
    EXPECT_TRUE(status.text().contains(QStringLiteral("line 1")));
    EXPECT_FALSE(XmlDocument::load(QStringLiteral("/nonexistent/file.xml"), &status));
    EXPECT_TRUE(status.text().contains(QStringLiteral("/nonexistent/file.xml")));
}
