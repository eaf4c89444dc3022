#include "calendar/kalendertekst.h"
#include "calendar/seizoenkalender.h"
#include "support/meldingrecorder.h"

#include <QTest>

// The calendar as the window shows it, the 40 blanks before each key written as "|".
static QString Beeld(const Seizoenkalender& k, int vragen)
{
    const KalenderStaat& s = k.Staat();
    const auto b = [](bool x) { return QString::number(int(x)); };
    QStringList d{s.cmbVan.regels.value(0), s.cmbTot.regels.value(15),
                  QStringLiteral("%1/%2").arg(s.cmbVan.regels.size()).arg(s.cmbTot.regels.size()),
                  u"van"_qs + k.VanSleutel(), u"tot"_qs + QString::number(s.cmbTot.index),
                  u"aan"_qs + b(s.cmbVan.ingeschakeld) + b(s.cmbTot.ingeschakeld) + b(s.cmdMaakDatums),
                  u"wijz"_qs + b(s.chkWijzData), u"dagen"_qs + QString::number(s.lstDagen.size())};
    if (!s.lstDagen.isEmpty())
        d << s.lstDagen.first().tekst << KalenderTekst::DatumVanRegel(s.lstDagen.last().tekst);
    d << u"vink"_qs + k.AangevinkteDatums().join(u',') << u"rij"_qs + QString::number(s.lstDagenHuidig)
      << u"sel"_qs + b(s.cmdSelect) + b(s.cmdDeselect) << u"vragen"_qs + QString::number(vragen);
    return d.join(u' ').replace(QString(40, u' '), u"|"_qs);
}

class TstKalender : public QObject {
    Q_OBJECT
private slots:
    void kalender_data();
    void kalender();
};

void TstKalender::kalender_data()
{
    QTest::addColumn<QString>("speeldag");
    QTest::addColumn<QDate>("vandaag");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("bewaard");
    QTest::addColumn<QString>("acties");
    QTest::addColumn<QString>("beeld");
    const QString don = u"donderdag-avond"_qs;
    const QDate jan2(2025, 1, 2), mrt15(2025, 3, 15), sep1(2024, 9, 1), jan20(2025, 1, 20);
    const QString opgeslagen = u"september 2024|2024-09-01 december 2025|2025-12-01 16/16 van2024-09-01 tot15 "
                               "aan000 wijz0 dagen69 donderdag-avond 5 september 2024|20240905 20251225 "
                               "vink20240905,20240926,20241128 rij0 sel11 vragen"_qs;
    const QString vanMaart = u"maart 2025|2025-03-01 juni 2026|2026-06-01 16/16 van2025-03-01 tot15 aan111 wijz1 "
                             "dagen0 vink rij-1 sel00 vragen"_qs;
    QTest::newRow("nothing stored: unlocked, 16 months of Thursdays") << don << jan2 << QDate() << ""
                                                                      << ""
                                                                      << "januari 2025|2025-01-01 april 2026|2026-04-01 16/16 van2025-01-01 tot15 aan111 wijz0 dagen70 "
                                                                         "donderdag-avond 2 januari 2025|20250102 20260430 vink rij0 sel11 vragen0";
    QTest::newRow("31 January: February not skipped") << don << QDate(2025, 1, 31) << QDate() << ""
                                                      << "tot1 maak"
                                                      << "januari 2025|2025-01-01 april 2026|2026-04-01 16/16 van2025-01-01 tot1 aan111 wijz0 dagen9 "
                                                         "donderdag-avond 2 januari 2025|20250102 20250227 vink rij0 sel11 vragen0";
    QTest::newRow("stored rows ticked in any order, locked") << don << mrt15 << sep1 << "12000399"
                                                             << "" << opgeslagen + u'0';
    QTest::newRow("Data wijzigen, Annuleren") << don << mrt15 << sep1 << "12000399"
                                              << "annuleer" << opgeslagen + u'1';
    QTest::newRow("Data wijzigen, OK: months from today") << don << mrt15 << sep1 << "12000399"
                                                          << "ok" << vanMaart + u'1';
    QTest::newRow("opened again after OK") << don << mrt15 << sep1 << "12000399"
                                           << "ok open" << opgeslagen + u'1';
    QTest::newRow("nothing ticked: no question") << don << mrt15 << sep1 << "12000399"
                                                 << "niets ok" << vanMaart + u'0';
    QTest::newRow("Data wijzigen unticked locks; Friday the last") << u"vrijdag-middag"_qs << QDate(2025, 2, 3) << QDate() << ""
                                                                   << "uit tot0 maak vink1"
                                                                   << "februari 2025|2025-02-01 mei 2026|2026-05-01 16/16 van2025-02-01 tot0 aan000 wijz0 dagen4 "
                                                                      "vrijdag-middag 7 februari 2025|20250207 20250228 vink20250214 rij0 sel11 vragen0";
    QTest::newRow("a month chosen, then Maak") << u"dinsdag-avond"_qs << jan20 << QDate() << ""
                                               << "alles van1 tot1 maak"
                                               << "januari 2025|2025-01-01 april 2026|2026-04-01 16/16 van2025-02-01 tot1 aan111 wijz0 dagen4 "
                                                  "dinsdag-avond 4 februari 2025|20250204 20250225 vink rij0 sel11 vragen0";
    QTest::newRow("a month chosen: dates and ticks gone") << don << jan20 << QDate() << ""
                                                          << "alles van2"
                                                          << "januari 2025|2025-01-01 april 2026|2026-04-01 16/16 van2025-03-01 tot15 aan111 wijz0 dagen0 vink rij-1 sel00 vragen0";
    QTest::newRow("Selecteer alles; rows outside ignored") << u"zaterdag-morgen"_qs << QDate(2025, 3, 10) << QDate()
                                                           << ""
                                                           << "tot0 maak vink1 rij3 vink5 rij5 alles rij5"
                                                           << "maart 2025|2025-03-01 juni 2026|2026-06-01 16/16 van2025-03-01 tot0 aan111 wijz0 dagen5 zaterdag-morgen "
                                                              "1 maart 2025|20250301 20250329 vink20250301,20250308,20250315,20250322,20250329 rij0 sel11 vragen0";
    QTest::newRow("capitals; Sunday the first") << u"Zondag-Middag"_qs << QDate(2025, 6, 30) << QDate() << ""
                                                << "tot0 maak"
                                                << "juni 2025|2025-06-01 september 2026|2026-09-01 16/16 van2025-06-01 tot0 aan111 wijz0 dagen5 "
                                                   "Zondag-Middag 1 juni 2025|20250601 20250629 vink rij0 sel11 vragen0";
    QTest::newRow("first month after the last") << don << jan20 << QDate() << ""
                                                << "van3 tot1 maak"
                                                << "januari 2025|2025-01-01 april 2026|2026-04-01 16/16 van2025-04-01 tot1 aan111 wijz0 dagen0 vink "
                                                   "rij-1 sel00 vragen0";
}

