#pragma once
#include "imaging/ColorValues.h"
#include "model/TCMYK.h"
#include "model/TCharacterInfo.h"
#include "model/TCharacters.h"
#include "model/UTypes.h"
#include <QHash>
#include <QList>
#include <QStringList>
#include <memory>

class BatchingListener;
class Design;
class DesignListener;
class SaveQuestions;
class SettingsStore;
struct GeneralSettings;

// The document object of the open design: file state, metadata, the colour table, the
// catalogues of palettes and symbol sets, the drawing colour and pen size, and the
// application-wide settings read from the settings store. The stitches themselves live beside
// it in the Design that owns it.
//
// Field and operation names are the program's fixed names. The operations that hand their work
// to the history (changeBackgroundColor, changePalette, reduceColors) are implemented with the
// undo records in editing/, the settings operations in shell/: they are split by concern, not
// moved.
class TStitch
{
public:
    explicit TStitch(Design* design);
    TStitch(const TStitch&) = delete;
    TStitch& operator=(const TStitch&) = delete;
    ~TStitch();

    // Design and file state.
    bool FileNameAssigned = false;
    TFileMode fileMode = fmNew;
    QString Title;
    QString DefaultTitle;
    QString SubTitle;
    QStringList comment;
    TColor32 BackGroundColor = 0x00FFFFFFu;
    TBackGroundMode backGroundMode = bgmNormal;
    TColorTable Colors;
    std::unique_ptr<TCharacters> chars;
    double len = 0.006;
    double backlen = 0.003;
    double baseLen = 0.08;
    QList<TSimpleColorInfo> colorsList;

    // Catalogues and application state.
    OrderedMap<QString, TColorTable> ColorPalettes;
    OrderedMap<QString, TCharacterInfo> characters;
    QString defaultCharacters;
    QString defaultPalette;
    QString defaultSymbols;
    int maxColors = 500;
    QHash<QString, QString> Language;
    QStringList Languages;
    QString DefaultLanguage;
    TCMYKMap CMYK;
    QList<double> Deltas;

    // Print settings.
    int LegendDistance = 5;
    int thickLines = 50;
    int mediumLines = 20;
    int thinLines = 1;
    int backstitchLines = 60;
    int symbolSize = 100;
    int LabelGridHor = 10;
    int LabelGridVert = 27;
    int LabelBorderLeft = 40;
    int LabelBorderTop = 135;
    int LabelBorderRight = 40;
    int LabelBorderBottom = 135;
    int LabelWidth = 178;
    int LabelHeight = 100;
    int PrintPosTop = 0;
    int PrintPosLeft = 0;
    int BagSize = 200;
    QString BookInfo;

    // Folders, each ending with a path separator.
    QString libraryPath;
    QString CharactersPath;
    QString PalettesPath;
    QString PicturesPath;
    QString PatternsPath;
    QString RhodesPath;
    QString SavePath;
    QString FontsPath;
    QString LanguagesPath;
    QString HelpPath;
    QString InstallPath;
    QString PathData;

    bool checkForUpdates = true;

    // Properties.
    bool fileSaved() const { return ffilesaved; }
    void setFileSaved(bool saved);
    const QString& filename() const { return ffilename; }
    void setFilename(const QString& name);
    const QString& colorsname() const { return fcolorsName; }
    void setColorsname(const QString& key);
    int usedColors() const { return fUsedColors; }
    void setUsedColors(int count) { fUsedColors = count; }
    TColorRef drawcolor() const { return fdrawcolor; }
    void setDrawcolor(TColorRef color);
    int pensize() const { return fPenSize; }
    void setPensize(int size);

    // Operations.
    void Change() { setFileSaved(false); }
    void NewFile();
    void Save() {}
    void OpenFile(const QString& name);
    bool Check(SaveQuestions& questions);
    void changeBackgroundColor(TColorRef color);
    void changePalette(const QString& key);
    void changeCharacters(const TCharacterInfo& info);
    void reduceColors(int newCount);
    void ReadGeneralSettings(SettingsStore& store, GeneralSettings& general);
    void WriteGeneralSettings(SettingsStore& store, const GeneralSettings& general) const;
    QString translate(const QString& text);
    // Makes the language file `name` current and records it in the store (when given).
    void selectLanguage(const QString& name, SettingsStore* store);

    // The palette table of a key, or null when no such palette is loaded.
    const TColorTable* palette(const QString& key) const { return ColorPalettes.find(key); }

    Design& design() { return *fdesign; }
    // The listener every notification goes through; it batches (see BatchingListener) and
    // passes on to the one set here.
    DesignListener& listener() const;
    BatchingListener& batching() const { return *fbatching; }
    void setListener(DesignListener* listener);

private:
    Design* fdesign;
    DesignListener* flistener = nullptr;
    std::unique_ptr<BatchingListener> fbatching;
    bool ffilesaved = false;
    QString ffilename;
    QString fcolorsName;
    int fUsedColors = 0;
    TColorRef fdrawcolor = 0;
    int fPenSize = 1;
};

// The 180-character symbol string a document starts with until the settings name a set.
QString defaultCharacterString();
