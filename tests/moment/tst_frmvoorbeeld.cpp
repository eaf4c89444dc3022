#include "header/kopvlak.h"
#include "moment/frmvoorbeeld.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

SiteVoorbeeld Voorbeeld()
{
    SiteVoorbeeld v;
    v.namen = {"naam1", "partner", "inval1", "inval3"};
    v.vakken = {QStringList{"-----  KIES NAAM  -----", "Anna Bakker"}, QStringList{}, QStringList{"Bert"},
                QStringList{"a", "b", "c"}};
    v.dagen = {"donderdag 4 september 2025", "donderdag 11 september 2025"};
    return v;
}

KopInstellingen Kop(qint32 breed, qint32 hoog, qint16 logojn)
{
    KopInstellingen k;
    k.kopvakbr = breed;
    k.kopvakho = hoog;
    k.koptekst = "BC De Troef";
    k.kopfont = "Arial";
    k.kophoog = 24;
    k.kopback = 0x00FF00; // green: red in the lowest byte
    k.kopvert = 20;
    k.tekstlo = "links";
    k.tekstro = "rechts";
    k.logofile = "000001.png";
    k.logomarge = 5;
    k.logojn = logojn;
    return k;
}

QStringList Regels(const QListWidget* lijst)
{
    QStringList uit;
    for (int i = 0; i < lijst->count(); ++i)
        uit.append(lijst->item(i)->text());
    return uit;
}

// The caption whose buddy is `w`.
QString Titel(const QWidget* venster, const QWidget* w)
{
    for (const QLabel* label : venster->findChildren<QLabel*>())
        if (label->buddy() == w)
            return label->text();
    return {};
}

} // namespace

class TstFrmVoorbeeld : public QObject {
    Q_OBJECT
private slots:
    void lijsten();
    void kop_data();
    void kop();
    void geenKop();
    void sluiten();
};

void TstFrmVoorbeeld::lijsten()
{
    const SiteVoorbeeld v = Voorbeeld();
    FrmVoorbeeld venster(v, Kop(750, 100, 0), QString());
    QCOMPARE(venster.windowTitle(), "Voorbeeld afmeldsite");
    QVERIFY(venster.isModal());
    for (int k = 0; k < 4; ++k) {
        auto* lijst = venster.findChild<QListWidget*>("lstVak" + QString::number(k));
        QVERIFY(lijst);
        QCOMPARE(Regels(lijst), v.vakken[k]);
        QCOMPARE(Titel(&venster, lijst), v.namen[k]);
    }
    auto* dagen = venster.findChild<QListWidget*>("lstSpeeldagen");
    QCOMPARE(Regels(dagen), v.dagen);
    QCOMPARE(Titel(&venster, dagen), "Speeldagen:");
}

void TstFrmVoorbeeld::kop_data()
{
    QTest::addColumn<int>("breed");
    QTest::addColumn<int>("hoog");
    QTest::addColumn<int>("logojn");
    QTest::addColumn<bool>("beeldAanwezig");
    QTest::newRow("750 x 100 with logo") << 750 << 100 << 1 << true;
    QTest::newRow("logo not placed") << 600 << 80 << 0 << true;
    QTest::newRow("logo file missing") << 999 << 130 << 1 << false;
}

void TstFrmVoorbeeld::kop()
{
    QFETCH(int, breed);
    QFETCH(int, hoog);
    QFETCH(int, logojn);
    QFETCH(bool, beeldAanwezig);
    QTemporaryDir map;
    if (beeldAanwezig) {
        QImage logo(200, 100, QImage::Format_RGB32);
        logo.fill(Qt::blue);
        QVERIFY(logo.save(map.filePath("000001.png")));
    }
    FrmVoorbeeld venster(Voorbeeld(), Kop(breed, hoog, qint16(logojn)), map.path());
    venster.show();
    QVERIFY(!venster.findChild<QLabel*>("lblGeenKop"));
    auto* kader = venster.findChild<QWidget*>("kopKader");
    auto* vlak = venster.findChild<KopVlak*>("P0");
    QVERIFY(kader && vlak && !kader->accessibleName().isEmpty() && !vlak->accessibleName().isEmpty());
    QCOMPARE(vlak->Maat(), QSize(breed, hoog));
    // Only the box with its frame shows: the mark of the logo area stays outside.
    QCOMPARE(kader->size(), QSize(breed + 2, hoog + 2));
    const QImage beeld = kader->grab().toImage();
    QCOMPARE(beeld.pixelColor(breed - 2, 2), QColor(0, 0xFF, 0));
    QCOMPARE(beeld.pixelColor(0, 0), QColor(Qt::black));
    // The logo fills the height of the logo area less its margins, keeping its proportions.
    const QRect logo = vlak->Vak().p2.translated(vlak->Vak().p1.topLeft()).translated(1, 1);
    if (beeldAanwezig) {
        QCOMPARE(vlak->Vak().p2.height(), hoog - 10);
        QCOMPARE(vlak->Vak().p2.width(), 2 * (hoog - 10));
    }
    const QColor midden = beeld.pixelColor(logo.center());
    if (logojn == 0)
        QCOMPARE(midden, QColor(0, 0xFF, 0));
    else
        QCOMPARE(midden, beeldAanwezig ? QColor(Qt::blue) : QColor(Qt::white));
}

void TstFrmVoorbeeld::geenKop()
{
    FrmVoorbeeld venster(Voorbeeld(), KopInstellingen{}, QString());
    QVERIFY(!venster.findChild<QWidget*>("P0"));
    QVERIFY(!venster.findChild<QWidget*>("kopKader"));
    auto* melding = venster.findChild<QLabel*>("lblGeenKop");
    QVERIFY(melding);
    QVERIFY(melding->text().contains("'Koptekst en logo instellen'"));
}

void TstFrmVoorbeeld::sluiten()
{
    FrmVoorbeeld venster(Voorbeeld(), Kop(750, 100, 0), QString());
    venster.show();
    auto* knop = venster.findChild<QPushButton*>("cmdSluiten");
    QCOMPARE(knop->text(), "Sluiten");
    QVERIFY(knop->isDefault());
    QTest::keyClick(&venster, Qt::Key_Escape);
    QVERIFY(!venster.isVisible());
    QCOMPARE(venster.result(), int(QDialog::Rejected));
    venster.show();
    knop->click();
    QCOMPARE(venster.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TstFrmVoorbeeld)
#include "tst_frmvoorbeeld.moc"
