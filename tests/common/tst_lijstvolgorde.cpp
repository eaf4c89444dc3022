// The list order, which takes a shortcut past the collator where two texts first differ in
// plain ASCII, gives exactly the order of the collator's own sort keys on every kind of text.
#include "common/lijstvolgorde.h"

#include <QCollator>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>

namespace {

// The order as the sort keys of a collator set up the same way give it: hyphens and
// apostrophes left out, then the exact text.
QStringList Referentie(const QStringList& lijst)
{
    QCollator collator(QLocale(QLocale::Dutch, QLocale::Netherlands));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setIgnorePunctuation(false);
    struct Item {
        QCollatorSortKey sleutel;
        QString tekst;
    };
    std::vector<Item> items;
    for (const QString& tekst : lijst)
        items.push_back({collator.sortKey(QString(tekst).remove(u'-').remove(u'\'')), tekst});
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        const int c = a.sleutel.compare(b.sleutel);
        return c != 0 ? c < 0 : QString::compare(a.tekst, b.tekst) < 0;
    });
    QStringList uit;
    for (const Item& item : items)
        uit.append(item.tekst);
    return uit;
}

QStringList Willekeurig(const QString& tekens, int aantal, int maxLengte, quint32 zaad)
{
    QRandomGenerator rg(zaad);
    QStringList uit;
    for (int n = 0; n < aantal; ++n) {
        QString s;
        for (int i = rg.bounded(maxLengte + 1); i > 0; --i)
            s += tekens.at(rg.bounded(int(tekens.size())));
        // Shared beginnings, as member records of one group have.
        if (n > 0 && rg.bounded(2))
            s.prepend(uit.at(rg.bounded(n)).left(rg.bounded(8)));
        uit.append(s);
    }
    return uit;
}

} // namespace

class TstLijstVolgorde : public QObject {
    Q_OBJECT
private slots:
    void zoalsSorteersleutels_data()
    {
        QTest::addColumn<QString>("tekens");
        QTest::addColumn<int>("maxLengte");
        QString ascii;
        for (char16_t c = 0; c < 128; ++c)
            ascii += QChar{c};
        QTest::newRow("every ASCII character") << ascii << 6;
        QTest::newRow("letters, digits, comma and blank") << QStringLiteral("aAbBzZ019, ") << 12;
        QTest::newRow("ij, y and the Dutch digraphs") << QStringLiteral("iIjJyYsSzZ") << 6;
        QTest::newRow("accents beside their base letters")
            << QString::fromUtf16(u"eEéÉëËèaäAÄoöøOuüUcçsßnñ ,") << 8;
        QTest::newRow("combining marks and ignorables")
            << QString::fromUtf16(u"aeAE\u0301\u0308\u00AD\u200B\u0001\u0009 ") << 8;
        QTest::newRow("hyphens and apostrophes") << QStringLiteral("ab-'-AB' ") << 8;
        QTest::newRow("Windows-1252 and beyond")
            << QString::fromUtf16(u"aZ€‘’“”…–—™ŠšŒœŸ\u00A0ÿ¡¿ŁłĐđ中文ИиΩω") << 6;
        QTest::newRow("member records")
            << QString::fromUtf16(u",,,,0123456789 DijkMülerZoëHélèneD'Hondt-van der") << 30;
    }

    void zoalsSorteersleutels()
    {
        QFETCH(QString, tekens);
        QFETCH(int, maxLengte);
        for (quint32 zaad = 1; zaad <= 5; ++zaad) {
            const QStringList lijst = Willekeurig(tekens, 400, maxLengte, zaad);
            const QStringList verwacht = Referentie(lijst);
            QStringList gesorteerd = lijst;
            LijstVolgorde::Sorteer(gesorteerd);
            QCOMPARE(gesorteerd, verwacht);
            for (qsizetype i = 1; i < verwacht.size(); ++i) {
                const int c = LijstVolgorde::Vergelijk(verwacht.at(i - 1), verwacht.at(i));
                QVERIFY2(c < 0 || (c == 0 && verwacht.at(i - 1) == verwacht.at(i)),
                         qPrintable(verwacht.at(i - 1) + QStringLiteral(" | ") + verwacht.at(i)));
                QCOMPARE(LijstVolgorde::Vergelijk(verwacht.at(i), verwacht.at(i - 1)), -c);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TstLijstVolgorde)
#include "tst_lijstvolgorde.moc"
