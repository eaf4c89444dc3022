#include "moment/momentinstellingen.h"

#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QTemporaryDir>
#include <QTest>

// Table rows name only the fields they set; GCC 12 warns about the others.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

Q_DECLARE_METATYPE(MomentVenster)
Q_DECLARE_METATYPE(BewaardeMoment)
Q_DECLARE_METATYPE(Afmeldadressen)

namespace {

QString S(const char16_t* tekst) { return QString::fromUtf16(tekst); }

QList<Vinkregel> Rijen(int aantal, const QList<int>& aangevinkt)
{
    QList<Vinkregel> rijen;
    for (int i = 0; i < aantal; ++i)
        rijen.append({QStringLiteral("rij %1").arg(i), aangevinkt.contains(i)});
    return rijen;
}

const QString Crlf = QStringLiteral("\r\n");
const QString Adres1 = QStringLiteral("wedstrijd@bc-troef.nl");
const QString Adres2 = QStringLiteral("secretaris@bc-troef.nl");
const QString Adres3 = QStringLiteral("jan=piet@bc-troef.nl");

Afmeldadressen DrieAdressen()
{
    return {Adres1 + Crlf + Adres2 + Crlf + Adres3 + Crlf,
            {{Adres1, true}, {Adres2, false}, {Adres3, true}},
            0};
}

// The window whose settings tests/data/moment/volledig.ini holds; texts carry blanks that
// writing trims.
MomentVenster VolledigVenster()
{
    return {.cmbVanSleutel = S(u"2025-09-01"),
            .cmbTotIndex = 15,
            .chk1 = 1,
            .chk2 = 0,
            .chkPartnerOok = 1,
            .txtContactPers = S(u"  José de Vries "),
            .txtB2 = {S(u"1"), S(u" 1,2"), S(u"1,3  "), S(u"2,3")},
            .txtEindtijd = S(u"15:30 "),
            .adressen = DrieAdressen(),
            .lstDagen = Rijen(39, {0, 1, 5}),
            .lst1Gekozen = {S(u"1   (Dinsdag A)"), S(u"3 (Vrijdag B)")},
            .cmbPartner = S(u"Dinsdag A"),
            .chkToonPartner = 1};
}

// What reading volledig.ini puts into the window.
MomentVenster GelezenVolledig()
{
    return {.chk2 = 0,
            .txtContactPers = S(u"José de Vries"),
            .txtB2 = {S(u"1"), S(u"1,2"), S(u"1,3"), S(u"2,3")},
            .txtEindtijd = S(u"15:30"),
            .adressen = DrieAdressen()};
}

BewaardeMoment BewaardVolledig()
{
    return {.Startdatum = QDate(2025, 9, 1),
            .TotIndex = 15,
            .BewaardeDagen = S(u"000105"),
            .BewaardeLedenBest = S(u"(Dinsdag A),(Vrijdag B)"),
            .BewaardPartnerbest = S(u"Dinsdag A"),
            .BewaardToonPartner = 1};
}

// The address text that gives the rows of Rijen(aantal, ...).
QString AdresTekst(int aantal)
{
    QString tekst;
    for (const Vinkregel& rij : Rijen(aantal, {}))
        tekst += rij.tekst + QStringLiteral("\r\n");
    return tekst;
}

QList<Vinkregel> Vink(const QStringList& teksten, const QList<int>& aangevinkt)
{
    QList<Vinkregel> rijen;
    for (qsizetype i = 0; i < teksten.size(); ++i)
        rijen.append({teksten.at(i), aangevinkt.contains(int(i))});
    return rijen;
}

Afmeldadressen Adressen(const QString& tekst, const QList<Vinkregel>& rijen)
{
    return {tekst, rijen, rijen.isEmpty() ? -1 : 0};
}

QByteArray Golden(const QString& naam)
{
    return TestPaden::LeesBestand(TestPaden::TestData(S(u"moment/") + naam));
}

// Saved values of an earlier reading, which every reading resets except the two form values.
BewaardeMoment EerderGelezen()
{
    return {.BewaardeDagen = S(u"99"),
            .BewaardeLedenBest = S(u"(Oud)"),
            .BewaardPartnerbest = S(u"Oud"),
            .BewaardToonPartner = 1};
}

} // namespace

