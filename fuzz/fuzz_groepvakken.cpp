// The group boxes of the sign-off settings window with typed or hand-edited texts: the
// check on leaving a box, the check on leaving the window, and the site filters of boxes
// that passed.
#include "common/ansi.h"
#include "common/tekst.h"
#include "fuzzsteun.h"
#include "moment/groepvakken.h"
#include "script/groepfilter.h"

#include <QSet>

namespace {

// A member file with `groepen` groups G01, G02, ... and one member each.
QByteArray LedenTekst(int groepen)
{
    QByteArray bytes = "kop\r\n";
    for (int g = 1; g <= groepen; ++g)
        bytes += QByteArray::number(g) + ',' + QByteArray::number(1000 + g) + ",G" +
                 QByteArray::number(g).rightJustified(2, '0') +
                 ",Jan,,Lid,,,,,,,,,,,,1\r\n";
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> delen = FuzzSteun::Delen(FuzzSteun::Bytes(data, size), 6);
    const QByteArray& keuze = delen.at(4);
    const int aantal = keuze.isEmpty() ? 12 : static_cast<unsigned char>(keuze.at(0)) % 100;
    FuzzMeldingen meldingen;
    Groepvakken groepen(FuzzSteun::Map(), {}, meldingen);
    groepen.LeesGroepen(FuzzSteun::Bestand(QStringLiteral("TWKspelers.txt"), LedenTekst(aantal)));
    GroepFrame& frame = groepen.Frame();
    FUZZ_EIS(frame.lst1.rijen.size() == aantal);
    // The ticks take effect at once, as restoring saved groups does it.
    QSet<int> aangevinkt;
    for (int r = 0; r < aantal; ++r) {
        const int byte = keuze.size() > 1 + r / 8 ? static_cast<unsigned char>(keuze.at(1 + r / 8)) : 0xFF;
        if (byte & (1 << (r % 8))) {
            frame.lst1.rijen[r].aangevinkt = true;
            aangevinkt.insert(r + 1);
        }
    }
    if (!aangevinkt.isEmpty())
        groepen.lst1_Click();
    // Box texts are read as Windows-1252; the last part may tick "Toon Partner".
    std::array<QString, kAantalVakken> teksten;
    for (int i = 0; i < kAantalVakken; ++i)
        teksten[i] = Ansi::Van(delen.at(i));
    const bool toonPartner = !delen.at(5).isEmpty() && (delen.at(5).at(0) & 1);

    // Every site filter of a box that passed names ticked groups only (#000 is the
    // KIES NAAM entry).
    const auto filterGoed = [&](const QString& tekst, int i) {
        const QString filter = Script::GroepFilter(tekst, i);
        for (const QString& stuk : filter.split(u'#', Qt::SkipEmptyParts)) {
            if (stuk != u"000" && !aangevinkt.contains(stuk.toInt()))
                return false;
        }
        return true;
    };

    for (int i = 0; i < kAantalVakken; ++i) {
        frame.txtB2[i].tekst = teksten[i];
        const int voor = meldingen.aantal;
        const bool goed = groepen.txtB2_LostFocus(i);
        FUZZ_EIS(meldingen.aantal == voor + (goed ? 0 : 1));
        FUZZ_EIS(goed == (frame.focusVak == -1));
        if (goed) {
            FUZZ_EIS(frame.txtB2[i].tekst == teksten[i]);
            FUZZ_EIS(filterGoed(teksten[i], i));
        } else {
            FUZZ_EIS(frame.txtB2[i].tekst.isEmpty() && frame.focusVak == i);
        }
    }

    for (int i = 0; i < kAantalVakken; ++i)
        frame.txtB2[i].tekst = teksten[i];
    frame.chkToonPartner.waarde = toonPartner ? 1 : 0;
    const int voor = meldingen.aantal;
    groepen.ControleerVakken();
    FUZZ_EIS(meldingen.aantal == voor + groepen.VakFout());
    if (groepen.VakFout() == 0) {
        for (int i = 0; i < kAantalVakken; ++i) {
            FUZZ_EIS(!Tekst::Trim(frame.txtB2[i].tekst).isEmpty());
            FUZZ_EIS(filterGoed(frame.txtB2[i].tekst, i));
        }
        FUZZ_EIS(!frame.txtB2[0].tekst.contains(u','));
    } else {
        FUZZ_EIS(frame.focusVak >= 0 && frame.txtB2[frame.focusVak].tekst.isEmpty());
    }
    return 0;
}
