<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>PairsTable</name>
    <message>
        <source>tabs</source>
        <translation>табулации</translation>
    </message>
    <message>
        <source>semicolons (;)</source>
        <translation>точка и запетая (;)</translation>
    </message>
    <message>
        <source>commas (,)</source>
        <translation>запетаи (,)</translation>
    </message>
    <message>
        <source>this table line is not valid CSV (%1): check its double quotes; a quote inside a cell is written twice</source>
        <translation>този ред от таблицата не е правилен CSV (%1): проверете двойните кавички; кавичка вътре в клетка се пише двойно</translation>
    </message>
    <message>
        <source>the table&apos;s columns are separated by %1: its one row has %2 columns</source>
        <translation>колоните на таблицата са разделени с %1: единственият ѝ ред има %2 колони</translation>
    </message>
    <message>
        <source>the table&apos;s columns are separated by %1: all %2 rows have %3 columns</source>
        <translation>колоните на таблицата са разделени с %1: всички %2 реда имат по %3 колони</translation>
    </message>
    <message>
        <source>the table&apos;s columns are separated by %1: %2 of %3 rows have %4 columns</source>
        <translation>колоните на таблицата са разделени с %1: %2 от %3 реда имат по %4 колони</translation>
    </message>
    <message>
        <source>this row has 1 column; a pairs table has 2 to 4: expression, meaning, explanation and picture, separated by %1</source>
        <translation>този ред има 1 колона, а таблицата с двойки има от 2 до 4: израз, значение, обяснение и картинка, разделени с %1</translation>
    </message>
    <message>
        <source>this row has %1 columns; a pairs table has 2 to 4: expression, meaning, explanation and picture, separated by %2</source>
        <translation>този ред има %1 колони, а таблицата с двойки има от 2 до 4: израз, значение, обяснение и картинка, разделени с %2</translation>
    </message>
    <message>
        <source>this row has no expression but an explanation or a picture: an extra meaning has only its meaning</source>
        <translation>този ред няма израз, но има обяснение или картинка: допълнителното значение има само значение</translation>
    </message>
    <message>
        <source>line %1 (%2) is skipped as the heading, as pairs_header = true says</source>
        <translation>ред %1 (%2) се пропуска като заглавен ред, както казва pairs_header = true</translation>
    </message>
    <message>
        <source>line %1 (%2) is skipped as the heading, as pairs_header = true says; the first pair is line %3: %4 – %5</source>
        <translation>ред %1 (%2) се пропуска като заглавен ред, както казва pairs_header = true; първата двойка е на ред %3: %4 – %5</translation>
    </message>
    <message>
        <source>line %1 (%2, %3) looks like a heading, as its cells are words that usually head columns, yet it is taken as the first pair: if it is a heading, add pairs_header = true to the quiz file</source>
        <translation>ред %1 (%2, %3) прилича на заглавен ред, защото клетките му са думи, с които обикновено се озаглавяват колони, но се взема за първа двойка: ако е заглавен ред, добавете pairs_header = true във файла на теста</translation>
    </message>
    <message>
        <source>line %1 (%2, %3) looks like a heading, as its cells are short and capitalised, without digits, unlike most rows below it, yet it is taken as the first pair: if it is a heading, add pairs_header = true to the quiz file</source>
        <translation>ред %1 (%2, %3) прилича на заглавен ред, защото клетките му са кратки, с главна буква и без цифри, за разлика от повечето редове под него, но се взема за първа двойка: ако е заглавен ред, добавете pairs_header = true във файла на теста</translation>
    </message>
    <message>
        <source>the first pair is line %1: %2 – %3</source>
        <translation>първата двойка е на ред %1: %2 – %3</translation>
    </message>
