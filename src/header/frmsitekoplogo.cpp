#include "header/frmsitekop.h"

#include "common/paden.h"
#include "header/kopbeeld.h"
#include "header/logobestand.h"
#include "header/vensterkopvlak.h"

#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

// Taking a logo: chosen with the file dialog or dropped on "Maak een logo".

bool FrmSitekop::NeemGesleeptLogo(QDropEvent& slepen, bool neergezet)
{
    const QList<QUrl> adressen = slepen.mimeData()->urls();
    if (adressen.size() != 1 || !adressen.first().isLocalFile())
        return false;
    slepen.acceptProposedAction();
    if (neergezet) {
        WisLogoKeuze();
        NeemLogo(adressen.first().toLocalFile());
    }
    return true;
}

// The label is named "Logobestand" for screen readers; the file name is its description.
void FrmSitekop::ToonLogoNaam(const QString& naam)
{
    m_Label7->setText(naam);
    m_Label7->setAccessibleDescription(naam == QStringLiteral("...") ? QString() : naam);
}

void FrmSitekop::WisLogoKeuze()
{
    m_P0->Wijzig([](KopBeeld& beeld) { beeld.logo = QImage(); });
    ToonLogoNaam({});
    m_NieuwLogo.clear();
}

void FrmSitekop::KiesAfb_Click()
{
    WisLogoKeuze();
    const std::optional<QString> pad = m_dialogen.KiesAfbeelding(this, LogoStartMap(), LogoFilter);
    if (pad && !pad->isEmpty())
        NeemLogo(*pad);
}

// A chosen or dropped file becomes the new logo once it is a picture Qt can read.
void FrmSitekop::NeemLogo(const QString& pad)
{
    const LogoOordeel oordeel = BeoordeelLogo(pad);
    if (!oordeel.melding.isEmpty())
        m_meldingen.Toon(oordeel.melding, Meldingen::Pictogram::Uitroep);
    if (!oordeel.genomen)
        return;
    m_NieuwLogo = pad;
    ToonLogoNaam(Paden::Toon(m_NieuwLogo));
    m_Label8->setText(QStringLiteral("Nieuw gekozen logobestand"));
    LaadLogo();
}
