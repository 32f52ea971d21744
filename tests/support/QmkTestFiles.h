#pragma once
#include "model/Design.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// Design files for tests, written byte by byte from the layout of the format (not with the
// program's writer), so that every version the program ever wrote can be made and so that the
// writer's output can be checked against an independent picture of the format.
namespace QmkTestFiles {
// Four thread colours of the test palette "Test v1", in palette order.
constexpr TColorRef kBlack = 0x000000;
constexpr TColorRef kRed = 0x3B2BC7;
constexpr TColorRef kGreen = 0x00A000;
constexpr TColorRef kWhite = 0xFFFFFF;
inline const QString kPalette = QStringLiteral("Test v1");

// A colour entry of the COLO block; `number` is what a version-0 block stores.
struct Color
{
    QString name;
    QString id;
    qint32 number = 0;
    qint32 matchColor = 0;
    qint32 charID = -1;
};

struct Rhode
{
    qint32 width = 0;
    qint32 height = 0;
    qint32 color = 0;
    QList<QList<qint32>> stitches; // four numbers each
};

// Everything a file of any version can hold; fields the version lacks are not written.
struct Content
{
    int version = 6;
    int colorVersion = 1;
    QByteArray palette = "Test v1";
    QByteArray charsName = "Standard";
    QByteArray font = "VelwickArtSymbols110";
    quint16 fontCharset = 2;
    qint32 usedColors = 0;
    qint32 width = 2;
    qint32 height = 2;
    QByteArray headTitle;
    QByteArray headDescription;
    double stitchLen = 0.005;
    double baseLen = 0.1;
    qint32 bg = 0xD0E0F0;
    double backLen = 0.0025;
    QByteArray characters = "ABCDEFGH";
    QList<Color> colors;
    QList<qint32> pixels;   // width * height; missing cells are -1
    QList<qint32> quarters; // 2 width * 2 height; missing cells are -1
    QList<QList<qint32>> backStitches; // five numbers each, as stored
    QByteArray title;
    QList<QByteArray> lines;
    QList<QList<qint32>> knots; // three numbers each
    QList<Rhode> rhodes;
};

// The test palette's colours as COLO entries (charID = position).
QList<Color> paletteColors();

// The file bytes; the container length is the true one.
QByteArray build(const Content& content);

// Offsets of the block headers of a file the builder or the writer made, in file order,
// found by walking the block lengths from offset 20.
QList<qsizetype> blockOffsets(const QByteArray& file);

// A document as the start-up initialisation leaves it: no design yet, catalogues with the
// palette "Test v1" and the symbol sets "Standard" (default) and "Other".
std::unique_ptr<Design> freshDesign();

// A 8 x 6 design on a tinted background with every kind of stitch: full and quarter stitches,
// back stitches, a french knot, a rhode, a title with description lines, own thread lengths.
std::unique_ptr<Design> sampleDesign();

// Writes bytes to a file.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
} // namespace QmkTestFiles
