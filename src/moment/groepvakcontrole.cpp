#include "moment/groepvakken.h"

#include "common/meldingen.h"
#include "common/tekst.h"
#include "script/groepfilter.h"

#include <QSet>

// The checks of the four group boxes: one box as it is left, and all four when the window is
// left with OK.

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

Uitkomst<> Groepvakken::ControleerGeselecteerd(const QString& vaktekst) const
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
            return Uitkomst<>::Fout(QStringLiteral("Groep ") + getal +
                                    QStringLiteral(" is niet geselecteerd in bovenstaande lijst!"));
    }
    return {};
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
    if (const Uitkomst<> geselecteerd = ControleerGeselecteerd(s); !geselecteerd) {
        m_meldingen.Toon(geselecteerd.melding(), Meldingen::Pictogram::Uitroep);
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
        if (const Uitkomst<> geselecteerd = ControleerGeselecteerd(s); !geselecteerd) {
            m_meldingen.Toon(geselecteerd.melding(), Meldingen::Pictogram::Uitroep);
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
