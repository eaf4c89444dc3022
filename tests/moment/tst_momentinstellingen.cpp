#include "moment/momentinstellingen.h"
#include "support/meldingrecorder.h"
#include "support/tabel.h"
#include "support/testpaden.h"

#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(MomentVenster)

namespace {

QList<Vinkregel> Vink(const QStringList& teksten, const QList<int>& aangevinkt)
{
    QList<Vinkregel> rijen;
    for (qsizetype i = 0; i < teksten.size(); ++i)
        rijen.append({teksten.at(i), aangevinkt.contains(int(i))});
    return rijen;
}

QByteArray Golden(const char* naam) { return TestPaden::LeesBestand(TestPaden::TestData("moment/" + QString(naam))); }

const QStringList kDrie{"wedstrijd@bc-troef.nl", "secretaris@bc-troef.nl", "jan=piet@bc-troef.nl"};
const Afmeldadressen kAdressen{kDrie.join("\r\n") + "\r\n", Vink(kDrie, {0, 2}), 0};

// Values of an earlier reading, which every reading resets except the first month and Tot.
const BewaardeMoment kEerder{.BewaardeDagen = "99", .BewaardeLedenBest = "(Oud)", .BewaardPartnerbest = "Oud", .BewaardToonPartner = 1};

// The file (null: none) and what reading it gives.
struct LeesRij {
    QByteArray inhoud;
    MomentVenster venster;
    BewaardeMoment bewaard;
    int kopvakho = 0; // 100 when a line is passed over, as the empty one after the addresses
    int meldingen = 0;
};

} // namespace

class TstMomentInstellingen : public QObject {
    Q_OBJECT
private slots:
    void init() { m_map = std::make_unique<QTemporaryDir>(); }

    void schrijven_data()
    {
        QTest::addColumn<MomentVenster>("venster");
        QTest::addColumn<QByteArray>("golden");
        QTest::newRow("every value set, blanks trimmed")
            << MomentVenster{.cmbVanSleutel = "2025-09-01", .cmbTotIndex = 15, .chk1 = 1, .chk2 = 0, .chkPartnerOok = 1, .txtContactPers = u"  José de Vries "_qs, .txtB2 = {"1", " 1,2", "1,3  ", "2,3"}, .txtEindtijd = "15:30 ", .adressen = kAdressen, .lstDagen = Vink(QStringList(39), {0, 1, 5}), .lst1Gekozen = {"1   (Dinsdag A)", "3 (Vrijdag B)"}, .cmbPartner = "Dinsdag A", .chkToonPartner = 1}
            << Golden("volledig.ini");
        QTest::newRow("window before any choice") << MomentVenster{} << Golden("leeg.ini");
    }
    void schrijven()
    {
        QFETCH(MomentVenster, venster);
        QFETCH(QByteArray, golden);
        QVERIFY(BewaarInstellingen(Pad(), venster).gelukt());
        QCOMPARE(TestPaden::LeesBestand(Pad()), golden);
    }

