#include "studio/studio_window.h"

#include "studio/field_binding.h"
#include "studio/import_dialog.h"
#include "studio/pairs_view.h"
#include "studio/recent_files.h"
#include "studio/try_quiz.h"
#include "studiocore/clipboard_table.h"
#include "studiocore/pairs_model.h"
#include "studiocore/picture_import.h"
#include "studiocore/quiz_check.h"
#include "studiocore/quiz_document.h"
#include "studiocore/quiz_storage.h"
#include "studiocore/table_import.h"

#include "quizfile/bundle.h"
#include "quizfile/quiz_file.h"
#include "quizopen/quiz_open.h"
#include "quizwindow/quiz_window.h"
#include "widgets/window_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel *labelFor(QWidget *control, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(control);
    return label;
}

QuizDraft newDraft()
{
    QuizDraft draft;
    draft.pairs.resize(1);  // a row to type into
    return draft;
}

} // namespace

StudioWindow::StudioWindow(QWidget *parent)
    : QMainWindow(parent), m_document(new QuizDocument(this)), m_checker(new QuizChecker(m_document, this))
{
    setObjectName(u"studio"_s);
    m_document->load(newDraft());

    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(u"splitter"_s);
    auto *top = new QWidget(splitter);
    auto *topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(buildForm(), 3);
    topLayout->addWidget(buildSide(), 2);
    splitter->addWidget(top);
    m_pairs = new PairsView(m_document->pairs(), splitter);
    describe(m_pairs, u"pairs"_s, tr("Pairs"),
             tr("Expression, meaning, explanation lines and picture of each pair. Type to edit a cell, F2 or Enter "
                "to edit it, Tab to go on to the next; Insert adds a pair, Delete deletes the selected pairs, Ctrl+Up and Ctrl+Down move "
                "them; Ctrl+V pastes rows copied from a spreadsheet; drop a picture file on a row"));
    m_pairs->setColumnWidth(PairsModel::Expression, 200);
    m_pairs->setColumnWidth(PairsModel::Meaning, 200);
    m_pairs->setColumnWidth(PairsModel::Explanation, 320);
    splitter->addWidget(m_pairs);
    splitter->addWidget(buildProblems());
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setStretchFactor(2, 0);
    splitter->setSizes({260, 400, 110});
    setCentralWidget(splitter);

    buildActions();
    buildMenus();
    setTabOrderOfForm();

    connect(m_document->undoStack(), &QUndoStack::cleanChanged, this, &StudioWindow::updateTitle);
    connect(m_document, &QuizDocument::changed, this, &StudioWindow::updateExtraRule);
    connect(m_document, &QuizDocument::fieldChanged, this, &StudioWindow::updateLayoutBoxes);
    connect(m_document->pairs(), &PairsModel::pictureRefused, this,
            [this](const QString &message) { showMessage(tr("Picture"), message); });
    connect(m_checker, &QuizChecker::checked, this, [this](bool ok, int count) {
        m_problemsTitle->setText(ok ? tr("Problems: none, the quiz is ready") : tr("Problems: %1").arg(count));
        m_problems->setAccessibleName(m_problemsTitle->text());
    });
    connect(m_pairs, &PairsView::pictureChosen, this, &StudioWindow::choosePicture);
    updateTitle();
    updateExtraRule();
    updateLayoutBoxes();
    statusBar()->setObjectName(u"status"_s);
    resize(1100, 780);
}

StudioWindow::~StudioWindow()
{
    delete m_tryWindow;
}