</context>
<context>
    <name>QuizFile</name>
    <message>
        <source>is a folder, not a file</source>
        <translation>е папка, а не файл</translation>
    </message>
    <message>
        <source>is not a plain file (it is a device, a pipe or a socket)</source>
        <translation>не е обикновен файл (а устройство, канал или гнездо)</translation>
    </message>
    <message>
        <source>is larger than %1, the most a quiz reads: make it smaller</source>
        <translation>е по-голям от %1 – повече, отколкото тестът чете: намалете размера на файла</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>липсва</translation>
    </message>
    <message>
        <source>cannot be read (%1)</source>
        <translation>не се чете (%1)</translation>
    </message>
    <message>
        <source>changed while it was read: check it again</source>
        <translation>се промени, докато се четеше: проверете отново</translation>
    </message>
    <message>
        <source>[%1] with one bracket on each side makes one table, but there are several: write [[%1]], with two brackets on each side, before every one of them</source>
        <translation>[%1] с по една скоба от двете страни е само една таблица, а те са няколко: пишете [[%1]], с по две скоби от двете страни, пред всяка от тях</translation>
    </message>
    <message>
        <source>%1 is given a second time in the same pair: is a [[pair]] line missing above this line? Every pair starts with its own [[pair]]</source>
        <translation>%1 е даден втори път в същата двойка: дали над този ред не липсва ред [[pair]]? Всяка двойка започва със свой ред [[pair]]</translation>
    </message>
    <message>
        <source>%1 is given twice: give it once</source>
        <translation>%1 е даден два пъти: оставете го само веднъж</translation>
    </message>
    <message>
        <source>this text is in curly quotes (“ ” or „ “), as a word processor writes them: use straight double quotes (&quot;), such as caption = &quot;Столици&quot;; write quiz files in a plain-text editor</source>
        <translation>този текст е в извити кавички („ “ или “ ”), каквито слага текстообработващата програма: използвайте прави двойни кавички (&quot;), например caption = &quot;Столици&quot;; пишете файла на теста в обикновен текстов редактор</translation>
    </message>
    <message>
        <source>this value is not something TOML knows: text goes in double quotes, such as caption = &quot;Столици&quot;, numbers are written as digits, and true or false as they are</source>
        <translation>TOML не разпознава тази стойност: текстът се пише в двойни кавички, например caption = &quot;Столици&quot;, числата – с цифри, а true и false – така, както са</translation>
    </message>
    <message>
        <source>in double quotes a backslash (\) starts a sign such as \n, and %1 is none: in a file&apos;s path write / instead of \, such as &quot;snimki/Na.png&quot;; a backslash in a text is written twice (\\)</source>
        <translation>в двойни кавички обратната наклонена черта (\) започва специален знак като \n, а %1 не е такъв: в пътя до файл пишете / вместо \, например &quot;snimki/Na.png&quot;; обратна наклонена черта в текст се пише двойно (\\)</translation>
    </message>
    <message>
        <source>this text opened with %1 on line %2 is never closed: end it with %1 where it ends</source>
        <translation>този текст, отворен с %1 на ред %2, никъде не е затворен: сложете %1 там, където свършва</translation>
    </message>
    <message>
        <source>this text&apos;s closing double quote is missing: a text in &quot; &quot; ends on its own line; for a text of several lines write &quot;&quot;&quot; before and after it</source>
        <translation>на този текст липсва затварящата двойна кавичка: текст в &quot; &quot; свършва на своя ред; за текст от няколко реда пишете &quot;&quot;&quot; преди и след него</translation>
    </message>
    <message>
        <source>this is not valid TOML: %1</source>
        <translation>това не е правилен TOML: %1</translation>
    </message>
    <message>
        <source>runs over more than one line</source>
        <translation>заема повече от един ред</translation>
    </message>
    <message>
        <source>has a tab, which shows as nothing: use a space</source>
        <translation>съдържа табулация, която не се вижда: сложете интервал</translation>
    </message>
    <message>
        <source>the quiz file is larger than %1, the most a quiz reads: make it smaller</source>
        <translation>файлът на теста е по-голям от %1 – повече, отколкото тестът чете: намалете го</translation>
    </message>
    <message>
        <source>and %1 more problems, not listed: mend those above and check again</source>
        <translation>и още %1 проблема, които не са изброени: поправете горните и проверете отново</translation>
    </message>
    <message>
        <source>the quiz file %1</source>
        <translation>файлът на теста %1</translation>
    </message>
    <message>
        <source>No package was built.</source>
        <translation>Пакет не е направен.</translation>
    </message>
    <message>
        <source>There is no display to show the quiz on: run &apos;%1&apos; to render the window under a virtual display into a PNG instead.</source>
        <translation>Няма екран, на който да се покаже тестът: изпълнете „%1“, за да се нарисува прозорецът във виртуален екран и да се запише в PNG файл.</translation>
    </message>
    <message>
        <source>has no name</source>
        <translation>няма име</translation>
    </message>
    <message>
        <source>has an absolute path; a bundle holds paths relative to the quiz file</source>
        <translation>има абсолютен път; пакетът съдържа пътища спрямо файла на теста</translation>
    </message>
    <message>
        <source>has a backslash in its path; a bundle separates folders with /</source>
        <translation>има обратна наклонена черта в пътя си; в пакета папките се разделят с /</translation>
    </message>
    <message>
        <source>has a control character in its name</source>
        <translation>има управляващ знак в името си</translation>
    </message>
    <message>
        <source>has a path longer than 1024 bytes</source>
        <translation>има път, по-дълъг от 1024 байта</translation>
    </message>
    <message>
        <source>climbs out of the bundle with &quot;..&quot;</source>
        <translation>излиза извън пакета с &quot;..&quot;</translation>
    </message>
    <message>
        <source>has an empty or &quot;.&quot; folder in its path</source>
        <translation>има празна папка или папка &quot;.&quot; в пътя си</translation>
    </message>
    <message>
        <source>has a name longer than 255 bytes</source>
        <translation>има име, по-дълго от 255 байта</translation>
    </message>
    <message>
        <source>the bundle is %1 MB; a bundle may be up to %2 MB</source>
        <translation>пакетът е %1 MB, а пакет може да бъде до %2 MB</translation>
    </message>
    <message>
        <source>the bundle holds two files of the same name, so which one is meant is unclear</source>
        <translation>пакетът съдържа два файла с едно и също име и не е ясно кой от тях се има предвид</translation>
    </message>
    <message>
        <source>this is not a quiz bundle (a zip file that zort-quiz bundle makes): %1</source>
        <translation>това не е пакет с тест (zip файл, какъвто прави zort-quiz bundle): %1</translation>
    </message>
    <message>
        <source>the bundle holds %1 files and folders; a bundle may hold up to %2</source>
        <translation>пакетът съдържа %1 файла и папки, а пакет може да съдържа до %2</translation>
    </message>
    <message>
        <source>entry %1 of the bundle cannot be read: %2</source>
        <translation>запис %1 в пакета не може да бъде прочетен: %2</translation>
    </message>
    <message>
        <source>%1 in the bundle %2</source>
        <translation>%1 в пакета %2</translation>
    </message>
    <message>
        <source>is a symbolic link or a special file; a bundle holds plain files only</source>
        <translation>е символна връзка или специален файл; пакетът съдържа само обикновени файлове</translation>
    </message>
    <message>
        <source>is encrypted; make the bundle again without a password</source>
        <translation>е шифрован; направете пакета отново без парола</translation>
    </message>
    <message>
        <source>is compressed in a way the program does not read; make the bundle with zort-quiz bundle</source>
        <translation>е компресиран по начин, който програмата не чете; направете пакета със zort-quiz bundle</translation>
    </message>
    <message>
        <source>does not say its size</source>
        <translation>не посочва размера си</translation>
    </message>
    <message>
        <source>is a folder with contents of its own</source>
        <translation>е папка със собствено съдържание</translation>
    </message>
    <message>
        <source>unpacks to more than %1 MB; a %2 may be up to %1 MB</source>
        <translation>заема над %1 MB, когато се разархивира, а %2 може да бъде до %1 MB</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>картинка</translation>
    </message>
    <message>
        <source>quiz file or table</source>
        <translation>файл на тест или таблица</translation>
    </message>
    <message>
        <source>is compressed more than %1 to 1, as no quiz file, table or picture is</source>
        <translation>е компресиран над %1 пъти – толкова не се компресира нито файл на тест, нито таблица, нито картинка</translation>
    </message>
    <message>
        <source>is in the bundle twice, so which one is meant is unclear</source>
        <translation>се среща два пъти и не е ясно кое от двете се има предвид</translation>
    </message>
    <message>
        <source>%1 in the bundle is both a file and a folder</source>
        <translation>%1 в пакета е едновременно файл и папка</translation>
    </message>
    <message>
        <source>the bundle unpacks to %1 MB; a bundle may unpack to up to %2 MB</source>
        <translation>разархивиран, пакетът заема %1 MB, а може да заема до %2 MB</translation>
    </message>
    <message>
        <source>the bundle holds no quiz file: a bundle has its quiz file (a .toml file) at its top</source>
        <translation>пакетът не съдържа файл на тест: файлът на теста (файл .toml) стои в най-горната папка на пакета</translation>
    </message>
    <message>
        <source>the bundle holds %1 quiz files (%2); a bundle has exactly one .toml file at its top</source>
        <translation>пакетът съдържа %1 файла на тестове (%2), а в най-горната му папка трябва да има точно един файл .toml</translation>
    </message>
    <message>
        <source>%1 cannot be unpacked: %2</source>
        <translation>%1 не може да бъде разархивиран: %2</translation>
    </message>
    <message>
        <source>%1 in the bundle cannot be read: %2</source>
        <translation>%1 в пакета не може да бъде прочетен: %2</translation>
    </message>
    <message>
        <source>%1 in the bundle is damaged: %2</source>
        <translation>%1 в пакета е повреден: %2</translation>
    </message>
    <message>
        <source>%1 in the bundle holds more than its size says: the bundle is damaged</source>
        <translation>%1 в пакета съдържа повече, отколкото казва размерът му: пакетът е повреден</translation>
    </message>
    <message>
        <source>%1 in the bundle holds less than its size says: the bundle is damaged</source>
        <translation>%1 в пакета съдържа по-малко, отколкото казва размерът му: пакетът е повреден</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>не е обикновен файл</translation>
    </message>
    <message>
        <source>it is %1 MB, more than the %2 MB allowed</source>
        <translation>той е %1 MB, повече от позволените %2 MB</translation>
    </message>
    <message>
        <source>it is more than the %1 MB allowed</source>
        <translation>той е повече от позволените %1 MB</translation>
    </message>
    <message>
        <source>cannot make a temporary folder to unpack the bundle into: %1</source>
        <translation>не може да бъде създадена временна папка, в която да се разархивира пакетът: %1</translation>
    </message>
    <message>
        <source>cannot read the bundle: %1</source>
        <translation>пакетът не може да бъде прочетен: %1</translation>
    </message>
    <message>
        <source>the quiz has problems; a bundle is made of a quiz that passes its check</source>
        <translation>тестът има проблеми; пакет се прави само от тест, който минава проверката</translation>
    </message>
    <message>
        <source>the quiz reads %1 from outside its folder; put it beside the quiz file</source>
        <translation>тестът чете %1 извън своята папка; сложете го до файла на теста</translation>
    </message>
    <message>
        <source>the quiz reads %1, a .toml file beside it, which a bundle would take for a second quiz file: rename it</source>
        <translation>тестът чете %1 – файл .toml до него, който пакетът би приел за втори файл на тест: преименувайте го</translation>
    </message>
    <message>
        <source>the bundle would overwrite %1, which is part of the quiz</source>
        <translation>пакетът би презаписал %1, който е част от теста</translation>
    </message>
    <message>
        <source>cannot put %1 in the bundle: %2</source>
        <translation>%1 не може да бъде сложен в пакета: %2</translation>
    </message>
    <message>
        <source>the quiz&apos;s files come to %1 MB; a bundle may hold up to %2 MB</source>
        <translation>файловете на теста са общо %1 MB, а пакет може да съдържа до %2 MB</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 не може да бъде записан: %2</translation>
    </message>
    <message>
        <source>cannot add %1 to the bundle: %2</source>
        <translation>%1 не може да бъде добавен към пакета: %2</translation>
    </message>
    <message>
        <source>the bundle made of the quiz does not read back (%1); nothing was written</source>
        <translation>направеният от теста пакет не се чете обратно (%1); нищо не е записано</translation>
    </message>
