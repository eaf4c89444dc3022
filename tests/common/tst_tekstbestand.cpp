#include "common/ansi.h"
#include "common/instellingen.h"
#include "common/lijstvolgorde.h"
#include "common/rijlijst.h"
#include "common/tekstbestand.h"
#include "support/testpaden.h"

#include <QCollator>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class TstTekstBestand : public QObject {
    Q_OBJECT
private slots:
    void ansiNaar_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("latin-1") << u"Zoë Müller"_qs << QByteArray("Zo\xEB M\xFCller");
        QTest::newRow("euro and quotes") << u"€‘’“”"_qs << QByteArray("\x80\x91\x92\x93\x94");
        QTest::newRow("missing char") << u"Łódź"_qs << QByteArray("?\xF3""d?");
        QTest::newRow("outside the BMP is one ?") << u"a😀b"_qs << QByteArray("a?b");
        QTest::newRow("lone high surrogate at the end") << QString("a") + QChar(0xD83D) << QByteArray("a?");
    }
    void ansiNaar()
    {
        QFETCH(QString, tekst);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Ansi::Naar(tekst), bytes);
    }

    void leesRegels_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("regels");
        QTest::newRow("crlf, empty line kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("bare lf, no final break") << QByteArray("a\nb") << QStringList{"a", "b"};
        QTest::newRow("lone cr, then crlf") << QByteArray("a\r\r\nb\r") << QStringList{"a", "", "b"};
        QTest::newRow("Windows-1252") << QByteArray("Zo\xEB\x80") << QStringList{u"Zoë€"_qs};
    }
    void leesRegels()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, regels);
        QTemporaryDir dir;
        QVERIFY(TestPaden::SchrijfBestand(dir.filePath("f.txt"), bytes));
        QCOMPARE(TekstBestand::LeesRegels(dir.filePath("f.txt")), std::optional<QStringList>(regels));
        QVERIFY(!TekstBestand::LeesRegels(dir.filePath("bestaat-niet.ini")).has_value());
    }

    void schrijfRegels()
    {
        QTemporaryDir dir;
        QVERIFY(TekstBestand::SchrijfRegels(dir.filePath("uit.ini"), {u"Clubnaam=Zoë"_qs, u"x=€"_qs}).ok);
        QCOMPARE(TestPaden::LeesBestand(dir.filePath("uit.ini")), QByteArray("Clubnaam=Zo\xEB\r\nx=\x80\r\n"));
    }

    // Leftovers of interrupted saves of our files go when their folder is written next; nothing else does.
    void restanten()
    {
        QTemporaryDir dir;
        const QString map = dir.filePath("dinsdag/");
        for (const char* naam : {"hovelink.js.oYgMTU", "dinsdag.ini.Ab12Cd", "IniKop.ini.zzzzzz", "hovelink.js.bak",
                                 "hovelink.js.abcdefg", "maandag.ini.abcdef", "notities.txt.abcdef"})
            QVERIFY(TestPaden::SchrijfBestand(map + naam, "half"));
        QVERIFY(QDir().mkpath(map + "hovelink.js.MAPMAP"));
        QVERIFY(QFile::link(map + "notities.txt.abcdef", map + "Kwintel.ini.LINKxx"));
        QVERIFY(TekstBestand::SchrijfBytes(map + "hovelink.js", "x").ok);
        QCOMPARE(QDir(map).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                 (QStringList{"hovelink.js", "hovelink.js.abcdefg", "hovelink.js.bak", "hovelink.js.MAPMAP",
                              "Kwintel.ini.LINKxx", "maandag.ini.abcdef", "notities.txt.abcdef"}));
    }

    // Settings lines: key by upper-cased prefix, value after the first "=", leading numbers.
    void instelling_data()
    {
        QTest::addColumn<QString>("regel");
        QTest::addColumn<QString>("waarde"); // "-" when the key SPEELDAG= does not fit
        QTest::addColumn<QVariant>("geheel16");
        QTest::addColumn<QVariant>("getal32");
        QTest::newRow("half to even") << "speeldag=2.5" << "2.5" << QVariant(2) << QVariant(2);
        QTest::newRow("second =, blanks") << "SpeelDag=  3.5=x" << "  3.5=x" << QVariant(4) << QVariant();
        QTest::newRow("trailing text") << "SPEELDAG=800px" << "800px" << QVariant(800) << QVariant();
        QTest::newRow("too large") << "Speeldag=99999" << "99999" << QVariant() << QVariant(99999);
        QTest::newRow("blanks only") << "Speeldag=   " << "   " << QVariant(0) << QVariant();
        QTest::newRow("tab is not a blank") << "Speeldag=\t5" << "\t5" << QVariant(0) << QVariant();
        QTest::newRow("blank before =") << "Speeldag =4" << "-" << QVariant() << QVariant();
    }
    void instelling()
    {
        QFETCH(QString, regel);
        QFETCH(QString, waarde);
        QFETCH(QVariant, geheel16);
        QFETCH(QVariant, getal32);
        QCOMPARE(Instellingen::Past(regel, u"SPEELDAG="), waarde != "-");
        if (waarde == "-")
            return;
        QCOMPARE(Instellingen::Waarde(regel), waarde);
        const auto g16 = Instellingen::Geheel16(waarde);
        const auto g32 = Instellingen::Getal32(waarde);
        QCOMPARE(g16 ? QVariant(int(*g16)) : QVariant(), geheel16);
        QCOMPARE(g32 ? QVariant(int(*g32)) : QVariant(), getal32);
    }

    void rijlijst()
    {
        QList<Vinkregel> rijen(120);
        for (const int rij : {12, 0, 3, 100})
            rijen[rij].aangevinkt = true;
        QCOMPARE(Rijlijst::Schrijf(rijen), "000312"); // rows after 99 left out
        QCOMPARE(Rijlijst::Lees("000312"), (QList<int>{0, 3, 12}));
        QCOMPARE(Rijlijst::Lees("1234567"), (QList<int>{12, 34, 56, 7})); // 3.5 pairs round to 4
        QCOMPARE(Rijlijst::Lees("ab05"), (QList<int>{0, 5}));
    }

    // The list order, with its shortcut past the collator, equals the collator's own sort keys.
    void volgorde_data()
    {
        QTest::addColumn<QString>("tekens");
        QString ascii;
        for (char16_t c = 0; c < 128; ++c)
            ascii += QChar{c};
        QTest::newRow("every ASCII character") << ascii;
        QTest::newRow("ij, y and digraphs") << QStringLiteral("iIjJyYsSzZ");
        QTest::newRow("accents") << QString::fromUtf16(u"eEéÉëËèaäAÄoöøOuüUcçsßnñ ,");
        QTest::newRow("ignorables") << QString::fromUtf16(u"aeAE\u0301\u0308\u00AD\u200B\u0001\u0009 ");
        QTest::newRow("hyphens and apostrophes") << QStringLiteral("ab-'-AB' ");
        QTest::newRow("beyond Windows-1252") << QString::fromUtf16(u"aZ€‘’“”…–—™ŠšŒœŸ\u00A0ÿ¡¿ŁłĐđ中文ИиΩω");
        QTest::newRow("member records") << QString::fromUtf16(u",,,,0123456789 DijkMülerZoëHélèneD'Hondt-van der");
    }
    void volgorde()
    {
        QFETCH(QString, tekens);
        QCollator collator(QLocale(QLocale::Dutch, QLocale::Netherlands));
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        collator.setIgnorePunctuation(false);
        for (quint32 zaad = 1; zaad <= 5; ++zaad) {
            QRandomGenerator rg(zaad);
            QStringList lijst;
            for (int n = 0; n < 400; ++n) {
                QString s = n > 0 && rg.bounded(2) ? lijst.at(rg.bounded(n)).left(rg.bounded(8)) : QString();
                for (int i = rg.bounded(13); i > 0; --i)
                    s += tekens.at(rg.bounded(int(tekens.size())));
                lijst.append(s);
            }
            std::vector<std::pair<QCollatorSortKey, QString>> sleutels;
            for (const QString& tekst : lijst)
                sleutels.emplace_back(collator.sortKey(QString(tekst).remove(u'-').remove(u'\'')), tekst);
            std::stable_sort(sleutels.begin(), sleutels.end(), [](const auto& a, const auto& b) {
                const int c = a.first.compare(b.first);
                return c != 0 ? c < 0 : QString::compare(a.second, b.second) < 0;
            });
            QStringList verwacht;
            for (const auto& paar : sleutels)
                verwacht.append(paar.second);
            LijstVolgorde::Sorteer(lijst);
            QCOMPARE(lijst, verwacht);
            for (qsizetype i = 1; i < verwacht.size(); ++i)
                QCOMPARE(LijstVolgorde::Vergelijk(verwacht.at(i), verwacht.at(i - 1)), -LijstVolgorde::Vergelijk(verwacht.at(i - 1), verwacht.at(i)));
        }
    }
};

QTEST_GUILESS_MAIN(TstTekstBestand)
#include "tst_tekstbestand.moc"
