#pragma once

#include "common/meldingen.h"
#include "header/kopinstellingen.h"
#include "header/vensterkopdialogen.h"

#include <QDialog>
#include <QImage>

class KopVlak;
class QCheckBox;
class QDropEvent;
class QGridLayout;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The header designer: edits `kop` in place with a real-size preview. "Akkoord en opslaan"
// stores the logo in MapKop and writes IniKop.ini (accepted); "Annuleren" puts back the
// settings from the opening (rejected); the close box keeps the edits in `kop` without
// writing anything (rejected). Escape is "Annuleren". Controls carry the names of the design
// as object names; layouts place them, so larger fonts clip nothing.
class FrmSitekop : public QDialog {
    Q_OBJECT
public:
    FrmSitekop(KopInstellingen& kop, const QString& MapKop, const QString& speeldag,
               const QString& clubnaam, Meldingen& meldingen, KopDialogen& dialogen,
               QWidget* ouder = nullptr);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The left margin of the window, where the preview starts.
    static constexpr int P0Links = 8;

    void MaakBesturing();
    void MaakOpmaak();
    void Openen();
    void BewaarKop();
    void HerstelKop();

    // Preview procedures.
    void MaakLogoVak();
    void PasLogoIn();
    bool LaadLogo(); // false when there is no logo, or it cannot be read
    void TekenKoptekst();
    void TekenHoekteksten();
    void ToonLogoVak();
    void ZetKopBreedte();
    void PasVensterAan();
    void ZetMaatOpschriften();
    void ZetKopHoogte();
    void VernieuwLogoVak();

    // Events.
    void KopVakBr_LostFocus();
    void KopVakHo_Click();
    void Ma_Click();
    void Logojanee_Click();
    void KopHoog_Click();
    void KopVert_Click();
    void KopFont_Click();
    void KopKleur_Click(bool achtergrond);
    void KiesAfb_Click();
    void WisLogoKeuze();
    // A single local file offered by dragging is accepted, and taken when dropped.
    bool NeemGesleeptLogo(QDropEvent& slepen, bool neergezet);
    void ToonLogoNaam(const QString& naam);
    void NeemLogo(const QString& pad);
    void Akkoord_Click();
    void Annu_Click();

    void ToonKleur(QLabel* staal, qint32 kleur);
    void MeldBreedte();

    KopInstellingen& m_kop;
    KopInstellingen m_KopKopie;
    const QString m_mapKop;
    const QString m_speeldag;
    const QString m_clubnaam;
    Meldingen& m_meldingen;
    KopDialogen& m_dialogen;

    QString m_NieuwLogo;
    int m_Laden = 0;
    qint32 m_aanvaardeBreedte = 750; // the width the preview shows, never a refused one
    QGridLayout* m_kopOpmaak = nullptr;
    int m_maxLogoBreed = 0;
    int m_maxLogoHoog = 0;
    QImage m_Im1;

    QLabel* m_lblKopBreed = nullptr;
    QLabel* m_Label6 = nullptr;
    KopVlak* m_P0 = nullptr;
    QGroupBox* m_Frame1 = nullptr;
    QLabel* m_Label16 = nullptr;
    QLineEdit* m_txtKopVakBr = nullptr;
    QLabel* m_Label15 = nullptr;
    QLabel* m_Label14 = nullptr;
    QComboBox* m_cmbKopVakHo = nullptr;
    QLabel* m_Label20 = nullptr;
    QGroupBox* m_frmLogo = nullptr;
    QLabel* m_Label1 = nullptr;
    QLabel* m_Label2 = nullptr;
    QLabel* m_Label3 = nullptr;
    QLabel* m_Label4 = nullptr;
    QLabel* m_Label5 = nullptr;
    QComboBox* m_cmbMa = nullptr;
    QLabel* m_Label7 = nullptr;
    QLabel* m_Label8 = nullptr;
    QLabel* m_Label9 = nullptr;
    QPushButton* m_cmdKiesAfb = nullptr;
    QCheckBox* m_chkLogojanee = nullptr;
    QGroupBox* m_frmTekst = nullptr;
    QLabel* m_Label10 = nullptr;
    QLineEdit* m_txtKopTekst = nullptr;
    QPushButton* m_cmdKopFont = nullptr;
    QLabel* m_lblKopFont = nullptr;
    QComboBox* m_cmbKopHoog = nullptr;
    QCheckBox* m_chkKopVet = nullptr;
    QPushButton* m_cmdKopKleur = nullptr;
    QLabel* m_lblKopKleur = nullptr;
    QPushButton* m_cmdKopBack = nullptr;
    QLabel* m_lblKopBack = nullptr;
    QLabel* m_Label11 = nullptr;
    QComboBox* m_cmbKopVert = nullptr;
    QLabel* m_Label12 = nullptr;
    QLineEdit* m_txtTL = nullptr;
    QLabel* m_Label13 = nullptr;
    QLineEdit* m_txtTR = nullptr;
    QPushButton* m_cmdAnnu = nullptr;
    QPushButton* m_cmdAkkoord = nullptr;
};