QWidget *StudioWindow::buildForm()
{
    auto *box = new QWidget(this);
    auto *form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);

    m_id = new QLineEdit(box);
    describe(m_id, u"id"_s, tr("Id"),
             tr("Names the quiz's program and file: small Latin letters, digits and hyphens, such as capitals"));
    m_caption = new QLineEdit(box);
    describe(m_caption, u"caption"_s, tr("Caption"), tr("The quiz window's caption"));
    m_instructions = new QPlainTextEdit(box);
    m_instructions->setTabChangesFocus(true);
    m_instructions->setFixedHeight(5 * fontMetrics().lineSpacing());
    describe(m_instructions, u"instructions"_s, tr("Instructions"), tr("The text the learner reads first"));
    m_expressionsName = new QLineEdit(box);
    describe(m_expressionsName, u"expressionsName"_s, tr("Name of the expressions"),
             tr("What a screen reader calls the left list, such as Countries"));
    m_meaningsName = new QLineEdit(box);
    describe(m_meaningsName, u"meaningsName"_s, tr("Name of the meanings"),
             tr("What a screen reader calls the right list, such as Capitals"));

    form->addRow(labelFor(m_id, tr("&Id:"), box), m_id);
    form->addRow(labelFor(m_caption, tr("&Caption:"), box), m_caption);
    form->addRow(labelFor(m_instructions, tr("I&nstructions:"), box), m_instructions);
    form->addRow(labelFor(m_expressionsName, tr("Name of the &expressions:"), box), m_expressionsName);
    form->addRow(labelFor(m_meaningsName, tr("Name of the &meanings:"), box), m_meaningsName);

    FieldBinding::bind(m_id, m_document, QuizDocument::Id);
    FieldBinding::bind(m_caption, m_document, QuizDocument::Caption);
    FieldBinding::bind(m_instructions, m_document, QuizDocument::Instructions);
    FieldBinding::bind(m_expressionsName, m_document, QuizDocument::ExpressionsName);
    FieldBinding::bind(m_meaningsName, m_document, QuizDocument::MeaningsName);
    return box;
}

QWidget *StudioWindow::buildSide()
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    m_extraMeanings = new QPlainTextEdit(box);
    m_extraMeanings->setTabChangesFocus(true);
    m_extraMeanings->setFixedHeight(4 * fontMetrics().lineSpacing());
    describe(m_extraMeanings, u"extraMeanings"_s, tr("Extra meanings"),
             tr("Meanings that belong to no expression, one per line"));
    m_extraRule = new QLabel(box);
    m_extraRule->setWordWrap(true);
    m_extraRule->setObjectName(u"extraRule"_s);
    layout->addWidget(labelFor(m_extraMeanings, tr("E&xtra meanings, one per line:"), box));
    layout->addWidget(m_extraMeanings);
    layout->addWidget(m_extraRule);
    FieldBinding::bindLines(m_extraMeanings, m_document, QuizDocument::ExtraMeanings);

    auto *group = new QGroupBox(tr("Window layout, in twips (15 to a pixel)"), box);
    group->setObjectName(u"layoutGroup"_s);
    auto *grid = new QGridLayout(group);
    m_ownLayout = new QCheckBox(tr("Own &layout"), group);
    describe(m_ownLayout, u"ownLayout"_s, tr("Own layout"),
             tr("Gives the window and its two lists their own places; without it the Latin quiz's layout"));
    grid->addWidget(m_ownLayout, 0, 0, 1, 4);
    FieldBinding::bind(m_ownLayout, m_document, QuizDocument::OwnLayout);
    const QStringList names{tr("Window width"), tr("Expressions left"), tr("Expressions width"), tr("Meanings left"),
                            tr("Meanings width")};
    const QStringList objectNames{u"layoutWidth"_s, u"expressionsLeft"_s, u"expressionsWidth"_s, u"meaningsLeft"_s,
                                  u"meaningsWidth"_s};
    for (int i = 0; i < 5; ++i) {
        auto *spin = new QSpinBox(group);
        spin->setRange(0, 30000);
        spin->setSingleStep(15);
        describe(spin, objectNames.at(i), names.at(i), tr("%1, in twips").arg(names.at(i)));
        const int row = i == 0 ? 1 : 1 + (i + 1) / 2;
        const int column = i == 0 ? 0 : 2 * ((i + 1) % 2);
        grid->addWidget(labelFor(spin, names.at(i) + u':', group), row, column);
        grid->addWidget(spin, row, column + 1);
        FieldBinding::bind(spin, m_document, QuizDocument::Field(QuizDocument::LayoutWidth + i));
        m_layout << spin;
    }
    layout->addWidget(group);
    layout->addStretch(1);
    return box;
}

