<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import pairs from %1</source>
        <translation>Внасяне на двойки от %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматично</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Табулация</translation>
    </message>
    <message>
        <source>Semicolon ;</source>
        <translation>Точка и запетая ;</translation>
    </message>
    <message>
        <source>Comma ,</source>
        <translation>Запетая ,</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>Разделител</translation>
    </message>
    <message>
        <source>The sign between the columns; Automatic takes the one that fits the most rows</source>
        <translation>Знакът между колоните; „Автоматично“ взема този, на който отговарят най-много редове</translation>
    </message>
    <message>
        <source>The &amp;first row is a heading</source>
        <translation>&amp;Първият ред е заглавие</translation>
    </message>
    <message>
        <source>The first row is a heading</source>
        <translation>Първият ред е заглавие</translation>
    </message>
    <message>
        <source>Leaves the first row out, as it names the columns</source>
        <translation>Пропуска първия ред, защото той назовава колоните</translation>
    </message>
    <message>
        <source>Rows as they will be imported</source>
        <translation>Редовете, както ще бъдат внесени</translation>
    </message>
    <message>
        <source>Expression, meaning, explanation and picture of each row; the numbers are the file's lines</source>
        <translation>Израз, значение, обяснение и картинка на всеки ред; числата са редовете във файла</translation>
    </message>
    <message>
        <source>What the reader says</source>
        <translation>Какво казва четецът</translation>
    </message>
    <message>
        <source>The separator taken, a likely heading, and rows that do not fit</source>
        <translation>Избраният разделител, вероятно заглавие и редове, които не пасват</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Внеси</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Внеси</translation>
    </message>
    <message>
        <source>Adds the rows to the quiz's pairs</source>
        <translation>Добавя редовете към двойките на теста</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Разделител:</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) will be imported.</source>
        <translation><numerusform>Ще бъде внесен %n ред.</numerusform><numerusform>Ще бъдат внесени %n реда.</numerusform></translation>
    </message>
</context>
<context>
    <name>PairsModel</name>
    <message>
        <source>Explanation</source>
        <translation>Обяснение</translation>
    </message>
    <message>
        <source>no picture</source>
        <translation>без картинка</translation>
    </message>
    <message>
        <source>Picture %1, %2 × %3 pixels</source>
        <translation>Картинка %1, %2 × %3 точки</translation>
    </message>
    <message>
        <source>Picture %1 cannot be shown: it cannot be read as a picture. Choose another file for this pair.</source>
        <translation>Картинката %1 не може да бъде показана: не се чете като картинка. Изберете друг файл за тази двойка.</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Израз</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Edit %1 of pair %2</source>
        <translation>Промяна на %1 в двойка %2</translation>
    </message>
    <message>
        <source>Add a pair</source>
        <translation>Добавяне на двойка</translation>
    </message>
    <message>
        <source>Add %1 pairs</source>
        <translation>Добавяне на %1 двойки</translation>
    </message>
    <message>
        <source>Delete pair %1</source>
        <translation>Изтриване на двойка %1</translation>
    </message>
    <message>
        <source>Delete %1 pairs</source>
        <translation>Изтриване на %1 двойки</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Преместване нагоре</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Преместване надолу</translation>
    </message>
    <message>
        <source>Remove the picture of pair %1</source>
        <translation>Махане на картинката на двойка %1</translation>
    </message>
    <message>
        <source>Set the picture of pair %1</source>
        <translation>Картинка за двойка %1</translation>
    </message>
    <message>
        <source>Set %1 pictures</source>
        <translation>Картинки за %1 двойки</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Поставяне</translation>
    </message>
    <message>
        <source>Paste %1 rows</source>
        <translation>Поставяне на %1 реда</translation>
    </message>
    <message>
        <source>Drop pictures</source>
        <translation>Пускане на картинки</translation>
    </message>
</context>
<context>
    <name>PairsView</name>
    <message>
        <source>One line of explanation per line; Tab keeps the text</source>
        <translation>По един ред обяснение на ред; Tab запазва текста</translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>%1 is not a picture file.</source>
        <translation>%1 не е файл с картинка.</translation>
    </message>
    <message>
        <source>%1 is larger than 50 MB; make it smaller in a picture editor.</source>
        <translation>%1 е по-голям от 50 MB; намалете го с програма за картинки.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 не може да бъде прочетен: %2</translation>
    </message>
    <message>
        <source>%1 cannot be copied into a temporary folder.</source>
        <translation>%1 не може да бъде копиран във временна папка.</translation>
    </message>
    <message>
        <source>it cannot be read as a picture</source>
        <translation>не може да бъде прочетен като картинка</translation>
    </message>
    <message>
        <source>%1 cannot be a picture of the quiz: %2</source>
        <translation>%1 не може да бъде картинка на теста: %2</translation>
    </message>
