// hovelink.js from fuzzed texts: every value stays inside its quotes, on its own line.
#include "fuzzsteun.h"
#include "script/maakscript.h"

#include <QRegularExpression>

void FuzzDoel(const QByteArray& invoer)
{
    const QList<QByteArray> d = FuzzSteun::Delen(invoer, 3);
    const QStringList t = QString::fromUtf8(d[0]).split(u'\n');
    ScriptInvoer in{t.value(0), t.value(1), 1, 1, 1, int(d[2].size() % 2), int(d[2].count('x') % 2), t.value(2), t.value(3), t.mid(4, 2), t.mid(6, 2), {t.value(8), t.value(9), t.value(10), t.value(11)}, {t.value(12), t.value(13), t.value(14), t.value(15)}, {}, {}, {}};
    in.kop.koptekst = t.value(16);
    in.leden.LidNaam = in.leden.LidNummer = in.leden.LidGroep = in.partners = {QString()};
    for (const QString& lid : QString::fromUtf8(d[1]).split(u'\n'))
        in.leden.LidNaam << lid.section(u'\t', 0, 0), in.leden.LidNummer << lid.section(u'\t', 1, 1),
            in.leden.LidGroep << lid.section(u'\t', 2, 2), in.partners << lid.section(u'\t', 3, 3);
    static const QRegularExpression tekst(QStringLiteral("'(\\\\.|[^'\\\\\\r\\n])*'"));
    for (const QString& regel : QString::fromLatin1(Script::MaakScriptBestand(in)).split(QStringLiteral("\r\n")))
        FUZZ_EIS(!QString(regel).remove(tekst).contains(QRegularExpression(QStringLiteral("['\\r\\n]"))));
}
