#include "calendar/kalendertekst.h"

#include <QLocale>

#include <array>

namespace {

const QString Veertig(40, u' ');

const QLocale& Nederlands()
{
    static const QLocale locale(QLocale::Dutch, QLocale::Netherlands);
    return locale;
}

} // namespace

namespace KalenderTekst {

QString MaandRegel(const QDate& datum)
{
    const QDate eerste(datum.year(), datum.month(), 1);
    return Nederlands().monthName(datum.month(), QLocale::LongFormat) + u' ' +
           QString::number(datum.year()) + Veertig + eerste.toString(Qt::ISODate);
}

QString MaandSleutel(const QString& maandRegel) { return maandRegel.right(10); }

QString Zichtbaar(const QString& regel)
{
    const qsizetype blanks = regel.indexOf(Veertig);
    return blanks < 0 ? regel : regel.left(blanks);
}

QString LangeDatum(const QDate& datum) { return Nederlands().toString(datum, QLocale::LongFormat); }

QString DatumRegel(const QString& speeldag, const QDate& datum)
{
    const QString lang = LangeDatum(datum);
    const qsizetype blank = lang.indexOf(u' ');
    return speeldag + (blank < 0 ? QString() : lang.mid(blank)) + Veertig +
           datum.toString(QStringLiteral("yyyyMMdd"));
}

QString DatumVanRegel(const QString& datumRegel) { return datumRegel.right(8); }

QString Weekdagwoord(const QString& speeldag)
{
    struct Dag {
        const char16_t* begin;
        qsizetype lengte;
    };
    static constexpr std::array<Dag, 7> Dagen{{{u"ZON", 6},
                                               {u"MAA", 7},
                                               {u"DIN", 7},
                                               {u"WOE", 8},
                                               {u"DON", 9},
                                               {u"VRI", 7},
                                               {u"ZAT", 8}}};
    const QString w = speeldag.toUpper();
    for (const Dag& dag : Dagen) {
        if (w.startsWith(QStringView(dag.begin)))
            return w.left(dag.lengte);
    }
    return {};
}

} // namespace KalenderTekst