class TstMomentInstellingen : public QObject {
    Q_OBJECT
private slots:
    void init();

    // Writing
    void schrijven_data();
    void schrijven();
    void schrijfRegel_data();
    void schrijfRegel();

    // Reading
    void lezen_data();
    void lezen();
    void geenBestand_data();
    void geenBestand();
    void oudeAdresvinkjes_data();
    void oudeAdresvinkjes();

private:
    QByteArray Schrijf(const MomentVenster& venster);

    std::unique_ptr<QTemporaryDir> m_map;
};

void TstMomentInstellingen::init() { m_map = std::make_unique<QTemporaryDir>(); }

QByteArray TstMomentInstellingen::Schrijf(const MomentVenster& venster)
{
    const QString pad = m_map->filePath(S(u"donderdag-avond.ini"));
    const TekstBestand::SchrijfResultaat resultaat = BewaarInstellingen(pad, venster);
    if (!resultaat.ok)
        qWarning("%s", qPrintable(resultaat.fout));
    return resultaat.ok ? TestPaden::LeesBestand(pad) : QByteArray();
}

void TstMomentInstellingen::schrijven_data()
{
    QTest::addColumn<MomentVenster>("venster");
    QTest::addColumn<QString>("golden");
    QTest::newRow("every value set") << VolledigVenster() << S(u"volledig.ini");
    QTest::newRow("window before any choice") << MomentVenster{} << S(u"leeg.ini");
}

void TstMomentInstellingen::schrijven()
{
    QFETCH(MomentVenster, venster);
    QFETCH(QString, golden);
    const QByteArray verwacht = Golden(golden);
    QVERIFY(!verwacht.isEmpty());
    QCOMPARE(Schrijf(venster), verwacht);
}

void TstMomentInstellingen::schrijfRegel_data()
{
    QTest::addColumn<MomentVenster>("venster");
    QTest::addColumn<QByteArray>("verwacht"); // part of the file

    QTest::newRow("row list 000312")
        << MomentVenster{.adressen = Adressen(AdresTekst(13), Rijen(13, {0, 3, 12}))}
        << QByteArray("\r\nactemails=000312\r\n");
    QTest::newRow("dates after row 99 left out")
        << MomentVenster{.lstDagen = Rijen(101, {4, 100})} << QByteArray("\r\ndagen=04\r\n");
    QTest::newRow("group list of two groups")
        << MomentVenster{.lst1Gekozen = {S(u"1 (Dinsdag A)"), S(u"12    (Zaterdag middag)  ")}}
        << QByteArray("\r\nLedenBest=(Dinsdag A),(Zaterdag middag)\r\n");
    QTest::newRow("group row without a blank taken whole")
        << MomentVenster{.lst1Gekozen = {S(u"Losse"), S(u"2 (B)")}}
        << QByteArray("\r\nLedenBest=Losse,(B)\r\n");
    QTest::newRow("contact person trimmed") << MomentVenster{.txtContactPers = S(u"  Jan Smit  ")}
                                            << QByteArray("\r\nContPers=Jan Smit\r\n");
    QTest::newRow("only blanks are trimmed")
        << MomentVenster{.txtContactPers = S(u"\tJan ")} << QByteArray("\r\nContPers=\tJan\r\n");
    QTest::newRow("end time trimmed")
        << MomentVenster{.txtEindtijd = S(u" 09:00")} << QByteArray("\r\neindtijd=09:00\r\n");
    QTest::newRow("address line breaks as ##, then an empty line")
        << MomentVenster{.adressen = Adressen(S(u"a@x.nl\r\n\r\nb@x.nl\r\n"), {})}
        << QByteArray("\r\nEadressen=a@x.nl####b@x.nl##\r\n\r\nactemails=\r\n");
    QTest::newRow("address text kept untrimmed") << MomentVenster{.adressen = Adressen(S(u" a@x.nl "), {})}
        << QByteArray("\r\nEadressen= a@x.nl \r\n\r\n");
    QTest::newRow("partner file untrimmed")
        << MomentVenster{.cmbPartner = S(u" Paren ")} << QByteArray("\r\nPartnerbest= Paren \r\n");
    QTest::newRow("grey check box") << MomentVenster{.chk2 = 2} << QByteArray("\r\nchk2=2\r\n");
    QTest::newRow("nothing selected in cmbTot")
        << MomentVenster{.cmbTotIndex = -1} << QByteArray("\r\nTot=-1\r\n");
    QTest::newRow("Windows-1252 text") << MomentVenster{.txtB2 = {QString(), QString(), S(u"Zoë"), QString()}}
        << QByteArray("\r\ntxtb2c=Zo\xeb\r\n");
    QTest::newRow("character outside the code page")
        << MomentVenster{.txtContactPers = S(u"Łukasz")} << QByteArray("\r\nContPers=?ukasz\r\n");
}

