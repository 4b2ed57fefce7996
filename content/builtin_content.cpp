// The built-in test on Latin expressions.
#include "content.h"

namespace {

Content makeBuiltIn()
{
    Content c;
    c.expressions = {
        QStringLiteral("habeas corpus"),
        QStringLiteral("lege artis"),
        QStringLiteral("extra ordinem"),
        QStringLiteral("lapsus мемориае"), // the second word is in Cyrillic letters, as stored
        QStringLiteral("ex nihilo nihil"),
        QStringLiteral("loco dolenti"),
        QStringLiteral("honorabilis"),
        QStringLiteral("nunc aut nunquam"),
        QStringLiteral("eo ipso"),
        QStringLiteral("omnium consensu"),
        QStringLiteral("de iure"),
        QStringLiteral("mea culpa"),
        QStringLiteral("dente superbo"),
        QStringLiteral("o tempora, o mores"),
        QStringLiteral("in cauda venenum"),
        QStringLiteral("per aspera ad astra"),
        QStringLiteral("in terminis"),
        QStringLiteral("prima facie"),
        QStringLiteral("lure et facto"),
        QStringLiteral("qualis artifex pereo"),
        QStringLiteral("ita est"),
        QStringLiteral("iuaior"),
        QStringLiteral("magister dixit"),
        QStringLiteral("primus inter pares"),
        QStringLiteral("scripta manent, verba volant"),
        QStringLiteral("currente calamo"),
        QStringLiteral("gloria victis"),
    };
    c.meanings = {
        QStringLiteral("да имаш тялото си"),
        QStringLiteral("според закона на изкуството (съвършено)"),
        QStringLiteral("извън реда"),
        QStringLiteral("грешка на паметта"),
        QStringLiteral("от нищо нищо не произлиза"),
        QStringLiteral("на болното място"),
        QStringLiteral("достоен за почит"),
        QStringLiteral("сега или никога"),
        QStringLiteral("само по себе си"),
        QStringLiteral("със съгласието на всички"),
        QStringLiteral("съгласно правото"),
        QStringLiteral("вината е моя"),
        QStringLiteral("неохотно, с презрение"),
        QStringLiteral("о времена, о нрави"),
        QStringLiteral("лошото е накрая"),
        QStringLiteral("чрез мъка към сполука"),
        QStringLiteral("в границите"),
        QStringLiteral("на пръв поглед"),
        QStringLiteral("според закона и според действителността"),
        QStringLiteral("какъв артист загивам - Нерон"),
        QStringLiteral("така е"),
        QStringLiteral("по-младия"),
        QStringLiteral("учителят каза"),
        QStringLiteral("пръв сред равни"),
        QStringLiteral("думите отлитат, написаното остава"),
        QStringLiteral("набързо и необмислено"),
        QStringLiteral("слава на победените"),
    };
    c.layout = {
        QString::fromUtf16(kMakerAddress) + QStringLiteral(" ZORT  по VUD - латински изрази"),
        QStringLiteral("11250"),
        QStringLiteral("120"),
        QStringLiteral("3135"),
        QStringLiteral("3360"),
        QStringLiteral("7575"),
    };
    c.instructions = QStringLiteral(
        "Това е релационен тест.\r\n"
        "Трябва да се подберат всички правилни комбинация от двойки изрази от лявото и \r\n"
        "дясното списъчно поле.\r\n"
        "Не е задължително броят фрази в лявата част да е непременно равен на тези в \r\n"
        "дясната част.\r\n"
        "При оценяване се отчита броя въведени верни комбинации съотнесени към общия \r\n"
        "брой верни комбинации. Липсата на комбинация се отчита като грешен отговор\r\n");

    c.flags << QStringLiteral("Ima li obqsneniq");
    for (int k = 1; k <= ContentLimits::kExplanationFlags; ++k)
        c.flags << QStringLiteral("0");

    // Filler lines, never shown because every flag is "0".
    for (int k = 1; k <= ContentLimits::kExplanationLists; ++k) {
        const QString number = QString::number(k);
        QStringList list{QStringLiteral("Otgowor ") + number};
        for (int i = 1; i < 20; ++i)
            list << number;
        c.lines << list;
    }
    c.lines[5].last() = QStringLiteral("5");

    c.pictureFlags = emptyPictureFlags();
    for (int k = 1; k <= ContentLimits::kPictures; ++k)
        c.pictures << QString();
    return c;
}

} // namespace

const Content &builtInContent()
{
    static const Content content = makeBuiltIn();
    return content;
}