    void lezen_data()
    {
        RijKolom<LeesRij>();
        QTest::newRow("volledig.ini") << LeesRij{.inhoud = Golden("volledig.ini"), .venster = {.chk2 = 0, .txtContactPers = u"José de Vries"_qs, .txtB2 = {"1", "1,2", "1,3", "2,3"}, .txtEindtijd = "15:30", .adressen = kAdressen}, .bewaard = {.Startdatum = QDate(2025, 9, 1), .TotIndex = 15, .BewaardeDagen = "000105", .BewaardeLedenBest = "(Dinsdag A),(Vrijdag B)", .BewaardPartnerbest = "Dinsdag A", .BewaardToonPartner = 1}, .kopvakho = 100};
        QTest::newRow("zonderadressen.ini, read completely") << LeesRij{.inhoud = Golden("zonderadressen.ini"), .venster = {.chk1 = 0, .chkPartnerOok = 0, .txtB2 = {"2", "2", "2,3", "3"}, .txtEindtijd = "09:00"}, .bewaard = {.Startdatum = QDate(2025, 1, 1), .TotIndex = 15, .BewaardeDagen = "0203", .BewaardeLedenBest = "(Donderdag)"}, .kopvakho = 100};
        QTest::newRow("leeg.ini: empty Van= ends at once") << LeesRij{.inhoud = Golden("leeg.ini")};
        QTest::newRow("no file") << LeesRij{};
        QTest::newRow("keys in any case, LF alone") << LeesRij{.inhoud = "van=2025-01-01\nTOT=3\r\nChk2=0\r\ncontpers=Piet\r\ntoonpartner=1\r\n", .venster = {.chk2 = 0, .txtContactPers = "Piet"}, .bewaard = {.Startdatum = QDate(2025, 1, 1), .TotIndex = 3, .BewaardToonPartner = 1}};
        QTest::newRow("addresses normalised, then their ticks") << LeesRij{.inhoud = "Eadressen=a####b##c\r\n\r\nactemails=0102\r\n", .venster = {.adressen = {"a\r\nb\r\nc\r\n", Vink({"a", "b", "c"}, {1, 2}), 0}}, .kopvakho = 100};
        QString veel;
        for (int i = 0; i < 101; ++i)
            veel += QStringLiteral("a%1##").arg(i);
        QStringList honderd = veel.split("##").mid(0, 100);
        QTest::newRow("two lines of over 100 addresses, one message") << LeesRij{.inhoud = ("Eadressen=" + veel + "\r\nEadressen=" + veel + "\r\nchk1=0\r\n").toLatin1(), .venster = {.chk1 = 0, .adressen = {honderd.join("\r\n") + "\r\n", Vink(honderd, {}), 0}}, .meldingen = 1};
        // A wrong value ends the reading and keeps what was read before.
        QTest::newRow("Van not a date") << LeesRij{.inhoud = "chk2=0\r\nVan=2025-13-01\r\nchk1=0\r\n", .venster = {.chk2 = 0}};
        QTest::newRow("check box 3") << LeesRij{.inhoud = "Van=2025-09-01\r\nchk1=0\r\nchk2=3\r\nContPers=x\r\n", .venster = {.chk1 = 0}, .bewaard = {.Startdatum = QDate(2025, 9, 1)}};
        QTest::newRow("actemails beyond the rows") << LeesRij{.inhoud = "Eadressen=a##b##\r\nactemails=0102\r\ndagen=05\r\n", .venster = {.adressen = {"a\r\nb\r\n", Vink({"a", "b"}, {1}), 0}}};
    }
    void lezen()
    {
        const auto& [inhoud, venster, bewaard, kopvakho, meldingen] = DezeRij<LeesRij>();
        QVERIFY(inhoud.isNull() || TestPaden::SchrijfBestand(Pad(), inhoud));
        MomentVenster gelezen;
        BewaardeMoment gelezenBewaard = kEerder;
        qint32 hoogte = 0;
        MeldingRecorder recorder;
        LeesInstellingen(Pad(), gelezen, gelezenBewaard, hoogte, recorder);
        QVERIFY(gelezen == venster);
        QVERIFY(gelezenBewaard == bewaard);
        QCOMPARE(hoogte, kopvakho);
        QCOMPARE(recorder.meldingen.size(), meldingen);
    }

    // Ticks of rows of an emptied address box once ended the next reading early.
    void oudeAdresvinkjes()
    {
        QVERIFY(BewaarInstellingen(Pad(), {.cmbVanSleutel = "2025-09-01",
                                           .adressen = {"", Vink({"a@x.nl", "b@x.nl"}, {0, 1}), 0},
                                           .lstDagen = Vink({"d0", "d1"}, {1}),
                                           .lst1Gekozen = {"1  (A1)"},
                                           .cmbPartner = "A1",
                                           .chkToonPartner = 1})
                    .gelukt());
        MomentVenster gelezen;
        BewaardeMoment bewaard;
        qint32 kopvakho = 0;
        MeldingRecorder meldingen;
        LeesInstellingen(Pad(), gelezen, bewaard, kopvakho, meldingen);
        QVERIFY(gelezen.adressen.lstActEmails.isEmpty());
        QVERIFY((bewaard == BewaardeMoment{.Startdatum = QDate(2025, 9, 1), .TotIndex = -1, .BewaardeDagen = "01", .BewaardeLedenBest = "(A1)", .BewaardPartnerbest = "A1", .BewaardToonPartner = 1}));
    }

private:
    QString Pad() const { return m_map->filePath("donderdag-avond.ini"); }
    std::unique_ptr<QTemporaryDir> m_map;
};

QTEST_GUILESS_MAIN(TstMomentInstellingen)
#include "tst_momentinstellingen.moc"
