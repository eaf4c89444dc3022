#include "koptest.h"

#include "header/frmsitekop.h"
#include "header/kopbestand.h"
#include "header/kopvlak.h"
#include "support/meldingrecorder.h"
#include "support/testpaden.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

// Answers the logo choice as the test sets it; nothing means cancelled. No font or colour is chosen.
class DialogAntwoorden : public KopDialogen {
public:
    std::optional<QString> afbeelding;
    QString filter;
    std::optional<QString> KiesLettertype(QWidget*, const QString&) override { return {}; }
    std::optional<QColor> KiesKleur(QWidget*) override { return {}; }
    std::optional<QString> KiesAfbeelding(QWidget*, const QString&, const QString& f) override { return filter = f, afbeelding; }
};

// A real picture in the format its name says.
bool MaakPlaatje(const QString& pad, int maat = 10)
{
    QImage beeld(maat, maat, QImage::Format_RGB32);
    beeld.fill(Qt::red);
    return beeld.save(pad);
}

} // namespace

class TstFrmSitekop : public QObject {
    Q_OBJECT
    QTemporaryDir m_map;
    KopInstellingen m_kop;
    MeldingRecorder m_meldingen;
    DialogAntwoorden m_dialogen;
    std::unique_ptr<frmSitekop> m_venster;

    void Open(const KopInstellingen& kop)
    {
        m_meldingen = MeldingRecorder();
        m_kop = kop;
        m_venster = std::make_unique<frmSitekop>(m_kop, m_map.path(), "donderdag", " BC De Troef ", m_meldingen, m_dialogen);
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

    // The width box is left with Tab, or with Alt+A, which saves when the width is accepted
    // and otherwise says so once.
    void breedte_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("opslaan");
        QTest::addColumn<int>("kopvakbr");
        QTest::addColumn<int>("voorbeeldBreed");
        QTest::newRow("1200 refused") << "1200" << false << 1200 << 750;
        QTest::newRow("1200 refused on saving") << "1200" << true << 1200 << 750;
        // Only digits are typed: Backspace, letters, signs and blanks are refused.
        QTest::newRow("999 typed among refused keys") << "9 x-9\b9" << false << 999 << 999;
        QTest::newRow("500 saved") << "500" << true << 500 << 500;
    }

    void breedte()
    {
        QFETCH(QString, tekst);
        QFETCH(bool, opslaan);
        QFETCH(int, kopvakbr);
        QFETCH(int, voorbeeldBreed);
        Open(KopInstellingen{});
        const int vensterBreed = m_venster->width();
        Typ("txtKopVakBr", tekst);
        QTest::keyClick(QApplication::focusWidget(), opslaan ? Qt::Key_A : Qt::Key_Tab, opslaan ? Qt::AltModifier : Qt::NoModifier);
        const bool geweigerd = kopvakbr != voorbeeldBreed;
        QCOMPARE(m_meldingen.Teksten(), geweigerd ? QStringList{"Breedte-waarde is 500 t/m 999. \r\nWijzig de waarde"} : QStringList());
        QCOMPARE(QApplication::focusWidget() == Deel("txtKopVakBr"), geweigerd);
        QCOMPARE(qobject_cast<QLineEdit*>(Deel("txtKopVakBr"))->text(), QString::number(kopvakbr));
        QCOMPARE(m_kop.kopvakbr, kopvakbr);
        QCOMPARE(m_venster->isVisible(), !opslaan || geweigerd);
        QCOMPARE(KopBestand().contains("\r\nkopvakbr=" + QByteArray::number(kopvakbr) + "\r\n"), opslaan && !geweigerd);
        auto* vlak = m_venster->findChild<KopVlak*>("P0");
        QCOMPARE(vlak->Maat().width(), voorbeeldBreed);
        QCOMPARE(vlak->Vak().p1.width(), qRound(voorbeeldBreed / 3.0)); // laid out at once
        // The window grows with a wide header and keeps its buttons 8 pixels from its right edge.
        QCOMPARE(m_venster->width() > vensterBreed, voorbeeldBreed == 999);
        QCOMPARE(Deel("cmdAkkoord")->geometry().right() + 1, m_venster->width() - 8);
        QVERIFY(vlak->geometry().right() < m_venster->width());
    }

    // Escape from any control is "Annuleren" and restores the header as it came in; the close
    // box keeps the edits but never a refused width.
    void sluiten_data()
    {
        QTest::addColumn<KopInstellingen>("begin");
        QTest::addColumn<QString>("breedte"); // typed into the width box and left
        QTest::addColumn<QString>("vanuit");  // the control that has the focus; empty: close box
        QTest::newRow("Annuleren with a refused width") << VoorbeeldKop() << "1200" << "cmdAnnu";
        QTest::newRow("Escape in the refused width box") << VoorbeeldKop() << "1200" << "txtKopVakBr";
        for (const char* deel : {"cmbKopVakHo", "chkLogojanee", "txtKopTekst", "cmdKopFont", "cmdAkkoord"})
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
        Typ("txtKopTekst", "Andere kop");
        QTest::keyClicks(Deel("cmbKopHoog"), "40"); // as on a closed list
        QCOMPARE(qobject_cast<QComboBox*>(Deel("cmbKopHoog"))->currentText(), "40");
        Typ("txtKopVakBr", breedte);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        KopInstellingen bewerkt = m_kop;
        bewerkt.kopvakbr = breedte == "900" ? 900 : 750;
        if (vanuit.isEmpty()) {
            m_venster->close();
        } else if (vanuit == "cmdAnnu") {
            QTest::mouseClick(Deel("cmdAnnu"), Qt::LeftButton);
        } else {
            // Tab along the controls, as a user does, until the one the row starts from.
            for (int i = 0; i < 20 && QApplication::focusWidget()->objectName() != vanuit; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), vanuit);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        }
        QVERIFY(!m_venster->isVisible());
        QCOMPARE(m_venster->result(), int(QDialog::Rejected));
        QVERIFY(m_kop == (vanuit.isEmpty() ? bewerkt : begin));
        QCOMPARE(bewerkt.koptekst, "Andere kop");
        QVERIFY(!QFile::exists(m_map.filePath(StandaardNaamKop)));
        QCOMPARE(m_meldingen.meldingen.size(), breedte == "900" ? 0 : 1);
    }

    // A logo is chosen in the file dialog or dropped on the logo frame and checked alike;
    // saving without a new one keeps the stored logo and its name; other pictures go.
    void logo_data()
    {
        QTest::addColumn<QString>("bestand"); // "slepen:" dropped, else chosen; empty: none
        QTest::addColumn<QString>("melding"); // its first line
        QTest::addColumn<QString>("logofile");
        QTest::newRow("text named .jpg dropped") << "slepen:tekst.jpg" << "Dit bestand is geen afbeelding die Hovelink kan lezen:" << "000001.jpg";
        QTest::newRow("over 1 MB taken with a warning") << "groot.bmp" << "Deze afbeelding is groter dan 1 MB:" << "000001.bmp";
    }

    void logo()
    {
        QFETCH(QString, bestand);
        QFETCH(QString, melding);
        QFETCH(QString, logofile);
        QTemporaryDir bron;
        QVERIFY(MaakPlaatje(m_map.filePath("000001.jpg")) && MaakPlaatje(m_map.filePath("oud.png")));
        QVERIFY(MaakPlaatje(bron.filePath("groot.bmp"), 700) && TestPaden::SchrijfBestand(bron.filePath("tekst.jpg"), "geen plaatje"));
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
        } else if (!bestand.isEmpty()) {
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