QWidget *StudioWindow::buildProblems()
{
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_problems = new QListView(box);
    m_problems->setModel(m_checker->problems());
    m_problems->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_problems->setWordWrap(true);
    describe(m_problems, u"problems"_s, tr("Problems"),
             tr("What keeps the quiz from working; Enter or a click goes to the place"));
    m_problemsTitle = new QLabel(tr("Problems:"), box);
    m_problemsTitle->setBuddy(m_problems);
    m_problemsTitle->setObjectName(u"problemsTitle"_s);
    layout->addWidget(m_problemsTitle);
    layout->addWidget(m_problems);
    connect(m_problems, &QAbstractItemView::activated, this,
            [this](const QModelIndex &index) { showPlace(m_checker->problems()->place(index.row())); });
    connect(m_problems, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { showPlace(m_checker->problems()->place(index.row())); });
    return box;
}

void StudioWindow::buildActions()
{
    m_undo = m_document->undoStack()->createUndoAction(this, tr("&Undo"));
    m_undo->setShortcut(QKeySequence::Undo);
    m_undo->setObjectName(u"undo"_s);
    m_redo = m_document->undoStack()->createRedoAction(this, tr("&Redo"));
    m_redo->setShortcuts({QKeySequence::Redo, QKeySequence(u"Ctrl+Y"_s)});
    m_redo->setObjectName(u"redo"_s);

    // The table's own commands work while the table has the keyboard, so Delete or Ctrl+Up in a
    // text field stays with the text.
    auto tableAction = [this](const QString &name, const QString &text, const QString &tip,
                              const QList<QKeySequence> &keys, auto slot) {
        auto *action = new QAction(text, this);
        action->setObjectName(name);
        action->setToolTip(tip);
        action->setStatusTip(tip);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_pairs->addAction(action);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    m_addPair = tableAction(u"addPair"_s, tr("&Add a pair"), tr("Adds an empty pair below the current one"),
                            {QKeySequence(Qt::Key_Insert)}, &StudioWindow::addPair);
    m_deletePairs = tableAction(u"deletePairs"_s, tr("&Delete pairs"), tr("Deletes the selected pairs"),
                                {QKeySequence::Delete}, &StudioWindow::deletePairs);
    m_moveUp = tableAction(u"moveUp"_s, tr("Move &up"), tr("Moves the selected pairs up"),
                           {QKeySequence(Qt::CTRL | Qt::Key_Up)}, [this] { movePairs(-1); });
    m_moveDown = tableAction(u"moveDown"_s, tr("Move do&wn"), tr("Moves the selected pairs down"),
                             {QKeySequence(Qt::CTRL | Qt::Key_Down)}, [this] { movePairs(1); });
    m_paste = tableAction(u"pasteRows"_s, tr("&Paste rows"),
                          tr("Pastes cells copied from a spreadsheet at the current cell"), {QKeySequence::Paste},
                          &StudioWindow::pasteRows);
    m_picture = tableAction(u"choosePicture"_s, tr("Choose a &picture…"),
                            tr("Chooses a picture file for the current pair"), {QKeySequence(u"Ctrl+P"_s)},
                            [this] { choosePicture(m_pairs->currentIndex().row()); });
    m_removePicture = tableAction(u"removePicture"_s, tr("&Remove the picture"),
                                  tr("Removes the current pair's picture"), {QKeySequence(u"Ctrl+Shift+P"_s)},
                                  &StudioWindow::removePicture);
    // The same commands on the table's context menu, for the mouse.
    m_pairs->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_import = new QAction(tr("&Import a table…"), this);
    m_import->setObjectName(u"importTable"_s);
    m_import->setShortcut(QKeySequence(u"Ctrl+I"_s));
    m_import->setToolTip(tr("Adds pairs from a CSV or tab-separated file, such as one saved from a spreadsheet"));
    connect(m_import, &QAction::triggered, this, &StudioWindow::chooseTable);
    m_try = new QAction(tr("&Try it"), this);
    m_try->setObjectName(u"tryQuiz"_s);
    m_try->setShortcut(QKeySequence(Qt::Key_F5));
    m_try->setToolTip(tr("Opens the quiz as the learner sees it, as it stands now (F5)"));
    connect(m_try, &QAction::triggered, this, &StudioWindow::tryQuiz);
}

void StudioWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(u"fileMenu"_s);
    auto add = [this](QMenu *menu, const QString &name, const QString &text, QKeySequence key, auto slot) {
        QAction *action = menu->addAction(text);
        action->setObjectName(name);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    add(file, u"newQuiz"_s, tr("&New"), QKeySequence::New, &StudioWindow::newQuiz);
    add(file, u"openQuiz"_s, tr("&Open…"), QKeySequence::Open, &StudioWindow::open);
    QMenu *recent = file->addMenu(tr("Open &recent"));
    recent->setObjectName(u"recentMenu"_s);
    m_recent = new RecentFiles(recent, this);
    connect(m_recent, &RecentFiles::chosen, this, [this](const QString &path) {
        if (maybeSave())
            openFile(path);
    });
    add(file, u"saveQuiz"_s, tr("&Save"), QKeySequence::Save, &StudioWindow::save);
    add(file, u"saveQuizAs"_s, tr("Save &as…"), QKeySequence::SaveAs, &StudioWindow::saveAs);
    file->addSeparator();
    file->addAction(m_import);
    file->addSeparator();
    add(file, u"quit"_s, tr("&Quit"), QKeySequence::Quit, &QWidget::close);

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(u"editMenu"_s);
    edit->addActions({m_undo, m_redo});
    edit->addSeparator();
    edit->addActions({m_addPair, m_deletePairs, m_moveUp, m_moveDown, m_paste});
    edit->addSeparator();
    edit->addActions({m_picture, m_removePicture});

    QMenu *quiz = menuBar()->addMenu(tr("&Quiz"));
    quiz->setObjectName(u"quizMenu"_s);
    quiz->addAction(m_try);

    QToolBar *bar = addToolBar(tr("Quiz"));
    bar->setObjectName(u"toolbar"_s);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addActions({m_try, m_import});
    bar->addSeparator();
    bar->addActions({m_addPair, m_deletePairs, m_moveUp, m_moveDown, m_picture});
    // The button that shows the tools a narrow window has no room for.
    if (auto *more = bar->findChild<QToolButton *>(u"qt_toolbar_ext_button"_s))
        more->setAccessibleName(tr("More tools"));
    // Every tool button is named for a screen reader as its action is.
    for (QAction *action : bar->actions()) {
        if (QWidget *button = bar->widgetForAction(action)) {
            button->setObjectName(action->objectName() + u"Button"_s);
            button->setAccessibleName(action->text().remove(u'&'));
            button->setAccessibleDescription(action->toolTip());
        }
    }
}

void StudioWindow::setTabOrderOfForm()
{
    QList<QWidget *> order{m_id, m_caption, m_instructions, m_expressionsName, m_meaningsName, m_pairs,
                           m_extraMeanings, m_ownLayout};
    order += QList<QWidget *>(m_layout.cbegin(), m_layout.cend());
    order << m_problems;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void StudioWindow::updateTitle()
{
    const QString name = m_path.isEmpty() ? tr("New quiz") : QFileInfo(m_path).fileName();
    setWindowTitle(tr("%1[*] — ZORT Studio").arg(name));
    setWindowModified(m_document->isModified());
}

void StudioWindow::updateExtraRule()
{
    const QList<PairRow> &rows = m_document->pairs()->rows();
    const int pairs = int(std::count_if(rows.cbegin(), rows.cend(), [](const PairRow &r) { return !r.isBlank(); }));
    const int extra = int(m_document->field(QuizDocument::ExtraMeanings).toStringList().size());
    m_extraRule->setText(tr("\"Оцени\" needs at least three entered pairs for every meaning left over, so n pairs "
                            "allow at most n/3 extra meanings: now %1 pairs allow %2, and there are %3.")
                             .arg(pairs).arg(pairs / 3).arg(extra));
    m_extraMeanings->setAccessibleDescription(m_extraRule->text());
}

void StudioWindow::updateLayoutBoxes()
{
    const bool own = m_document->field(QuizDocument::OwnLayout).toBool();
    for (QSpinBox *spin : std::as_const(m_layout))
        spin->setEnabled(own);
}

void StudioWindow::showMessage(const QString &title, const QString &text, const QStringList &details)
{
    statusBar()->showMessage(text, 10000);
    if (QGuiApplication::platformName() == u"offscreen"_s)
        return;  // a test's window: the status line says it
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    if (!details.isEmpty())
        box.setDetailedText(details.join(u'\n'));
    box.exec();
}

// --- The pairs -----------------------------------------------------------------------------------

void StudioWindow::addPair()
{
    const int row = m_pairs->currentIndex().isValid() ? m_pairs->currentIndex().row() + 1
                                                      : m_document->pairs()->rowCount();
    m_document->pairs()->insertBlankRows(row, 1);
    m_pairs->setCurrentIndex(m_document->pairs()->index(row, PairsModel::Expression));
}

void StudioWindow::deletePairs()
{
    const QList<int> rows = m_pairs->selectedRows();
    if (rows.isEmpty())
        return;
    m_document->pairs()->removePairs(rows);
    const int rowCount = m_document->pairs()->rowCount();
    if (rowCount > 0)
        m_pairs->setCurrentIndex(m_document->pairs()->index(std::min(rows.first(), rowCount - 1),
                                                            std::max(0, m_pairs->currentIndex().column())));
}

void StudioWindow::movePairs(int delta)
{
    const auto [first, count] = m_pairs->selectedBlock();
    const int column = std::max(0, m_pairs->currentIndex().column());
    if (count == 0 || !m_document->pairs()->movePairs(first, count, delta))
        return;
    // The moved rows stay selected, so the keys can move them on.
    PairsModel *model = m_document->pairs();
    m_pairs->setCurrentIndex(model->index(first + delta, column));
    m_pairs->selectionModel()->select(QItemSelection(model->index(first + delta, 0),
                                                     model->index(first + delta + count - 1, PairsModel::ColumnCount - 1)),
                                      QItemSelectionModel::ClearAndSelect);
}

void StudioWindow::pasteRows()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return;
    const QModelIndex at = m_pairs->currentIndex();
    if (data->hasUrls()) {  // picture files copied in a file manager
        m_document->pairs()->setPictureFiles(at.isValid() ? at.row() : 0, [data] {
            QStringList paths;
            for (const QUrl &url : data->urls())
                if (url.isLocalFile())
                    paths << url.toLocalFile();
            return paths;
        }());
        return;
    }
    QList<QStringList> cells = ClipboardTable::parse(data->text());
    if (cells.isEmpty())
        return;
    // More rows than a quiz may have pairs would only make the table slow.
    if (cells.size() > QuizFile::kMaxItems) {
        cells.resize(QuizFile::kMaxItems);
        showMessage(tr("Paste rows"), tr("Only the first %1 rows are pasted: a quiz has at most as many pairs.")
                                          .arg(QuizFile::kMaxItems));
    }
    const int row = at.isValid() ? at.row() : m_document->pairs()->rowCount();
    const int column = at.isValid() ? std::min<int>(at.column(), PairsModel::Explanation) : 0;
    m_document->pairs()->pasteCells(row, column, cells);
    statusBar()->showMessage(tr("Pasted %n row(s).", nullptr, int(cells.size())), 5000);
}

void StudioWindow::choosePicture(int row)
{
    if (row < 0)
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Picture for pair %1").arg(row + 1), QString(),
                                                      tr("Pictures (*.png *.jpg *.jpeg)"));
    if (!path.isEmpty())
        m_document->pairs()->setPictureFiles(row, {path});
}