void TstKalender::kalender()
{
    QFETCH(QString, speeldag);
    QFETCH(QDate, vandaag);
    QFETCH(QDate, start);
    QFETCH(QString, bewaard);
    QFETCH(QString, acties);
    QFETCH(QString, beeld);
    Seizoenkalender k(speeldag, [vandaag] { return vandaag; });
    k.Open(start, bewaard);
    MeldingRecorder m;
    for (const QString& a : acties.split(u' ', Qt::SkipEmptyParts)) {
        const int n = a.mid(3).toInt();
        if (a == u"open")
            k.Open(start, bewaard);
        else if (a == u"maak")
            k.cmdMaakDatums_Click();
        else if (a == u"alles" || a == u"niets")
            a == u"alles" ? k.cmdSelect_Click() : k.cmdDeselect_Click();
        else if (a == u"ok" || a == u"annuleer" || a == u"uit") {
            m.ZetVolgendAntwoord(a == u"ok" ? Meldingen::Antwoord::Ok : Meldingen::Antwoord::Annuleren);
            k.chkWijzData_Click(a != u"uit", m);
        } else if (a.startsWith(u"van"))
            k.cmbVan_Click(n);
        else if (a.startsWith(u"tot"))
            k.cmbTot_Click(n);
        else
            a.startsWith(u"rij") ? k.ZetHuidigeRij(n) : k.ZetVinkje(a.mid(4).toInt(), true);
    }
    QCOMPARE(Beeld(k, int(m.meldingen.size())), beeld);
    for (const MeldingRecorder::Melding& v : m.meldingen)
        QCOMPARE(v.titel + v.tekst, u"Datums wijzigen?Als u deze maanden wilt wijzigen worden alle bestaande speeldagen verwijderd!"
                                    "\r\nU zult dan opnieuw de juiste selecties moeten maken en uploaden!\r\n\r\nWilt u doorgaan!\r\n"_qs);
}

QTEST_GUILESS_MAIN(TstKalender)
#include "tst_kalender.moc"
