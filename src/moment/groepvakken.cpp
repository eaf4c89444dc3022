#include "moment/groepvakken.h"

#include "common/meldingen.h"
#include "common/tekst.h"
#include "members/ledenlijst.h"
#include "members/partnerbestand.h"
#include "script/groepfilter.h"

#include <QDir>
#include <QSet>

namespace {

const QString kAlleVakken =
    QStringLiteral("Alle vakken moeten voorzien zijn van een groepsnummer!") + Tekst::CrLf +
    QStringLiteral("Vak 1 mag slechts 1 groep bevatten, de overige mogen meer groepen hebben.") +
    Tekst::CrLf + QStringLiteral("Schrijfwijze bijv: 1,3,5");

QString SetSleutel(const QString& getal)
{
    return u'#' + getal.rightJustified(3, u'0');
}

} // namespace

int txtB2_KeyPress(int KeyAscii)
{
    const bool cijfer = KeyAscii >= '0' && KeyAscii <= '9';
    return cijfer || KeyAscii == ',' || KeyAscii == 8 ? KeyAscii : 0;
}

QString PartnerHulpTekst()
{
    const QStringList regels{
        QStringLiteral("\t\tGebruik 'Toon Partner'"),
        QString(),
        QStringLiteral("Wanneer u hiervoor kiest, wordt bij het afmelden op de 'Afmeldsite' "
                       "automatisch de naam van de 'vaste' partner getoond."),
        QStringLiteral("De partner-naam hoeft dan niet meer te worden ingegeven."),
        QString(),
        QStringLiteral("Voorwaarde is, dat in 'SpelerAdministratie > Onderhoud paren' elk lid "
                       "aan zijn of haar vaste (speel-)partner is gekoppeld."),
        QString(),
        QStringLiteral("Heeft een lid tijdelijk GEEN vaste partner, maak dan gebruik van "
                       "een fictief lid, dat is aangemaakt met de naam 'PartnerX'."),
        QStringLiteral("(voor 'X' kiest u een logisch volgnummer, bv '0' t/m '9') "),
        QStringLiteral("U kunt een lid dan tijdelijk koppelen aan zo'n fictief lid."),
        QString(),
    };
    return regels.join(Tekst::CrLf) + Tekst::CrLf;
}

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
            KiesLeden(m_leden, m_frame.lst1, m_frame.chkPartnerOok.waarde, m_meldingen)) {
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

std::optional<QString> Groepvakken::NietGeselecteerd(const QString& vaktekst) const
{
    QSet<QString> set;
    for (const GroepRij& rij : m_frame.lst1.rijen)
        if (rij.aangevinkt)
            set.insert(SetSleutel(QString::number(RijNummer(rij.tekst))));
    for (const QString& element : vaktekst.split(u',')) {
        // Empty elements (1,,3, a leading or the trailing comma) are passed over.
        if (Tekst::Trim(element).isEmpty())
            continue;
        const QString getal = Script::ElementGetal(element);
        if (!set.contains(SetSleutel(getal)))
            return getal;
    }
    return std::nullopt;
}

void Groepvakken::MeldNietGeselecteerd(const QString& getal)
{
    m_meldingen.Toon(QStringLiteral("Groep ") + getal +
                         QStringLiteral(" is niet geselecteerd in bovenstaande lijst!"),
                     Meldingen::Pictogram::Uitroep);
}

bool Groepvakken::txtB2_LostFocus(int i)
{
    GroepVak& vak = m_frame.txtB2.at(i);
    vak.geel = false;
    m_frame.focusVak = -1;
    const QString s = Tekst::Trim(vak.tekst);
    if (s.isEmpty())
        return true;
    if (i == 0 && s.contains(u',')) {
        m_meldingen.Toon(QStringLiteral("In vak 'naam1' mag slechts 1 groep gebruikt worden!"),
                         Meldingen::Pictogram::Geen);
        vak.tekst.clear();
        m_frame.focusVak = 0;
        return false;
    }
    if (const std::optional<QString> getal = NietGeselecteerd(s)) {
        MeldNietGeselecteerd(*getal);
        vak.tekst.clear();
        m_frame.focusVak = i;
        vak.geel = true;
        return false;
    }
    return true;
}

void NeemPartnerGroepenOver(GroepFrame& frame)
{
    if (frame.chkToonPartner.waarde == 1)
        frame.txtB2[1].tekst = frame.txtB2[0].tekst;
}

void Groepvakken::ControleerVakken()
{
    m_vakFout = 0;
    m_frame.focusVak = -1;
    m_frame.txtB2[0].geel = false;
    const bool toonPartner = m_frame.chkToonPartner.waarde == 1;
    for (int i = 0; i < kAantalVakken; ++i) {
        if (toonPartner && i == 1) {
            NeemPartnerGroepenOver(m_frame); // box 1 needs no check of its own
            continue;
        }
        const QString s = Tekst::Trim(m_frame.txtB2.at(i).tekst);
        if (s.isEmpty()) {
            m_meldingen.Toon(kAlleVakken, Meldingen::Pictogram::Uitroep);
            Faal(i);
            return;
        }
        if (i == 0 && s.contains(u',')) {
            m_meldingen.Toon(
                QStringLiteral("In vak 'naam1' mag slechts 1 ledengroep gebruikt worden!"),
                Meldingen::Pictogram::Geen);
            Faal(0);
            return;
        }
        if (i == 0 && toonPartner && PartnerVanAndereGroep(s)) {
            m_meldingen.Toon(
                QStringLiteral("De groep in vak 'naam1' komt niet overeen met de PARTNERgroep!"),
                Meldingen::Pictogram::Geen);
            Faal(0);
            return;
        }
        if (const std::optional<QString> getal = NietGeselecteerd(s)) {
            MeldNietGeselecteerd(*getal);
            Faal(i);
            return;
        }
    }
}

bool Groepvakken::PartnerVanAndereGroep(const QString& vak0) const
{
    bool ok = false;
    const qlonglong nummer = Script::ElementGetal(vak0).toLongLong(&ok);
    const QList<GroepRij>& rijen = m_frame.lst1.rijen;
    if (!ok || nummer < 1 || nummer > rijen.size() || !rijen.at(nummer - 1).aangevinkt)
        return false;
    const QString sleutel = u'(' + m_frame.cmbPartner.Tekst() + u')';
    for (qsizetype r = 0; r < rijen.size(); ++r)
        if (r != nummer - 1 && rijen.at(r).tekst.contains(sleutel))
            return true;
    return false;
}

void Groepvakken::Faal(int i)
{
    GroepVak& vak = m_frame.txtB2.at(i);
    vak.tekst.clear();
    m_frame.focusVak = i;
    m_vakFout = 1;
    vak.geel = true;
}
