#pragma once

#include "common/meldingen.h"
#include "upload/overdracht.h"
#include "upload/uploadinstellingen.h"
#include "upload/wachtwoordopslag.h"

#include <QDialog>

#include <atomic>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QThread;

// "Uploaden naar de afmeldsite": sends the play moment's hovelink.js, its logo and our own
// site's files to the club's site, and fetches the sign-offs the site has received, on a
// worker thread, so the window stays responsive and can cancel.
class DiaUpload : public QDialog {
    Q_OBJECT
public:
    DiaUpload(const QString& MapProgramma, const QString& speeldag, const QString& naamScript,
              Meldingen& meldingen, WachtwoordOpslag& opslag, QWidget* parent = nullptr);
    ~DiaUpload() override;

    void reject() override;

private:
    enum class Actie { Test,
                       Uploaden,
                       Ophalen };
    void BouwVenster();
    void ProtocolGekozen(int positie);
    void Start(Actie actie);
    void Klaar(Actie actie, const OverdrachtResultaat& resultaat);
    void ZetBezig(bool bezig);
    Protocol HuidigProtocol() const;
    Verbinding HuidigeVerbinding() const;

    QString m_mapProgramma;
    QString m_speeldag;
    QString m_naamScript;
    Meldingen& m_meldingen;
    WachtwoordOpslag& m_opslag;
    UploadInstellingen m_instellingen;
    Protocol m_vorigProtocol = Protocol::Sftp;
    bool m_kluisGemeld = false; // the password store's failure is told once per dialog
    QThread* m_werker = nullptr;
    std::atomic<bool> m_annuleren = false;

    QComboBox* m_cmbProtocol = nullptr;
    QLineEdit* m_txtServer = nullptr;
    QSpinBox* m_txtPoort = nullptr;
    QLineEdit* m_txtGebruiker = nullptr;
    QLineEdit* m_txtWachtwoord = nullptr;
    QCheckBox* m_chkOnthouden = nullptr;
    QLineEdit* m_txtMap = nullptr;
    QPushButton* m_cmdTest = nullptr;
    QPushButton* m_cmdUploaden = nullptr;
    QPushButton* m_cmdOphalen = nullptr;
    QPushButton* m_cmdAnnuleren = nullptr;
    QPushButton* m_cmdSluiten = nullptr;
    QProgressBar* m_voortgang = nullptr;
    QListWidget* m_lstResultaat = nullptr;
};
