<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>ImportDialog</name>
    <message>
        <source>Import pairs from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semicolon ;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma ,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sign between the columns; Automatic takes the one that fits the most rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &amp;first row is a heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first row is a heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leaves the first row out, as it names the columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rows as they will be imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expression, meaning, explanation and picture of each row; the numbers are the file&apos;s lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the reader says</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The separator taken, a likely heading, and rows that do not fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds the rows to the quiz&apos;s pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) will be imported.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PairsModel</name>
    <message>
        <source>Explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture %1, %2 × %3 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit %1 of pair %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add %1 pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete pair %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete %1 pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the picture of pair %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the picture of pair %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set %1 pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste %1 rows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PairsView</name>
    <message>
        <source>One line of explanation per line; Tab keeps the text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureImport</name>
    <message>
        <source>%1 is not a picture file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than 50 MB; make it smaller in a picture editor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be copied into a temporary folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read as a picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be a picture of the quiz: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProblemsModel</name>
    <message>
        <source>expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the expressions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra meaning %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pair %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty: write it, or delete the line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty: write it, or delete the pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pair %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the extra meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is also in %2: the answer key would be ambiguous; give each text once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 pairs allow at most %2 extra meanings, and there are %3: &quot;Оцени&quot; needs at least three entered pairs for every meaning left over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the quiz has no pairs yet: write one in the table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the id names the program and its file: use 1 to 32 small Latin letters, digits and hyphens, starting with a letter, such as capitals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty: write the window&apos;s caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1 list would end at %2 twips, outside the window, which is %3 twips wide: make the window wider or the list narrower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expressions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it must be one line: a list shows one line per item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuizDocument</name>
    <message>
        <source>Edit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name of the expressions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name of the meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>extra meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>window layout</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuizStorage</name>
    <message>
        <source>The folder of %1 cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No temporary folder can be made to put the bundle together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A bundle holds only a quiz that passes the check: mend the problems listed, or save it as a quiz file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudioWindow</name>
    <message>
        <source>Pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expression, meaning, explanation lines and picture of each pair. Type to edit a cell, F2 or Enter to edit it; Insert adds a pair, Delete deletes the selected pairs, Ctrl+Up and Ctrl+Down move them; Ctrl+V pastes rows copied from a spreadsheet; drop a picture file on a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems: none, the quiz is ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names the quiz&apos;s program and file: small Latin letters, digits and hyphens, such as capitals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quiz window&apos;s caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text the learner reads first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the expressions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What a screen reader calls the left list, such as Countries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What a screen reader calls the right list, such as Capitals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Id:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Caption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;nstructions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the &amp;expressions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the &amp;meanings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra meanings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meanings that belong to no expression, one per line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xtra meanings, one per line:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window layout, in twips (15 to a pixel)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own &amp;layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gives the window and its two lists their own places; without it the Latin quiz&apos;s layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expressions left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expressions width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meanings left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meanings width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, in twips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What keeps the quiz from working; Enter or a click goes to the place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add a pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds an empty pair below the current one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the selected pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the selected pairs up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the selected pairs down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pastes cells copied from a spreadsheet at the current cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a &amp;picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses a picture file for the current pair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove the picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removes the current pair&apos;s picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import a table…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adds pairs from a CSV or tab-separated file, such as one saved from a spreadsheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Try it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the quiz as the learner sees it, as it stands now (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;as…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1[*] — ZORT Studio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Оцени&quot; needs at least three entered pairs for every meaning left over, so n pairs allow at most n/3 extra meanings: now %1 pairs allow %2, and there are %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Pasted %n row(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Picture for pair %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a table of pairs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tables (*.csv *.tsv *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import a table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 pairs and %2 extra meanings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some pictures could not be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quiz has problems: mend those listed below, then try it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quizzes (*.zort *.toml);;Quiz bundles (*.zort);;Quiz files (*.toml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened as a quiz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened %1: %2 pairs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiz bundle, one file (*.zort)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiz file with a folder of pictures (*.toml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the quiz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZORT Studio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The quiz has changes that are not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableImportModel</name>
    <message>
        <source>%1 is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is larger than 16 MB, too large for a table of pairs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No expression: the meaning becomes an extra meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: the picture %2 is not in the table&apos;s folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: zort-studio [FILE.zort | FILE.toml]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
