#include "header/kopbestand.h"
#include "moment/adrescontrole.h"
#include "moment/afmeldscript.h"
#include "moment/eindtijd.h"
#include "moment/kolomkoppen.h"
#include "moment/regelmodel.h"
#include "moment/sitevoorbeeld.h"
#include "moment/verlaten.h"
#include "support/meldingrecorder.h"
#include "support/tabel.h"
#include "support/testpaden.h"

#include <QAbstractItemModelTester>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

// The window's state when it is left, and what the leave sequence then does.
struct VertrekRij {
    bool afgebroken = false, eindtijdFout = false, vakFout = false, datum = false, adres = false;
    bool zonderPartnerbestand = false, nee = false, bewaarFaalt = false; // nee: the answer to the question
    ScriptUitkomst script = ScriptUitkomst::Geschreven;
    Vertrek vertrek;
    QString stappen; // what was done, in order
    QString melding; // the first message, in part
};

class TstAfmeldregels : public QObject {
    Q_OBJECT
private slots:
    // Leaving the window; leaving the box is the same with `gehad` (the box had the focus).
    // The leave sequence: each refusal stops it before anything is written; only a saved or aborted window closes.
    void verlaten_data()
    {
        RijKolom<VertrekRij>();
        QTest::newRow("abort") << VertrekRij{.afgebroken = true, .vertrek = Vertrek::Afgebroken, .melding = "afgebroken"};
        QTest::newRow("end time refused") << VertrekRij{.eindtijdFout = true, .datum = true, .adres = true, .vertrek = Vertrek::EindtijdFout, .melding = "fout"};
        QTest::newRow("group box refused") << VertrekRij{.vakFout = true, .datum = true, .adres = true, .vertrek = Vertrek::Blijven, .stappen = "vakken"};
        QTest::newRow("no play date") << VertrekRij{.adres = true, .vertrek = Vertrek::Blijven, .stappen = "vakken", .melding = "speeldagen"};
        QTest::newRow("no address, Nee") << VertrekRij{.datum = true, .nee = true, .vertrek = Vertrek::Blijven, .stappen = "vakken", .melding = "Afmeld-emailadres"};
        QTest::newRow("no address, Ja") << VertrekRij{.datum = true, .vertrek = Vertrek::BewaardSluiten, .stappen = "vakken script lijst bewaar", .melding = "Afmeld-emailadres"};
        QTest::newRow("partner file missing") << VertrekRij{.datum = true, .adres = true, .zonderPartnerbestand = true, .vertrek = Vertrek::BewaardBlijven, .stappen = "vakken script lijst bewaar", .melding = "Partnerbestand"};
        QTest::newRow("no members: saved all the same") << VertrekRij{.datum = true, .adres = true, .script = ScriptUitkomst::GeenLeden, .vertrek = Vertrek::BewaardSluiten, .stappen = "vakken script lijst bewaar"};
        QTest::newRow("script not written: nothing saved") << VertrekRij{.datum = true, .adres = true, .script = ScriptUitkomst::NietGeschreven, .vertrek = Vertrek::ScriptMislukt, .stappen = "vakken script"};
        QTest::newRow("settings not saved") << VertrekRij{.datum = true, .adres = true, .bewaarFaalt = true, .vertrek = Vertrek::NietBewaard, .stappen = "vakken script lijst bewaar"};
    }
    void verlaten()
    {
        const VertrekRij& r = DezeRij<VertrekRij>();
        MeldingRecorder meldingen;
        if (r.nee)
            meldingen.ZetVolgendAntwoord(Meldingen::Antwoord::Nee);
        QStringList gedaan;
        const auto doe = [&](const char* stap) { gedaan.append(stap); };
        const VertrekStappen v{
            .eindtijdFout = [&] { return r.eindtijdFout ? Uitkomst<>::Fout("fout") : Uitkomst<>(); },
            .vakkenGoed = [&] { return doe("vakken"), !r.vakFout; },
            .staat = [&] { return VertrekStaat{r.datum, r.adres, r.zonderPartnerbestand}; },
            .schrijfScript = [&] { return doe("script"), r.script; },
            .scriptGeschreven = [&] { doe("lijst"); },
            .bewaar = [&] { return doe("bewaar"), !r.bewaarFaalt; }};
        QCOMPARE(Verlaat(r.afgebroken, v, meldingen), r.vertrek);
        QCOMPARE(gedaan.join(' '), r.stappen);
        QVERIFY2(meldingen.Teksten().value(0).contains(r.melding) && (r.melding.isEmpty() || !meldingen.meldingen.isEmpty()),
                 qPrintable(meldingen.Teksten().join('|')));
    }

