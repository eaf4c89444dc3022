#include "moment/groepvakken.h"

#include "common/meldingen.h"
#include "common/tekst.h"
#include "members/ledenlijst.h"
#include "members/partnerbestand.h"

#include <QDir>

QString KeuzeLijst::Tekst() const
{
    return geselecteerd >= 0 && geselecteerd < items.size() ? items.at(geselecteerd) : QString();
}

Groepvakken::Groepvakken(QString MapTwk, BewaardeGroepkeuze bewaard, Meldingen& meldingen)
    : m_mapTwk(std::move(MapTwk)), m_bewaard(std::move(bewaard)), m_meldingen(meldingen) {}

void Groepvakken::LeesGroepen(const QString& BestandSpelers)
{
    LeesGroepen(BestandSpelers, LeesLedenbestand(BestandSpelers));
}

void Groepvakken::LeesGroepen(const QString& BestandSpelers, Ledenbestand leden)
{
    m_leden = std::move(leden);
    m_volgorde = LedenVolgorde();
    // Without this the user sees an empty group list and, much later, only that the
    // boxes need group numbers.
    if (!m_leden.gelezen)
        m_meldingen.Toon(QStringLiteral("Het ledenbestand van Tafelwerk kon niet worden gelezen:") + Tekst::CrLf +
                             QDir::toNativeSeparators(BestandSpelers) + Tekst::CrLf + Tekst::CrLf +
                             QStringLiteral("Controleer de regel SPEMAP= in Mappen.ini."),
                         Meldingen::Pictogram::Uitroep);
    m_frame.lst1 = ::LeesGroepen(m_leden, m_meldingen);
}

void Groepvakken::ZetGroep(qsizetype rij, bool aangevinkt)
{
    if (rij < 0 || rij >= m_frame.lst1.rijen.size())
        return;
    m_frame.lst1.rijen[rij].aangevinkt = aangevinkt;
    lst1_Click();
}

void Groepvakken::lst1_Click()
{
    m_frame.cmbPartner.items.clear();
    m_frame.cmbPartner.geselecteerd = -1;
    m_frame.Label6 = QStringLiteral("Aantal ...");
    ZetToonPartner(0);
    const bool gekozen = m_frame.lst1.IetsAangevinkt();
    if (gekozen) {
        ZetToonPartner(1);
        m_frame.Frame8Enabled = true;
    }
    m_frame.chkToonPartner.enabled = gekozen;
    m_frame.txt1.clear();
    if (!gekozen)
        return;
    if (std::optional<LedenLijst> leden =
            KiesLeden(m_leden, m_volgorde, m_frame.lst1, m_frame.chkPartnerOok.waarde, m_meldingen)) {
        m_frame.ListH = std::move(leden->ListH);
        m_frame.txt1 = std::move(leden->txt1);
        m_frame.Label6 = std::move(leden->Label6);
        if (m_frame.txt1.isEmpty()) {
            ZetToonPartner(0);
            m_frame.chkToonPartner.enabled = false;
        }
    }
    VulPartnerbestanden();
}

void Groepvakken::chkPartnerOok_Click()
{
    lst1_Click();
}

void Groepvakken::chkToonPartner_Click()
{
    m_frame.Text1Zichtbaar = m_frame.chkToonPartner.waarde == 1;
}

void Groepvakken::cmbPartner_Click()
{
    ZetToonPartner(0);
}

void Groepvakken::ZetToonPartner(int waarde)
{
    m_frame.chkToonPartner.waarde = waarde;
    chkToonPartner_Click();
}

void Groepvakken::SelecteerPartner(qsizetype index)
{
    m_frame.cmbPartner.geselecteerd = index;
    cmbPartner_Click();
}

void Groepvakken::VulPartnerbestanden()
{
    KeuzeLijst& cmb = m_frame.cmbPartner;
    for (const GroepRij& rij : m_frame.lst1.rijen) {
        if (!rij.aangevinkt)
            continue;
        const QString naam = RijNaam(rij.tekst);
        if (HeeftPartnerbestand(m_mapTwk, naam)) {
            cmb.items.append(naam);
            cmb.enabled = true;
        }
    }
    if (cmb.items.isEmpty()) {
        cmb.enabled = false;
        m_frame.chkToonPartner.enabled = false;
        ZetToonPartner(0);
        return;
    }
    SelecteerPartner(0);
    if (m_bewaard.BewaardPartnerbest.isEmpty())
        return;
    for (qsizetype j = 0; j < cmb.items.size(); ++j) {
        if (cmb.items.at(j).compare(m_bewaard.BewaardPartnerbest, Qt::CaseInsensitive) == 0) {
            SelecteerPartner(j);
            // A hand-edited value outside the check box states reads as unticked.
            const int staat = m_bewaard.BewaardToonPartner;
            ZetToonPartner(staat >= 0 && staat <= 2 ? staat : 0);
            m_frame.chkToonPartner.enabled = true;
            return;
        }
        ZetToonPartner(0);
    }
}

void Groepvakken::HerstelLedengroepen()
{
    if (m_bewaard.BewaardeLedenBest.isEmpty())
        return;
    // Each tick would rebuild the member list, but a rebuild depends on the ticks alone: one
    // after the last tick leaves the same lists, and opening a club with 60 saved groups so
    // builds its list once instead of 60 times.
    bool aangevinkt = false;
    for (GroepRij& rij : m_frame.lst1.rijen) {
        if (m_bewaard.BewaardeLedenBest.contains(RijSleutel(rij.tekst))) {
            rij.aangevinkt = true;
            aangevinkt = true;
        }
    }
    if (aangevinkt)
        lst1_Click();
    if (!m_frame.lst1.rijen.isEmpty())
        m_frame.lst1.huidigeRij = 0;
}
