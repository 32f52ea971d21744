#pragma once
#include "model/Status.h"
#include <QString>

class RhodeShapes;

// The rhodes shapes file ("rhodes.xml" in the rhodes folder): the document element `rhodes`
// holds one `rhode` element per shape in library order, with the attributes `name`, `width`,
// `height` (cells) and `original` ("True" or "False"); its child `stitches` holds one `stitch`
// element per stitch with `fromx`, `fromy`, `tox`, `toy` on the half-cell grid of the shape's box.
//
// Protocol: the start-up initialisation loads the file into the main window's library before
// every new, opened or converted design; the rhodes editor saves the library when it closes.
//
// A file that cannot be read, is not well-formed XML, or holds a value that is not what the
// format allows (a size outside 1 .. RhodeShapes::kMaxSide, a point outside the shape's box, a
// number that is not an integer) leaves the library empty and gives one message. The library
// then remembers the file, and saving never replaces it with an empty library: such a save
// writes nothing. A library that has gained shapes since is saved, after the unreadable file has
// been copied aside beside it ("rhodes.xml.unreadable", numbered when that name is taken), so
// that nothing the user wrote into it is lost.
class RhodesFile
{
public:
    static constexpr char kFileName[] = "rhodes.xml";

    // The file in a rhodes folder (the setting RhodesPath, ending with a separator).
    static QString fileIn(const QString& rhodesPath);

    // Replaces the shapes of the library with those of the file; the first becomes current. A
    // missing file gives an empty library and no message.
    static Status load(const QString& fileName, RhodeShapes& shapes);
    // Writes the library, replacing the file atomically (the old file stays whole on failure).
    // A library whose file would pass XmlDocument::kMaxFileBytes is refused and nothing written.
    static Status save(const QString& fileName, RhodeShapes& shapes);
};