void TstMomentInstellingen::schrijfRegel()
{
    QFETCH(MomentVenster, venster);
    QFETCH(QByteArray, verwacht);
    const QByteArray bytes = Schrijf(venster);
    QVERIFY2(bytes.contains(verwacht), bytes.constData());
    QCOMPARE(bytes.count("\r\n"), 18);
}

void TstMomentInstellingen::lezen_data()
{
    QTest::addColumn<QByteArray>("inhoud");
    QTest::addColumn<MomentVenster>("venster");
    QTest::addColumn<BewaardeMoment>("bewaard");
    QTest::addColumn<int>("kopvakhoVooraf");
    QTest::addColumn<int>("kopvakho");
    QTest::addColumn<int>("meldingen");

    const MomentVenster begin;
    const BewaardeMoment leeg;

    QTest::newRow("golden file") << Golden(S(u"volledig.ini")) << GelezenVolledig()
                                 << BewaardVolledig() << 0 << 100 << 0;
    QTest::newRow("file without addresses read completely") << Golden(S(u"zonderadressen.ini"))
        << MomentVenster{.chk1 = 0,
                         .chkPartnerOok = 0,
                         .txtB2 = {S(u"2"), S(u"2"), S(u"2,3"), S(u"3")},
                         .txtEindtijd = S(u"09:00")}
        << BewaardeMoment{.Startdatum = QDate(2025, 1, 1),
                          .TotIndex = 15,
                          .BewaardeDagen = S(u"0203"),
                          .BewaardeLedenBest = S(u"(Donderdag)")}
        << 0 << 100 << 0;
    QTest::newRow("empty Van= of a window before any choice ends at once")
        << Golden(S(u"leeg.ini")) << begin << leeg << 0 << 0 << 0;

    // Keys
    QTest::newRow("keys in lower case")
        << QByteArray("van=2025-01-01\r\ntot=3\r\nchk2=0\r\ncontpers=Piet\r\ntoonpartner=1\r\n")
        << MomentVenster{.chk2 = 0, .txtContactPers = S(u"Piet")}
        << BewaardeMoment{.Startdatum = QDate(2025, 1, 1), .TotIndex = 3, .BewaardToonPartner = 1}
        << 0 << 0 << 0;
    QTest::newRow("keys in upper case")
        << QByteArray("VAN=2025-02-01\r\nCHKPOOK=0\r\nTXTB2D=4\r\nEINDTIJD=18:35\r\nDAGEN=0003\r\n")
        << MomentVenster{.chkPartnerOok = 0,
                         .txtB2 = {QString(), QString(), QString(), S(u"4")},
                         .txtEindtijd = S(u"18:35")}
        << BewaardeMoment{.Startdatum = QDate(2025, 2, 1), .BewaardeDagen = S(u"0003")} << 0 << 0 << 0;
    QTest::newRow("blank before the key")
        << QByteArray(" chk2=0\r\nchk1=0\r\n") << MomentVenster{.chk1 = 0} << leeg << 0 << 100 << 0;
    QTest::newRow("blank before =") << QByteArray("chk2 =0\r\n") << begin << leeg << 0 << 100 << 0;
    QTest::newRow("value with =") << QByteArray("ContPers=a=b\r\nPartnerbest=x=y\r\n")
                                  << MomentVenster{.txtContactPers = S(u"a=b")}
                                  << BewaardeMoment{.BewaardPartnerbest = S(u"x=y")} << 0 << 0 << 0;
    QTest::newRow("values not trimmed") << QByteArray("txtb2c= 1,3 \r\nLedenBest= (A) \r\n")
        << MomentVenster{.txtB2 = {QString(), QString(), S(u" 1,3 "), QString()}}
        << BewaardeMoment{.BewaardeLedenBest = S(u" (A) ")} << 0 << 0 << 0;
    QTest::newRow("lines ended by LF alone") << QByteArray("chk2=0\nContPers=Piet\n")
        << MomentVenster{.chk2 = 0, .txtContactPers = S(u"Piet")} << leeg << 0 << 0 << 0;
    QTest::newRow("header height already set stays")
        << QByteArray("\r\nonbekend=1\r\n") << begin << leeg << 250 << 250 << 0;
    QTest::newRow("unknown key sets header height")
        << QByteArray("onbekend=1\r\n") << begin << leeg << 0 << 100 << 0;

    // Numbers
    QTest::newRow("Tot -1") << QByteArray("Tot=-1\r\n") << begin << BewaardeMoment{.TotIndex = -1}
                            << 0 << 0 << 0;
    QTest::newRow("grey check box")
        << QByteArray("chk2=2\r\n") << MomentVenster{.chk2 = 2} << leeg << 0 << 0 << 0;
    QTest::newRow("check box 1.5 rounds to even 2")
        << QByteArray("chk1=1.5\r\n") << MomentVenster{.chk1 = 2} << leeg << 0 << 0 << 0;
    QTest::newRow("check box 0.5 rounds to even 0")
        << QByteArray("chk1=0.5\r\n") << MomentVenster{.chk1 = 0} << leeg << 0 << 0 << 0;

    // Addresses
    QTest::newRow("Eadressen before actemails") << QByteArray("Eadressen=a##b##c##\r\n\r\nactemails=0102\r\n")
        << MomentVenster{.adressen = Adressen(S(u"a\r\nb\r\nc\r\n"), Vink({"a", "b", "c"}, {1, 2}))}
        << leeg << 0 << 100 << 0;
    QTest::newRow("000205 restored") << QByteArray("Eadressen=a##b##c##d##e##f##\r\nactemails=000205\r\n")
        << MomentVenster{.adressen = Adressen(S(u"a\r\nb\r\nc\r\nd\r\ne\r\nf\r\n"),
                                              Vink({"a", "b", "c", "d", "e", "f"}, {0, 2, 5}))}
        << leeg << 0 << 0 << 0;
    QTest::newRow("addresses normalised on reading") << QByteArray("Eadressen=a####b\r\n")
        << MomentVenster{.adressen = Adressen(S(u"a\r\nb\r\n"), Vink({"a", "b"}, {}))} << leeg << 0 << 0 << 0;
    QTest::newRow("empty Eadressen read completely")
        << QByteArray("Eadressen=\r\n\r\nactemails=\r\ndagen=0001\r\nLedenBest=(A)\r\nPartnerbest="
                      "A\r\nToonpartner=1\r\n")
        << begin << BewaardeMoment{.BewaardeDagen = S(u"0001"),
                          .BewaardeLedenBest = S(u"(A)"),
                          .BewaardPartnerbest = S(u"A"),
                          .BewaardToonPartner = 1}
        << 0 << 100 << 0;
    QString veel;
    for (int i = 0; i < 101; ++i)
        veel += QStringLiteral("a%1##").arg(i);
    QList<Vinkregel> honderd;
    for (int i = 0; i < 100; ++i)
        honderd.append({QStringLiteral("a%1").arg(i), i == 99});
    QTest::newRow("more than 100 addresses")
        << QByteArray("Eadressen=" + veel.toLatin1() + "\r\nactemails=99\r\nchk1=0\r\n")
        << MomentVenster{.chk1 = 0,
                         .adressen = Adressen(
                             veel.left(veel.indexOf(u"a100")).replace(S(u"##"), S(u"\r\n")),
                             honderd)}
        << leeg << 0 << 0 << 1;
    QTest::newRow("two over-long address lines, one message")
        << QByteArray("Eadressen=" + veel.toLatin1() + "\r\nEadressen=" + veel.toLatin1() + "\r\nchk1=0\r\n")
        << MomentVenster{.chk1 = 0,
                         .adressen = Adressen(
                             veel.left(veel.indexOf(u"a100")).replace(S(u"##"), S(u"\r\n")),
                             QList<Vinkregel>(honderd.begin(), honderd.end() - 1) << Vinkregel{S(u"a99"), false})}
        << leeg << 0 << 0 << 1;

    // Failures end the reading and keep what was read before
    QTest::newRow("Van not a date") << QByteArray("chk2=0\r\nVan=2025-13-01\r\nchk1=0\r\n")
                                    << MomentVenster{.chk2 = 0} << leeg << 0 << 0 << 0;
    QTest::newRow("Van empty") << QByteArray("chk2=0\r\nVan=\r\nchk1=0\r\n")
                               << MomentVenster{.chk2 = 0} << leeg << 0 << 0 << 0;
    QTest::newRow("check box 3")
        << QByteArray("Van=2025-09-01\r\nchk1=0\r\nchk2=3\r\nContPers=x\r\ndagen=01\r\n")
        << MomentVenster{.chk1 = 0} << BewaardeMoment{.Startdatum = QDate(2025, 9, 1)} << 0 << 0 << 0;
    QTest::newRow("check box -1") << QByteArray("chkPook=-1\r\nContPers=x\r\n") << begin << leeg
                                  << 0 << 0 << 0;
    QTest::newRow("actemails row missing") << QByteArray("Eadressen=a##b##\r\nactemails=0102\r\ndagen=05\r\n")
        << MomentVenster{.adressen = Adressen(S(u"a\r\nb\r\n"), Vink({"a", "b"}, {1}))}
        << leeg << 0 << 0 << 0;
    QTest::newRow("actemails before Eadressen")
        << QByteArray("chk2=0\r\nactemails=00\r\nEadressen=a##\r\nchk1=0\r\n")
        << MomentVenster{.chk2 = 0} << leeg << 0 << 0 << 0;
    QTest::newRow("Tot beyond 16 bits") << QByteArray("chk2=0\r\nTot=40000\r\nchk1=0\r\n")
                                        << MomentVenster{.chk2 = 0} << leeg << 0 << 0 << 0;
    QTest::newRow("Toonpartner beyond 16 bits")
        << QByteArray("dagen=00\r\nToonpartner=99999\r\nPartnerbest=P\r\n") << begin
        << BewaardeMoment{.BewaardeDagen = S(u"00")} << 0 << 0 << 0;
    QTest::newRow("check box beyond 16 bits") << QByteArray("chk1=0\r\nchk2=70000\r\n\r\n")
                                              << MomentVenster{.chk1 = 0} << leeg << 0 << 0 << 0;
}

