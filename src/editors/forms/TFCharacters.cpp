#include "editors/forms/TFCharacters.h"
#include "editors/forms/SymbolCodeDelegate.h"
#include "editors/forms/SymbolCodeModel.h"
#include "model/Translatable.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
constexpr int kHelpContext = 3100;
} // namespace

TFCharacters::TFCharacters(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TFCharacters"));
    m_allModel = new SymbolCodeModel([this]() -> const QList<int>& { return m_document.allCodes(); }, this);
    m_charsModel = new SymbolCodeModel([this]() -> const QList<int>& { return m_document.charCodes(); }, this);
    m_delegate = new SymbolCodeDelegate(this);
    ToolBar = new QToolBar(this);
    ToolNew = ToolBar->addAction(QIcon(QStringLiteral(":/icons/new.svg")), QString());
    ToolOpen = ToolBar->addAction(QIcon(QStringLiteral(":/icons/open.svg")), QString());
    ToolSave = ToolBar->addAction(QIcon(QStringLiteral(":/icons/save.svg")), QString());
    ToolSaveAs = ToolBar->addAction(QIcon(QStringLiteral(":/icons/saveas.svg")), QString());
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(ToolBar);
    layout->addWidget(createOptions());
    layout->addWidget(createCharacters(), 1);
    layout->addWidget(createButtons());
    connectControls();
    installDialogs();
    translate(Translate());
    resize(620, 640);
}

QWidget* TFCharacters::createOptions()
{
    GroupOptions = new QGroupBox(this);
    EName = new QLineEdit(GroupOptions);
    EDescrioption = new QLineEdit(GroupOptions);
    ComboFont = new QComboBox(GroupOptions);
    ComboFont->setMaxVisibleItems(20);
    auto* form = new QFormLayout(GroupOptions);
    const QList<QPair<QWidget*, QString>> rows = {{EName, TRANSLATABLE("Name")},
        {EDescrioption, TRANSLATABLE("Description")}, {ComboFont, TRANSLATABLE("Font")}};
    for (const auto& [field, key] : rows) {
        auto* label = new QLabel(GroupOptions);
        form->addRow(label, field);
        m_captions << Caption{label, key, QString(), QStringLiteral(" :")};
    }
    m_captions << Caption{GroupOptions, TRANSLATABLE("Options"), QStringLiteral(" "), QStringLiteral(" ")};
    return GroupOptions;
}

QListView* TFCharacters::createList(SymbolCodeModel* model)
{
    auto* view = new QListView(GroupCharacters);
    view->setModel(model);
    view->setItemDelegate(m_delegate);
    view->setUniformItemSizes(true);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return view;
}

QWidget* TFCharacters::createCharacters()
{
    GroupCharacters = new QGroupBox(this);
    ListViewAll = createList(m_allModel);
    ListViewChars = createList(m_charsModel);
    auto* allLabel = new QLabel(GroupCharacters);
    auto* charsLabel = new QLabel(GroupCharacters);
    const QList<std::tuple<QPushButton**, QString, QString, QString>> buttons = {
        {&ButtonAdd, TRANSLATABLE("Add"), QString(), QStringLiteral(" >")},
        {&ButtonRemove, TRANSLATABLE("Remove"), QStringLiteral("< "), QString()},
        {&ButtonAddAll, TRANSLATABLE("Add all"), QString(), QStringLiteral(" >>")},
        {&ButtonRemoveAll, TRANSLATABLE("Remove all"), QStringLiteral("<< "), QString()},
        {&ButtonUp, TRANSLATABLE("Move up"), QString(), QString()},
        {&ButtonDown, TRANSLATABLE("Move down"), QString(), QString()}};
    for (const auto& [button, key, before, after] : buttons) {
        *button = new QPushButton(GroupCharacters);
        (*button)->setAutoDefault(false);
        m_captions << Caption{*button, key, before, after};
    }
    CheckShowIDs = new QCheckBox(GroupCharacters);
    CheckShowIDs->setChecked(true);
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    for (QPushButton* b : {ButtonAdd, ButtonRemove, ButtonAddAll, ButtonRemoveAll})
        middle->addWidget(b);
    middle->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addStretch(1);
    right->addWidget(ButtonUp);
    right->addWidget(ButtonDown);
    right->addStretch(1);
    right->addWidget(CheckShowIDs);
    auto* grid = new QGridLayout(GroupCharacters);
    grid->addWidget(allLabel, 0, 0);
    grid->addWidget(charsLabel, 0, 2);
    grid->addWidget(ListViewAll, 1, 0);
    grid->addLayout(middle, 1, 1);
    grid->addWidget(ListViewChars, 1, 2);
    grid->addLayout(right, 1, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    m_captions << Caption{GroupCharacters, TRANSLATABLE("Characters"), QStringLiteral(" "), QStringLiteral(" ")}
               << Caption{allLabel, TRANSLATABLE("All Characters"), {}, {}}
               << Caption{charsLabel, TRANSLATABLE("Selected Characters"), {}, {}}
               << Caption{CheckShowIDs, TRANSLATABLE("Show ID's"), {}, {}};
    return GroupCharacters;
}

QWidget* TFCharacters::createButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    BClose = new QPushButton(row);
    BHelp = new QPushButton(row);
    for (QPushButton* b : {BClose, BHelp})
        b->setAutoDefault(false);
    layout->addStretch(1);
    layout->addWidget(BClose);
    layout->addWidget(BHelp);
    m_captions << Caption{BClose, TRANSLATABLE("Close"), {}, {}} << Caption{BHelp, TRANSLATABLE("Help"), {}, {}};
    return row;
}

