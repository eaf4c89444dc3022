#include "moment/frmafmelden.h"

#include "calendar/kalendertekst.h"
#include "common/tekst.h"
#include "common/vinkstaat.h"
#include "moment/adrescontrole.h"
#include "moment/kolomkoppen.h"
#include "moment/regelmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

// The sign-off window shows the logic's state: calendar, addresses, moment values and groups.

namespace {

// The text widgets use bare line feeds; the logic works with CR LF.
QString NaarLf(const QString& tekst) { return QString(tekst).replace(Tekst::CrLf, QStringLiteral("\n")); }

// The calendar's entries show their text; their key is item data (`sleutel` names it).
using Sleutel = QString (*)(const QString&);

void VulVinklijst(QListWidget* lijst, const QList<Vinkregel>& rijen, int huidig, Sleutel sleutel = nullptr)
{
    const QSignalBlocker blokkeer(lijst);
    if (lijst->count() != rijen.size()) {
        lijst->clear();
        for (qsizetype i = 0; i < rijen.size(); ++i) {
            auto* item = new QListWidgetItem(lijst);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
    }
    for (qsizetype i = 0; i < rijen.size(); ++i) {
        QListWidgetItem* item = lijst->item(int(i));
        item->setText(sleutel ? KalenderTekst::Zichtbaar(rijen[i].tekst) : rijen[i].tekst);
        if (sleutel)
            item->setData(Qt::UserRole, sleutel(rijen[i].tekst));
        item->setCheckState(rijen[i].aangevinkt ? Qt::Checked : Qt::Unchecked);
    }
    lijst->setCurrentRow(huidig);
}

void VulKeuzelijst(QComboBox* keuze, const QStringList& regels, int index, Sleutel sleutel = nullptr)
{
    const QSignalBlocker blokkeer(keuze);
    bool gelijk = keuze->count() == regels.size();
    for (int i = 0; gelijk && i < keuze->count(); ++i)
        gelijk = sleutel ? keuze->itemData(i) == sleutel(regels[i]) &&
                               keuze->itemText(i) == KalenderTekst::Zichtbaar(regels[i])
                         : keuze->itemText(i) == regels[i];
    if (!gelijk) {
        keuze->clear();
        for (const QString& regel : regels) {
            if (sleutel)
                keuze->addItem(KalenderTekst::Zichtbaar(regel), sleutel(regel));
            else
                keuze->addItem(regel);
        }
    }
    keuze->setCurrentIndex(index);
}

void ZetStil(QCheckBox* vak, int waarde)
{
    const QSignalBlocker blokkeer(vak);
    vak->setCheckState(VinkStaat::Staat(waarde));
}

} // namespace

void FrmAfmelden::ToonMomentWaarden()
{
    m_chk1->setCheckState(VinkStaat::Staat(m_venster.chk1));
    m_chk2->setCheckState(VinkStaat::Staat(m_venster.chk2));
    ZetStil(m_chkPartnerOok, m_venster.chkPartnerOok);
    m_txtContactPers->setText(m_venster.txtContactPers);
    m_txtEindtijd->setText(m_venster.txtEindtijd);
    ToonAdressen();
}

void FrmAfmelden::ToonAdressen()
{
    const QString tekst = NaarLf(m_venster.adressen.txtEmailadressen);
    if (m_txtEmailadressen->toPlainText() != tekst)
        m_txtEmailadressen->setPlainText(tekst);
    VulVinklijst(m_lstActEmails, m_venster.adressen.lstActEmails, m_venster.adressen.lstActEmailsHuidig);
    MarkeerAdressen();
}

void FrmAfmelden::MarkeerAdressen()
{
    QStringList rijen;
    for (int i = 0; i < m_lstActEmails->count(); ++i)
        rijen.append(m_lstActEmails->item(i)->text());
    const QList<Adrescontrole::Bevinding> bevindingen = Adrescontrole::Controleer(rijen);
    const QSignalBlocker blokkeer(m_lstActEmails);
    for (int i = 0; i < m_lstActEmails->count(); ++i) {
        const Adrescontrole::Bevinding& b = bevindingen.at(i);
        QListWidgetItem* item = m_lstActEmails->item(i);
        item->setBackground(b.ongeldig ? QBrush(QColor(0xff, 0xc8, 0xc8))
                            : b.dubbel ? QBrush(QColor(0xff, 0xe0, 0xa0))
                                       : QBrush());
        item->setToolTip(Adrescontrole::Toelichting(b));
    }
}

void FrmAfmelden::ToonKalender()
{
    const KalenderStaat& staat = m_kalender.Staat();
    VulKeuzelijst(m_cmbVan, staat.cmbVan.regels, staat.cmbVan.index, &KalenderTekst::MaandSleutel);
    VulKeuzelijst(m_cmbTot, staat.cmbTot.regels, staat.cmbTot.index, &KalenderTekst::MaandSleutel);
    m_cmbVan->setEnabled(staat.cmbVan.ingeschakeld);
    m_cmbTot->setEnabled(staat.cmbTot.ingeschakeld);
    m_cmdMaakDatums->setEnabled(staat.cmdMaakDatums);
    ZetStil(m_chkWijzData, staat.chkWijzData ? 1 : 0);
    VulVinklijst(m_lstDagen, staat.lstDagen, staat.lstDagenHuidig, &KalenderTekst::DatumVanRegel);
    m_cmdSelect->setEnabled(staat.cmdSelect);
    m_cmdDeselect->setEnabled(staat.cmdDeselect);
}

void FrmAfmelden::ToonGroepen()
{
    GroepFrame& frame = m_groepen->Frame();
    {
        const QSignalBlocker blokkeer(m_lst1);
        if (m_lst1->count() != frame.lst1.rijen.size()) {
            m_lst1->clear();
            for (const GroepRij& rij : frame.lst1.rijen) {
                auto* item = new QListWidgetItem(rij.tekst, m_lst1);
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            }
        }
        for (qsizetype i = 0; i < frame.lst1.rijen.size(); ++i) {
            QListWidgetItem* item = m_lst1->item(int(i));
            item->setText(frame.lst1.rijen[i].tekst);
            item->setCheckState(frame.lst1.rijen[i].aangevinkt ? Qt::Checked : Qt::Unchecked);
        }
        m_lst1->setCurrentRow(int(frame.lst1.huidigeRij));
    }
    static_cast<RegelModel*>(m_txt1->model())->ZetTekst(frame.txt1);
    m_lblKolommen->setText(KolomKoppen(frame.txt1.left(frame.txt1.indexOf(Tekst::CrLf))));
    m_Label6->setText(frame.Label6);
    for (int i = 0; i < 4; ++i) {
        if (m_txtB2[i]->text() != frame.txtB2[i].tekst)
            m_txtB2[i]->setText(frame.txtB2[i].tekst);
        m_txtB2[i]->setStyleSheet(frame.txtB2[i].geel ? QStringLiteral("background: #ffff00;") : QString());
    }
    ZetStil(m_chkPartnerOok, frame.chkPartnerOok.waarde);
    m_Frame8->setEnabled(frame.Frame8Enabled);
    VulKeuzelijst(m_cmbPartner, frame.cmbPartner.items, int(frame.cmbPartner.geselecteerd));
    m_cmbPartner->setEnabled(frame.cmbPartner.enabled);
    ZetStil(m_chkToonPartner, frame.chkToonPartner.waarde);
    m_chkToonPartner->setEnabled(frame.chkToonPartner.enabled);
    m_Text1->setVisible(frame.Text1Zichtbaar);
    if (frame.focusVak >= 0) {
        m_txtB2[frame.focusVak]->setFocus();
        frame.focusVak = -1;
    }
}