</context>
<context>
    <name>ProblemsModel</name>
    <message>
        <source>expression</source>
        <translation>израз</translation>
    </message>
    <message>
        <source>meaning</source>
        <translation>значение</translation>
    </message>
    <message>
        <source>explanation</source>
        <translation>обяснение</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>картинка</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Заглавие</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Указание</translation>
    </message>
    <message>
        <source>Name of the expressions</source>
        <translation>Име на изразите</translation>
    </message>
    <message>
        <source>Name of the meanings</source>
        <translation>Име на значенията</translation>
    </message>
    <message>
        <source>Window layout</source>
        <translation>Разположение на прозореца</translation>
    </message>
    <message>
        <source>Extra meanings</source>
        <translation>Излишни значения</translation>
    </message>
    <message>
        <source>Extra meaning %1</source>
        <translation>Излишно значение %1</translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation>Двойка %1</translation>
    </message>
    <message>
        <source>Pair %1, %2</source>
        <translation>Двойка %1, %2</translation>
    </message>
    <message>
        <source>it is empty: write it, or delete the line</source>
        <translation>празно е: напишете го или изтрийте реда</translation>
    </message>
    <message>
        <source>it is empty: write it, or delete the pair</source>
        <translation>празно е: напишете го или изтрийте двойката</translation>
    </message>
    <message>
        <source>pair %1</source>
        <translation>двойка %1</translation>
    </message>
    <message>
        <source>the extra meanings</source>
        <translation>излишните значения</translation>
    </message>
    <message>
        <source>"%1" is also in %2: the answer key would be ambiguous; give each text once</source>
        <translation>„%1“ е и в %2: ключът с отговорите би бил двусмислен; дайте всеки текст веднъж</translation>
    </message>
    <message>
        <source>%1 pairs allow at most %2 extra meanings, and there are %3: "Оцени" needs at least three entered pairs for every meaning left over</source>
        <translation>%1 двойки позволяват най-много %2 излишни значения, а те са %3: „Оцени“ иска поне три въведени двойки за всяко останало значение</translation>
    </message>
    <message>
        <source>the quiz has no pairs yet: write one in the table</source>
        <translation>тестът още няма двойки: напишете една в таблицата</translation>
    </message>
    <message>
        <source>the id names the program and its file: use 1 to 32 small Latin letters, digits and hyphens, starting with a letter, such as capitals</source>
        <translation>идентификаторът именува програмата и файла ѝ: от 1 до 32 малки латински букви, цифри и тирета, като първият знак е буква, например capitals</translation>
    </message>
    <message>
        <source>it is empty: write the window's caption</source>
        <translation>празно е: напишете заглавието на прозореца</translation>
    </message>
    <message>
        <source>the %1 list would end at %2 twips, outside the window, which is %3 twips wide: make the window wider or the list narrower</source>
        <translation>списъкът на %1 би свършил на %2 twips, извън прозореца, който е широк %3 twips: разширете прозореца или стеснете списъка</translation>
    </message>
    <message>
        <source>expressions</source>
        <translation>изразите</translation>
    </message>
    <message>
        <source>meanings</source>
        <translation>значенията</translation>
    </message>
    <message>
        <source>it must be one line: a list shows one line per item</source>
        <translation>трябва да е един ред: списъкът показва по един ред за всеки елемент</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>QuizDocument</name>
    <message>
        <source>Edit %1</source>
        <translation>Промяна на %1</translation>
    </message>
    <message>
        <source>Import a table</source>
        <translation>Внасяне на таблица</translation>
    </message>
    <message>
        <source>id</source>
        <translation>идентификатора</translation>
    </message>
    <message>
        <source>caption</source>
        <translation>заглавието</translation>
    </message>
    <message>
        <source>instructions</source>
        <translation>указанието</translation>
    </message>
    <message>
        <source>name of the expressions</source>
        <translation>името на изразите</translation>
    </message>
    <message>
        <source>name of the meanings</source>
        <translation>името на значенията</translation>
    </message>
    <message>
        <source>extra meanings</source>
        <translation>излишните значения</translation>
    </message>
    <message>
        <source>window layout</source>
        <translation>разположението на прозореца</translation>
    </message>