void TFCharacters::connectControls()
{
    connect(ToolNew, &QAction::triggered, this, &TFCharacters::NewSet);
    connect(ToolOpen, &QAction::triggered, this, &TFCharacters::Button7Click);
    connect(ToolSave, &QAction::triggered, this, [this] { m_document.Save(*this); });
    connect(ToolSaveAs, &QAction::triggered, this, [this] { m_document.SaveAs(*this); });
    connect(EName, &QLineEdit::textChanged, this, [this](const QString& text) { m_document.setName(text); });
    connect(EDescrioption, &QLineEdit::textChanged, this, [this](const QString& text) { m_document.setDescription(text); });
    connect(ComboFont, &QComboBox::currentTextChanged, this, &TFCharacters::fontChosen);
    connect(CheckShowIDs, &QCheckBox::toggled, this, &TFCharacters::showIdsToggled);
    connect(ButtonAdd, &QPushButton::clicked, this, [this] { move(&SymbolSetDocument::add); });
    connect(ButtonRemove, &QPushButton::clicked, this, [this] { move(&SymbolSetDocument::remove); });
    connect(ButtonAddAll, &QPushButton::clicked, this, [this] { move(&SymbolSetDocument::addAll); });
    connect(ButtonRemoveAll, &QPushButton::clicked, this, [this] { move(&SymbolSetDocument::removeAll); });
    connect(ButtonUp, &QPushButton::clicked, this, [this] { move(&SymbolSetDocument::moveUp); });
    connect(ButtonDown, &QPushButton::clicked, this, [this] { move(&SymbolSetDocument::moveDown); });
    connect(ListViewAll, &QListView::doubleClicked, this, [this] { move(&SymbolSetDocument::add); });
    connect(ListViewChars, &QListView::doubleClicked, this, [this] { move(&SymbolSetDocument::remove); });
    connect(BClose, &QPushButton::clicked, this, &TFCharacters::close);
    connect(BHelp, &QPushButton::clicked, this, [this] {
        if (showHelp)
            showHelp(kHelpContext);
    });
}

