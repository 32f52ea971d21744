#pragma once
#include <QDialog>
#include <functional>
#include <memory>

class QAction;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QToolBar;
class QTreeWidget;
class RhodeShapeEditor;
class RhodeShapes;
class RhodeSurfaceView;

// "Rhodes Editor": lists the rhodes shapes, makes new ones, edits and deletes the user's own,
// drawing their stitches between half-cell points of a box of cells. The window only reads its
// controls and hands them to RhodeShapeEditor; the main window saves the library afterwards.
class TFRhodesEditor : public QDialog
{
    Q_OBJECT
public:
    using Translate = std::function<QString(const QString&)>;

    explicit TFRhodesEditor(QWidget* parent = nullptr);
    ~TFRhodesEditor() override;

    void translate(const Translate& tr);
    // Edits the library modally; true when the library changed.
    bool execute(RhodeShapes& shapes);
    // What execute does before the modal loop.
    void prepare(RhodeShapes& shapes);
    const RhodeShapeEditor& editor() const { return *m_editor; }
    // What the zoom buttons do: the zoom within its bounds, the surface resized and redrawn.
    void zoomTo(int zoom);

    // The question and the message; window tests answer them from a script.
    std::function<bool(const QString&)> askYesNo;
    std::function<void(const QString&)> warn;

    QGroupBox *GroupList, *GroupRhode;
    QTreeWidget* ListView1;
    QSpinBox *Edit1, *Edit2;
    QLineEdit* ERhodeName;
    QScrollArea* ScrollBox;
    RhodeSurfaceView* Image;
    QToolBar* ToolBar;
    QAction *ToolDraw, *ToolErase, *ToolZoomOut, *Tool100, *ToolZoomIn;
    QPushButton *ButtonNew, *ButtonEdit, *ButtonDelete, *ButtonOK, *ButtonCancel, *ButtonClose;

protected:
    void reject() override;

private:
    QWidget* createList();
    QWidget* createRhode();
    QToolBar* createToolBar();
    QWidget* createButtons();
    void connectActions();
    QString t(const QString& key) const;

    void actNewExecute();
    void actEditExecute();
    void actDeleteExecute();
    void actOKExecute();
    void actCancelExecute();
    void ListView1SelectionChange();
    void sizeChanged();
    void ImageMouseDown(const QPointF& pixel);
    void ImageMouseMove(const QPointF& pixel);

    void rebuildList();
    void showShape();
    void redraw();
    void updateActions();

    std::unique_ptr<RhodeShapeEditor> m_editor;
    Translate m_translate;
    QList<QPair<QObject*, QString>> m_captions;
};
