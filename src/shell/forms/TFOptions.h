#pragma once
#include "shell/OptionsValues.h"
#include "shell/forms/CaptionTable.h"
#include <QDialog>
#include <QHash>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTextEdit;

// "Options": the program-wide settings on the pages "General Settings" and "Printing Settings".
// It shows an OptionsValues and gives one back; storing them is the caller's (OptionsValues::
// apply, then the settings store). Every whole number sits in a spin box with its range, so the
// dialog cannot hold a value the settings refuse.
//
// Protocol: FormShow before each showing, then exec; on Accepted read values().
class TFOptions : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 3700;

    explicit TFOptions(QWidget* parent = nullptr);

    // `values.SubTitle` is shown as given (the caller passes the translated text).
    void FormShow(const OptionsValues& values, const QStringList& palettes, const QStringList& symbolSets,
        const CaptionTable::Translate& translate);
    OptionsValues values() const;

    void ButtonDefaultClick();
    void ButtonPathClick();
    QSpinBox* spinBox(const char* control) const { return m_spins.value(QLatin1String(control)); }

    QTabWidget* PageControl;
    QComboBox *ComboPalette, *ComboSymbols;
    QLineEdit *EPath, *EditDefTitle, *EditSubTitle;
    QLabel* LPath;
    QPushButton* ButtonPath;
    QTextEdit* MemoBookInfo;
    QCheckBox *CheckCheckForUpdates, *CheckAllowQuarterOverCross;
    QGroupBox* GroupBags;
    QPushButton *ButtonOK, *ButtonCancel, *ButtonDefault, *ButtonHelp;

Q_SIGNALS:
    void helpRequested(int topic);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createGeneralPage();
    QWidget* createPrintingPage();
    QGroupBox* group(const QString& key) { return m_captions.group(key, this); }
    QLabel* label(const QString& key) { return m_captions.label(key, this); }
    void showValues(const OptionsValues& values);
    void showBookInfo(const QString& stored);
    void updatePathLabel();

    QHash<QString, QSpinBox*> m_spins;
    CaptionTable m_captions;
    CaptionTable::Translate m_translate;
    OptionsValues m_shown;
};
