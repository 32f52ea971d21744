// threadwright-cli info and save-as read Tapisto design files, in-process through CommandProcessor.
#include "CommandProcessor.h"
#include "support/CliCommandTest.h"
#include "support/QmkTestFiles.h"
#include "support/RecordingDelegate.h"
#include "support/TestEnvironment.h"
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
void text(QByteArray& b, const char* t)
{
    b += t;
    b += '\0';
}

void number(QByteArray& b, const char* keyword, quint16 v)
{
    text(b, keyword);
    b += char(v >> 8);
    b += char(v & 0xFF);
}

// A 3 x 2 design with a dark blue (symbol '@') and a yellow (symbol '!') thread on a grey
// background:   0 0 1
//               . 1 1
QByteArray tapistoFile()
{
    QByteArray b;
    text(b, "Tapisto");
    text(b, "");
    b += QByteArray::fromHex("0001");
    text(b, "");
    number(b, "WIDTH", 3);
    number(b, "HEIGHT", 2);
    number(b, "COLORS", 2);
    number(b, "BACKCOLOR", 0x8080);
    text(b, "FONT");
    text(b, "Tapisto Symbole");
    b += QByteArray::fromHex("0000");
    text(b, "COLORTABEL");
    text(b, "Garne 1998");
    text(b, "ENDHEADER");
    text(b, "BEGINDATA");
    text(b, "STICKCOL");
    b += QByteArray::fromHex("00" "40" "00" "101050" "00" "0100");
    b += QByteArray::fromHex("00" "21" "00" "F0E020" "00" "0200");
    text(b, "DATA");
    b += QByteArray::fromHex("000001ff0101");
    text(b, "CHARACTERS");
    text(b, "!@");
    text(b, "ENDDATA");
    return b;
}

class StvCommands : public CliCommandTest
{
protected:
    void SetUp() override { QmkTestFiles::writeFile(stv, tapistoFile()); }

    QString stv = path(QStringLiteral("import.stv"));
};
} // namespace

TEST_F(StvCommands, InfoDescribesTheImportedDesign)
{
    const QJsonObject info = infoJson(stv);
    EXPECT_EQ(info["width"].toInt(), 3);
    EXPECT_EQ(info["height"].toInt(), 2);
    EXPECT_EQ(info["palette"].toString(), QStringLiteral("Garne 1998"));
    EXPECT_EQ(info["font"].toString(), QStringLiteral("Tapisto Symbole"));
    EXPECT_EQ(info["background"].toString(), QStringLiteral("#808000"));
    EXPECT_EQ(info["used_colors"].toInt(), 2);
    EXPECT_EQ(info["back_stitches"].toInt(), 0);
    EXPECT_EQ(info["rhodes"].toInt(), 0);
    const QJsonArray colors = info["colors"].toArray();
    ASSERT_EQ(colors.size(), 2);
    EXPECT_EQ(colors[0].toObject(),
        (QJsonObject{{"id", ""}, {"name", ""}, {"rgb", "#101050"}, {"symbol_index", 2}, {"full", 2}, {"quarters", 0},
            {"back_units", 0}, {"knots", 0}, {"count", 2}}));
    EXPECT_EQ(colors[1].toObject()["rgb"].toString(), QStringLiteral("#F0E020"));
    EXPECT_EQ(colors[1].toObject()["symbol_index"].toInt(), 1);
    EXPECT_EQ(colors[1].toObject()["full"].toInt(), 3);
    // The one cell whose index names no colour is reported, and the command still succeeds.
    ASSERT_EQ(delegate.errors.size(), 1);
    EXPECT_TRUE(delegate.errors[0].contains(QStringLiteral("warning: The file %1 has 1 cells").arg(stv)))
        << delegate.errors[0].toStdString();
}

TEST_F(StvCommands, SaveAsWritesADesignFileThatReadsLikeTheImport)
{
    const QJsonObject imported = infoJson(stv);
    const QString qmk = path(QStringLiteral("import.qmk"));
    ASSERT_EQ(run({QStringLiteral("save-as"), stv, qmk}), 0) << delegate.errors.join('\n').toStdString();
    EXPECT_EQ(infoJson(qmk), imported);
}

TEST_F(StvCommands, ADamagedFileFailsWithOneLine)
{
    const QString damaged = path(QStringLiteral("damaged.stv"));
    QmkTestFiles::writeFile(damaged, tapistoFile().chopped(8));
    for (const QStringList& arguments : {QStringList{"info", damaged}, QStringList{"save-as", damaged, path("out.qmk")}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        EXPECT_EQ(run(arguments), 1);
        ASSERT_EQ(delegate.errors.size(), 1);
        EXPECT_TRUE(delegate.errors[0].contains(QStringLiteral("ends before the end of its data"))) << delegate.errors[0].toStdString();
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.qmk"))));
}
