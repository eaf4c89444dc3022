#include "moment/eindtijd.h"

#include <QTest>

class TstEindtijd : public QObject {
    Q_OBJECT
private slots:
    void controleer_data();
    void controleer();
    void toetsen_data();
    void toetsen();
};

void TstEindtijd::controleer_data()
{
    const QString schrijfwijze = "De schrijfwijze is niet juist!\r\n\r\nEnkele voorbeelden: 09:00, 15:00, 18:35.";
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("melding");
    QTest::newRow("four characters") << "9:30" << schrijfwijze;
    QTest::newRow("empty") << "" << schrijfwijze;
    QTest::newRow("no colon in third place") << "0930:" << schrijfwijze;
    QTest::newRow("09:30") << "09:30" << "";
    QTest::newRow("23:59") << "23:59" << "";
    QTest::newRow("00:00") << "00:00" << "";
    QTest::newRow("blanks around") << "  15:30 " << "";
    QTest::newRow("24:00") << "24:00" << "Het maximum is 23 uur!";
    QTest::newRow("12:60") << "12:60" << "Het maximum is 59 minuten!";
    QTest::newRow("longer text uses last two") << "12:3099" << "Het maximum is 59 minuten!";
    QTest::newRow("hours checked first") << "99:99" << "Het maximum is 23 uur!";
}

void TstEindtijd::controleer()
{
    QFETCH(QString, tekst);
    QFETCH(QString, melding);
    const std::optional<QString> uitkomst = Eindtijd::Controleer(tekst);
    QCOMPARE(uitkomst.value_or(QString()), melding);
}

void TstEindtijd::toetsen_data()
{
    QTest::addColumn<QChar>("teken");
    QTest::addColumn<bool>("toegestaan");
    QTest::newRow("digit") << QChar(u'7') << true;
    QTest::newRow("colon") << QChar(u':') << true;
    QTest::newRow("backspace") << QChar(u'\b') << true;
    QTest::newRow("letter") << QChar(u'a') << false;
    QTest::newRow("dot") << QChar(u'.') << false;
    QTest::newRow("blank") << QChar(u' ') << false;
}

void TstEindtijd::toetsen()
{
    QFETCH(QChar, teken);
    QFETCH(bool, toegestaan);
    QCOMPARE(Eindtijd::ToetsToegestaan(teken), toegestaan);
}

QTEST_GUILESS_MAIN(TstEindtijd)
#include "tst_eindtijd.moc"
