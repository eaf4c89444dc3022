#pragma once

#include "app/startcontrole.h"
#include "common/meldingen.h"
#include "common/werkruimte.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The start window: general settings, choosing a play moment, upload help, and the list of
// play moments prepared on this computer.
class FrmStart : public QWidget {
    Q_OBJECT
public:
    FrmStart(Werkruimte& werkruimte, Meldingen& meldingen, QWidget* parent = nullptr);

    // Opens the sign-off settings window for the prepared play moment (set by the caller).
    void ZetAfmeldVenster(std::function<void()> openen) { m_openAfmelden = std::move(openen); }
    // Opens the upload dialog for a play moment listed under "Bestaande speeldagen:".
    void ZetUploadVenster(std::function<void(const QString&)> openen) { m_openUpload = std::move(openen); }

    // The load event after start-up: play moments, general settings, existing play moments.
    void Laden();

    void Scipts_naar_lstHulp();

    QString GekozenSpeeldag() const;
    QString Clubnaam() const;
    int ToonInvallers() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BouwVenster();
    void SchrijfAlgemeen();
    void Weiger(const StartControle::Weigering& weigering);
    void cmdAfmeld_Click();
    void cmdVerwijderDag_Click();
    void Command1_Click();
    void cmdUploaden_Click();
    void VolgKeuzeSpeeldag();

    Werkruimte& m_werkruimte;
    Meldingen& m_meldingen;
    std::function<void()> m_openAfmelden;
    std::function<void(const QString&)> m_openUpload;

    QLineEdit* m_txtClubnaam = nullptr;
    QCheckBox* m_chkToonInvallers = nullptr;
    QComboBox* m_cmbSpeeldag = nullptr;
    QPushButton* m_cmdAfmeld = nullptr;
    QListWidget* m_lstHulp = nullptr;
    QPushButton* m_cmdVerwijderDag = nullptr;
    QPushButton* m_cmdOpenMap = nullptr;
    QString m_gekozenMap; // folder of the one play moment selected in lstHulp, else empty
    QPushButton* m_cmdEinde = nullptr;
};
