#include "calendar/seizoenkalender.h"

#include "calendar/kalendertekst.h"
#include "common/meldingen.h"
#include "common/tekst.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int AantalMaanden = 16;

QDate GekozenMaand(const Maandlijst& lijst)
{
    return QDate::fromString(KalenderTekst::MaandSleutel(lijst.regels.value(lijst.index)),
                             Qt::ISODate);
}

} // namespace

Seizoenkalender::Seizoenkalender(QString speeldag, Vandaag vandaag)
    : m_speeldag(std::move(speeldag)), m_vandaag(std::move(vandaag))
{
}

void Seizoenkalender::Open(const QDate& startdatum, const QString& bewaardeDagen)
{
    m_staat = KalenderStaat{};
    m_staat.Startdatum = startdatum;
    ZetSelectieKnoppen();
    VulMaanden();
    cmdMaakDatums_Click();
    if (bewaardeDagen.isEmpty()) {
        ZetMaandenIngeschakeld(true);
        return;
    }
    for (const int positie : Rijlijst::Lees(bewaardeDagen))
        ZetVinkje(positie, true);
    ZetHuidigeRij(0);
    ZetMaandenIngeschakeld(false);
}

void Seizoenkalender::VulMaanden()
{
    m_staat.cmbVan.regels.clear();
    m_staat.cmbTot.regels.clear();
    const QDate begin = m_staat.Startdatum.isNull() ? m_vandaag() : m_staat.Startdatum;
    for (int i = 0; i < AantalMaanden; ++i) {
        const QString regel = KalenderTekst::MaandRegel(begin.addMonths(i));
        m_staat.cmbVan.regels.append(regel);
        m_staat.cmbTot.regels.append(regel);
    }
    cmbVan_Click(0);
    cmbTot_Click(AantalMaanden - 1);
}

void Seizoenkalender::cmbVan_Click(int index)
{
    m_staat.cmbVan.index = index;
    LeegDagen();
    ZetSelectieKnoppen();
}

void Seizoenkalender::cmbTot_Click(int index)
{
    m_staat.cmbTot.index = index;
    LeegDagen();
    ZetSelectieKnoppen();
}

void Seizoenkalender::MaakDatums()
{
    LeegDagen();
    const QDate van = GekozenMaand(m_staat.cmbVan);
    const QDate totMaand = GekozenMaand(m_staat.cmbTot);
    if (!van.isValid() || !totMaand.isValid())
        return;
    const QDate eind = totMaand.addMonths(1).addDays(-1);

    const QString woord = KalenderTekst::Weekdagwoord(m_speeldag);
    QDate eerste = van;
    for (int d = 0; d < 7; ++d) {
        if (KalenderTekst::LangeDatum(van.addDays(d)).toUpper().startsWith(woord)) {
            eerste = van.addDays(d);
            break;
        }
    }

    const auto stappen = static_cast<int>(std::floor(m_staat.MaxMaanden * 4.5));
    for (int w = 0; w <= stappen; ++w) {
        const QDate dag = eerste.addDays(7 * w);
        if (dag > eind)
            break;
        m_staat.lstDagen.append({KalenderTekst::DatumRegel(m_speeldag, dag), false});
    }
    ZetHuidigeRij(0);
}

void Seizoenkalender::cmdMaakDatums_Click()
{
    MaakDatums();
    ZetSelectieKnoppen();
}

void Seizoenkalender::cmdSelect_Click()
{
    for (Vinkregel& regel : m_staat.lstDagen)
        regel.aangevinkt = true;
    ZetHuidigeRij(0);
}

void Seizoenkalender::cmdDeselect_Click()
{
    for (Vinkregel& regel : m_staat.lstDagen)
        regel.aangevinkt = false;
    ZetHuidigeRij(0);
}

void Seizoenkalender::ZetSelectieKnoppen()
{
    const bool heeftDagen = !m_staat.lstDagen.isEmpty();
    m_staat.cmdSelect = heeftDagen;
    m_staat.cmdDeselect = heeftDagen;
}

void Seizoenkalender::ZetVinkje(int rij, bool aangevinkt)
{
    if (rij >= 0 && rij < m_staat.lstDagen.size())
        m_staat.lstDagen[rij].aangevinkt = aangevinkt;
}

void Seizoenkalender::ZetHuidigeRij(int rij)
{
    if (rij >= 0 && rij < m_staat.lstDagen.size())
        m_staat.lstDagenHuidig = rij;
}

void Seizoenkalender::chkWijzData_Click(bool aangevinkt, Meldingen& meldingen)
{
    m_staat.chkWijzData = aangevinkt;
    if (aangevinkt && HeeftVinkjes()) {
        const QString vraag =
            QStringLiteral("Als u deze maanden wilt wijzigen worden alle bestaande speeldagen "
                           "verwijderd!") +
            Tekst::CrLf +
            QStringLiteral("U zult dan opnieuw de juiste selecties moeten maken en uploaden!") +
            Tekst::CrLf + Tekst::CrLf + QStringLiteral("Wilt u doorgaan!") + Tekst::CrLf;
        if (meldingen.Toon(vraag, Meldingen::Pictogram::Uitroep, Meldingen::Knoppen::OkAnnuleren,
                           QStringLiteral("Datums wijzigen?")) == Meldingen::Antwoord::Annuleren) {
            chkWijzData_Click(false, meldingen);
            return;
        }
    }
    if (aangevinkt) {
        m_staat.Startdatum = QDate();
        VulMaanden();
    }
    ZetMaandenIngeschakeld(aangevinkt);
}

QString Seizoenkalender::VanSleutel() const
{
    return KalenderTekst::MaandSleutel(m_staat.cmbVan.regels.value(m_staat.cmbVan.index));
}

QStringList Seizoenkalender::AangevinkteDatums() const
{
    QStringList datums;
    for (const Vinkregel& regel : m_staat.lstDagen) {
        if (regel.aangevinkt)
            datums.append(KalenderTekst::DatumVanRegel(regel.tekst));
    }
    return datums;
}

void Seizoenkalender::LeegDagen()
{
    m_staat.lstDagen.clear();
    m_staat.lstDagenHuidig = -1;
}

void Seizoenkalender::ZetMaandenIngeschakeld(bool aan)
{
    m_staat.cmbVan.ingeschakeld = aan;
    m_staat.cmbTot.ingeschakeld = aan;
    m_staat.cmdMaakDatums = aan;
}

bool Seizoenkalender::HeeftVinkjes() const
{
    return std::any_of(m_staat.lstDagen.cbegin(), m_staat.lstDagen.cend(),
                       [](const Vinkregel& regel) { return regel.aangevinkt; });
}