void StudioWindow::removePicture()
{
    const int row = m_pairs->currentIndex().row();
    if (row >= 0 && !m_document->pairs()->rows().at(row).picture.isNull())
        m_document->pairs()->setPicture(row, {});
}

void StudioWindow::chooseTable()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import a table of pairs"), QString(),
                                                      tr("Tables (*.csv *.tsv *.txt);;All files (*)"));
    if (!path.isEmpty())
        importTable(path);
}

bool StudioWindow::importTable(const QString &path)
{
    TableImportModel table;
    if (const QString error = table.open(path); !error.isEmpty()) {
        showMessage(tr("Import a table"), error);
        return false;
    }
    ImportDialog dialog(&table, QFileInfo(path).fileName(), this);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const TableImportModel::Imported imported = table.imported();
    m_document->addImported(imported.pairs, imported.extraMeanings);
    statusBar()->showMessage(tr("Imported %1 pairs and %2 extra meanings.")
                                 .arg(imported.pairs.size()).arg(imported.extraMeanings.size()), 5000);
    if (!imported.problems.isEmpty())
        showMessage(tr("Import a table"), tr("Some pictures could not be used."), imported.problems);
    return true;
}

// --- Problems, trying -----------------------------------------------------------------------------

void StudioWindow::showPlace(const FormPlace &place)
{
    QWidget *field = nullptr;
    switch (place.kind) {
    case FormPlace::None: return;
    case FormPlace::Id: field = m_id; break;
    case FormPlace::Caption: field = m_caption; break;
    case FormPlace::Instructions: field = m_instructions; break;
    case FormPlace::ExpressionsName: field = m_expressionsName; break;
    case FormPlace::MeaningsName: field = m_meaningsName; break;
    case FormPlace::Layout:
        field = place.index >= 0 && m_layout.value(place.index)->isEnabled() ? m_layout.value(place.index)
                                                                             : static_cast<QWidget *>(m_ownLayout);
        break;
    case FormPlace::ExtraMeaning: {
        // The line of that meaning, counting the lines that hold one.
        QTextBlock block = m_extraMeanings->document()->firstBlock();
        for (int seen = -1; block.isValid(); block = block.next()) {
            if (!block.text().trimmed().isEmpty() && ++seen == place.index)
                break;
        }
        if (place.index >= 0 && block.isValid()) {
            QTextCursor cursor(block);
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            m_extraMeanings->setTextCursor(cursor);
        }
        m_extraMeanings->setFocus(Qt::OtherFocusReason);
        return;
    }
    case FormPlace::Pair: {
        const QModelIndex index = m_document->pairs()->index(place.index, std::max(0, place.column));
        if (!index.isValid())
            return;
        m_pairs->setCurrentIndex(index);
        m_pairs->scrollTo(index);
        m_pairs->setFocus(Qt::OtherFocusReason);
        return;
    }
    }
    field->setFocus(Qt::OtherFocusReason);
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->selectAll();
}

