#include "koptest.h"

#include "header/frmsitekop.h"
#include "header/kopbestand.h"
#include "header/vensterkopvlak.h"
#include "support/demowerkplek.h"
#include "support/meldingrecorder.h"
#include "support/tabel.h"
#include "support/testpaden.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// Typed into the width box (only digits are taken), the width that gives, whether it is refused,
// how the window is left (Tab, Alt+A, cmdAnnu, a control to press Escape in, or the close box) and
// whether the stored logo cannot be read (else there is none).
struct BewerkRij {
    QString tekst;
    int breedte = 0;
    bool geweigerd = false;
    QString daarna;
    bool onleesbaar = false;
};

// The picture ("slepen:" dropped, else chosen), the first line of its message and the logo's name.
struct LogoRij {
    QString bestand, melding, logofile;
};

class TstFrmSitekop : public QObject {
    Q_OBJECT
    QTemporaryDir m_map;
    KopInstellingen m_kop;
    MeldingRecorder m_meldingen;
    DialogAntwoorden m_dialogen;
    std::unique_ptr<FrmSitekop> m_venster;

    void Open(const KopInstellingen& kop)
    {
        m_meldingen = MeldingRecorder();
        m_kop = kop;
        m_venster = std::make_unique<FrmSitekop>(m_kop, m_map.path(), "donderdag", " BC De Troef ", m_meldingen, m_dialogen);
        m_venster->show();
        QVERIFY(QTest::qWaitForWindowActive(m_venster.get()));
    }
    QWidget* Deel(const char* naam) { return m_venster->findChild<QWidget*>(naam); }
    QByteArray KopBestand() { return TestPaden::LeesBestand(m_map.filePath(StandaardNaamKop)); }
    // Clicks into a box and types over its text.
    void Typ(const char* naam, const QString& tekst)
    {
        QTest::mouseClick(Deel(naam), Qt::LeftButton);
        QTest::keyClick(Deel(naam), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Deel(naam), Qt::Key_Delete);
        QTest::keyClicks(Deel(naam), tekst);
    }

private slots:
    void cleanup() { QDir(m_map.path()).removeRecursively(), QDir().mkpath(m_map.path()); }

    // A refused width is said once; Escape and Annuleren restore the header, the close box keeps edits.
    void bewerken_data()
    {
        RijKolom<BewerkRij>();
        QTest::newRow("1200 refused") << BewerkRij{.tekst = "1200", .breedte = 1200, .geweigerd = true, .daarna = "Tab"};
        QTest::newRow("1200 refused on saving") << BewerkRij{.tekst = "1200", .breedte = 1200, .geweigerd = true, .daarna = "Alt+A"};
        QTest::newRow("999 typed among refused keys, unreadable logo") << BewerkRij{.tekst = "9 x-9\b9", .breedte = 999, .daarna = "Tab", .onleesbaar = true};
        QTest::newRow("500 saved") << BewerkRij{.tekst = "500", .breedte = 500, .daarna = "Alt+A"};
        QTest::newRow("Annuleren with a refused width") << BewerkRij{.tekst = "1200", .breedte = 1200, .geweigerd = true, .daarna = "cmdAnnu"};
        QTest::newRow("Escape in the refused width box") << BewerkRij{.tekst = "1200", .breedte = 1200, .geweigerd = true, .daarna = "txtKopVakBr"};
        for (const char* deel : {"cmbKopVakHo", "chkLogojanee", "txtKopTekst", "cmdKopFont", "cmdAkkoord"})
            QTest::addRow("Escape in %s", deel) << BewerkRij{.tekst = "900", .breedte = 900, .daarna = deel};
        QTest::newRow("close box keeps the edits") << BewerkRij{.tekst = "900", .breedte = 900};
        QTest::newRow("close box puts back the last width") << BewerkRij{.tekst = "1200", .breedte = 1200, .geweigerd = true};
        QTest::newRow("close box after an emptied width box") << BewerkRij{.tekst = "", .breedte = 0, .geweigerd = true};
    }

