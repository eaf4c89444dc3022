#pragma once

#include "common/meldingen.h"
#include "header/kopdialogen.h"
#include "header/kopinstellingen.h"

#include <QDialog>
#include <QImage>

class KopVlak;
class QCheckBox;
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
    void ToonLogoNaam(const QString& naam);
    void NeemLogo(const QString& pad);
    void Akkoord_Click();
    void Annu_Click();

    void ToonKleur(QLabel* staal, qint32 kleur);
    void MeldBreedte();

    KopInstellingen& m_kop;
    KopInstellingen KopKopie;
    const QString m_mapKop;
    const QString m_speeldag;
    const QString m_clubnaam;
    Meldingen& m_meldingen;
    KopDialogen& m_dialogen;

    QString NieuwLogo;
    int Laden = 0;
    qint32 m_aanvaardeBreedte = 750; // the width the preview shows, never a refused one
    QGridLayout* m_kopOpmaak = nullptr;
    int m_maxLogoBreed = 0;
    int m_maxLogoHoog = 0;
    QImage Im1;

    QLabel* lblKopBreed = nullptr;
    QLabel* Label6 = nullptr;
    KopVlak* P0 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label16 = nullptr;
    QLineEdit* txtKopVakBr = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label14 = nullptr;
    QComboBox* cmbKopVakHo = nullptr;
    QLabel* Label20 = nullptr;
    QGroupBox* frmLogo = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QComboBox* cmbMa = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* cmdKiesAfb = nullptr;
    QCheckBox* chkLogojanee = nullptr;
    QGroupBox* frmTekst = nullptr;
    QLabel* Label10 = nullptr;
    QLineEdit* txtKopTekst = nullptr;
    QPushButton* cmdKopFont = nullptr;
    QLabel* lblKopFont = nullptr;
    QComboBox* cmbKopHoog = nullptr;
    QCheckBox* chkKopVet = nullptr;
    QPushButton* cmdKopKleur = nullptr;
    QLabel* lblKopKleur = nullptr;
    QPushButton* cmdKopBack = nullptr;
    QLabel* lblKopBack = nullptr;
    QLabel* Label11 = nullptr;
    QComboBox* cmbKopVert = nullptr;
    QLabel* Label12 = nullptr;
    QLineEdit* txtTL = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* txtTR = nullptr;
    QPushButton* cmdAnnu = nullptr;
    QPushButton* cmdAkkoord = nullptr;
};