</context>
<context>
    <name>QuizFile::Problem</name>
    <message>
        <source>%1:%2: note: %3</source>
        <translation>%1:%2: бележка: %3</translation>
    </message>
</context>
<context>
    <name>QuizFile::Reader</name>
    <message>
        <source>%1 belongs at the top of the file, before the first [[pair]] or [window]: every key after such a line belongs to it</source>
        <translation>%1 трябва да стои в началото на файла, преди първия ред [[pair]] или [window]: всеки ключ след такъв ред принадлежи на него</translation>
    </message>
    <message>
        <source>the keys %1 are: %2</source>
        <translation>ключовете %1 са: %2</translation>
    </message>
    <message>
        <source>did you mean %1?</source>
        <translation>може би имате предвид %1?</translation>
    </message>
    <message>
        <source>unknown key %1 %2; %3</source>
        <translation>непознат ключ %1 %2; %3</translation>
    </message>
    <message>
        <source>%1 is missing: add %2 = &quot;...&quot;</source>
        <translation>липсва %1: добавете %2 = &quot;...&quot;</translation>
    </message>
    <message>
        <source>%1 must be text in double quotes</source>
        <translation>%1 трябва да е текст в двойни кавички</translation>
    </message>
    <message>
        <source>every line of %1 must be text in double quotes</source>
        <translation>всеки ред от %1 трябва да е текст в двойни кавички</translation>
    </message>
    <message>
        <source>%1 must be text in double quotes, or a list of lines in [ ]</source>
        <translation>за %1 се пише текст в двойни кавички или списък от редове в [ ]</translation>
    </message>
    <message>
        <source>this %1 has %2, which no text may hold: remove the escape that writes it</source>
        <translation>%1 съдържа %2, какъвто не може да има в текст: махнете записа със \, който го създава</translation>
    </message>
    <message>
        <source>key</source>
        <translation>този ключ</translation>
    </message>
    <message>
        <source>text</source>
        <translation>този текст</translation>
    </message>
    <message>
        <source>keys, tables or lists here are nested more than %1 levels deep; a quiz file needs 2 or 3: write the keys out flat, as the example quizzes do</source>
        <translation>тук ключове, таблици или списъци са вложени на повече от %1 нива, а на файла на теста стигат 2 или 3: изпишете ключовете без влагане, както в примерните тестове</translation>
    </message>
    <message>
        <source>by this line the quiz file holds more than %1 keys, values and tables, more than any quiz needs (%2 pairs take about 200000): split it into smaller quizzes</source>
        <translation>до този ред файлът на теста съдържа над %1 ключа, стойности и таблици – повече, отколкото на който и да е тест му трябват (%2 двойки заемат около 200000): разделете го на по-малки тестове</translation>
    </message>
    <message>
        <source>at the top of a quiz file</source>
        <translation>в началото на файла на теста</translation>
    </message>
    <message>
        <source>the quiz&apos;s id</source>
        <translation>идентификаторът на теста (id)</translation>
    </message>
    <message>
        <source>the id %1 cannot name a program: use 1 to 32 small Latin letters, digits and hyphens, starting with a letter, such as &quot;capitals&quot;</source>
        <translation>идентификаторът %1 не може да бъде име на програма: използвайте от 1 до 32 малки латински букви, цифри и тирета, като първият знак е буква, например &quot;capitals&quot;</translation>
    </message>
    <message>
        <source>the window caption</source>
        <translation>заглавието на прозореца (caption)</translation>
    </message>
    <message>
        <source>the caption is empty: write the window&apos;s caption</source>
        <translation>заглавието е празно: напишете заглавието на прозореца</translation>
    </message>
    <message>
        <source>the caption must be one line: it %1</source>
        <translation>заглавието трябва да е на един ред, а то %1</translation>
    </message>
    <message>
        <source>%1 must be one line of text, without tabs</source>
        <translation>%1 трябва да е един ред текст, без табулации</translation>
    </message>
    <message>
        <source>the instructions</source>
        <translation>указанията</translation>
    </message>
    <message>
        <source>version must be a version number such as &quot;1.2&quot;: digits, Latin letters and . + ~, starting with a digit, at most 32 signs</source>
        <translation>version трябва да е номер на версия като &quot;1.2&quot;: цифри, латински букви и . + ~, като първият знак е цифра, най-много 32 знака</translation>
    </message>
    <message>
        <source>author must be your name on one line of at most 100 signs, with your e-mail address in &lt; &gt; if you like, such as &quot;Мария Петрова &lt;maria@example.org&gt;&quot;</source>
        <translation>author трябва да е вашето име на един ред от най-много 100 знака, ако искате – с електронния ви адрес в &lt; &gt;, например &quot;Мария Петрова &lt;maria@example.org&gt;&quot;</translation>
    </message>
    <message>
        <source>window must be a table: write [window] on a line of its own, then its keys</source>
        <translation>window трябва да е таблица: напишете [window] на отделен ред, а под него ключовете ѝ</translation>
    </message>
    <message>
        <source>in [window]</source>
        <translation>в [window]</translation>
    </message>
    <message>
        <source>%1 must be a whole number of twips from %2 to %3 (15 twips to a pixel)</source>
        <translation>%1 трябва да е цяло число туипове от %2 до %3 (15 туипа са един пиксел)</translation>
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
        <source>the %1 list would end at %2 twips, outside the window, which is %3 twips wide: make the window wider or the list narrower</source>
        <translation>списъкът с %1 би свършил на %2 туипа, извън прозореца, който е широк %3 туипа: разширете прозореца или стеснете списъка</translation>
    </message>
    <message>
        <source>pairs are written as [[pair]] tables, each with expression = &quot;...&quot; and meaning = &quot;...&quot;</source>
        <translation>двойките се пишат като таблици [[pair]], всяка с expression = &quot;...&quot; и meaning = &quot;...&quot;</translation>
    </message>
    <message>
        <source>in a [[pair]]</source>
        <translation>в [[pair]]</translation>
    </message>
    <message>
        <source>this pair&apos;s expression</source>
        <translation>изразът на тази двойка</translation>
    </message>
    <message>
        <source>this pair&apos;s meaning</source>
        <translation>значението на тази двойка</translation>
    </message>
    <message>
        <source>the explanation</source>
        <translation>обяснението</translation>
    </message>
    <message>
        <source>picture must be a file name in double quotes</source>
        <translation>picture трябва да е име на файл в двойни кавички</translation>
    </message>
    <message>
        <source>pairs_delimiter must be one sign in double quotes: &quot;\t&quot; for a tab, &quot;,&quot; or &quot;;&quot;</source>
        <translation>pairs_delimiter трябва да е един знак в двойни кавички: &quot;\t&quot; за табулация, &quot;,&quot; или &quot;;&quot;</translation>
    </message>
    <message>
        <source>pairs_header must be true or false</source>
        <translation>pairs_header трябва да е true или false</translation>
    </message>
    <message>
        <source>the pairs table</source>
        <translation>таблицата с двойките</translation>
    </message>
    <message>
        <source>the pairs table %1 has %2 lines, more than the %3 any quiz needs (a quiz holds at most %4 pairs and meanings): split it into smaller quizzes</source>
        <translation>таблицата с двойките %1 има %2 реда, повече от %3, които на който и да е тест му трябват (тестът побира най-много %4 двойки и значения): разделете я на по-малки тестове</translation>
    </message>
    <message>
        <source>extra_meanings must be a list of texts in [ ], such as [&quot;Рим&quot;, &quot;Атина&quot;]</source>
        <translation>extra_meanings трябва да е списък от текстове в [ ], например [&quot;Рим&quot;, &quot;Атина&quot;]</translation>
    </message>
    <message>
        <source>every extra meaning must be text in double quotes</source>
        <translation>всяко допълнително значение трябва да е текст в двойни кавички</translation>
    </message>
    <message>
        <source>names no file: write the file&apos;s name</source>
        <translation>не посочва файл: напишете името на файла</translation>
    </message>
    <message>
        <source>has a sign no file name may hold: rename the file; in a Windows path such as snimki\new.png the backslash starts such a sign, so write / instead: &quot;snimki/new.png&quot;</source>
        <translation>съдържа знак, който не може да стои в име на файл: преименувайте файла; в път от Windows като snimki\new.png такъв знак започва с обратната наклонена черта, затова пишете / вместо нея: &quot;snimki/new.png&quot;</translation>
    </message>
    <message>
        <source>is outside the quiz&apos;s folder: a quiz reads only files in its own folder and the folders within it; copy the file there and name it from there, such as &quot;flags/bg.png&quot;</source>
        <translation>е извън папката на теста: тестът чете само файлове в своята папка и в папките в нея; копирайте файла там и го посочете оттам, например &quot;flags/bg.png&quot;</translation>
    </message>
    <message>
        <source>is missing: in a file&apos;s path write / instead of \, such as %1</source>
        <translation>липсва: в пътя до файл пишете / вместо \, например %1</translation>
    </message>
    <message>
        <source>is missing: put the file beside the quiz file, or correct its name</source>
        <translation>липсва: сложете файла до файла на теста или поправете името му</translation>
    </message>
    <message>
        <source>is missing: did you mean %1? Correct the name, or put the file beside the quiz file</source>
        <translation>липсва: може би имате предвид %1? Поправете името или сложете файла до файла на теста</translation>
    </message>
    <message>
        <source>is a link that leads outside the quiz&apos;s folder: a quiz reads only files in its own folder; copy the file itself there</source>
        <translation>е връзка, която води извън папката на теста: тестът чете само файлове в своята папка; копирайте там самия файл</translation>
    </message>
    <message>
        <source>the picture</source>
        <translation>картинката</translation>
    </message>
    <message>
        <source>the picture %1 %2</source>
        <translation>картинката %1 %2</translation>
    </message>
    <message>
        <source>is not a PNG or JPEG image: save it as PNG or JPEG</source>
        <translation>не е изображение PNG или JPEG: запишете я като PNG или JPEG</translation>
    </message>
    <message>
        <source>is %1 × %2 pixels, too large to read safely: make it smaller than 50 megapixels in a picture editor</source>
        <translation>е %1 × %2 пиксела – твърде голяма, за да се прочете безопасно: намалете я под 50 мегапиксела в програма за снимки</translation>
    </message>
    <message>
        <source>is a JPEG of %1 scans, which would take minutes to show (a JPEG needs at most %2): save it again in a picture editor</source>
        <translation>е JPEG от %1 прохода и показването ѝ би отнело минути (на JPEG му стигат най-много %2): запишете я отново в програма за снимки</translation>
    </message>
    <message>
        <source>cannot be read as an image (%1): save it again as PNG or JPEG</source>
        <translation>не се чете като изображение (%1): запишете я отново като PNG или JPEG</translation>
    </message>
    <message>
        <source>could not be written anew for the quiz: save it again as PNG or JPEG</source>
        <translation>не можа да се запише наново за теста: запишете я отново като PNG или JPEG</translation>
    </message>
    <message>
        <source>the picture %1 is %2 × %3 pixels; it is scaled down to %4 × %5 so that it shows whole on the screen</source>
        <translation>картинката %1 е %2 × %3 пиксела; тя се смалява до %4 × %5, за да се вижда цялата на екрана</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ред %1</translation>
    </message>
    <message>
        <source>the %1 is empty: write it, or remove the pair</source>
        <translation>%1 няма текст: напишете го или изтрийте двойката</translation>
    </message>
    <message>
        <source>the %1 %2 %3: a list shows one line per item</source>
        <translation>%1 %2 %3: списъкът показва по един ред за всеки елемент</translation>
    </message>
    <message>
        <source>the %1 %2 is given twice, here and on %3: the answer key would be ambiguous; give each %1 once</source>
        <translation>%1 %2 се среща два пъти – тук и на %3: ключът с верните отговори би станал двусмислен; пишете всеки текст само веднъж</translation>
    </message>
    <message>
        <source>the quiz has %1 pairs and %2 meanings in all; the program counts up to %3 of each: split it into smaller quizzes</source>
        <translation>тестът има %1 двойки и общо %2 значения, а програмата брои най-много до %3 от всяко: разделете го на по-малки тестове</translation>
    </message>
    <message>
        <source>expression</source>
        <translation>изразът</translation>
    </message>
    <message>
        <source>meaning</source>
        <translation>значението</translation>
    </message>
    <message>
        <source>extra meaning</source>
        <translation>допълнителното значение</translation>
    </message>
    <message>
        <source>the quiz has no pairs: add [[pair]] tables or a pairs_file</source>
        <translation>тестът няма двойки: добавете таблици [[pair]] или pairs_file</translation>
    </message>
    <message>
        <source>with %1 pairs and %2 extra meanings the quiz can never be graded: &quot;Оцени&quot; needs at least three entered pairs for every meaning left over; %3</source>
        <translation>с %1 двойки и %2 допълнителни значения тестът никога не може да бъде оценен: за „Оцени“ трябват поне три въведени двойки за всяко останало значение; %3</translation>
    </message>
    <message>
        <source>%1 pairs allow no extra meanings</source>
        <translation>%1 двойки не позволяват допълнителни значения</translation>
    </message>
    <message>
        <source>%1 pairs allow 0 to %2 extra meanings</source>
        <translation>%1 двойки позволяват от 0 до %2 допълнителни значения</translation>
    </message>
    <message>
        <source>is named %1 on the disk: write its name with the same capital and small letters, which other computers tell apart</source>
        <translation>се казва %1 на диска: напишете името му със същите главни и малки букви, които другите компютри различават</translation>
    </message>
