#include "upload/afmeldingenvenster.h"

#include "common/paden.h"
#include "common/tekst.h"
#include "common/tekstbestand.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

AfmeldingenVenster::AfmeldingenVenster(const QString& speeldag, AfmeldData::Afmeldingen afmeldingen,
                                       Meldingen& meldingen, QWidget* ouder)
    : QDialog(ouder), m_speeldag(speeldag), m_afmeldingen(std::move(afmeldingen)), m_meldingen(meldingen)
{
    setObjectName(QStringLiteral("frmAfmeldingen"));
    setWindowTitle(QStringLiteral("Afmeldingen voor ") + speeldag);

    auto* boom = new QTreeWidget;
    boom->setObjectName(QStringLiteral("lstAfmeldingen"));
    boom->setAccessibleName(QStringLiteral("Afmeldingen per speeldag"));
    boom->setHeaderLabels({QStringLiteral("Speeldag en naam"), QStringLiteral("Partner"),
                           QStringLiteral("Invaller voor mij"), QStringLiteral("Invaller voor mijn partner"),
                           QStringLiteral("Opmerking"), QStringLiteral("Ontvangen")});
    boom->setRootIsDecorated(false);
    boom->setSelectionMode(QAbstractItemView::NoSelection);
    QTreeWidgetItem* dag = nullptr;
    for (const AfmeldData::Rij& rij : m_afmeldingen.rijen) {
        if (!dag || dag->data(0, Qt::UserRole).toDate() != rij.speeldag) {
            dag = new QTreeWidgetItem(boom, {AfmeldData::Speeldag(rij.speeldag)});
            dag->setData(0, Qt::UserRole, rij.speeldag);
            dag->setFirstColumnSpanned(true);
            QFont vet = dag->font(0);
            vet.setBold(true);
            dag->setFont(0, vet);
        }
        new QTreeWidgetItem(dag, {rij.namen[0], rij.namen[1], rij.namen[2], rij.namen[3], rij.opmerking,
                                  AfmeldData::Ontvangen(rij.ontvangen)});
    }
    boom->expandAll();
    for (int kolom = 0; kolom < boom->columnCount(); ++kolom)
        boom->resizeColumnToContents(kolom);

    const qsizetype aantal = m_afmeldingen.rijen.size();
    const int dagen = boom->topLevelItemCount();
    auto* samenvatting = new QLabel(aantal == 0 ? QStringLiteral("Er zijn nog geen afmeldingen.")
                                                : QStringLiteral("%1 %2 voor %3 %4.")
                                                      .arg(aantal)
                                                      .arg(aantal == 1 ? QStringLiteral("afmelding") : QStringLiteral("afmeldingen"))
                                                      .arg(dagen)
                                                      .arg(dagen == 1 ? QStringLiteral("speeldag") : QStringLiteral("speeldagen")));
    samenvatting->setObjectName(QStringLiteral("lblSamenvatting"));
    auto* beschadigd = new QLabel(AfmeldData::BeschadigdMelding(m_afmeldingen.beschadigd));
    beschadigd->setObjectName(QStringLiteral("lblBeschadigd"));
    beschadigd->setVisible(m_afmeldingen.beschadigd > 0);

    auto* csv = new QPushButton(QStringLiteral("Opslaan als CSV..."));
    csv->setObjectName(QStringLiteral("cmdCsv"));
    csv->setEnabled(!m_afmeldingen.rijen.isEmpty());
    auto* sluiten = new QPushButton(QStringLiteral("Sluiten"));
    sluiten->setObjectName(QStringLiteral("cmdSluiten"));
    sluiten->setDefault(true);
    connect(csv, &QPushButton::clicked, this, &AfmeldingenVenster::OpslaanAlsCsv);
    connect(sluiten, &QPushButton::clicked, this, &QDialog::accept);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(csv);
    knoppen->addStretch(1);
    knoppen->addWidget(sluiten);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(samenvatting);
    layout->addWidget(beschadigd);
    layout->addWidget(boom, 1);
    layout->addLayout(knoppen);
    resize(900, 480);
}

void AfmeldingenVenster::OpslaanAlsCsv()
{
    const QString map = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString pad = QFileDialog::getSaveFileName(this, QStringLiteral("Opslaan als CSV"),
                                                     Paden::Samen(map, AfmeldData::CsvNaam(m_speeldag)),
                                                     QStringLiteral("CSV-bestanden (*.csv)"));
    if (pad.isEmpty())
        return;
    const Uitkomst<> r = TekstBestand::SchrijfBytes(pad, AfmeldData::Csv(m_afmeldingen.rijen));
    if (!r)
        m_meldingen.Toon(QStringLiteral("Het CSV-bestand kon niet worden opgeslagen:") + Tekst::CrLf + Paden::Toon(pad) +
                             Tekst::CrLf + Tekst::CrLf + r.melding(),
                         Meldingen::Pictogram::Kritiek);
}
