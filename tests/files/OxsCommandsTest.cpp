// threadwright-cli info and save-as with Open Cross Stitch files, in-process through
// CommandProcessor, with the shipped palettes and symbol sets.
#include "support/CliCommandTest.h"
#include "support/QmkTestFiles.h"
#include <QFile>
#include <QJsonArray>

namespace {
class OxsCommands : public CliCommandTest
{
protected:
    QString peer = TestEnvironment::fixture(QStringLiteral("oxs/peer-habits.oxs"));
};
} // namespace

TEST_F(OxsCommands, InfoReadsAPeersChartAndWarnsOncePerKind)
{
    const QJsonObject info = infoJson(peer);
    EXPECT_EQ(info["width"].toInt(), 56);
    EXPECT_EQ(info["height"].toInt(), 50);
    EXPECT_EQ(info["palette"].toString(), QStringLiteral("DMC Stranded Cotton v1"));
    EXPECT_EQ(info["background"].toString(), QStringLiteral("#F0E8D8"));
    EXPECT_EQ(info["title"].toString(), QStringLiteral("Берёза"));
    EXPECT_EQ(info["comment"].toArray(),
        (QJsonArray{"Stitch from the centre", "Author: Анна", "Copyright: 2026 Анна"}));
    EXPECT_EQ(info["back_stitches"].toInt(), 2);
    EXPECT_EQ(info["french_knots"].toInt(), 1);
    const QJsonArray colors = info["colors"].toArray();
    ASSERT_EQ(colors.size(), 4);
    // "DMC    310" and the second black merged into the palette's 310; "nil" took the palette's 699.
    EXPECT_EQ(colors[0].toObject()["id"].toString(), QStringLiteral("310"));
    EXPECT_EQ(colors[0].toObject()["full"].toInt(), 3);
    EXPECT_EQ(colors[1].toObject()["id"].toString(), QStringLiteral("321"));
    EXPECT_EQ(colors[2].toObject()["rgb"].toString(), QStringLiteral("#056517"));
    EXPECT_EQ(colors[2].toObject()["quarters"].toInt(), 1);
    EXPECT_EQ(colors[3].toObject()["name"].toString(), QStringLiteral("Мох"));

    const QStringList expected = {
        "3 stitches without a position or a known thread were skipped",
        "2 stitches of the kind bead were left out",
        "1 stitches of the kind specialstitch were left out",
        "1 stitches outside the design were dropped",
        "1 back stitches were moved to the nearest half-cell point",
        "1 french knots were moved to the nearest half-cell point",
        "1 back stitches of no length were dropped",
        "1 threads of a colour already used were merged",
        "1 progress marks were not kept",
    };
    ASSERT_EQ(delegate.errors.size(), expected.size()) << delegate.errors.join('\n').toStdString();
    for (int i = 0; i < expected.size(); ++i) {
        EXPECT_TRUE(delegate.errors[i].startsWith(QStringLiteral("threadwright-cli: warning: The file ") + peer));
        EXPECT_TRUE(delegate.errors[i].contains(expected[i])) << delegate.errors[i].toStdString();
    }
}

TEST_F(OxsCommands, SaveAsWritesEitherFormatAndEachReadsLikeTheOther)
{
    const QJsonObject imported = infoJson(peer);
    const QString oxs = path(QStringLiteral("copy.oxs"));
    ASSERT_EQ(run({QStringLiteral("save-as"), peer, oxs}), 0);
    EXPECT_EQ(infoJson(oxs), imported);
    EXPECT_TRUE(delegate.errors.isEmpty()) << delegate.errors.join('\n').toStdString();

    // Design files hold Windows-1252 texts only, so the way back starts from one.
    const QString qmk = path(QStringLiteral("copy.qmk"));
    const QString viaOxs = path(QStringLiteral("via.oxs"));
    const QString back = path(QStringLiteral("back.qmk"));
    ASSERT_EQ(run({QStringLiteral("save-as"), peer, qmk}), 0);
    const QJsonObject design = infoJson(qmk);
    ASSERT_EQ(run({QStringLiteral("save-as"), qmk, viaOxs}), 0);
    ASSERT_EQ(run({QStringLiteral("save-as"), viaOxs, back}), 0);
    EXPECT_EQ(infoJson(back), design);
}

TEST_F(OxsCommands, ExitCodesAndMessages)
{
    const QString damaged = path(QStringLiteral("damaged.oxs"));
    QmkTestFiles::writeFile(damaged, "<chart><palette>");
    const struct
    {
        QStringList arguments;
        int code;
        const char* message;
    } cases[] = {
        {{"save-as", peer, path("out.png")}, 2, "the output file must end in .qmk or .oxs"},
        {{"save-as", peer, path("out")}, 2, "the output file must end in .qmk or .oxs"},
        {{"save-as", damaged, path("out.oxs")}, 1, "is not a well-formed chart"},
        {{"info", damaged}, 1, "is not a well-formed chart"},
        {{"save-as", peer, path("no/such/folder/out.oxs")}, 1, "Could not write the file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(run(c.arguments), c.code);
        ASSERT_FALSE(delegate.errors.isEmpty());
        EXPECT_TRUE(delegate.errors.last().contains(QLatin1String(c.message))) << delegate.errors.last().toStdString();
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.oxs"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.png"))));
}
