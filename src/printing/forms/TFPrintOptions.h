#pragma once
#include "printing/PageDrawOptions.h"
#include "printing/TPreview.h"
#include "view/ColorList.h"
#include <QDialog>
#include <functional>
#include <memory>

class Design;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;
class RunTarget;
class TFPrintInProgress;

// The print dialog: every option of a run, the chosen printer's status, a live miniature of the
// page table, and "Print", which draws the chart book onto the printer, into a PDF file or into
// numbered page pictures. The window reads its controls into the layout and the drawing
// options; the layout, the pages and the files are the core's.
class TFPrintOptions : public QDialog
{
    Q_OBJECT
public:
    explicit TFPrintOptions(QWidget* parent = nullptr);
    ~TFPrintOptions() override;

    using Translate = std::function<QString(const QString&)>;
    void applyCaptions(const Translate& translate);

    // What the next FormShow works on (not owned): the design, its colour list order, whether
    // its cells are knitting cells, the image export values and the folder of the newest recent
    // file (empty when there is none).
    struct Context
    {
        const Design* design = nullptr;
        ColorList::SortOrder order = ColorList::byPalette;
        bool knitting = false;
        int jpegWidth = 900;
        int jpegHeight = 800;
        int jpegGrid = 20;
        int jpegQuality = 70;
        int borderLeft = 15;
        int borderTop = 15;
        int borderRight = 10;
        int borderBottom = 15;
        QString recentFolder;
    };
    void setContext(const Context& context);

    void FormShow();
    // Reads the controls into the layout and calculates it, then redraws the miniature.
    void calc();
    // The printer query: the chosen printer's labels and page into the layout, then calc.
    void queryPrinter();
    void Button2Click();

    const TPreview& layout() const { return m_layout; }
    PageDrawOptions drawOptions() const;
    // The timer that enables the dialog again after a run.
    QTimer* reenableTimer() const { return m_reenable; }
    TFPrintInProgress* progressWindow() const { return FPrintInProgress; }

    // " Printer "
    QComboBox* ComboPrinter;
    QPushButton* Button1;
    QLabel *LStatus, *LType, *LLocation, *LComment;
    // " Format "
    QRadioButton *RadioButton2, *RadioButton3, *RadioButton4;
    QCheckBox* CheckBoxBorder;
    QLabel* ImageOrientation;
    // " Position of key"
    QRadioButton *RadioButton1, *RadioButton5, *RadioButton7, *RadioButton8;
    QCheckBox *CheckBoxBackStitchesSeparate, *LegendSize;
    // " Colors "
    QRadioButton *RadioColors, *RadioNoColors;
    QCheckBox *CheckBoxReal, *CheckBoxCMYK;
    // "Select Pages for Printing"
    QCheckBox *CheckBoxDesign, *CheckBoxLegend, *CheckBoxTitle, *CheckBoxStitchList, *CheckBoxInfo, *CheckBoxContents,
        *CheckBoxLabels;
    // "Print Detail Settings"
    QCheckBox *CheckBoxBackStitches, *CheckBoxBackSymbol, *CheckBoxPrintAsCircle, *CheckBoxLight, *CheckBoxRhodes;
    // "Grid Settings"
    QDoubleSpinBox *EGridX, *EGridY;
    QCheckBox *CheckBoxGridNumbers, *CheckBoxPageNumbers, *CheckBoxPrintGrid, *CheckBoxPrintSymbols, *CheckBoxPrintRuler;
    // target
    QRadioButton *RPrintToPrinter, *RExportToJPEG;
    // " Jpeg"
    QSpinBox *EJpegWidth, *EJpegHeight, *Edit1, *Edit2;
    QLineEdit *EPath, *EFileName;
    QComboBox* ComboImageType;
    QPushButton* Button4;
    // " Preview " and " Legend "
    QLabel* ImagePreview;
    QList<QLabel*> LegendShapes;
    // buttons
    QPushButton *Button2, *Button3, *BHelp;

protected:
    // The platform's dialogs; tests replace them.
    virtual QString choosePdfFile(const QString& preset);
    virtual QString chooseFolder(const QString& start);
    virtual bool editPageSetup(QPrinter& printer);
    virtual void showError(const QString& message);

private:
    QWidget* createPrinterGroup();
    QWidget* createFormatGroup();
    QWidget* createKeyGroup();
    QWidget* createColorsGroup();
    QWidget* createPagesGroup();
    QWidget* createDetailGroup();
    QWidget* createGridGroup();
    QWidget* createJpegGroup();
    QWidget* createPreviewGroups();
    void connectInterlocks();
    void connectRecalculation();

    // Printer side (TFPrintOptionsPrinter.cpp).
    void fillPrinters();
    bool pdfChosen() const;
    void choosePrinter();
    void ButtonPropertiesClick();
    void setOrientation(TFormat format);
    // The orientation picture: a sheet upright, across, or both for "Auto".
    void showOrientation(int button);

    // Interlocks.
    void pagesChanged(bool legendTurnedOff);
    void keyPositionChosen(TPosition position);
    void rulerChanged(bool on);
    void targetChanged();
    void optionChanged(bool queriesPrinter);

    // The run (TFPrintOptionsRun.cpp).
    std::unique_ptr<RunTarget> openTarget();
    QString exportFileName(int page, int count) const;
    bool checkExportTarget();
    QString tr(const QString& text) const;
    QString folderField() const;

    TPreview m_layout;
    Context m_context;
    Translate m_translate;
    std::unique_ptr<QPrinter> m_printer;
    QList<QGroupBox*> m_printerGroups;
    QGroupBox* m_jpegGroup = nullptr;
    TFPrintInProgress* FPrintInProgress;
    QTimer* m_reenable;
    bool m_running = false;
    bool m_exportValuesSet = false;
};