void TstMomentInstellingen::lezen()
{
    QFETCH(QByteArray, inhoud);
    QFETCH(MomentVenster, venster);
    QFETCH(BewaardeMoment, bewaard);
    QFETCH(int, kopvakhoVooraf);
    QFETCH(int, kopvakho);
    QFETCH(int, meldingen);

    const QString pad = m_map->filePath(S(u"donderdag-avond.ini"));
    QVERIFY(TestPaden::SchrijfBestand(pad, inhoud));
    MomentVenster gelezen;
    BewaardeMoment gelezenBewaard = EerderGelezen();
    qint32 hoogte = kopvakhoVooraf;
    MeldingRecorder recorder;

    LeesInstellingen(pad, gelezen, gelezenBewaard, hoogte, recorder);

    QVERIFY(gelezen == venster);
    QVERIFY(gelezenBewaard == bewaard);
    QCOMPARE(hoogte, kopvakho);
    QCOMPARE(recorder.meldingen.size(), meldingen);
}

void TstMomentInstellingen::geenBestand_data()
{
    QTest::addColumn<bool>("map");
    QTest::newRow("missing file") << false;
    QTest::newRow("a folder with the file's name") << true;
}

void TstMomentInstellingen::geenBestand()
{
    QFETCH(bool, map);
    const QString pad = m_map->filePath(S(u"donderdag-avond.ini"));
    if (map)
        QVERIFY(QDir().mkpath(pad));
    MomentVenster venster;
    BewaardeMoment bewaard = EerderGelezen();
    bewaard.Startdatum = QDate(2024, 9, 1);
    bewaard.TotIndex = 7;
    qint32 kopvakho = 0;
    MeldingRecorder recorder;

    LeesInstellingen(pad, venster, bewaard, kopvakho, recorder);

    QVERIFY(venster == MomentVenster{});
    QVERIFY((bewaard == BewaardeMoment{.Startdatum = QDate(2024, 9, 1), .TotIndex = 7}));
    QCOMPARE(kopvakho, 0);
    QVERIFY(recorder.meldingen.isEmpty());
}

