#include "common/berichtvenster.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(Meldingen::Antwoord)

// The real message box, answered with a user's keys and clicks: a question's safe answer on Enter.
class TstBerichtVenster : public QObject {
    Q_OBJECT
private slots:
    void antwoord_data()
    {
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("invoer"); // a key, or a button's caption to click
        QTest::addColumn<QStringList>("opschriften");
        QTest::addColumn<Meldingen::Antwoord>("antwoord");
        using A = Meldingen::Antwoord;
        const QStringList okAnnuleren{"Annuleren", "OK"}, jaNee{"&Ja", "&Nee"};
        QTest::newRow("OK/Annuleren, Enter") << "Hovelink" << "Return" << okAnnuleren << A::Annuleren;
        QTest::newRow("own title, Escape") << "Datums wijzigen?" << "Esc" << okAnnuleren << A::Annuleren;
        QTest::newRow("click OK") << "Hovelink" << "OK" << okAnnuleren << A::Ok;
        QTest::newRow("Ja/Nee, Enter") << "Hovelink" << "Return" << jaNee << A::Nee;
        QTest::newRow("Ja/Nee, Escape") << "Hovelink" << "Esc" << jaNee << A::Nee;
        QTest::newRow("click Ja") << "Hovelink" << "&Ja" << jaNee << A::Ja;
    }

    void antwoord()
    {
        QFETCH(QString, titel);
        QFETCH(QString, invoer);
        QFETCH(QStringList, opschriften);
        QFETCH(Meldingen::Antwoord, antwoord);
        QStringList gezien;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            gezien << box->windowTitle();
            for (QAbstractButton* knop : box->buttons()) {
                gezien << knop->text();
                if (knop->text() == invoer)
                    QTest::mouseClick(knop, Qt::LeftButton);
            }
            if (box->isVisible())
                QTest::keySequence(box, QKeySequence(invoer));
        });
        const auto knoppen = opschriften[0] == "&Ja" ? Meldingen::Knoppen::JaNee : Meldingen::Knoppen::OkAnnuleren;
        const Meldingen::Antwoord gekregen = BerichtVenster().Toon(QStringLiteral("Wilt u toch doorgaan?."),
                                                                   Meldingen::Pictogram::Uitroep, knoppen,
                                                                   titel == "Hovelink" ? QString() : titel);
        std::sort(gezien.begin() + 1, gezien.end());
        QCOMPARE(gezien, QStringList{titel} + opschriften);
        QCOMPARE(gekregen, antwoord);
    }
};

QTEST_MAIN(TstBerichtVenster)
#include "tst_berichtvenster.moc"