    void bewerken()
    {
        const auto& [tekst, breedte, geweigerd, daarna, onleesbaar] = DezeRij<BewerkRij>();
        KopInstellingen begin = VoorbeeldKop(); // the logo area takes a third of the width without a logo to show
        if (!onleesbaar || !TestPaden::SchrijfBestand(m_map.filePath(begin.logofile), "geen plaatje"))
            begin.logofile.clear();
        Open(begin);
        const int vensterBreed = m_venster->width();
        const bool opslaan = daarna == "Alt+A", blijftOpen = daarna == "Tab" || (opslaan && geweigerd);
        Typ("txtKopTekst", "Andere kop");
        Typ("txtKopVakBr", tekst);
        QTest::keyClick(QApplication::focusWidget(), opslaan ? Qt::Key_A : Qt::Key_Tab, opslaan ? Qt::AltModifier : Qt::NoModifier);
        QCOMPARE(m_meldingen.Teksten(), geweigerd ? QStringList{"Breedte-waarde is 500 t/m 999. \r\nWijzig de waarde"} : QStringList());
        KopInstellingen bewerkt = m_kop;
        bewerkt.kopvakbr = geweigerd ? 750 : breedte;
        QCOMPARE(bewerkt.koptekst, "Andere kop");
        if (daarna.isEmpty()) {
            m_venster->close();
        } else if (daarna == "cmdAnnu") {
            QTest::mouseClick(Deel("cmdAnnu"), Qt::LeftButton);
        } else if (!blijftOpen && !opslaan) {
            // Tab along the controls, as a user does, until the one the row starts from.
            for (int i = 0; i < 20 && QApplication::focusWidget()->objectName() != daarna; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), daarna);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }
        QCOMPARE(m_venster->isVisible(), blijftOpen);
        QCOMPARE(KopBestand().contains("\r\nkoptekst=Andere kop\r\n") && KopBestand().contains("\r\nkopvakbr=" + QByteArray::number(breedte) + "\r\n"),
                 opslaan && !geweigerd);
        if (!blijftOpen) {
            QCOMPARE(m_venster->result(), int(opslaan ? QDialog::Accepted : QDialog::Rejected));
            QVERIFY(m_kop == (daarna.isEmpty() || opslaan ? bewerkt : begin));
            return;
        }
        QCOMPARE(QApplication::focusWidget() == Deel("txtKopVakBr"), geweigerd);
        QCOMPARE(qobject_cast<QLineEdit*>(Deel("txtKopVakBr"))->text(), QString::number(breedte));
        auto* vlak = m_venster->findChild<KopVlak*>("P0");
        QCOMPARE(vlak->Maat().width(), bewerkt.kopvakbr);
        QCOMPARE(vlak->Vak().p1.width(), qRound(bewerkt.kopvakbr / 3.0)); // laid out at once
        // The window grows with a wide header and keeps its buttons 8 pixels from its right edge.
        QCOMPARE(m_venster->width() > vensterBreed, breedte == 999);
        QCOMPARE(Deel("cmdAkkoord")->geometry().right() + 1, m_venster->width() - 8);
        QVERIFY(vlak->geometry().right() < m_venster->width());
    }

    // A logo chosen or dropped is checked alike; saving renames a new one; other pictures go.
    void logo_data()
    {
        RijKolom<LogoRij>();
        QTest::newRow("text named .jpg dropped") << LogoRij{.bestand = "slepen:tekst.jpg", .melding = "Dit bestand is geen afbeelding die Hovelink kan lezen:", .logofile = "000001.jpg"};
        QTest::newRow("over 1 MB taken with a warning") << LogoRij{.bestand = "groot.bmp", .melding = "Deze afbeelding is groter dan 1 MB:", .logofile = "000001.bmp"};
    }

    void logo()
    {
        const auto& [bestand, melding, logofile] = DezeRij<LogoRij>();
        QTemporaryDir bron;
        QImage beeld(700, 700, QImage::Format_RGB32); // 1.9 MB as a bmp
        beeld.fill(Qt::red);
        QVERIFY(beeld.save(m_map.filePath("000001.jpg")) && beeld.save(m_map.filePath("oud.png")) && beeld.save(bron.filePath("groot.bmp")));
        QVERIFY(TestPaden::SchrijfBestand(bron.filePath("tekst.jpg"), "geen plaatje"));
        const QString pad = bron.filePath(bestand.section(':', -1));
        const QByteArray inhoud = TestPaden::LeesBestand(logofile == "000001.jpg" ? m_map.filePath(logofile) : pad);
        Open(VoorbeeldKop());
        if (bestand.startsWith("slepen:")) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(pad)});
            QDragEnterEvent binnen(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(Deel("frmLogo"), &binnen);
            QVERIFY(binnen.isAccepted());
            QDropEvent los(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(Deel("frmLogo"), &los);
        } else {
            m_dialogen.afbeelding = pad;
            QTest::mouseClick(Deel("cmdKiesAfb"), Qt::LeftButton);
            QCOMPARE(m_dialogen.filter.section(";;", 0, 0), "Graphic Files (*.bmp *.gif *.jpg *.ico)");
        }
        QCOMPARE(m_meldingen.Teksten().join("").section("\r\n", 0, 0), melding);
        QTest::mouseClick(Deel("cmdAkkoord"), Qt::LeftButton);
        QCOMPARE(m_venster->result(), int(QDialog::Accepted));
        QCOMPARE(m_kop.logofile, logofile);
        QCOMPARE(QDir(m_map.path()).entryList(QDir::Files, QDir::Name), QStringList({logofile, StandaardNaamKop}));
        QCOMPARE(TestPaden::LeesBestand(m_map.filePath(logofile)), inhoud);
        QVERIFY(KopBestand().startsWith("donderdag\r\nBC De Troef\r\n") && KopBestand().contains("\r\nlogofile=" + logofile.toLatin1() + "\r\n"));
    }
};

QTEST_MAIN(TstFrmSitekop)
#include "tst_frmsitekop.moc"
