#include "upload/afmelddata.h"

#include "calendar/kalendertekst.h"
#include "common/lijstvolgorde.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <optional>

namespace AfmeldData {

namespace {

const QByteArray Slot = "<?php exit; ?>";

// A text member of the object; a missing one is empty, any other kind is a damaged line.
std::optional<QString> Tekst(const QJsonObject& object, QLatin1StringView sleutel)
{
    const QJsonValue waarde = object.value(sleutel);
    if (waarde.isUndefined())
        return QString();
    if (!waarde.isString())
        return std::nullopt;
    return waarde.toString();
}

// The rows of one line, one per play date; nothing when the line is not a whole sign-off.
std::optional<QList<Rij>> LeesRegel(const QByteArray& regel)
{
    QJsonParseError fout;
    const QJsonDocument document = QJsonDocument::fromJson(regel, &fout);
    if (fout.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();

    Rij basis;
    const QJsonArray vakken = object.value(QLatin1StringView("vakken")).toArray();
    if (vakken.size() != 4)
        return std::nullopt;
    for (qsizetype k = 0; k < 4; ++k) {
        const std::optional<QString> naam = Tekst(vakken.at(k).toObject(), QLatin1StringView("naam"));
        if (!vakken.at(k).isObject() || !naam)
            return std::nullopt;
        basis.namen[size_t(k)] = *naam;
    }
    const std::optional<QString> opmerking = Tekst(object, QLatin1StringView("opmerking"));
    const std::optional<QString> ontvangen = Tekst(object, QLatin1StringView("ontvangen"));
    if (basis.namen[0].trimmed().isEmpty() || !opmerking || !ontvangen)
        return std::nullopt;
    basis.opmerking = *opmerking;
    basis.ontvangen = QDateTime::fromString(*ontvangen, Qt::ISODate);
    if (!basis.ontvangen.isValid())
        return std::nullopt;

    const QJsonArray dagen = object.value(QLatin1StringView("dagen")).toArray();
    QList<Rij> rijen;
    for (const QJsonValue& dag : dagen) {
        const QString tekst = dag.toString();
        Rij rij = basis;
        rij.speeldag = QDate::fromString(tekst, QStringLiteral("yyyyMMdd"));
        if (!dag.isString() || tekst.size() != 8 || !rij.speeldag.isValid())
            return std::nullopt;
        if (std::none_of(rijen.cbegin(), rijen.cend(), [&](const Rij& r) { return r.speeldag == rij.speeldag; }))
            rijen.append(rij);
    }
    if (rijen.isEmpty())
        return std::nullopt;
    return rijen;
}

// A spreadsheet field: an apostrophe before what would start a formula, quotes around what
// holds a separator, a quote or a line break.
QByteArray Veld(const QString& waarde)
{
    QByteArray uit = waarde.toUtf8();
    if (!uit.isEmpty() && QByteArray("=+-@\t\r").contains(uit.front()))
        uit.prepend('\'');
    if (uit.contains(';') || uit.contains('"') || uit.contains('\r') || uit.contains('\n'))
        uit = '"' + uit.replace("\"", "\"\"") + '"';
    return uit;
}

} // namespace

Afmeldingen Lees(const QByteArray& bestand)
{
    Afmeldingen uit;
    const QList<QByteArray> regels = bestand.split('\n');
    for (qsizetype i = 0; i < regels.size(); ++i) {
        const QByteArray regel = regels.at(i).trimmed();
        if (regel.isEmpty() || (i == 0 && regel == Slot))
            continue;
        if (const std::optional<QList<Rij>> rijen = LeesRegel(regel))
            uit.rijen.append(*rijen);
        else
            ++uit.beschadigd;
    }
    std::stable_sort(uit.rijen.begin(), uit.rijen.end(), [](const Rij& a, const Rij& b) {
        if (a.speeldag != b.speeldag)
            return a.speeldag < b.speeldag;
        if (const int naam = LijstVolgorde::Vergelijk(a.namen[0], b.namen[0]); naam != 0)
            return naam < 0;
        return a.ontvangen < b.ontvangen;
    });
    return uit;
}

QString BeschadigdMelding(int beschadigd)
{
    if (beschadigd == 0)
        return QString();
    if (beschadigd == 1)
        return QStringLiteral("1 regel kon niet worden gelezen en is overgeslagen.");
    return QStringLiteral("%1 regels konden niet worden gelezen en zijn overgeslagen.").arg(beschadigd);
}

QString Speeldag(const QDate& dag) { return KalenderTekst::LangeDatum(dag); }

QString Ontvangen(const QDateTime& tijd) { return tijd.toString(QStringLiteral("dd-MM-yyyy HH:mm")); }

QByteArray Csv(const QList<Rij>& rijen)
{
    QByteArray uit = "\xEF\xBB\xBF"
                     "Speeldag;Naam;Partner;Invaller voor mij;Invaller voor mijn partner;Opmerking;Ontvangen\r\n";
    for (const Rij& rij : rijen) {
        uit += rij.speeldag.toString(QStringLiteral("dd-MM-yyyy")).toUtf8();
        for (const QString& naam : rij.namen)
            uit += ';' + Veld(naam);
        uit += ';' + Veld(rij.opmerking) + ';' + Veld(Ontvangen(rij.ontvangen)) + "\r\n";
    }
    return uit;
}

QString CsvNaam(const QString& speeldag) { return QStringLiteral("afmeldingen-") + speeldag + QStringLiteral(".csv"); }

} // namespace AfmeldData