// Ticks of address rows that the stored address text no longer gives: the window keeps them
// when the user empties the address box, and a file holding them would end the next reading
// before the dates, groups and partner file.
void TstMomentInstellingen::oudeAdresvinkjes_data()
{
    QTest::addColumn<Afmeldadressen>("adressen");
    QTest::addColumn<QByteArray>("actemails"); // the line as written
    QTest::addColumn<QList<Vinkregel>>("terug"); // the address rows after reading it again
    const QStringList ab{S(u"a@x.nl"), S(u"b@x.nl")};
    QTest::newRow("box emptied, old rows ticked")
        << Afmeldadressen{QString(), Vink(ab, {0, 1}), 0} << QByteArray("actemails=\r\n") << QList<Vinkregel>();
    QTest::newRow("box of blanks, old rows ticked")
        << Afmeldadressen{S(u"   "), Vink(ab, {1}), 0} << QByteArray("actemails=\r\n") << QList<Vinkregel>();
    QTest::newRow("text shorter than the rows")
        << Afmeldadressen{S(u"a@x.nl\r\n"), Vink(ab, {0, 1}), 0} << QByteArray("actemails=00\r\n")
        << Vink({ab.at(0)}, {0});
    QTest::newRow("text and rows agree") << Afmeldadressen{S(u"a@x.nl\r\n\r\nb@x.nl\r\n"), Vink(ab, {1}), 0}
                                         << QByteArray("actemails=01\r\n") << Vink(ab, {1});
}

