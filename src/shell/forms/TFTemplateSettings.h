#pragma once
#include "shell/DesignSettingsValues.h"
#include "shell/forms/CaptionTable.h"
#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

// "Design Settings": title, comment, palette, symbol set, background colour, colour count, size
// and thread lengths of the open design. It shows a DesignSettingsValues and gives the edited
// one back; the caller applies the difference (DesignSettingsValues::apply).
//
// Protocol: FormShow before each showing, then exec; on Accepted read values(). OK asks the
// check given to FormShow first; a refusal is shown and the dialog stays open.
class TFTemplateSettings : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 3400;

    explicit TFTemplateSettings(QWidget* parent = nullptr);

    using Check = std::function<Status(const DesignSettingsValues&)>;
    void FormShow(const DesignSettingsValues& values, const QStringList& palettes, const QStringList& symbolSets,
        const CaptionTable::Translate& translate, Check check);
    DesignSettingsValues values() const;
    TColorRef backgroundColor() const { return m_background; }
    void setBackgroundColor(TColorRef color);
    void PBackgroundClick();
    // Where refusals go; a warning box unless tests replace it.
    void setErrorSink(std::function<void(const QString&)> sink) { m_showError = std::move(sink); }

    QTabWidget* PageControl;
    QLineEdit* ETitle;
    QPlainTextEdit* MemoComment;
    QComboBox *ComboPalette, *ComboSymbols;
    QPushButton* PBackground;
    QSpinBox *EColorsCount, *EWidth, *EHeight;
    QDoubleSpinBox *ELen, *EBackLen, *EBaseLen;
    QPushButton *ButtonOK, *ButtonCancel, *ButtonHelp;

Q_SIGNALS:
    void helpRequested(int topic);

protected:
    void accept() override;

private:
    QWidget* createColorsPage();
    QWidget* createPrintPage();
    QDoubleSpinBox* lengthBox(const QString& name);
    QString translated(const QString& key) const;

    CaptionTable m_captions;
    CaptionTable::Translate m_translate;
    DesignSettingsValues m_shown;
    Check m_check;
    TColorRef m_background = 0xFFFFFF;
    std::function<void(const QString&)> m_showError;
};