    void eindtijd_data()
    {
        const QString schrijfwijze = "De schrijfwijze is niet juist!\r\n\r\nEnkele voorbeelden: 09:00, 15:00, 18:35.";
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("gehad");
        QTest::addColumn<QString>("melding");
        QTest::newRow("four characters") << "9:30" << true << schrijfwijze;
        QTest::newRow("no colon in third place") << "0930:" << true << schrijfwijze;
        QTest::newRow("blanks around 23:59") << "  23:59 " << true << "";
        QTest::newRow("24:00") << "24:00" << true << "Het maximum is 23 uur!";
        QTest::newRow("longer text uses last two") << "12:3099" << true << "Het maximum is 59 minuten!";
        QTest::newRow("hours checked first") << "99:99" << true << "Het maximum is 23 uur!";
        QTest::newRow("blanks, never visited") << "  " << false << "";
        QTest::newRow("stored 12:60, never visited") << "12:60" << false << "Het maximum is 59 minuten!";
    }
    void eindtijd()
    {
        QFETCH(QString, tekst);
        QFETCH(bool, gehad);
        QFETCH(QString, melding);
        const Uitkomst<> uit = Eindtijd::ControleerBijVertrek(tekst, gehad);
        QCOMPARE(uit ? QString() : uit.melding(), melding);
    }

    // o: does not look like an address; d: twice in the list.
    void adressen_data()
    {
        QTest::addColumn<QStringList>("rijen");
        QTest::addColumn<QStringList>("marken");
        QTest::newRow("good forms") << QStringList{"jan.de.vries+afm@mail.bctroef.nl", "  Wedstrijd@BCTroef.NL  ",
                                                   u"zoë@bctroef.nl"_qs}
                                    << QStringList{"", "", ""};
        const QStringList fout{"secretaris.bctroef.nl", "jan@piet@b.nl", "@bctroef.nl", "secretaris@bctroef",
                               "secretaris@", "secretaris@.nl", "x@bctroef.", "x@bctroef..nl", "jan piet@b.nl",
                               "jan@ b.nl", "jan\t@b.nl", u"jan\u00A0piet@b.nl"_qs};
        QTest::newRow("wrong forms") << fout << QStringList(fout.size(), "o");
        QTest::newRow("twice, case and outer blanks ignored")
            << QStringList{"secretaris@bctroef.nl", "wedstrijd@bctroef.nl", " Secretaris@BCTROEF.nl "}
            << QStringList{"d", "", "d"};
        QTest::newRow("wrong and twice") << QStringList{"jan piet@b.nl", "Jan Piet@b.nl"} << QStringList{"od", "od"};
        QTest::newRow("empty rows get no mark") << QStringList{"", "a@b.nl", "  ", ""} << QStringList{"", "", "", ""};
    }
    void adressen()
    {
        QFETCH(QStringList, rijen);
        QFETCH(QStringList, marken);
        const QList<Adrescontrole::Bevinding> bevindingen = Adrescontrole::Controleer(rijen);
        QCOMPARE(bevindingen.size(), marken.size());
        for (qsizetype i = 0; i < marken.size(); ++i)
            QCOMPARE(QString(bevindingen[i].ongeldig ? "o" : "") + (bevindingen[i].dubbel ? "d" : ""), marken[i]);
        QCOMPARE(Adrescontrole::Toelichting({true, true}),
                 "Dit lijkt geen geldig e-mailadres.\nDit adres staat twee keer in de lijst.");
    }

    void overzicht()
    {
        RegelModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.ZetTekst("a\r\nb\r\nc\r\nd\r\n");
        model.ZetTekst("0001  a\r\n\r\nb"); // fewer lines, an empty one, the last without CR LF
        QCOMPARE(model.rowCount(), 3);
        for (const auto& [rij, tekst] : {std::pair{0, "0001  a"}, {1, ""}, {2, "b"}}) {
            QCOMPARE(model.index(rij, 0).data().toString(), tekst);
            QCOMPARE(model.index(rij, 0).data(Qt::AccessibleTextRole).toString(), tekst);
        }
        // The captions above it stand over the group number and the name of its first line.
        QCOMPARE(KolomKoppen("0001  01=(LANGER)  Jan"), "Regel LedenGrNr    Speler");
        QCOMPARE(KolomKoppen(""), "Regel LedenGrNr Speler");
    }

