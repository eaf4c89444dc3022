#pragma once

#include "header/kopinstellingen.h"
#include "moment/sitevoorbeeld.h"

#include <QDialog>

class KopVlak;

// Fills the real-size header preview with stored header settings and the play moment's logo,
// as the designer shows them.
void VulKopVlak(KopVlak& vlak, const KopInstellingen& kop, const QString& MapKop);

// A look at the sign-off site before anything is written: the header (or a note that it was
// never designed), the four name boxes and the play dates. Read only; closing it changes
// nothing.
class FrmVoorbeeld : public QDialog {
    Q_OBJECT
public:
    FrmVoorbeeld(const SiteVoorbeeld& voorbeeld, const KopInstellingen& kop, const QString& MapKop,
                 QWidget* ouder = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};
