#include "common/ansi.h"
#include "common/lijstvolgorde.h"
#include "common/tekst.h"
#include "common/tekstbestand.h"
#include "support/testpaden.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstTekstBestand : public QObject {
    Q_OBJECT
private slots:
    void ansiNaar_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "abc" << QByteArray("abc");
        QTest::newRow("latin-1") << u"Zoë Müller"_qs << QByteArray("Zo\xEB M\xFCller");
        QTest::newRow("euro and quotes") << u"€‘’“”"_qs << QByteArray("\x80\x91\x92\x93\x94");
        QTest::newRow("missing char") << u"Łódź"_qs << QByteArray("?\xF3""d?");
        QTest::newRow("outside the BMP is one ?") << u"a😀b"_qs << QByteArray("a?b");
        QTest::newRow("no-break space") << u"a\u00A0b"_qs << QByteArray("a\xA0""b");
    }

    void ansiNaar()
    {
        QFETCH(QString, tekst);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Ansi::Naar(tekst), bytes);
    }

    void ansiRondgang()
    {
        QByteArray alle;
        for (int b = 0; b < 256; ++b)
            alle.append(static_cast<char>(b));
        QCOMPARE(Ansi::Naar(Ansi::Van(alle)), alle);
        QCOMPARE(Ansi::Van(QByteArray("\x80")), u"€"_qs);
    }

    void trim_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("uit");
        QTest::newRow("spaces") << "  BC De Troef  " << "BC De Troef";
        QTest::newRow("only spaces") << "    " << "";
        QTest::newRow("tab stays") << "\tx " << "\tx";
        QTest::newRow("line break stays") << "x\r\n" << "x\r\n";
        QTest::newRow("no-break space stays") << u"\u00A0x"_qs << u"\u00A0x"_qs;
    }

    void trim()
    {
        QFETCH(QString, in);
        QFETCH(QString, uit);
        QCOMPARE(Tekst::Trim(in), uit);
    }

    void leesRegels_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("regels");
        QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("bare lf") << QByteArray("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("no final break") << QByteArray("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty lines kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("lone cr") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("cr, then crlf") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    }

    void leesRegels()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, regels);
        QTemporaryDir dir;
        QVERIFY(TestPaden::SchrijfBestand(dir.filePath("f.txt"), bytes));
        QCOMPARE(TekstBestand::LeesRegels(dir.filePath("f.txt")), std::optional<QStringList>(regels));
        QVERIFY(!TekstBestand::LeesRegels(dir.filePath("bestaat-niet.ini")).has_value());
        QVERIFY(!TekstBestand::LeesRegels(dir.path()).has_value());
    }

    // Lines go out in the code page with CR LF. A flush to disk that fails (Qt's commit()
    // would not notice) keeps the old file and gives the reason; no temporary file stays.
    void schrijfRegels()
    {
        QTemporaryDir dir;
        const QString pad = dir.filePath("uit.ini");
        QVERIFY(TekstBestand::SchrijfRegels(pad, {u"Clubnaam=Zoë"_qs, u"x=€"_qs}).ok);
        QCOMPARE(TestPaden::LeesBestand(pad), QByteArray("Clubnaam=Zo\xEB\r\nx=\x80\r\n"));
        TestPaden::LaatSpoelenMislukken();
        const TekstBestand::SchrijfResultaat r = TekstBestand::SchrijfRegels(pad, {"nieuw"});
        TekstBestand::ZetSchrijver({});
        QVERIFY(!r.ok);
        QCOMPARE(r.fout, qt_error_string(EIO));
        QCOMPARE(TestPaden::LeesBestand(pad), QByteArray("Clubnaam=Zo\xEB\r\nx=\x80\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"uit.ini"});
    }

    // Leftovers of interrupted saves of our files go when their folder is written next; nothing
    // else does (a backup, a longer suffix, another file's, a folder, a link).
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

    void volgorde_data()
    {
        QTest::addColumn<QStringList>("in");
        QTest::addColumn<QStringList>("uit");
        QTest::newRow("case ignored") << QStringList{"B", "a", "C"} << QStringList{"a", "B", "C"};
        QTest::newRow("digits as text") << QStringList{"2", "10", "1", "11"} << QStringList{"1", "10", "11", "2"};
        QTest::newRow("hyphen ignored") << QStringList{"de Wit", "Dijk", "D-Amsel"}
                                        << QStringList{"D-Amsel", "de Wit", "Dijk"};
        QTest::newRow("apostrophe ignored") << QStringList{"Tromp", "'t Hart"} << QStringList{"'t Hart", "Tromp"};
        QTest::newRow("accent near base letter") << QStringList{"Zwart", u"Émile"_qs, "Fons"}
                                                 << QStringList{u"Émile"_qs, "Fons", "Zwart"};
        QTest::newRow("equal ignoring case keeps exact order") << QStringList{"abc", "ABC", "Abc"}
                                                               << QStringList{"ABC", "Abc", "abc"};
    }

    void volgorde()
    {
        QFETCH(QStringList, in);
        QFETCH(QStringList, uit);
        LijstVolgorde::Sorteer(in);
        QCOMPARE(in, uit);
        for (qsizetype i = 1; i < uit.size(); ++i)
            QVERIFY(LijstVolgorde::Vergelijk(uit.at(i - 1), uit.at(i)) < 0);
    }
};

QTEST_GUILESS_MAIN(TstTekstBestand)
#include "tst_tekstbestand.moc"