</context>
<context>
    <name>QuizFile::Result</name>
    <message>
        <source>%1: 1 problem; nothing was built. Mend the file and check it again.</source>
        <translation>%1: 1 проблем; нищо не е направено. Поправете файла и го проверете отново.</translation>
    </message>
    <message>
        <source>%1: %2 problems; nothing was built. Mend the file and check it again.</source>
        <translation>%1: %2 проблема; нищо не е направено. Поправете файла и го проверете отново.</translation>
    </message>
    <message>
        <source>OK: %1: pairs: %2, extra meanings: %3, pictures: %4, explanations: %5</source>
        <translation>OK: %1: двойки: %2, допълнителни значения: %3, картинки: %4, обяснения: %5</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>the NUL sign (%1)</source>
        <translation>знак NUL (%1)</translation>
    </message>
    <message>
        <source>a byte-order mark (%1)</source>
        <translation>знак за реда на байтовете (BOM, %1)</translation>
    </message>
    <message>
        <source>the control character %1</source>
        <translation>управляващ знак %1</translation>
    </message>
    <message>
        <source>half of a character (%1)</source>
        <translation>половин знак (%1)</translation>
    </message>
    <message>
        <source>the noncharacter %1</source>
        <translation>забранен знак %1</translation>
    </message>
    <message>
        <source>in Notepad choose &quot;Save as&quot; and the encoding &quot;UTF-8&quot;; in LibreOffice choose &quot;Save as&quot;, tick &quot;Edit filter settings&quot; and the character set &quot;Unicode (UTF-8)&quot;; in Excel choose &quot;Save as&quot; and the type &quot;CSV UTF-8 (Comma delimited)&quot;</source>
        <translation>в Notepad изберете „Save as“ (Запиши като) и кодиране „UTF-8“; в LibreOffice изберете „Запиши като“, отметнете „Редактиране на настройките на филтъра“ и набор от знаци „Unicode (UTF-8)“; в Excel изберете „Запиши като“ и вида „CSV UTF-8 (разделено със запетаи)“</translation>
    </message>
    <message>
        <source>the file is UTF-16 text (two bytes a letter, what Excel calls &quot;Unicode Text&quot;), not UTF-8. Save it as UTF-8: </source>
        <translation>файлът е текст в UTF-16 (по два байта на буква; в Excel това е „Текст в Unicode“), а не в UTF-8. Запишете го в UTF-8: </translation>
    </message>
    <message>
        <source>this line has %1, which no text may hold: remove it</source>
        <translation>на този ред има %1, какъвто не може да има в текст: махнете го</translation>
    </message>
    <message>
        <source>the file is not UTF-8: its letters look like Windows-1251 (Cyrillic). Save it as UTF-8: </source>
        <translation>файлът не е в UTF-8: буквите му приличат на Windows-1251 (кирилица). Запишете го в UTF-8: </translation>
    </message>
    <message>
        <source>the file is not UTF-8 text (this line has bytes that are not UTF-8). Save it as UTF-8: </source>
        <translation>файлът не е текст в UTF-8 (на този ред има байтове, които не са UTF-8). Запишете го в UTF-8: </translation>
    </message>
</context>
</TS>
