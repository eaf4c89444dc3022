#include "header/frmsitekop.h"

#include "header/kopbeeld.h"
#include "header/kopmaten.h"
#include "header/kopopmaak.h"
#include "header/logobestand.h"
#include "header/vensterkopvlak.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

// The designer's real-size preview: the picture is built by KopBeeld, as the site preview's is.

void FrmSitekop::MaakLogoVak()
{
    m_P0->Wijzig([this](KopBeeld& beeld) { beeld.MaakLogoVak(m_maxLogoBreed, m_maxLogoHoog, m_kop.logomarge); });
}

void FrmSitekop::PasLogoIn()
{
    m_P0->Wijzig([this](KopBeeld& beeld) { beeld.PasLogoIn(m_Im1, m_kop.logomarge); });
}

bool FrmSitekop::LaadLogo()
{
    const QString pad = HuidigLogo(m_mapKop, m_NieuwLogo, m_kop);
    if (pad.isEmpty())
        return false;
    const std::optional<QImage> beeld = LaadAfbeelding(pad);
    if (!beeld)
        return false;
    m_Im1 = *beeld;
    MaakLogoVak();
    PasLogoIn();
    TekenKoptekst();
    return true;
}

void FrmSitekop::TekenKoptekst()
{
    m_P0->Wijzig([this](KopBeeld& beeld) {
        beeld.achtergrond = KleurVan(m_kop.kopback);
        beeld.ZetKoptekst(m_kop, m_txtKopTekst->text(), ToonMaat(m_aanvaardeBreedte));
    });
    TekenHoekteksten();
}

void FrmSitekop::TekenHoekteksten()
{
    m_P0->Wijzig([this](KopBeeld& beeld) {
        beeld.ZetHoekteksten(m_kop, m_txtTL->text(), m_txtTR->text(), ToonMaat(m_aanvaardeBreedte));
    });
}

void FrmSitekop::ToonLogoVak()
{
    const bool logo = m_kop.logojn != 0;
    m_P0->ZetLogoVakZichtbaar(logo);
    m_frmLogo->setEnabled(logo);
    TekenKoptekst();
}

void FrmSitekop::ZetMaatOpschriften()
{
    m_lblKopBreed->setText(KopAfmeting(m_aanvaardeBreedte, m_kop.kopvakho));
    m_kopOpmaak->setColumnMinimumWidth(2, m_lblKopBreed->sizeHint().width());
    m_maxLogoHoog = ToonMaat(m_kop.kopvakho);
    m_maxLogoBreed = MaxLogoBreed(ToonMaat(m_aanvaardeBreedte));
    m_Label3->setText(LogoRuimte(m_maxLogoBreed, m_maxLogoHoog));
}

// A new size re-fits the logo; without a logo that can be shown the empty logo area and the
// texts follow the new size at once instead of waiting for the next redraw.
void FrmSitekop::VernieuwLogoVak()
{
    if (LaadLogo())
        return;
    MaakLogoVak();
    TekenKoptekst();
}

void FrmSitekop::ZetKopBreedte()
{
    ZetMaatOpschriften();
    m_P0->ZetMaat(QSize(ToonMaat(m_aanvaardeBreedte), m_P0->Maat().height()));
    PasVensterAan();
    VernieuwLogoVak();
}

void FrmSitekop::ZetKopHoogte()
{
    ZetMaatOpschriften();
    m_P0->ZetMaat(QSize(m_P0->Maat().width(), ToonMaat(m_kop.kopvakho)));
    VernieuwLogoVak();
}
