#include "header/dialettertype.h"
#include "header/kopmaten.h"
#include "header/kopopmaak.h"
#include "header/vensterkopvlak.h"

#include <QApplication>
#include <QTest>

// The header's geometry in the examples' sizes, and the preview drawn from it.
class TstKopMaten : public QObject {
    Q_OBJECT
private slots:
    // The captions: the logo's share is a third of the width, rounded half up.
    void opschriften()
    {
        QCOMPARE(KopAfmeting(750, 100) + " | " + LogoRuimte(MaxLogoBreed(750), 100), "Kopafmeting= 750x100 pixels | 250 x 100");
        QCOMPARE(LogoRuimte(MaxLogoBreed(752), 100), "251 x 100");
        QCOMPARE(LogoRuimte(MaxLogoBreed(999), 130), "333 x 130");
        QCOMPARE(LogoRuimte(MaxLogoBreed(500), 70), "167 x 70");
    }

    // Header width, height, margin, picture size: the logo area P1 and the logo P2 in it.
    void pasLogoIn()
    {
        const struct {
            int breedte, hoogte, marge;
            QSize beeld;
            QRect p1, p2;
        } rijen[] = {
            {750, 100, 5, QSize(), QRect(0, 0, 250, 100), QRect(5, 5, 240, 90)},          // no picture
            {750, 70, 30, QSize(), QRect(0, 0, 250, 70), QRect(30, 30, 190, 10)},         // margin 30, height 70
            {750, 100, 5, QSize(400, 100), QRect(0, 0, 250, 100), QRect(5, 5, 240, 60)},  // wide picture
            {750, 100, 5, QSize(100, 200), QRect(0, 0, 55, 100), QRect(5, 5, 45, 90)},    // tall: the area shrinks
            {750, 100, 0, QSize(16, 16), QRect(0, 0, 100, 100), QRect(0, 0, 100, 100)},   // icon enlarged
            {750, 100, 0, QSize(500, 200), QRect(0, 0, 250, 100), QRect(0, 0, 250, 100)}, // same proportions
            {999, 130, 5, QSize(400, 100), QRect(0, 0, 333, 130), QRect(5, 5, 323, 81)},  // widest, highest
            {750, 100, 0, QSize(400, 100), QRect(0, 0, 250, 100), QRect(0, 0, 250, 63)},  // half pixel rounds
            {750, 100, 60, QSize(100, 100), QRect(0, 0, 120, 100), QRect(60, 60, 0, 0)},  // margin beyond the area
        };
        for (const auto& r : rijen) {
            const LogoVak vak = MaakLogoVak(MaxLogoBreed(r.breedte), r.hoogte, r.marge);
            QCOMPARE(PasLogoIn(vak, r.beeld, r.marge), (LogoVak{r.p1, r.p2}));
            if (r.beeld.isEmpty())
                QCOMPARE(vak, (LogoVak{r.p1, r.p2}));
        }
    }

    // Line1, the header text's left edge and the corner texts, with and without a logo.
    void plaatsen()
    {
        QCOMPARE(PlaatsLijn1(QPoint(8, 30), LogoVak{QRect(0, 0, 250, 100), {}}), QLine(259, 25, 259, 135));
        QCOMPARE(PlaatsLijn1(QPoint(8, 30), LogoVak{QRect(0, 0, 55, 70), {}}), QLine(64, 25, 64, 105));
        QCOMPARE(KoptekstLinks(750, 0, 250, 100.0), 326.0); // centred on the box
        QCOMPARE(KoptekstLinks(750, 1, 250, 100.0), 451.0); // centred right of the logo area
        QCOMPARE(KoptekstLinks(750, 1, 55, 200.0), 303.5);
        QCOMPARE(KoptekstLinks(750, 2, 250, 100.0), 326.0); // logojn 2 counts as no logo
        QCOMPARE(KoptekstLinks(750, 0, 250, 900.0), -74.0);
        for (const auto& [logojn, p1Breed, links] : {std::tuple{0, 250, 6}, {1, 250, 256}, {1, 55, 61}, {2, 250, 6}}) {
            const HoekPlaatsen plek = PlaatsHoekteksten(750, 100, qint16(logojn), p1Breed, QSize(40, 16), QSize(120, 16));
            QCOMPARE(plek.links, QPoint(links, 81));
            QCOMPARE(plek.rechts, QPoint(624, 81));
        }
    }