void TstMomentInstellingen::oudeAdresvinkjes()
{
    QFETCH(Afmeldadressen, adressen);
    QFETCH(QByteArray, actemails);
    QFETCH(QList<Vinkregel>, terug);
    const QByteArray bytes = Schrijf(MomentVenster{.cmbVanSleutel = S(u"2025-09-01"),
                                                   .adressen = adressen,
                                                   .lstDagen = Vink({S(u"d0"), S(u"d1")}, {1}),
                                                   .lst1Gekozen = {S(u"1  (A1)")},
                                                   .cmbPartner = S(u"A1"),
                                                   .chkToonPartner = 1});
    QVERIFY(bytes.contains("\r\n" + actemails));

    MomentVenster gelezen;
    BewaardeMoment bewaard;
    qint32 kopvakho = 0;
    MeldingRecorder meldingen;
    LeesInstellingen(m_map->filePath(S(u"donderdag-avond.ini")), gelezen, bewaard, kopvakho, meldingen);
    QCOMPARE(gelezen.adressen.lstActEmails, terug);
    // Read to the end: what follows the addresses is back.
    QCOMPARE(bewaard.BewaardeDagen, S(u"01"));
    QCOMPARE(bewaard.BewaardeLedenBest, S(u"(A1)"));
    QCOMPARE(bewaard.BewaardPartnerbest, S(u"A1"));
    QCOMPARE(bewaard.BewaardToonPartner, qint16(1));
    QVERIFY(meldingen.meldingen.isEmpty());
}

QTEST_GUILESS_MAIN(TstMomentInstellingen)
#include "tst_momentinstellingen.moc"