</context>
<context>
    <name>QuizStorage</name>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation>Папката на %1 не може да бъде създадена.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 не може да бъде записан: %2</translation>
    </message>
    <message>
        <source>No temporary folder can be made to put the bundle together.</source>
        <translation>Не може да бъде създадена временна папка за сглобяване на пакета.</translation>
    </message>
    <message>
        <source>A bundle holds only a quiz that passes the check: mend the problems listed, or save it as a quiz file.</source>
        <translation>Пакетът съдържа само тест, който минава проверката: поправете изброените проблеми или запишете теста като файл на тест.</translation>
    </message>
</context>
<context>
    <name>StudioWindow</name>
    <message>
        <source>Pairs</source>
        <translation>Двойки</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Problems: none, the quiz is ready</source>
        <translation>Проблеми: няма, тестът е готов</translation>
    </message>
    <message>
        <source>Problems: %1</source>
        <translation>Проблеми: %1</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <source>Names the quiz's program and file: small Latin letters, digits and hyphens, such as capitals</source>
        <translation>Именува програмата и файла на теста: малки латински букви, цифри и тирета, например capitals</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Заглавие</translation>
    </message>
    <message>
        <source>The quiz window's caption</source>
        <translation>Заглавието на прозореца на теста</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Указание</translation>
    </message>
    <message>
        <source>The text the learner reads first</source>
        <translation>Текстът, който ученикът чете най-напред</translation>
    </message>
    <message>
        <source>Name of the expressions</source>
        <translation>Име на изразите</translation>
    </message>
    <message>
        <source>What a screen reader calls the left list, such as Countries</source>
        <translation>Как екранният четец нарича левия списък, например Държави</translation>
    </message>
    <message>
        <source>Name of the meanings</source>
        <translation>Име на значенията</translation>
    </message>
    <message>
        <source>What a screen reader calls the right list, such as Capitals</source>
        <translation>Как екранният четец нарича десния списък, например Столици</translation>
    </message>
    <message>
        <source>&amp;Id:</source>
        <translation>&amp;Идентификатор:</translation>
    </message>
    <message>
        <source>&amp;Caption:</source>
        <translation>&amp;Заглавие:</translation>
    </message>
    <message>
        <source>I&amp;nstructions:</source>
        <translation>&amp;Указание:</translation>
    </message>
    <message>
        <source>Name of the &amp;expressions:</source>
        <translation>Име на &amp;изразите:</translation>
    </message>
    <message>
        <source>Name of the &amp;meanings:</source>
        <translation>Име на &amp;значенията:</translation>
    </message>
    <message>
        <source>Extra meanings</source>
        <translation>Излишни значения</translation>
    </message>
    <message>
        <source>Meanings that belong to no expression, one per line</source>
        <translation>Значения, които не принадлежат на никой израз, по едно на ред</translation>
    </message>
    <message>
        <source>E&amp;xtra meanings, one per line:</source>
        <translation>Из&amp;лишни значения, по едно на ред:</translation>
    </message>
    <message>
        <source>Window layout, in twips (15 to a pixel)</source>
        <translation>Разположение на прозореца, в twips (15 на точка)</translation>
    </message>
    <message>
        <source>Own &amp;layout</source>
        <translation>&amp;Собствено разположение</translation>
    </message>
    <message>
        <source>Own layout</source>
        <translation>Собствено разположение</translation>
    </message>
    <message>
        <source>Gives the window and its two lists their own places; without it the Latin quiz's layout</source>
        <translation>Дава на прозореца и двата му списъка собствени места; без него — разположението на латинския тест</translation>
    </message>
    <message>
        <source>Window width</source>
        <translation>Ширина на прозореца</translation>
    </message>
    <message>
        <source>Expressions left</source>
        <translation>Изрази отляво</translation>
    </message>
    <message>
        <source>Expressions width</source>
        <translation>Ширина на изразите</translation>
    </message>
    <message>
        <source>Meanings left</source>
        <translation>Значения отляво</translation>
    </message>
    <message>
        <source>Meanings width</source>
        <translation>Ширина на значенията</translation>
    </message>
    <message>
        <source>%1, in twips</source>
        <translation>%1, в twips</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Проблеми</translation>
    </message>
    <message>
        <source>What keeps the quiz from working; Enter or a click goes to the place</source>
        <translation>Какво пречи на теста да работи; Enter или щракване води до мястото</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Проблеми:</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отмяна</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторение</translation>
    </message>
    <message>
        <source>&amp;Add a pair</source>
        <translation>&amp;Добавяне на двойка</translation>
    </message>
    <message>
        <source>Adds an empty pair below the current one</source>
        <translation>Добавя празна двойка под текущата</translation>
    </message>
    <message>
        <source>&amp;Delete pairs</source>
        <translation>&amp;Изтриване на двойки</translation>
    </message>
    <message>
        <source>Deletes the selected pairs</source>
        <translation>Изтрива избраните двойки</translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation>&amp;Нагоре</translation>
    </message>
    <message>
        <source>Moves the selected pairs up</source>
        <translation>Мести избраните двойки нагоре</translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation>На&amp;долу</translation>
    </message>
    <message>
        <source>Moves the selected pairs down</source>
        <translation>Мести избраните двойки надолу</translation>
    </message>
    <message>
        <source>&amp;Paste rows</source>
        <translation>&amp;Поставяне на редове</translation>
    </message>
    <message>
        <source>Pastes cells copied from a spreadsheet at the current cell</source>
        <translation>Поставя клетки, копирани от електронна таблица, от текущата клетка нататък</translation>
    </message>
    <message>
        <source>Choose a &amp;picture…</source>
        <translation>Избор на &amp;картинка…</translation>
    </message>
    <message>
        <source>Chooses a picture file for the current pair</source>
        <translation>Избира файл с картинка за текущата двойка</translation>
    </message>
    <message>
        <source>&amp;Remove the picture</source>
        <translation>&amp;Махане на картинката</translation>
    </message>
    <message>
        <source>Removes the current pair's picture</source>
        <translation>Маха картинката на текущата двойка</translation>
    </message>
    <message>
        <source>&amp;Import a table…</source>
        <translation>Вн&amp;асяне на таблица…</translation>
    </message>
    <message>
        <source>Adds pairs from a CSV or tab-separated file, such as one saved from a spreadsheet</source>
        <translation>Добавя двойки от файл CSV или с табулации, например записан от електронна таблица</translation>
    </message>
    <message>
        <source>&amp;Try it</source>
        <translation>&amp;Изпробване</translation>
    </message>
    <message>
        <source>Opens the quiz as the learner sees it, as it stands now (F5)</source>
        <translation>Отваря теста, както го вижда ученикът, такъв, какъвто е сега (F5)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Нов</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Отваряне…</translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation>Отваряне на &amp;скорошен</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Запис</translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation>Запис &amp;като…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Изход</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Редактиране</translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation>&amp;Тест</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Тест</translation>
    </message>
    <message>
        <source>New quiz</source>
        <translation>Нов тест</translation>
    </message>
    <message>
        <source>%1[*] — ZORT Studio</source>
        <translation>%1[*] — ZORT Студио</translation>
    </message>
    <message>
        <source>"Оцени" needs at least three entered pairs for every meaning left over, so n pairs allow at most n/3 extra meanings: now %1 pairs allow %2, and there are %3.</source>
        <translation>„Оцени“ иска поне три въведени двойки за всяко останало значение, така че n двойки позволяват най-много n/3 излишни значения: сега %1 двойки позволяват %2, а те са %3.</translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n row(s).</source>
        <translation><numerusform>Поставен е %n ред.</numerusform><numerusform>Поставени са %n реда.</numerusform></translation>
    </message>
    <message>
        <source>Picture for pair %1</source>
        <translation>Картинка за двойка %1</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation>Картинки (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Import a table of pairs</source>
        <translation>Внасяне на таблица с двойки</translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Таблици (*.csv *.tsv *.txt);;Всички файлове (*)</translation>
    </message>
    <message>
        <source>Import a table</source>
        <translation>Внасяне на таблица</translation>
    </message>
    <message>
        <source>Imported %1 pairs and %2 extra meanings.</source>
        <translation>Внесени са %1 двойки и %2 излишни значения.</translation>
    </message>
    <message>
        <source>Some pictures could not be used.</source>
        <translation>Някои картинки не можаха да бъдат използвани.</translation>
    </message>
    <message>
        <source>Try it</source>
        <translation>Изпробване</translation>
    </message>
    <message>
        <source>The quiz has problems: mend those listed below, then try it.</source>
        <translation>Тестът има проблеми: поправете изброените долу и тогава го изпробвайте.</translation>
    </message>
    <message>
        <source>Open a quiz</source>
        <translation>Отваряне на тест</translation>
    </message>
    <message>
        <source>Quizzes (*.zort *.toml);;Quiz bundles (*.zort);;Quiz files (*.toml)</source>
        <translation>Тестове (*.zort *.toml);;Пакети с тестове (*.zort);;Файлове на тестове (*.toml)</translation>
    </message>
    <message>
        <source>%1 cannot be opened as a quiz.</source>
        <translation>%1 не може да бъде отворен като тест.</translation>
    </message>
    <message>
        <source>Opened %1: %2 pairs.</source>
        <translation>Отворен е %1: %2 двойки.</translation>
    </message>
    <message>
        <source>Quiz bundle, one file (*.zort)</source>
        <translation>Пакет с тест, един файл (*.zort)</translation>
    </message>
    <message>
        <source>Quiz file with a folder of pictures (*.toml)</source>
        <translation>Файл на тест с папка с картинки (*.toml)</translation>
    </message>
    <message>
        <source>quiz</source>
        <translation>test</translation>
    </message>
    <message>
        <source>Save the quiz</source>
        <translation>Запис на теста</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>Записан е %1.</translation>
    </message>
    <message>
        <source>ZORT Studio</source>
        <translation>ZORT Студио</translation>
    </message>
    <message>
        <source>The quiz has changes that are not saved.</source>
        <translation>Тестът има незаписани промени.</translation>
    </message>
    <message>
        <source>Save them?</source>
        <translation>Да бъдат ли записани?</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Без запис</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отказ</translation>
    </message>
    <message>
        <source>Expression, meaning, explanation lines and picture of each pair. Type to edit a cell, F2 or Enter to edit it, Tab to go on to the next; Insert adds a pair, Delete deletes the selected pairs, Ctrl+Up and Ctrl+Down move them; Ctrl+V pastes rows copied from a spreadsheet; drop a picture file on a row</source>
        <translation>Израз, значение, редове на обяснението и картинка на всяка двойка. Пишете, за да промените клетка, или натиснете F2 или Enter, а Tab минава към следващата; Insert добавя двойка, Delete изтрива избраните двойки, Ctrl+Нагоре и Ctrl+Надолу ги местят; Ctrl+V поставя редове, копирани от електронна таблица; пуснете файл с картинка върху ред</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Още команди</translation>
    </message>
    <message>
        <source>Paste rows</source>
        <translation>Поставяне на редове</translation>
    </message>
    <message>
        <source>Only the first %1 rows are pasted: a quiz has at most as many pairs.</source>
        <translation>Поставени са само първите %1 реда: тестът има най-много толкова двойки.</translation>
    </message>
    <message>
        <source>%1 has problems; what could be read is open. Anything the problems name, such as a picture that could not be read, is not in the quiz now.</source>
        <translation>%1 има проблеми; отворено е каквото можа да бъде прочетено. Нещо, което проблемите назовават, например картинка, която не можа да бъде прочетена, сега не е в теста.</translation>
    </message>
</context>
<context>
    <name>TableImportModel</name>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 не е файл.</translation>
    </message>
    <message>
        <source>%1 is larger than 16 MB, too large for a table of pairs.</source>
        <translation>%1 е по-голям от 16 MB, твърде голям за таблица с двойки.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 не може да бъде прочетен: %2</translation>
    </message>
    <message>
        <source>No expression: the meaning becomes an extra meaning</source>
        <translation>Няма израз: значението става излишно значение</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Израз</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Обяснение</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ред %1: %2</translation>
    </message>
    <message>
        <source>Line %1: the picture %2 is not in the table's folder</source>
        <translation>Ред %1: картинката %2 не е в папката на таблицата</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: zort-studio [FILE.zort | FILE.toml]</source>
        <translation>Употреба: zort-studio [ФАЙЛ.zort | ФАЙЛ.toml]</translation>
    </message>
</context>
</TS>