void StudioWindow::tryQuiz()
{
    const CheckOutcome outcome = m_checker->checkNow();
    if (!outcome.ok()) {
        showMessage(tr("Try it"), tr("The quiz has problems: mend those listed below, then try it."));
        m_problems->setFocus(Qt::OtherFocusReason);
        m_problems->setCurrentIndex(m_checker->problems()->index(0));
        return;
    }
    delete m_tryWindow;
    m_tryWindow = openTryWindow(QuizOpen::contentFromQuiz(outcome.result.quiz));
}

// --- Files ------------------------------------------------------------------------------------------

void StudioWindow::newQuiz()
{
    if (!maybeSave())
        return;
    m_document->load(newDraft());
    m_path.clear();
    updateTitle();
}

void StudioWindow::open()
{
    if (!maybeSave())
        return;
    const QString path = QFileDialog::getOpenFileName(this, tr("Open a quiz"), QFileInfo(m_path).path(),
                                                      tr("Quizzes (*.zort *.toml);;Quiz bundles (*.zort);;"
                                                         "Quiz files (*.toml)"));
    if (!path.isEmpty())
        openFile(path);
}

bool StudioWindow::openFile(const QString &path)
{
    const QuizStorage::Opened opened = QuizStorage::open(path);
    if (!opened.readable) {
        showMessage(tr("Open a quiz"), tr("%1 cannot be opened as a quiz.").arg(QFileInfo(path).fileName()),
                    opened.problems);
        return false;
    }
    m_document->load(opened.draft);
    // A bundle is saved as a bundle again; a quiz file as a quiz file beside its pictures.
    m_path = path;
    m_recent->add(path);
    updateTitle();
    statusBar()->showMessage(tr("Opened %1: %2 pairs.").arg(QFileInfo(path).fileName())
                                 .arg(opened.draft.pairs.size()), 5000);
    // A picture that could not be read is not in the quiz now: the teacher has to know.
    if (!opened.problems.isEmpty()) {
        showMessage(tr("Open a quiz"),
                    tr("%1 has problems; what could be read is open. Anything the problems name, such as a "
                       "picture that could not be read, is not in the quiz now.").arg(QFileInfo(path).fileName()),
                    opened.problems);
    }
    return true;
}

