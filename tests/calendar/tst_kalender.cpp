#include "calendar/kalendertekst.h"
#include "calendar/seizoenkalender.h"
#include "support/meldingrecorder.h"
#include "support/tabel.h"

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

// The play moment, today, the stored first month and ticked rows, what the user does, and the calendar then.
struct Rij {
    QString speeldag;
    QDate vandaag, start;
    QString bewaard, acties, beeld;
};

class TstKalender : public QObject {
    Q_OBJECT
private slots:
    void kalender_data();
    void kalender();
};

void TstKalender::kalender_data()
{
    RijKolom<Rij>();
    const QString don = u"donderdag-avond"_qs;
    const QDate jan2(2025, 1, 2), mrt15(2025, 3, 15), sep1(2024, 9, 1), jan20(2025, 1, 20);
    const QString opgeslagen = u"september 2024|2024-09-01 december 2025|2025-12-01 16/16 van2024-09-01 tot15 "
                               "aan000 wijz0 dagen69 donderdag-avond 5 september 2024|20240905 20251225 "
                               "vink20240905,20240926,20241128 rij0 sel11 vragen"_qs;
    const QString vanMaart = u"maart 2025|2025-03-01 juni 2026|2026-06-01 16/16 van2025-03-01 tot15 aan111 wijz1 "
                             "dagen0 vink rij-1 sel00 vragen"_qs;
    QTest::newRow("nothing stored: unlocked, 16 months of Thursdays") << Rij{.speeldag = don, .vandaag = jan2, .beeld = "januari 2025|2025-01-01 april 2026|2026-04-01 16/16 van2025-01-01 tot15 aan111 wijz0 dagen70 donderdag-avond 2 januari 2025|20250102 20260430 vink rij0 sel11 vragen0"};
    QTest::newRow("31 January: February not skipped") << Rij{.speeldag = don, .vandaag = QDate(2025, 1, 31), .acties = "tot1 maak", .beeld = "januari 2025|2025-01-01 april 2026|2026-04-01 16/16 van2025-01-01 tot1 aan111 wijz0 dagen9 donderdag-avond 2 januari 2025|20250102 20250227 vink rij0 sel11 vragen0"};
    QTest::newRow("stored rows ticked in any order, locked") << Rij{.speeldag = don, .vandaag = mrt15, .start = sep1, .bewaard = "12000399", .beeld = opgeslagen + u'0'};
    QTest::newRow("Data wijzigen, Annuleren") << Rij{.speeldag = don, .vandaag = mrt15, .start = sep1, .bewaard = "12000399", .acties = "annuleer", .beeld = opgeslagen + u'1'};
    QTest::newRow("Data wijzigen, OK: months from today") << Rij{.speeldag = don, .vandaag = mrt15, .start = sep1, .bewaard = "12000399", .acties = "ok", .beeld = vanMaart + u'1'};
    QTest::newRow("opened again after OK") << Rij{.speeldag = don, .vandaag = mrt15, .start = sep1, .bewaard = "12000399", .acties = "ok open", .beeld = opgeslagen + u'1'};
    QTest::newRow("nothing ticked: no question") << Rij{.speeldag = don, .vandaag = mrt15, .start = sep1, .bewaard = "12000399", .acties = "niets ok", .beeld = vanMaart + u'0'};
    QTest::newRow("Data wijzigen unticked locks; Friday the last") << Rij{.speeldag = u"vrijdag-middag"_qs, .vandaag = QDate(2025, 2, 3), .acties = "uit tot0 maak vink1", .beeld = "februari 2025|2025-02-01 mei 2026|2026-05-01 16/16 van2025-02-01 tot0 aan000 wijz0 dagen4 vrijdag-middag 7 februari 2025|20250207 20250228 vink20250214 rij0 sel11 vragen0"};
    QTest::newRow("a month chosen, then Maak") << Rij{.speeldag = u"dinsdag-avond"_qs, .vandaag = jan20, .acties = "alles van1 tot1 maak", .beeld = "januari 2025|2025-01-01 april 2026|2026-04-01 16/16 van2025-02-01 tot1 aan111 wijz0 dagen4 dinsdag-avond 4 februari 2025|20250204 20250225 vink rij0 sel11 vragen0"};
    QTest::newRow("a month chosen: dates and ticks gone") << Rij{.speeldag = don, .vandaag = jan20, .acties = "alles van2", .beeld = "januari 2025|2025-01-01 april 2026|2026-04-01 16/16 van2025-03-01 tot15 aan111 wijz0 dagen0 vink rij-1 sel00 vragen0"};
    QTest::newRow("Selecteer alles; rows outside ignored") << Rij{.speeldag = u"zaterdag-morgen"_qs, .vandaag = QDate(2025, 3, 10), .acties = "tot0 maak vink1 rij3 vink5 rij5 alles rij5", .beeld = "maart 2025|2025-03-01 juni 2026|2026-06-01 16/16 van2025-03-01 tot0 aan111 wijz0 dagen5 zaterdag-morgen 1 maart 2025|20250301 20250329 vink20250301,20250308,20250315,20250322,20250329 rij0 sel11 vragen0"};
    QTest::newRow("capitals; Sunday the first") << Rij{.speeldag = u"Zondag-Middag"_qs, .vandaag = QDate(2025, 6, 30), .acties = "tot0 maak", .beeld = "juni 2025|2025-06-01 september 2026|2026-09-01 16/16 van2025-06-01 tot0 aan111 wijz0 dagen5 Zondag-Middag 1 juni 2025|20250601 20250629 vink rij0 sel11 vragen0"};
    QTest::newRow("first month after the last") << Rij{.speeldag = don, .vandaag = jan20, .acties = "van3 tot1 maak", .beeld = "januari 2025|2025-01-01 april 2026|2026-04-01 16/16 van2025-04-01 tot1 aan111 wijz0 dagen0 vink rij-1 sel00 vragen0"};
}

void TstKalender::kalender()
{
    const auto& [speeldag, vandaag, start, bewaard, acties, beeld] = DezeRij<Rij>();
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
