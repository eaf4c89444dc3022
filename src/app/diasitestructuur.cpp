#include "app/diasitestructuur.h"

#include "app/sitestructuurplaatjes.h"
#include "common/venstertoetsenbord.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* Plaatje(const QImage& beeld, const QString& naam)
{
    auto* label = new QLabel;
    label->setAccessibleName(naam);
    label->setPixmap(QPixmap::fromImage(beeld));
    label->setFixedSize(beeld.size());
    return label;
}

QLabel* Tekst(const QString& tekst)
{
    auto* label = new QLabel(tekst);
    label->setWordWrap(true);
    return label;
}

} // namespace

DiaSitestructuur::DiaSitestructuur(QWidget* parent) : HelpVenster(parent)
{
    setObjectName(QStringLiteral("diaSitestructuur"));
    setWindowTitle(QStringLiteral("Voorbeeld Sitestructuur"));
    auto* terug = new QPushButton(QStringLiteral("Terug"));
    terug->setObjectName(QStringLiteral("cmdTerug"));
    connect(terug, &QPushButton::clicked, this, &QDialog::accept);
    Toetsenbord::ZetSneltoets(terug, QKeySequence(Qt::ALT | Qt::Key_T));

    auto* plaatjes = new QHBoxLayout;
    plaatjes->addWidget(Plaatje(SitestructuurPlaatjes::Boom(),
                                QStringLiteral("Voorbeeld: de map /public_html/afm/donderdag op de server, "
                                               "met hovelink.js en afmelddata.txt")),
                        0, Qt::AlignTop);
    plaatjes->addWidget(Plaatje(SitestructuurPlaatjes::Rechten(),
                                QStringLiteral("Voorbeeld: de rechten van de map donderdag op 0777 "
                                               "(lezen, schrijven en uitvoeren voor iedereen)")),
                        0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tekst(QStringLiteral("Gedeeltelijke site-structuur")));
    layout->addLayout(plaatjes);
    layout->addWidget(Tekst(QStringLiteral("De \u2018Rechten\u2019 voor zowel de map \u2018/afm\u2019 als de map "
                                           "\u2018/donderdag\u2019 afzonderlijk instellen op \u20180777\u2019. "
                                           "(Rechtsklik op de map)")));
    layout->addWidget(Tekst(QStringLiteral("Ditzelfde geldt ook voor het bestand \u2018afmelddata.txt\u2019. Dit "
                                           "bestand wordt automatisch aangemaakt bij de eerste afmelding. ")));
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch(1);
    knoppen->addWidget(terug);
    layout->addLayout(knoppen);
}
