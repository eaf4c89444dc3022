#include "koptest.h"

#include "header/dialettertype.h"
#include "header/frmsitekop.h"
#include "header/kopbestand.h"
#include "header/kopopmaak.h"
#include "header/kopvlak.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QAccessible>
#include <QApplication>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QTest>

#include <memory>

namespace {

// Answers the designer's dialogs as the test sets them; nothing means cancelled.
class DialogAntwoorden : public KopDialogen {
public:
    std::optional<QString> lettertype, afbeelding;
    std::optional<QColor> kleur;
    QString startMap, filter;

    std::optional<QString> KiesLettertype(QWidget*, const QString&) override { return lettertype; }
    std::optional<QColor> KiesKleur(QWidget*) override { return kleur; }
    std::optional<QString> KiesAfbeelding(QWidget*, const QString& map, const QString& f) override
    {
        startMap = map;
        filter = f;
        return afbeelding;
    }
};

const QString BreedteMelding = QStringLiteral("Breedte-waarde is 500 t/m 999. \r\nWijzig de waarde");

// A real picture in the format its name says; Qt writes no GIF, so that one is a 1 x 1 GIF.
bool MaakPlaatje(const QString& pad, QSize maat = QSize(40, 10))
{
    if (pad.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive))
        return TestPaden::SchrijfBestand(pad, QByteArray::fromBase64("R0lGODlhAQABAIAAAP8AAP///ywAAAAAAQABAAACAkQBADs="));
    QImage beeld(maat, QImage::Format_RGB32);
    beeld.fill(Qt::red);
    return beeld.save(pad);
}

QStringList Bestanden(const QString& map)
{
    QStringList namen = QDir(map).entryList(QDir::Files, QDir::Name);
    namen.removeAll(StandaardNaamKop);
    return namen;
}

} // namespace