    // The site preview's boxes: with the partner shown, box 1 takes box 0's groups, whatever it holds itself.
    void voorbeeld()
    {
        GroepFrame groepen;
        AfmeldGegevens gegevens;
        gegevens.txtB1 = {"a", "b", "c", "d"};
        groepen.ListH = {"01,X,A,0000001,Lid Een,0", "02,X,B,0000002,Lid Twee,0"};
        const auto vak1 = [&](const char* groep, int partner) {
            groepen.txtB2 = {{{"1"}, {groep}, {"1"}, {"1"}}};
            groepen.chkToonPartner.waarde = partner;
            return MaakSiteVoorbeeld(gegevens, groepen).vakken[1];
        };
        QCOMPARE(vak1("2", 1), vak1("1", 1));
        QVERIFY(vak1("2", 0) != vak1("1", 0));
    }

    // Before the script is written: no members, no script; numbers of more than 6 digits are named.
    void script()
    {
        QTemporaryDir map;
        MeldingRecorder meldingen;
        GroepFrame groepen;
        QCOMPARE(MaakAfmeldScript(map.filePath("hovelink.js"), {}, groepen, {}, meldingen), ScriptUitkomst::GeenLeden);
        QVERIFY(!QFileInfo::exists(map.filePath("hovelink.js")));
        groepen.ListH = {"01,X,A,0123456,Lid 1,0", "01,X,A,1234567,Lid 2,0"};
        QCOMPARE(MaakAfmeldScript(map.filePath("hovelink.js"), {}, groepen, {}, meldingen), ScriptUitkomst::Geschreven);
        QCOMPARE(meldingen.Teksten().mid(0, 2),
                 (QStringList{u"Er wordt g\u00E9\u00E9n scriptbestand aangemaakt want er moeten spelers beschikbaar zijn!"_qs,
                              "Let op: deze leden hebben een lidnummer van meer dan 6 cijfers; de afmeldsite toont hen in "
                              "elk naamvak:\r\nLid 2"}));
        // With the partners shown, each member's partner stands in the member's row; row 0 stays empty.
        QVERIFY(TestPaden::SchrijfBestand(map.filePath("TWKspelers/Parenmap/A1.txt"), "0123456-1234567#\r\n"));
        groepen.cmbPartner = {.items = {"A1"}, .geselecteerd = 0};
        groepen.chkToonPartner.waarde = 1;
        QCOMPARE(AfmeldInvoer({.MapTwk = map.path()}, groepen, {}).partners, (QStringList{"", "1234567", "0123456"}));
        // A header carried over from another moment brings its logo along; when it cannot, the user is told first.
        QTemporaryDir vorige;
        QVERIFY(QImage(2, 2, QImage::Format_RGB32).save(vorige.filePath("000001.png")));
        const QByteArray logo = TestPaden::LeesBestand(vorige.filePath("000001.png"));
        QVERIFY(TestPaden::SchrijfBestand(vorige.filePath(StandaardNaamKop), "logofile=000001.png\r\nlogojn=1\r\n"));
        KopInstellingen kop;
        LeesKop(vorige.path(), StandaardNaamKop, kop);
        for (const bool weg : {false, true}) {
            QTemporaryDir nieuw;
            meldingen.meldingen.clear();
            QVERIFY(!weg || QFile::remove(vorige.filePath("000001.png")));
            QCOMPARE(MaakAfmeldScript(nieuw.filePath("hovelink.js"), {}, groepen, kop, meldingen), ScriptUitkomst::Geschreven);
            QCOMPARE(TestPaden::LeesBestand(nieuw.filePath("000001.png")), weg ? QByteArray() : logo);
            QCOMPARE(meldingen.Teksten().filter("'000001.png'").size(), weg ? 1 : 0);
        }
    }
};

QTEST_GUILESS_MAIN(TstAfmeldregels)
#include "tst_afmeldregels.moc"
