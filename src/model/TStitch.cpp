#include "model/Translatable.h"
#include "model/TStitch.h"
#include "model/BatchingListener.h"
#include "model/SaveQuestions.h"

QString defaultCharacterString()
{
    return QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ").repeated(5);
}

TStitch::TStitch(Design* design)
    : defaultCharacters(defaultCharacterString())
    , fdesign(design)
    , fbatching(std::make_unique<BatchingListener>())
{
    setDrawcolor(0);
    setPensize(1);
}

TStitch::~TStitch() = default;

DesignListener& TStitch::listener() const
{
    return *fbatching;
}

void TStitch::setListener(DesignListener* listener)
{
    flistener = listener;
    fbatching->setTarget(listener);
    if (chars)
        chars->setListener(listener);
}

void TStitch::setFileSaved(bool saved)
{
    ffilesaved = saved;
    listener().fileSavedChanged(saved);
}

void TStitch::setFilename(const QString& name)
{
    ffilename = name;
    listener().fileNameChanged(name);
}

void TStitch::setColorsname(const QString& key)
{
    fcolorsName = key;
    listener().paletteNameChanged(key);
}

void TStitch::setDrawcolor(TColorRef color)
{
    fdrawcolor = color;
    if (Colors.contains(color))
        listener().drawColorChanged(color);
}

void TStitch::setPensize(int size)
{
    fPenSize = size;
    listener().penSizeChanged(size);
}

void TStitch::NewFile()
{
    setFileSaved(false);
    FileNameAssigned = false;
}

void TStitch::OpenFile(const QString& name)
{
    setFileSaved(true);
    setFilename(name);
    FileNameAssigned = true;
}

bool TStitch::Check(SaveQuestions& questions)
{
    if (fileSaved())
        return true;
    switch (questions.ask(translate(TRANSLATABLE("Data is not saved, save now?")))) {
    case Answer::Cancel:
        return false;
    case Answer::No:
        return true;
    case Answer::Yes:
        break;
    }
    if (!FileNameAssigned) {
        const QString chosen = questions.chooseSaveFileName(filename());
        if (chosen.isEmpty())
            return false;
        setFilename(chosen);
        FileNameAssigned = true;
    }
    if (!questions.saveWholeDesign(filename()))
        return false;
    setFileSaved(true);
    return true;
}

void TStitch::changeCharacters(const TCharacterInfo& info)
{
    if (!chars)
        chars = std::make_unique<TCharacters>(info.characters, flistener);
    chars->fcharacters = info.characters;
    chars->CharsName = info.Name;
    chars->ffontcharset = quint8(info.fontCharset);
    chars->CharsUsed.resize(size_t(info.characters.size()), 0);
    chars->SetFontName(info.fontName, Colors);
}

QString TStitch::translate(const QString& text)
{
    const auto it = Language.constFind(text);
    if (it != Language.constEnd())
        return *it;
    Language.insert(text, text);
    return text;
}
