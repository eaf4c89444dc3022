#pragma once

#include "common/berichtvenster.h"
#include "header/kopinstellingen.h"
#include "moment/sitevoorbeeld.h"

#include <QDialog>

// A look at the sign-off site before anything is written: the header (or a note that it was
// never designed), the four name boxes and the play dates, and "Open in de browser" for the
// real page with these settings, where sending is switched off. Closing it changes nothing.
class FrmVoorbeeld : public QDialog {
    Q_OBJECT
public:
    // Without `meldingen` the window's messages are the real message boxes.
    FrmVoorbeeld(const SiteVoorbeeld& voorbeeld, const KopInstellingen& kop, const QString& MapKop,
                 QWidget* ouder = nullptr, Meldingen* meldingen = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OpenInBrowser();

    SiteVoorbeeld m_voorbeeld;
    KopInstellingen m_kop;
    QString m_mapKop;
    BerichtVenster m_berichtVenster;
    Meldingen& m_meldingen;
};
