#pragma once
#include <QDialog>
#include <functional>
#include <memory>

class Design;
class PreviewArea;
class PreviewRenderer;
class QLabel;
class QMenu;
class QSlider;

// The "Real Preview" window: the open design as thread on fabric at zoom 5 to 50. The picture
// is never held whole: the scroll box renders the part it shows on each paint, and "Save as
// JPEG ..." renders it again in bands straight into the file. Rendering never runs the event
// loop, so nothing can change under it; a zoom change drops the cell images and repaints.
class TFRealPreview : public QDialog
{
    Q_OBJECT
public:
    explicit TFRealPreview(QWidget* parent = nullptr);
    ~TFRealPreview() override;

    // The design shown from the next FormShow on (not owned), and whether in knitting cells.
    void setDesign(const Design* design, bool knitting);
    using Translate = std::function<QString(const QString&)>;
    void applyCaptions(const Translate& translate);

    void FormShow();
    void FormClose();
    void ZoomChange(int zoom);
    // One zoom step (s = +1 away from the user) around `mouse`, in scroll-box pixels.
    void FormMouseWheel(const QPoint& mouse, int s);
    void MenuSaveasJPEGClick();

    QSlider* Zoom;
    QLabel* LabelZoom;
    PreviewArea* Image;
    QMenu* MenuFile;
    QAction* MenuSaveasJPEG;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;
    // The save dialog (".jpg" added, overwrite confirmed); empty when cancelled. Tests replace it.
    virtual QString chooseJpegFile(const QString& preset);
    virtual void showError(const QString& message);

private:
    QString translate(const QString& text) const;

    const Design* m_design = nullptr;
    bool m_knitting = false;
    std::unique_ptr<PreviewRenderer> m_renderer;
    Translate m_translate;
};
