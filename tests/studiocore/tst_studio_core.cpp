#include "test_main.h"
#include "studiocore/clipboard_table.h"
#include "studiocore/pairs_model.h"
#include "studiocore/quiz_check.h"
#include "studiocore/quiz_document.h"
#include "studiocore/quiz_storage.h"
#include "studiocore/table_import.h"

#include "quizfile/bundle.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Two drafts are the same quiz when the studio writes the same file of them.
QByteArray textOf(const QuizDraft &draft)
{
    return QuizWriter::forCheck(draft).text;
}

QuizDraft capitals()
{
    const QuizStorage::Opened opened = QuizStorage::open(QStringLiteral(ZORT_CAPITALS));
    if (!opened.problems.isEmpty())
        qWarning() << opened.problems;
    return opened.draft;
}

// What the quiz program gets from a quiz file: every text, pair, explanation, picture and layout.
void compareQuizzes(const QuizFile::Quiz &a, const QuizFile::Quiz &b)
{
    QCOMPARE(a.id, b.id);
    QCOMPARE(a.caption, b.caption);
    QCOMPARE(a.instructions, b.instructions);
    QCOMPARE(a.expressionsName, b.expressionsName);
    QCOMPARE(a.meaningsName, b.meaningsName);
    QCOMPARE(a.layout, b.layout);
    QCOMPARE(a.extraMeanings, b.extraMeanings);
    QCOMPARE(a.pairs.size(), b.pairs.size());
    for (qsizetype i = 0; i < a.pairs.size(); ++i) {
        QCOMPARE(a.pairs[i].expression, b.pairs[i].expression);
        QCOMPARE(a.pairs[i].meaning, b.pairs[i].meaning);
        QCOMPARE(a.pairs[i].explanation, b.pairs[i].explanation);
        QCOMPARE(a.pairs[i].picture >= 0, b.pairs[i].picture >= 0);
        if (a.pairs[i].picture >= 0)
            QVERIFY(a.pictures[a.pairs[i].picture].data == b.pictures[b.pairs[i].picture].data);
    }
}

enum Edit { EditCell, AddPair, DeleteTwoApart, MoveDown, MoveUp, PasteBeyondEnd, SetPicture, RemovePicture,
            TypeCaption, Import };

} // namespace

class TestStudioCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void undoRedo_data()
    {
        QTest::addColumn<int>("edit");
        QTest::addColumn<int>("rowsAfter");
        QTest::newRow("edit a cell") << int(EditCell) << 12;
        QTest::newRow("add a pair") << int(AddPair) << 13;
        QTest::newRow("delete rows 2 and 5") << int(DeleteTwoApart) << 10;
        QTest::newRow("move rows 3-4 down") << int(MoveDown) << 12;
        QTest::newRow("move row 2 up") << int(MoveUp) << 12;
        QTest::newRow("paste past the end") << int(PasteBeyondEnd) << 13;
        QTest::newRow("set a picture") << int(SetPicture) << 12;
        QTest::newRow("remove a picture") << int(RemovePicture) << 12;
        QTest::newRow("type a caption") << int(TypeCaption) << 12;
        QTest::newRow("import a table") << int(Import) << 14;
    }
    // Each kind of edit is one undo step that puts back exactly what was there, and the quiz
    // counts as unsaved exactly while it differs from what was loaded.
    void undoRedo()
    {
        QFETCH(int, edit);
        QFETCH(int, rowsAfter);
        QuizDocument document;
        document.load(capitals());
        PairsModel *pairs = document.pairs();
        const QByteArray before = textOf(document.draft());
        QVERIFY(!document.isModified());

        switch (Edit(edit)) {
        case EditCell: QVERIFY(pairs->setData(pairs->index(3, PairsModel::Meaning), u"Милано"_s)); break;
        case AddPair: pairs->insertPairs(4, {{u"Полша"_s, u"Варшава"_s, {}, {}}}, u"add"_s); break;
        case DeleteTwoApart: pairs->removePairs({5, 2}); break;
        case MoveDown: QVERIFY(pairs->movePairs(3, 2, 1)); break;
        case MoveUp: QVERIFY(pairs->movePairs(2, 1, -1)); break;
        case PasteBeyondEnd: pairs->pasteCells(10, 0, {{u"А"_s, u"Б"_s}, {u"В"_s, u"Г"_s}, {u"Д"_s, u"Е"_s}}); break;
        case SetPicture: pairs->setPicture(0, pairs->rows().at(5).picture); break;
        case RemovePicture: pairs->setPicture(0, {}); break;
        case TypeCaption:
            for (const QString &text : {u"С"_s, u"Ст"_s, u"Сто"_s})
                document.setField(QuizDocument::Caption, text);
            break;
        case Import: document.addImported({{u"Полша"_s, u"Варшава"_s, {}, {}}, {u"Чехия"_s, u"Прага"_s, {}, {}}},
                                          {u"Краков"_s}); break;
        }
        QCOMPARE(document.undoStack()->count(), 1);  // one step, whatever it took
        QCOMPARE(pairs->rowCount(), rowsAfter);
        QVERIFY(document.isModified());
        const QByteArray after = textOf(document.draft());
        QVERIFY(after != before);

        document.undoStack()->undo();
        QCOMPARE(textOf(document.draft()), before);
        QVERIFY(!document.isModified());
        document.undoStack()->redo();
        QCOMPARE(textOf(document.draft()), after);
        QVERIFY(document.isModified());
        document.undoStack()->setClean();  // saved
        QVERIFY(!document.isModified());
        document.undoStack()->undo();
        QVERIFY(document.isModified());
    }

    void moveKeepsEveryRow()
    {
        QuizDocument document;
        document.load(capitals());
        PairsModel *pairs = document.pairs();
        QVERIFY(pairs->movePairs(0, 3, 2));
        QCOMPARE(pairs->rows().at(2).expression, u"България"_s);
        QCOMPARE(pairs->rows().at(0).expression, u"Италия"_s);
        QVERIFY(!pairs->movePairs(10, 2, 1));  // past the end: nothing, no step
        QCOMPARE(document.undoStack()->count(), 1);
    }

    void problemPlaces_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("says");
        QTest::newRow("empty meaning") << 0 << int(FormPlace::Pair) << 4 << int(PairsModel::Meaning) << u"empty"_s;
        QTest::newRow("expression twice") << 1 << int(FormPlace::Pair) << 7 << int(PairsModel::Expression)
                                          << u"pair 2"_s;
        QTest::newRow("too many extra meanings") << 2 << int(FormPlace::ExtraMeaning) << -1 << -1 << u"at most 4"_s;
        QTest::newRow("bad id") << 3 << int(FormPlace::Id) << -1 << -1 << u"Latin letters"_s;
        QTest::newRow("empty caption") << 4 << int(FormPlace::Caption) << -1 << -1 << u"caption"_s;
        QTest::newRow("list outside the window") << 5 << int(FormPlace::Layout) << 4 << -1 << u"wider"_s;
        QTest::newRow("expression of two lines") << 6 << int(FormPlace::Pair) << 1 << int(PairsModel::Expression)
                                                 << u"one line"_s;
        QTest::newRow("extra meaning twice") << 7 << int(FormPlace::ExtraMeaning) << 1 << -1 << u"also in"_s;
        QTest::newRow("no pairs") << 8 << int(FormPlace::None) << -1 << -1 << u"no pairs"_s;
    }
    // A problem leads to the field or cell it is about, counted as the form counts rows, blank
    // rows left out of the file included.
    void problemPlaces()
    {
        QFETCH(int, change);
        QFETCH(int, kind);
        QFETCH(int, index);
        QFETCH(int, column);
        QFETCH(QString, says);
        QuizDraft draft = capitals();
        draft.pairs.insert(3, PairRow{});  // a blank row: not written, still counted
        switch (change) {
        case 0: draft.pairs[4].meaning.clear(); break;
        case 1: draft.pairs[7].expression = draft.pairs[1].expression; break;
        case 2: draft.extraMeanings << u"Лион"_s << u"Порто"_s; break;
        case 3: draft.id = u"Столици"_s; break;
        case 4: draft.caption = u"  "_s; break;
        case 5: draft.layout[4] = 9000; break;
        case 6: draft.pairs[1].expression = u"Гер\nмания"_s; break;
        case 7: draft.extraMeanings[1] = u"Рим"_s; break;
        case 8: draft.pairs.clear(); break;
        }
        QTemporaryDir scratch;
        const CheckOutcome outcome = QuizCheck::run(draft, scratch.path());
        QVERIFY(!outcome.ok());
        QCOMPARE(outcome.problems.size(), 1);
        const CheckProblem &problem = outcome.problems.first();
        QCOMPARE(int(problem.place.kind), kind);
        QCOMPARE(problem.place.index, index);
        QCOMPARE(problem.place.column, column);
        QVERIFY2(problem.text.contains(says), qPrintable(problem.text));
    }

    // The example passes as the studio writes it; a change is checked once, a moment after the
    // last of several quick edits.
    void checkAfterTyping()
    {
        QuizDocument document;
        QuizChecker checker(&document);
        QSignalSpy checked(&checker, &QuizChecker::checked);
        document.load(capitals());
        QVERIFY(checked.wait(5000));
        QCOMPARE(checked.takeFirst().at(0).toBool(), true);
        for (const QString &text : {u"С"_s, u"Ст"_s, u""_s})
            document.setField(QuizDocument::Caption, text);
        QVERIFY(checked.wait(5000));
        QCOMPARE(checked.size(), 1);
        QCOMPARE(checked.first().at(0).toBool(), false);
        QCOMPARE(checker.problems()->rowCount(), 1);
        QCOMPARE(int(checker.problems()->place(0).kind), int(FormPlace::Caption));
        QVERIFY(!checked.wait(QuizChecker::kDelayMs * 2));  // nothing more to check
    }

    void pasteParsing_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QList<QStringList>>("cells");
        QTest::newRow("Calc, two rows") << u"a\tb\nc\td\n"_s
                                        << QList<QStringList>{{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}};
        QTest::newRow("Excel, CR LF, no last break") << u"a\tb\r\nc\td"_s
                                                     << QList<QStringList>{{u"a"_s, u"b"_s}, {u"c"_s, u"d"_s}};
        QTest::newRow("a cell of two lines") << u"Унгария\tБудапеща\t\"ред 1\nред 2\"\n"_s
                                             << QList<QStringList>{{u"Унгария"_s, u"Будапеща"_s, u"ред 1\nред 2"_s}};
        QTest::newRow("doubled quotes") << u"\"казва \"\"да\"\"\"\tx\n"_s
                                        << QList<QStringList>{{u"казва \"да\""_s, u"x"_s}};
        QTest::newRow("a quote inside a cell stays") << u"5\" диск\tx\n"_s
                                                     << QList<QStringList>{{u"5\" диск"_s, u"x"_s}};
        QTest::newRow("empty cells") << u"\tb\t\n"_s << QList<QStringList>{{u""_s, u"b"_s, u""_s}};
        QTest::newRow("an empty line is an empty row") << u"a\n\nb\n"_s
                                                       << QList<QStringList>{{u"a"_s}, {u""_s}, {u"b"_s}};
        QTest::newRow("an unclosed quote ends the text") << u"\"a\tb"_s << QList<QStringList>{{u"a\tb"_s}};
    }
    void pasteParsing()
    {
        QFETCH(QString, clipboard);
        QFETCH(QList<QStringList>, cells);
        QCOMPARE(ClipboardTable::parse(clipboard), cells);
    }

    void importPreview_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<int>("delimiter");
        QTest::addColumn<bool>("heading");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("firstExpression");
        QTest::addColumn<int>("extra");
        const QByteArray semicolons = "Държава;Столица;Обяснение\nПолша;Варшава;\"на Висла\nот 1596\"\n;Краков;\n";
        QTest::newRow("semicolons, heading kept") << semicolons << 0 << false << 3 << u"Държава"_s << 1;
        QTest::newRow("semicolons, heading left out") << semicolons << 0 << true << 2 << u"Полша"_s << 1;
        QTest::newRow("semicolons named") << semicolons << int(';') << true << 2 << u"Полша"_s << 1;
        QTest::newRow("tabs") << QByteArray("Полша\tВаршава\nЧехия\tПрага\n") << 0 << false << 2 << u"Полша"_s << 0;
    }
    // The preview shows what the import adds, read as a quiz's pairs_file is read.
    void importPreview()
    {
        QFETCH(QByteArray, table);
        QFETCH(int, delimiter);
        QFETCH(bool, heading);
        QFETCH(int, rows);
        QFETCH(QString, firstExpression);
        QFETCH(int, extra);
        TableImportModel model;
        model.setDelimiter(char(delimiter));
        model.setHeading(heading);
        model.setBytes(table, QDir::tempPath());
        QCOMPARE(model.rowCount(), rows);
        QCOMPARE(model.index(0, 0).data().toString(), firstExpression);
        const TableImportModel::Imported imported = model.imported();
        QCOMPARE(imported.pairs.size() + imported.extraMeanings.size(), rows);
        QCOMPARE(imported.extraMeanings.size(), extra);
        if (heading)
            QCOMPARE(imported.pairs.first().explanation, (QStringList{u"на Висла"_s, u"от 1596"_s}));
    }

    // Opened, saved and opened again, as a quiz file and as a bundle: the quiz the program gets
    // is the example's, text for text and picture for picture; a text with every sign TOML
    // escapes survives too.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("quiz file") << u"saved/capitals.toml"_s;
        QTest::newRow("bundle") << u"capitals.zort"_s;
    }
    void roundTrip()
    {
        QFETCH(QString, name);
        const QuizFile::Result original = QuizFile::check(QStringLiteral(ZORT_CAPITALS));
        QVERIFY(original.ok());
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QStringList problems;
        QCOMPARE(QuizStorage::save(capitals(), path, &problems), QString());
        QVERIFY(problems.isEmpty());
        const QuizFile::Result saved = QuizFile::checkFileOrBundle(path);
        QVERIFY2(saved.ok(), qPrintable(saved.problems.value(0).text()));
        compareQuizzes(saved.quiz, original.quiz);
        if (!QuizFile::isBundleName(path))
            QVERIFY(QFile::exists(dir.filePath(u"saved/flags/bg.png"_s)));  // the names it came with

        QuizDraft tricky = QuizStorage::open(path).draft;
        tricky.caption = u"\"Кавички\" \\ обратна черта # не е коментар 'апостроф'"_s;
        tricky.pairs[0].explanation = QStringList{u"ред 1"_s, u""_s, u"ред \"3\""_s};
        tricky.version = u"2.5~beta+1"_s;
        tricky.author = u"Мария Петрова <maria@example.org>"_s;
        QVERIFY2(QuizStorage::save(tricky, path, &problems).isEmpty(), qPrintable(problems.join(u'\n')));
        const QuizStorage::Opened again = QuizStorage::open(path);
        QVERIFY2(again.problems.isEmpty(), qPrintable(again.problems.join(u'\n')));
        QCOMPARE(again.draft.caption, tricky.caption);
        QCOMPARE(again.draft.pairs[0].explanation, tricky.pairs[0].explanation);
        QCOMPARE(again.draft.version, tricky.version);
        QCOMPARE(again.draft.author, tricky.author);
    }

    // Closing, opening another quiz or starting a new one with unsaved changes asks first, and
    // goes on only once the changes are saved or discarded.
    void unsavedChanges_data()
    {
        QTest::addColumn<int>("edits");     // caption edits; a negative count is undone again
        QTest::addColumn<int>("choice");    // QuizDocument::UnsavedChoice
        QTest::addColumn<bool>("saveWorks");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("saveTried");
        QTest::addColumn<bool>("goesOn");
        using C = QuizDocument::UnsavedChoice;
        QTest::newRow("nothing changed") << 0 << int(C::Cancel) << true << false << false << true;
        QTest::newRow("changed and undone") << -2 << int(C::Cancel) << true << false << false << true;
        QTest::newRow("save") << 1 << int(C::Save) << true << true << true << true;
        QTest::newRow("save fails or is cancelled") << 1 << int(C::Save) << false << true << true << false;
        QTest::newRow("discard") << 2 << int(C::Discard) << true << true << false << true;
        QTest::newRow("cancel") << 1 << int(C::Cancel) << true << true << false << false;
    }
    void unsavedChanges()
    {
        QFETCH(int, edits);
        QFETCH(int, choice);
        QFETCH(bool, saveWorks);
        QFETCH(bool, asked);
        QFETCH(bool, saveTried);
        QFETCH(bool, goesOn);
        QuizDocument document;
        document.load(capitals());
        for (int i = 0; i < std::abs(edits); ++i)
            document.setField(QuizDocument::Instructions, u"ред %1"_s.arg(i));
        if (edits < 0)
            document.undoStack()->undo();  // typing into one field is one step
        bool wasAsked = false;
        bool wasSaved = false;
        const bool went = document.mayLeave(
            [&] {
                wasAsked = true;
                return QuizDocument::UnsavedChoice(choice);
            },
            [&] {
                wasSaved = true;
                return saveWorks;
            });
        QCOMPARE(wasAsked, asked);
        QCOMPARE(wasSaved, saveTried);
        QCOMPARE(went, goesOn);
    }

    // An opened quiz's pictures are decoded with the checker's limits when their rows are shown;
    // one whose pixels cannot be read shows a mark and says so, and the rest of the table is intact.
    void rowPictures_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::newRow("picture of the example") << false;
        QTest::newRow("picture whose pixels cannot be read") << true;
    }
    void rowPictures()
    {
        QFETCH(bool, damaged);
        QuizDocument document;
        document.load(capitals());
        PairsModel *pairs = document.pairs();
        StudioPicture picture = pairs->rows().at(0).picture;
        QVERIFY(!picture.isNull());
        if (damaged) {
            const qsizetype data = picture.data.indexOf("IDAT") + 8;
            QVERIFY(data > 8 && data < picture.data.size());
            picture.data[data] = char(picture.data[data] ^ 0x55);
            picture.key = StudioPicture::newKey();
            pairs->setPicture(0, picture);
        }
        const QModelIndex cell = pairs->index(0, PairsModel::Picture);
        const QImage shown = pairs->data(cell, Qt::DecorationRole).value<QImage>();
        QVERIFY(!shown.isNull());
        QVERIFY(shown.height() <= PairsModel::kThumbnailHeight);
        const QString said = pairs->data(cell, Qt::AccessibleTextRole).toString();
        QCOMPARE(said.contains(u"cannot be shown"_s), damaged);
        if (!damaged)
            QCOMPARE(shown.size(), picture.size.scaled(4 * PairsModel::kThumbnailHeight, PairsModel::kThumbnailHeight, Qt::KeepAspectRatio));
        QCOMPARE(pairs->data(pairs->index(1, PairsModel::Picture), Qt::DecorationRole).value<QImage>().isNull(), false);
    }

    // A bundle is made only of a quiz that passes, and says why not.
    void bundleRefusesProblems()
    {
        QuizDraft draft = capitals();
        draft.pairs[0].meaning.clear();
        QTemporaryDir dir;
        QStringList problems;
        QVERIFY(!QuizStorage::saveBundle(draft, dir.filePath(u"x.zort"_s), &problems).isEmpty());
        QVERIFY(!problems.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(u"x.zort"_s)));
        QCOMPARE(QuizStorage::saveQuizFile(draft, dir.filePath(u"x.toml"_s)), QString());  // a draft keeps as a file
    }
};

ZORT_TEST_GUILESS_MAIN(TestStudioCore)
#include "tst_studio_core.moc"