bool StudioWindow::save()
{
    return m_path.isEmpty() ? saveAs() : saveTo(m_path);
}

bool StudioWindow::saveAs()
{
    const QString bundles = tr("Quiz bundle, one file (*.zort)");
    const QString files = tr("Quiz file with a folder of pictures (*.toml)");
    QString filter = QuizFile::isBundleName(m_path) || m_path.isEmpty() ? bundles : files;
    const QString id = m_document->field(QuizDocument::Id).toString();
    const QString suggested = m_path.isEmpty() ? (id.isEmpty() ? tr("quiz") : id) + u".zort"_s : m_path;
    QString path = QFileDialog::getSaveFileName(this, tr("Save the quiz"), suggested, bundles + u";;"_s + files,
                                                &filter);
    if (path.isEmpty())
        return false;
    const QString suffix = filter == files ? u".toml"_s : u".zort"_s;
    if (QFileInfo(path).suffix().isEmpty())
        path += suffix;
    return saveTo(path);
}

bool StudioWindow::saveTo(const QString &path)
{
    QStringList problems;
    const QString error = QuizStorage::save(m_document->draft(), path, &problems);
    if (!error.isEmpty()) {
        m_checker->checkNow();  // the problems in the panel
        showMessage(tr("Save the quiz"), error, problems);
        return false;
    }
    m_path = path;
    m_document->undoStack()->setClean();
    m_recent->add(path);
    updateTitle();
    statusBar()->showMessage(tr("Saved %1.").arg(QFileInfo(path).fileName()), 5000);
    return true;
}

bool StudioWindow::maybeSave()
{
    return m_document->mayLeave([this] { return askAboutChanges(); }, [this] { return save(); });
}

QuizDocument::UnsavedChoice StudioWindow::askAboutChanges()
{
    QMessageBox box(QMessageBox::Question, tr("ZORT Studio"), tr("The quiz has changes that are not saved."),
                    QMessageBox::NoButton, this);
    box.setInformativeText(tr("Save them?"));
    QPushButton *saveButton = box.addButton(tr("&Save"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(tr("&Discard"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    saveButton->setObjectName(u"saveChanges"_s);
    discard->setObjectName(u"discardChanges"_s);
    cancel->setObjectName(u"cancel"_s);
    box.setDefaultButton(saveButton);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == saveButton)
        return QuizDocument::UnsavedChoice::Save;
    return box.clickedButton() == discard ? QuizDocument::UnsavedChoice::Discard : QuizDocument::UnsavedChoice::Cancel;
}

void StudioWindow::closeEvent(QCloseEvent *event)
{
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    delete m_tryWindow;
    event->accept();
}
