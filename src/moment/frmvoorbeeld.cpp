#include "moment/frmvoorbeeld.h"

#include "common/openextern.h"
#include "common/vensteropscherm.h"
#include "common/venstertoetsenbord.h"
#include "header/vensterkopvlak.h"

#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// A read-only list under its caption, which also names it for screen readers.
QVBoxLayout* Lijst(const QString& titel, const char* naam, const QStringList& regels, QListWidget*& lijst)
{
    lijst = new QListWidget;
    lijst->setObjectName(QLatin1String(naam));
    lijst->addItems(regels);
    lijst->setSelectionMode(QAbstractItemView::NoSelection);
    auto* label = new QLabel(titel);
    label->setBuddy(lijst);
    lijst->setAccessibleName(titel); // lists do not take the buddy's text
    auto* kolom = new QVBoxLayout;
    kolom->addWidget(label);
    kolom->addWidget(lijst, 1);
    return kolom;
}

} // namespace

FrmVoorbeeld::FrmVoorbeeld(const SiteVoorbeeld& voorbeeld, const KopInstellingen& kop, const QString& MapKop,
                           QWidget* ouder, Meldingen* meldingen)
    : QDialog(ouder), m_voorbeeld(voorbeeld), m_kop(kop), m_mapKop(MapKop),
      m_meldingen(meldingen ? *meldingen : m_berichtVenster)
{
    setObjectName(QStringLiteral("frmVoorbeeld"));
    setWindowTitle(QStringLiteral("Voorbeeld afmeldsite"));
    setModal(true);
    if (ouder)
        setWindowIcon(ouder->windowIcon());

    auto* uitleg = new QLabel(QStringLiteral("Zo vult de afmeldsite de kop, de naamvakken en de speeldagen met "
                                             "de instellingen van nu. Er wordt niets opgeslagen."));
    uitleg->setWordWrap(true);

    // The header box alone: the frame cuts off the designer's mark of the logo area, which
    // sticks out above and below the box and is no part of the site.
    QWidget* kopDeel = nullptr;
    int kopBreed = 0;
    if (kop.kopvakbr > 0 && kop.kopvakho > 0) {
        auto* kader = new QWidget;
        kader->setObjectName(QStringLiteral("kopKader"));
        // Screen readers would otherwise give the frame the window's name.
        kader->setAccessibleName(QStringLiteral("Kop van de afmeldsite"));
        auto* vlak = new KopVlak(kader);
        vlak->setObjectName(QStringLiteral("P0"));
        if (vlak->accessibleName().isEmpty())
            vlak->setAccessibleName(QStringLiteral("Koptekst en logo zoals de afmeldsite ze toont"));
        vlak->ZetBeeld(MaakKopBeeld(kop, MapKop));
        vlak->move(0, -KopVlak::Rand);
        kader->setFixedSize(vlak->Maat() + QSize(2, 2));
        kopBreed = kader->width();
        // A header wider than a small screen scrolls sideways instead of pushing the window off it.
        auto* schuif = new QScrollArea;
        schuif->setObjectName(QStringLiteral("kopSchuif"));
        schuif->setAccessibleName(QStringLiteral("Schuifvak met de kop van de afmeldsite"));
        schuif->setFrameShape(QFrame::NoFrame);
        schuif->setWidget(kader);
        schuif->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        schuif->setFixedHeight(kader->height() + schuif->horizontalScrollBar()->sizeHint().height());
        kopDeel = schuif;
    } else {
        auto* geenKop = new QLabel(QStringLiteral("De kop van de site is nog niet ingesteld. Dat kan met de knop "
                                                  "'Koptekst en logo instellen'."));
        geenKop->setObjectName(QStringLiteral("lblGeenKop"));
        geenKop->setWordWrap(true);
        kopDeel = geenKop;
    }

    auto* lijsten = new QHBoxLayout;
    std::array<QListWidget*, 4> vakken{};
    for (int k = 0; k < 4; ++k) {
        const QByteArray naam = "lstVak" + QByteArray::number(k);
        lijsten->addLayout(Lijst(voorbeeld.namen[k], naam.constData(), voorbeeld.vakken[k], vakken[k]), 1);
    }
    QListWidget* dagen = nullptr;
    lijsten->addLayout(Lijst(QStringLiteral("Speeldagen:"), "lstSpeeldagen", voorbeeld.dagen, dagen), 2);

    auto* sluiten = new QPushButton(QStringLiteral("Sluiten"));
    sluiten->setObjectName(QStringLiteral("cmdSluiten"));
    sluiten->setDefault(true);
    connect(sluiten, &QPushButton::clicked, this, &QDialog::accept);
    auto* browser = new QPushButton(QStringLiteral("Open in de browser"));
    browser->setObjectName(QStringLiteral("cmdBrowser"));
    browser->setAutoDefault(false);
    connect(browser, &QPushButton::clicked, this, &FrmVoorbeeld::OpenInBrowser);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(browser);
    knoppen->addStretch(1);
    knoppen->addWidget(sluiten);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(uitleg);
    layout->addWidget(kopDeel);
    layout->addLayout(lijsten, 1);
    layout->addLayout(knoppen);
    Toetsenbord::ZetTabVolgorde({vakken[0], vakken[1], vakken[2], vakken[3], dagen, browser, sluiten});
    resize(qMax(kopBreed + 24, 860), 560);
    sluiten->setFocus();
}

void FrmVoorbeeld::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Only a shown window knows its frame; on a small screen it becomes smaller.
    HoudOpScherm(*this);
}

void FrmVoorbeeld::OpenInBrowser()
{
    const Uitkomst<QString> site = SchrijfSiteVoorbeeld(m_voorbeeld, m_kop, m_mapKop, QDir::tempPath());
    if (!site) {
        m_meldingen.Toon(site.melding(), Meldingen::Pictogram::Uitroep);
        return;
    }
    OpenExtern::Open(site.waarde(), m_meldingen, this);
}