    // Colours are stored with red in the lowest byte.
    void kleuren()
    {
        for (const auto& [waarde, kleur] : {std::pair{65535, QColor(255, 255, 0)}, {16711680, QColor(0, 0, 255)}, {0x123456, QColor(0x56, 0x34, 0x12)}}) {
            QCOMPARE(KleurVan(waarde), kleur);
            QCOMPARE(KleurWaarde(kleur), waarde);
        }
    }

    // Frame at (0, Rand), Line1 only outside it, the logo white within its margin, texts drawn.
    void tekenen()
    {
        const QColor blauw(0, 128, 255), rood(255, 0, 0);
        KopVlak vlak;
        vlak.ZetMaat(QSize(750, 100));
        vlak.ZetAchtergrond(blauw);
        vlak.ZetLogoVak(MaakLogoVak(250, 100, 5));
        vlak.ZetLogoVakZichtbaar(true);
        QFont font("Arial");
        font.setPixelSize(30);
        vlak.ZetKoptekst("BC bridgeclub", font, rood, QPointF(300, 20));
        QFont klein("Arial");
        klein.setPixelSize(12);
        vlak.ZetHoekteksten("abc", QPoint(256, 81), "xyz", QPoint(624, 81), klein);
        const QImage beeld = vlak.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int binnen = KopVlak::Rand + 1;
        const auto kleur = [&](int x, int y) { return QColor(beeld.pixel(x, y)); };
        const auto telt = [&](QRect vak, auto past) {
            const QImage stuk = beeld.copy(vak);
            const auto* p = reinterpret_cast<const QRgb*>(stuk.constBits());
            return std::count_if(p, p + stuk.width() * stuk.height(), [&](QRgb c) { return past(QColor(c)); });
        };
        QCOMPARE(beeld.height(), KopVlak::Rand + 106);
        QCOMPARE(kleur(0, KopVlak::Rand), Qt::black);
        QCOMPARE(kleur(751, KopVlak::Rand + 101), Qt::black);
        QCOMPARE(kleur(251, 0), Qt::black);
        QCOMPARE(kleur(251, binnen + 50), blauw);
        QCOMPARE(kleur(6, binnen + 5), Qt::white);
        QCOMPARE(kleur(245, binnen + 94), Qt::white);
        QCOMPARE(kleur(246, binnen + 5), blauw);
        QCOMPARE(kleur(5, binnen + 5), blauw);
        QVERIFY(telt(QRect(300, binnen, 400, 60), [&](QColor c) { return c.red() > 200 && c.blue() < 100; }) > 50);
        const auto hoektekst = telt(QRect(620, binnen + 80, 130, 20), [&](QColor c) { return c.blue() < 100; });
        QVERIFY2(hoektekst > 20 && hoektekst < 100, qPrintable(QString::number(hoektekst))); // in its own small font
    }

    // The font choice offers families only, as browsers know them (visitors' fonts first), opens
    // on the header's font and takes one by keys.
    void lettertype()
    {
        const QStringList bezoekers{"Arial", "Verdana", "Tahoma", "Trebuchet MS", "Georgia", "Times New Roman",
                                    "Courier New", "Arial Black", "Comic Sans MS", "Impact"};
        QCOMPARE(Lettertypenlijst({"Nimbus Roman [urw]", "nimbus roman [b&h]", "Monospace", "verdana", "Abyssinica"},
                                  [](const QString& f) { return f != "Monospace"; }),
                 (bezoekers + QStringList{"Abyssinica", "Nimbus Roman"}));
        const QStringList echt = AnsiLettertypen(); // no aliases of fontconfig, no font without all of Windows-1252
        QVERIFY(echt.mid(0, bezoekers.size()) == bezoekers && echt.contains("DejaVu Sans") && !echt.contains("Monospace") &&
                !echt.contains("Serif") && !echt.contains("DejaVu Math TeX Gyre"));
        DiaLettertype dialoog(AnsiLettertypen().value(1));
        dialoog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialoog));
        QCOMPARE(dialoog.Gekozen(), AnsiLettertypen().value(1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialoog.result(), int(QDialog::Accepted));
        QCOMPARE(dialoog.Gekozen(), AnsiLettertypen().value(2));
    }
};

QTEST_MAIN(TstKopMaten)
#include "tst_kopmaten.moc"
