// Plays ZORT Studio the way a teacher uses it and saves a picture at each step the README shows:
//   studio           the capitals example opened, checked, no problems
//   studio-problems  a meaning left empty and two extra meanings too many: the problems listed,
//                    the first chosen and its cell selected
//   studio-import    the import dialog on a table with a heading, separated by semicolons
//
//   zort_studio_shots OUTDIR CAPITALS_TOML [--suffix TEXT] [--only NAME,NAME...]
#include "studio/import_dialog.h"
#include "studio/studio_window.h"
#include "studiocore/pairs_model.h"
#include "studiocore/quiz_check.h"
#include "studiocore/quiz_document.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"zort-studio-shots"_s);
    QTranslator bulgarian;
    if (bulgarian.load(u":/i18n/zort-studio_bg.qm"_s))
        QCoreApplication::installTranslator(&bulgarian);

    QCommandLineParser parser;
    parser.addPositionalArgument(u"outdir"_s, u"Folder for the pictures."_s);
    parser.addPositionalArgument(u"capitals"_s, u"examples/capitals/capitals.toml"_s);
    parser.addOption({u"suffix"_s, u"Added to every file name."_s, u"text"_s});
    parser.addOption({u"only"_s, u"Comma-separated steps to save."_s, u"names"_s});
    parser.process(app);
    if (parser.positionalArguments().size() != 2)
        parser.showHelp(2);
    const QString outDir = parser.positionalArguments().at(0);
    const QString capitals = parser.positionalArguments().at(1);
    QDir().mkpath(outDir);
    const QStringList only = parser.value(u"only"_s).split(u',', Qt::SkipEmptyParts);
    bool failed = false;
    auto shot = [&](QWidget *window, const QString &name) {
        QTest::qWait(200);
        if (!only.isEmpty() && !only.contains(name))
            return;
        const QString path = QDir(outDir).filePath(name + parser.value(u"suffix"_s) + u".png"_s);
        if (window->grab().save(path)) {
            std::printf("%s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            failed = true;
        }
    };

    StudioWindow window;
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || !window.openFile(capitals))
        return 1;
    window.checker()->checkNow();
    shot(&window, u"studio"_s);

    PairsModel *pairs = window.document()->pairs();
    pairs->setData(pairs->index(3, PairsModel::Meaning), QString());
    window.document()->setField(QuizDocument::ExtraMeanings, QStringList{u"Солун"_s, u"Милано"_s, u"Мюнхен"_s,
                                                                          u"Лион"_s, u"Порто"_s});
    window.checker()->checkNow();
    window.showPlace(window.checker()->problems()->place(0));
    if (auto *problems = window.findChild<QAbstractItemView *>(u"problems"_s))
        problems->setCurrentIndex(problems->model()->index(0, 0));
    shot(&window, u"studio-problems"_s);

    QTemporaryDir dir;
    QFile table(dir.filePath(u"pairs.csv"_s));
    if (!table.open(QIODevice::WriteOnly))
        return 1;
    table.write(u"Държава;Столица;Обяснение\nПолша;Варшава;Варшава е на река Висла.\n"
                "Чехия;Прага;\"Прага е на река Вълтава.\nКарловият мост е от XIV век.\"\n"
                "Португалия;Лисабон;Лисабон е на река Тежу.\n;Краков;\n"_s.toUtf8());
    table.close();
    QTimer::singleShot(0, &window, [&] {
        auto *dialog = qobject_cast<ImportDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            failed = true;
            return;
        }
        dialog->move(40, 40);
        dialog->headingBox()->setChecked(true);
        shot(dialog, u"studio-import"_s);
        dialog->reject();
    });
    window.importTable(table.fileName());
    return failed ? 1 : 0;
}