// The real dialogs. The file dialogs start in the user's folder (the shipped one until the user
// saved a set) and offer both in their sidebar, so a shipped set can be opened and then saved as
// the user's own.
void TFCharacters::installDialogs()
{
    askYesNoCancel = [this](const QString& question) {
        const auto b = QMessageBox::warning(this, translate(TRANSLATABLE("Warning")), question,
            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return b == QMessageBox::Yes ? Answer::Yes : b == QMessageBox::No ? Answer::No : Answer::Cancel;
    };
    askYesNo = [this](const QString& question) {
        return QMessageBox::warning(this, translate(TRANSLATABLE("Warning")), question, QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes;
    };
    inform = [this](const QString& message) { QMessageBox::information(this, windowTitle(), message); };
    showWarning = [this](const QString& message) { QMessageBox::warning(this, windowTitle(), message); };
    const auto fileDialog = [this](QFileDialog::AcceptMode mode, const QString& folder, const QString& preset) {
        const QString start = QDir(folder).exists() ? folder : m_shippedFolder;
        QFileDialog dialog(this, windowTitle(), start, translate(TRANSLATABLE("Symbol sets")) + QStringLiteral(" (*.chr)"));
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("chr"));
        dialog.setSidebarUrls({QUrl::fromLocalFile(m_userFolder), QUrl::fromLocalFile(m_shippedFolder)});
        if (!preset.isEmpty())
            dialog.selectFile(preset);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    chooseOpenFile = [fileDialog](const QString& folder) { return fileDialog(QFileDialog::AcceptOpen, folder, QString()); };
    chooseSaveFile = [fileDialog](const QString& folder, const QString& preset) {
        return fileDialog(QFileDialog::AcceptSave, folder, preset);
    };
}

void TFCharacters::setFolders(const QString& userFolder, const QString& shippedFolder)
{
    m_userFolder = userFolder;
    m_shippedFolder = shippedFolder;
    m_document.setUserFolder(userFolder);
}

void TFCharacters::translate(const Translate& tr)
{
    m_translate = tr;
    for (const Caption& c : std::as_const(m_captions)) {
        const QString text = c.before + translate(c.key) + c.after;
        if (auto* group = qobject_cast<QGroupBox*>(c.object))
            group->setTitle(text);
        else if (auto* label = qobject_cast<QLabel*>(c.object))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(c.object))
            button->setText(text);
    }
    const QList<QPair<QAction*, QString>> tools = {{ToolNew, TRANSLATABLE("New")}, {ToolOpen, TRANSLATABLE("Open")},
        {ToolSave, TRANSLATABLE("Save")}, {ToolSaveAs, TRANSLATABLE("Save as")}};
    for (const auto& [action, key] : tools)
        action->setToolTip(translate(key));
    setWindowTitle(translate(TRANSLATABLE("Characters")));
}

int TFCharacters::execute()
{
    FormShow();
    return exec();
}

void TFCharacters::FormShow()
{
    const QStringList families = QFontDatabase::families();
    ComboFont->blockSignals(true);
    ComboFont->clear();
    ComboFont->addItems(families);
    ComboFont->blockSignals(false);
    m_document.NewSet();
    showDocument();
}

bool TFCharacters::FormCloseQuery()
{
    return m_document.Check(*this);
}

void TFCharacters::reject()
{
    if (FormCloseQuery())
        QDialog::reject();
}

void TFCharacters::NewSet()
{
    if (!m_document.Check(*this))
        return;
    m_document.NewSet();
    showDocument();
}

void TFCharacters::Button7Click()
{
    if (!m_document.Check(*this))
        return;
    const QString fileName = chooseOpenFile(m_userFolder);
    if (fileName.isEmpty())
        return;
    QList<int> repeated;
    const Status opened = m_document.open(fileName, &repeated);
    if (!opened) {
        showWarning(opened.text(m_translate));
        return;
    }
    showDocument();
    if (!repeated.isEmpty()) {
        QStringList codes;
        for (const int code : repeated)
            codes << QString::number(code);
        inform(translate(TRANSLATABLE("These codes were listed more than once; each is kept once, at its first place: %1"))
                   .arg(codes.join(QStringLiteral(", "))));
    }
}

QString TFCharacters::chooseSaveFileName(const QString& preset)
{
    return chooseSaveFile(m_userFolder, preset);
}

void TFCharacters::nameMissing(const QString& message)
{
    EName->setFocus();
    showWarning(message);
}

// The fields show the document's values; the document ignores values it already holds, so
// showing marks nothing changed. A font that is not installed stays the set's font.
void TFCharacters::showDocument()
{
    EName->setText(m_document.name());
    EDescrioption->setText(m_document.description());
    selectFontOf(m_document.fontName());
    showLists();
}

void TFCharacters::selectFontOf(const QString& family)
{
    int index = ComboFont->findText(family);
    if (index < 0 && !family.isEmpty()) {
        ComboFont->addItem(family);
        index = ComboFont->count() - 1;
    }
    ComboFont->setCurrentIndex(index);
    fontChosen(ComboFont->currentText());
}

void TFCharacters::fontChosen(const QString& family)
{
    m_document.setFontName(family);
    m_delegate->setSymbolFont(family);
    ListViewAll->viewport()->update();
    ListViewChars->viewport()->update();
}

void TFCharacters::showIdsToggled(bool show)
{
    m_delegate->setShowIds(show);
    for (QListView* view : {ListViewAll, ListViewChars}) {
        // The rows change width, which the view learns from a new layout.
        view->doItemsLayout();
        view->viewport()->update();
    }
}

namespace {
QList<int> selectedRows(const QListView* view)
{
    QList<int> rows;
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
        rows << index.row();
    return rows;
}
} // namespace

void TFCharacters::move(void (SymbolSetDocument::*step)())
{
    m_document.setAllSelection(selectedRows(ListViewAll));
    m_document.setCharsSelection(selectedRows(ListViewChars));
    (m_document.*step)();
    showLists();
}

void TFCharacters::showLists()
{
    m_allModel->refresh();
    m_charsModel->refresh();
    showSelection(ListViewAll, m_document.allSelection());
    showSelection(ListViewChars, m_document.charsSelection());
}

// Selects the rows, in runs of neighbouring rows, and scrolls the last one into view.
void TFCharacters::showSelection(QListView* view, const QList<int>& rows)
{
    QItemSelection selection;
    const QAbstractItemModel* model = view->model();
    for (int i = 0; i < rows.size();) {
        int j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1)
            ++j;
        selection.select(model->index(rows[i], 0), model->index(rows[j], 0));
        i = j + 1;
    }
    view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rows.isEmpty()) {
        view->selectionModel()->setCurrentIndex(model->index(rows.last(), 0), QItemSelectionModel::NoUpdate);
        view->scrollTo(model->index(rows.last(), 0));
    }
}
