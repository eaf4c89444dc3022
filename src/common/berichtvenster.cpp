#include "common/berichtvenster.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <utility>

Meldingen::Antwoord BerichtVenster::Toon(const QString& tekst, Pictogram pictogram, Knoppen knoppen,
                                         const QString& titel)
{
    QMessageBox::Icon icoon = QMessageBox::NoIcon;
    switch (pictogram) {
    case Pictogram::Geen: break;
    case Pictogram::Uitroep: icoon = QMessageBox::Warning; break;
    case Pictogram::Informatie: icoon = QMessageBox::Information; break;
    case Pictogram::Kritiek: icoon = QMessageBox::Critical; break;
    }
    // Every question may discard data on its first button, so the second (Annuleren, Nee) is
    // what Enter and Escape give.
    QMessageBox::StandardButtons knopset = QMessageBox::Ok;
    QMessageBox::StandardButton veilig = QMessageBox::Ok;
    if (knoppen == Knoppen::OkAnnuleren) {
        knopset = QMessageBox::Ok | QMessageBox::Cancel;
        veilig = QMessageBox::Cancel;
    } else if (knoppen == Knoppen::JaNee) {
        knopset = QMessageBox::Yes | QMessageBox::No;
        veilig = QMessageBox::No;
    }
    QMessageBox box(icoon, titel.isEmpty() ? QStringLiteral("Hovelink") : titel, tekst, knopset,
                    QApplication::activeWindow());
    box.setDefaultButton(veilig);
    box.setEscapeButton(veilig);
    // The buttons in Dutch, as Windows shows them, whatever translations are installed.
    const std::pair<QMessageBox::StandardButton, const char*> knopteksten[] = {
        {QMessageBox::Ok, "OK"}, {QMessageBox::Cancel, "Annuleren"}, {QMessageBox::Yes, "&Ja"}, {QMessageBox::No, "&Nee"}};
    for (const auto& [knop, opschrift] : knopteksten) {
        if (QAbstractButton* b = box.button(knop))
            b->setText(QString::fromLatin1(opschrift));
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return Antwoord::Annuleren;
    case QMessageBox::Yes: return Antwoord::Ja;
    case QMessageBox::No: return Antwoord::Nee;
    default: return Antwoord::Ok;
    }
}
