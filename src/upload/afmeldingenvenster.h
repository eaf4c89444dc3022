#pragma once

#include "common/meldingen.h"
#include "upload/afmelddata.h"

#include <QDialog>

// "Afmeldingen voor <moment>": the sign-offs fetched from the site, per play date the members
// with partner, substitutes, remark and time received, and "Opslaan als CSV...".
class AfmeldingenVenster : public QDialog {
    Q_OBJECT
public:
    AfmeldingenVenster(const QString& speeldag, AfmeldData::Afmeldingen afmeldingen, Meldingen& meldingen,
                       QWidget* ouder = nullptr);

private:
    void OpslaanAlsCsv();

    QString m_speeldag;
    AfmeldData::Afmeldingen m_afmeldingen;
    Meldingen& m_meldingen;
};
