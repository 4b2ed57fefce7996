#pragma once

#include "quizwindow/quiz_window.h"
#include "studiocore/quiz_document.h"
#include "studiocore/quiz_writer.h"

#include <QMainWindow>
#include <QPointer>

class PairsView;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QSpinBox;
class QuizChecker;

class RecentFiles;

// ZORT Studio's window: the whole quiz in one form (texts, the pairs as a table, the extra
// meanings, the window's layout), the problems the check finds as the teacher types, "Try it",
// and opening and saving quiz files and bundles.
class StudioWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit StudioWindow(QWidget *parent = nullptr);
    ~StudioWindow() override;

    QuizDocument *document() const { return m_document; }
    QuizChecker *checker() const { return m_checker; }
    PairsView *pairsView() const { return m_pairs; }
    QuizWindow *tryWindow() const { return m_tryWindow; }
    QString filePath() const { return m_path; }

    // What the menu commands do once a file is chosen; false (and a message) when it fails.
    bool openFile(const QString &path);
    bool saveTo(const QString &path);
    // The import dialog on a table file; true when rows were imported.
    bool importTable(const QString &path);
    // Selects the field or cell a problem is about.
    void showPlace(const FormPlace &place);

public Q_SLOTS:
    void newQuiz();
    void open();
    bool save();
    bool saveAs();
    void tryQuiz();
    void chooseTable();
    void choosePicture(int row);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildForm();
    QWidget *buildSide();
    QWidget *buildProblems();
    void buildActions();
    void buildMenus();
    void setTabOrderOfForm();

    bool maybeSave();
    QuizDocument::UnsavedChoice askAboutChanges();
    void showMessage(const QString &title, const QString &text, const QStringList &details = {});
    void updateTitle();
    void updateExtraRule();
    void updateLayoutBoxes();
    void addPair();
    void deletePairs();
    void movePairs(int delta);
    void pasteRows();
    void removePicture();

    QuizDocument *m_document;
    QuizChecker *m_checker;
    QString m_path;

    QLineEdit *m_id = nullptr;
    QLineEdit *m_caption = nullptr;
    QPlainTextEdit *m_instructions = nullptr;
    QLineEdit *m_expressionsName = nullptr;
    QLineEdit *m_meaningsName = nullptr;
    PairsView *m_pairs = nullptr;
    QPlainTextEdit *m_extraMeanings = nullptr;
    QLabel *m_extraRule = nullptr;
    QCheckBox *m_ownLayout = nullptr;
    QList<QSpinBox *> m_layout;
    QListView *m_problems = nullptr;
    QLabel *m_problemsTitle = nullptr;

    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QAction *m_addPair = nullptr;
    QAction *m_deletePairs = nullptr;
    QAction *m_moveUp = nullptr;
    QAction *m_moveDown = nullptr;
    QAction *m_paste = nullptr;
    QAction *m_picture = nullptr;
    QAction *m_removePicture = nullptr;
    QAction *m_import = nullptr;
    QAction *m_try = nullptr;
    RecentFiles *m_recent = nullptr;
    QPointer<QuizWindow> m_tryWindow;
};