class TstFrmSitekop : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_map;
    KopInstellingen m_kop;
    MeldingRecorder m_meldingen;
    DialogAntwoorden m_dialogen;
    std::unique_ptr<frmSitekop> m_venster;

    void Open(const KopInstellingen& kop)
    {
        m_kop = kop;
        m_venster = std::make_unique<frmSitekop>(m_kop, m_map->path(), QStringLiteral("donderdag"),
                                                 QStringLiteral(" BC De Troef "), m_meldingen, m_dialogen);
        m_venster->show();
        QVERIFY(QTest::qWaitForWindowActive(m_venster.get()));
    }
    template <class T = QWidget> T* Deel(const char* naam)
    {
        T* w = m_venster->findChild<T*>(QLatin1String(naam));
        if (!w)
            qFatal("control %s missing", naam);
        return w;
    }
    void Klik(const char* knop) { QTest::mouseClick(Deel(knop), Qt::LeftButton); }
    QString Tekst(const char* label) { return Deel<QLabel>(label)->text(); }
    QByteArray KopBestand() { return TestPaden::LeesBestand(m_map->filePath(StandaardNaamKop)); }
    // Clicks into a box and types over its text.
    void Typ(const char* naam, const QString& tekst)
    {
        QWidget* vak = Deel(naam);
        QTest::mouseClick(vak, Qt::LeftButton);
        QTest::keyClick(vak, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(vak, Qt::Key_Delete);
        QTest::keyClicks(vak, tekst);
    }
    // Picks an entry by typing it, as on a closed list.
    void Kies(const char* lijst, const QString& tekst)
    {
        QTest::keyClicks(Deel(lijst), tekst);
        QCOMPARE(Deel<QComboBox>(lijst)->currentText(), tekst);
    }
    void ZagMelding(const QString& tekst, Meldingen::Pictogram pictogram)
    {
        QCOMPARE(m_meldingen.Teksten(), QStringList{tekst});
        QCOMPARE(m_meldingen.meldingen[0].pictogram, pictogram);
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_venster.reset();
        m_map = std::make_unique<QTemporaryDir>();
        m_meldingen = MeldingRecorder();
        m_dialogen = DialogAntwoorden();
    }

    // The width box is left with Tab, or with Alt+A, which saves when the width is accepted
    // and otherwise says so once.
    void breedte_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("opslaan");
        QTest::addColumn<QString>("getoond");
        QTest::addColumn<int>("kopvakbr");
        QTest::addColumn<int>("voorbeeldBreed");
        QTest::newRow("1200 refused") << "1200" << false << "1200" << 1200 << 750;
        QTest::newRow("1200 refused on saving") << "1200" << true << "1200" << 1200 << 750;
        // Only digits are typed: Backspace, letters, signs and blanks are refused.
        QTest::newRow("999 typed among refused keys") << "9 x-9\b9" << false << "999" << 999 << 999;
        QTest::newRow("500 saved") << "500" << true << "500" << 500 << 500;
    }

    void breedte()
    {
        QFETCH(QString, tekst);
        QFETCH(bool, opslaan);
        QFETCH(QString, getoond);
        QFETCH(int, kopvakbr);
        QFETCH(int, voorbeeldBreed);

        Open(KopInstellingen{});
        const int vensterBreed = m_venster->width();
        Typ("txtKopVakBr", tekst);
        QTest::keyClick(QApplication::focusWidget(), opslaan ? Qt::Key_A : Qt::Key_Tab,
                        opslaan ? Qt::AltModifier : Qt::NoModifier);

        const bool geweigerd = kopvakbr != voorbeeldBreed;
        if (geweigerd)
            ZagMelding(BreedteMelding, Meldingen::Pictogram::Uitroep);
        else
            QVERIFY(m_meldingen.meldingen.isEmpty());
        QCOMPARE(QApplication::focusWidget() == Deel("txtKopVakBr"), geweigerd);
        QCOMPARE(Deel<QLineEdit>("txtKopVakBr")->text(), getoond);
        QCOMPARE(m_kop.kopvakbr, kopvakbr);
        QCOMPARE(m_venster->isVisible(), !opslaan || geweigerd);
        QCOMPARE(KopBestand().contains("\r\nkopvakbr=" + QByteArray::number(kopvakbr) + "\r\n"), opslaan && !geweigerd);
        QCOMPARE(Deel<KopVlak>("P0")->Maat().width(), voorbeeldBreed);
        QCOMPARE(Deel<KopVlak>("P0")->Vak().p1.width(), qRound(voorbeeldBreed / 3.0)); // laid out at once
        // The window grows with a wide header and keeps its buttons 8 pixels from its right edge.
        QCOMPARE(m_venster->width() > vensterBreed, voorbeeldBreed == 999);
        QCOMPARE(Deel("cmdAkkoord")->geometry().right() + 1, m_venster->width() - 8);
        QCOMPARE(Deel("cmdAnnu")->geometry().right() + 1 + 20, Deel("cmdAkkoord")->x());
        QVERIFY(Deel("P0")->geometry().right() < m_venster->width());
    }

    // Escape from any control is "Annuleren" and restores the header as it came in; the close
    // box keeps the edits but never a refused width.
    void sluiten_data()
    {
        QTest::addColumn<KopInstellingen>("begin");
        QTest::addColumn<QString>("breedte"); // typed into the width box and left
        QTest::addColumn<QString>("vanuit");  // the control that has the focus; empty: close box

        QTest::newRow("Annuleren, fresh run") << KopInstellingen{} << "900" << "cmdAnnu";
        QTest::newRow("Annuleren with a refused width") << VoorbeeldKop() << "1200" << "cmdAnnu";
        QTest::newRow("Escape in the refused width box") << VoorbeeldKop() << "1200" << "txtKopVakBr";
        for (const char* deel : {"cmbKopVakHo", "cmbMa", "cmdKiesAfb", "chkLogojanee", "txtKopTekst", "cmdKopFont",
                                 "cmbKopHoog", "chkKopVet", "cmdKopKleur", "cmdKopBack", "cmbKopVert", "txtTL",
                                 "txtTR", "cmdAkkoord"})
            QTest::addRow("Escape in %s", deel) << VoorbeeldKop() << "900" << deel;
        QTest::newRow("close box keeps the edits") << VoorbeeldKop() << "900" << "";
        QTest::newRow("close box puts back the last width") << KopInstellingen{} << "1200" << "";
        QTest::newRow("close box after an emptied width box") << VoorbeeldKop() << "" << "";
    }

    void sluiten()
    {
        QFETCH(KopInstellingen, begin);
        QFETCH(QString, breedte);
        QFETCH(QString, vanuit);
        Open(begin);
        Typ("txtKopTekst", QStringLiteral("Andere kop"));
        Kies("cmbKopHoog", QStringLiteral("40"));
        Typ("txtKopVakBr", breedte);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const bool afgewezen = breedte != QStringLiteral("900");
        KopInstellingen bewerkt = m_kop;
        bewerkt.kopvakbr = afgewezen ? 750 : 900;
        if (vanuit.isEmpty()) {
            m_venster->close();
        } else if (vanuit == QStringLiteral("cmdAnnu")) {
            Klik("cmdAnnu");
        } else {
            // Tab along the controls, as a user does, until the one the row starts from.
            for (int i = 0; i < 20 && QApplication::focusWidget()->objectName() != vanuit; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), vanuit);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }
        QVERIFY(!m_venster->isVisible());
        QCOMPARE(m_venster->result(), int(QDialog::Rejected));
        QCOMPARE(m_kop, vanuit.isEmpty() ? bewerkt : begin);
        QCOMPARE(bewerkt.koptekst, QStringLiteral("Andere kop"));
        QVERIFY(!QFile::exists(m_map->filePath(StandaardNaamKop)));
        QCOMPARE(m_meldingen.meldingen.size(), afgewezen ? 1 : 0);
    }

    void bewaren_data()
    {
        QTest::addColumn<QStringList>("aanwezig"); // pictures in the play-moment folder before saving
        QTest::addColumn<QString>("logofile");     // stored logo
        QTest::addColumn<QString>("gekozen");      // new logo: "bron/..." outside, "map/..." inside
        QTest::addColumn<QString>("verwacht");     // logofile after saving; the only picture left

        QTest::newRow("new gif beside 000001.jpg") << QStringList{"000001.jpg"} << "000001.jpg" << "bron/logo.gif"
                                                   << "000001.gif";
        QTest::newRow("stored logo keeps its name")
            << QStringList{"000001.jpg", "oud.gif"} << "000001.jpg" << "" << "000001.jpg";
    }

    void bewaren()
    {
        QFETCH(QStringList, aanwezig);
        QFETCH(QString, logofile);
        QFETCH(QString, gekozen);
        QFETCH(QString, verwacht);

        QTemporaryDir bron;
        for (const QString& naam : aanwezig) {
            if (naam.endsWith(QStringLiteral(".txt")))
                QVERIFY(TestPaden::SchrijfBestand(m_map->filePath(naam), "notities"));
            else
                QVERIFY(MaakPlaatje(m_map->filePath(naam)));
        }
        QString pad;
        if (gekozen.startsWith(QStringLiteral("bron/"))) {
            pad = bron.filePath(gekozen.mid(5));
            QVERIFY(MaakPlaatje(pad, QSize(7, 3)));
        } else if (gekozen.startsWith(QStringLiteral("map/"))) {
            pad = m_map->filePath(gekozen.mid(4));
        }
        const QByteArray inhoud = TestPaden::LeesBestand(pad.isEmpty() ? m_map->filePath(logofile) : pad);

        KopInstellingen kop = VoorbeeldKop();
        kop.logofile = logofile;
        Open(kop);
        if (!pad.isEmpty()) {
            m_dialogen.afbeelding = pad;
            Klik("cmdKiesAfb");
        }
        Klik("cmdAkkoord");

        QCOMPARE(m_venster->result(), int(QDialog::Accepted));
        QCOMPARE(m_kop.logofile, verwacht);
        // Files that are not pictures stay; of the pictures only the logo does.
        QStringList blijft = aanwezig.filter(QStringLiteral(".txt"));
        if (!verwacht.isEmpty())
            blijft.prepend(verwacht);
        QCOMPARE(Bestanden(m_map->path()), blijft);
        QFile::remove(m_map->filePath(QStringLiteral("../buiten.jpg")));
        if (!verwacht.isEmpty())
            QCOMPARE(TestPaden::LeesBestand(m_map->filePath(verwacht)), inhoud);
        QVERIFY(KopBestand().startsWith("donderdag\r\nBC De Troef\r\n"));
        QVERIFY(KopBestand().contains("\r\nlogofile=" + verwacht.toLatin1() + "\r\n"));
        QVERIFY(m_meldingen.meldingen.isEmpty());
    }

    // A logo comes from the file dialog or is dropped on the logo frame; both are checked alike.
    void afbeeldingKiezen_data()
    {
        QTest::addColumn<QString>("bestand"); // in a folder of source pictures; empty: cancelled
        QTest::addColumn<bool>("slepen");
        QTest::addColumn<QString>("melding"); // its first line
        QTest::addColumn<QString>("logofile"); // set when the choice is taken

        QTest::newRow("picture chosen") << "logo.jpg" << false << "" << "000001.jpg";
        QTest::newRow("text named .jpg dropped")
            << "tekst.jpg" << true << "Dit bestand is geen afbeelding die Hovelink kan lezen:" << "";
        QTest::newRow("over 1 MB taken with a warning")
            << "groot.bmp" << false << "Deze afbeelding is groter dan 1 MB:" << "000001.bmp";
    }

    void afbeeldingKiezen()
    {
        QFETCH(QString, bestand);
        QFETCH(bool, slepen);
        QFETCH(QString, melding);
        QFETCH(QString, logofile);

        QTemporaryDir bron;
        QVERIFY(MaakPlaatje(bron.filePath(QStringLiteral("eerst.gif"))));
        QVERIFY(MaakPlaatje(bron.filePath(QStringLiteral("logo.jpg"))));
        QVERIFY(MaakPlaatje(bron.filePath(QStringLiteral("groot.bmp")), QSize(700, 700)));
        QVERIFY(TestPaden::SchrijfBestand(bron.filePath(QStringLiteral("tekst.jpg")), "geen plaatje"));
        const QString pad = bestand.isEmpty() ? QString() : bron.filePath(bestand);

        // Without a Pictures folder the dialog starts in the profile folder itself.
        const QByteArray profiel = qgetenv("USERPROFILE");
        qputenv("USERPROFILE", bron.path().toLocal8Bit());
        KopInstellingen kop = VoorbeeldKop();
        kop.logofile.clear();
        Open(kop);
        // A first choice that succeeds, so that the second one must clear it when it does not.
        m_dialogen.afbeelding = bron.filePath(QStringLiteral("eerst.gif"));
        Klik("cmdKiesAfb");
        if (slepen) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(pad)});
            QWidget* kader = Deel("frmLogo");
            QDragEnterEvent binnen(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(kader, &binnen);
            QVERIFY(binnen.isAccepted());
            QDropEvent los(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(kader, &los);
        } else {
            m_dialogen.afbeelding = bestand.isEmpty() ? std::nullopt : std::optional<QString>(pad);
            Klik("cmdKiesAfb");
        }

        qputenv("USERPROFILE", profiel);
        QCOMPARE(m_dialogen.startMap, bron.path());
        QCOMPARE(m_dialogen.filter.section(QStringLiteral(";;"), 0, 0),
                 QStringLiteral("Graphic Files (*.bmp *.gif *.jpg *.ico)"));
        QCOMPARE(m_meldingen.Teksten().join(QString()).section(QStringLiteral("\r\n"), 0, 0), melding);
        const bool genomen = !logofile.isEmpty();
        QCOMPARE(Tekst("Label7"), genomen ? QDir::toNativeSeparators(pad) : QString());
        Klik("cmdAkkoord");
        QCOMPARE(m_kop.logofile, logofile);
        QCOMPARE(Bestanden(m_map->path()), genomen ? QStringList{logofile} : QStringList{});
    }

};

QTEST_MAIN(TstFrmSitekop)
#include "tst_frmsitekop.moc"
