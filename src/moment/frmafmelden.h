#pragma once

#include "calendar/seizoenkalender.h"
#include "common/meldingen.h"
#include "common/werkruimte.h"
#include "header/kopinstellingen.h"
#include "members/ledeninlezing.h"
#include "moment/afmeldscript.h"
#include "moment/groepvakken.h"
#include "moment/momentinstellingen.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFocusEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

// What the sign-off settings window takes from the start window.
struct StartKeuze {
    QString cmbSpeeldag;                       // the play moment chosen there
    QString txtClubnaam;                       // the club name as typed
    int chkToonInvallers = 0;                  // 0, 1 or 2
    std::function<void()> Scipts_naar_lstHulp; // refreshes the start window's list
};

// The sign-off settings window of one play moment: calendar, addresses, options, groups
// and site boxes. Leaving it with OK writes hovelink.js and the play moment's settings.
class FrmAfmelden : public QDialog {
    Q_OBJECT
public:
    FrmAfmelden(Werkruimte& werkruimte, KopInstellingen& kop, BewaardeMoment& bewaard, StartKeuze start,
                Meldingen& meldingen, Seizoenkalender::Vandaag vandaag = &QDate::currentDate,
                QWidget* parent = nullptr);
    ~FrmAfmelden() override;

    // Opens the header designer (set by the caller; nothing happens without it).
    void ZetKopOntwerper(std::function<void(QWidget*)> openen) { m_openKopOntwerper = std::move(openen); }

    // The opening sequence; call once before showing the window.
    void Form_Load();

    // The program's folder, where the user guide lies (the executable's folder by default).
    void ZetProgrammaMap(const QString& map) { m_programmaMap = map; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* object, QEvent* event) override;
    void reject() override {} // Escape does nothing: leaving goes through the buttons or the close box

private:
    void BouwVenster();
    void Verbind();

    // Copy the logic's state into the controls.
    void ToonKalender();
    void ToonAdressen();
    void ToonGroepen();
    void ToonMomentWaarden();
    // A group control changed: `zet` copies its new value into the logic, `handler` runs
    // and the window shows the outcome.
    void VolgGroepen(const std::function<void(GroepFrame&)>& zet, void (Groepvakken::*handler)());

    // Copy the controls into the values the settings file stores.
    MomentVenster VerzamelMomentWaarden() const;

    void txtEmailadressen_LostFocus();
    void txtEindtijd_LostFocus();
    void txtB2_LostFocus(int i);
    void cmdOverzicht_Click();
    void cmdVoorbeeld_Click();
    void cmdHelp_Click();
    void cmdHelpPartner_Click();
    void cmbAfbreken_Click();
    bool Form_Unload(); // false: the window stays open
    // Whether the box `vak` that just lost the focus is being left for another control of
    // this window, which is when its check runs.
    bool VerlaatNaarControl(const QObject* vak, const QFocusEvent& gebeurtenis) const;
    // The values besides the groups that the script and the site preview are made of.
    AfmeldGegevens VerzamelAfmeldGegevens() const;
    // Marks addresses that look wrong or occur twice; the rows themselves stay as they are.
    void MarkeerAdressen();

    Werkruimte& m_werkruimte;
    KopInstellingen& m_kop;
    BewaardeMoment& m_bewaard;
    StartKeuze m_start;
    Meldingen& m_meldingen;
    Seizoenkalender m_kalender;
    std::unique_ptr<Groepvakken> m_groepen;
    LedenInLezing m_ledenInLezing;
    MomentVenster m_venster; // addresses and the values read from the settings file
    std::function<void(QWidget*)> m_openKopOntwerper;
    QString m_programmaMap;
    qint16 m_Afgebroken = 0;
    bool m_bezigMetControle = false; // a check's message moves the focus; no check inside a check
    bool m_gesloten = false;
    bool m_eindtijdGehad = false; // the end-time box has had the focus

    // 1. calendar
    QComboBox* m_cmbVan = nullptr;
    QComboBox* m_cmbTot = nullptr;
    QPushButton* m_cmdMaakDatums = nullptr;
    QCheckBox* m_chkWijzData = nullptr;
    QListWidget* m_lstDagen = nullptr;
    QPushButton* m_cmdSelect = nullptr;
    QPushButton* m_cmdDeselect = nullptr;
    // 2. and 3. addresses
    QPlainTextEdit* m_txtEmailadressen = nullptr;
    QListWidget* m_lstActEmails = nullptr;
    // 4. options
    QCheckBox* m_chk1 = nullptr;
    QCheckBox* m_chk2 = nullptr;
    QLineEdit* m_txtContactPers = nullptr;
    QLineEdit* m_txtEindtijd = nullptr;
    // 5. groups and site boxes
    QListWidget* m_lst1 = nullptr;
    QListView* m_txt1 = nullptr; // the member overview, one row per line
    QLabel* m_lblKolommen = nullptr;
    QLabel* m_Label6 = nullptr;
    std::array<QLineEdit*, 4> m_txtB1{};
    std::array<QLineEdit*, 4> m_txtB2{};
    QLineEdit* m_Text1 = nullptr;
    QCheckBox* m_chkPartnerOok = nullptr;
    QGroupBox* m_Frame8 = nullptr;
    QComboBox* m_cmbPartner = nullptr;
    QCheckBox* m_chkToonPartner = nullptr;
    // buttons
    QLabel* m_lblSpeeldag = nullptr;
    QGroupBox* m_Frame10 = nullptr;
    QPushButton* m_cmdEinde = nullptr;
    QPushButton* m_cmbAfbreken = nullptr;
    QScrollArea* m_schuif = nullptr;
};
