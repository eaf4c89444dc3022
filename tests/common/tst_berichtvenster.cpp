#include "common/berichtvenster.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

// The real message box answered with the user's keys: a question's safe answer on Enter and Escape.
class TstBerichtVenster : public QObject {
    Q_OBJECT
private slots:
    void antwoord()
    {
        using A = Meldingen::Antwoord;
        for (const auto& [knoppen, toets, antwoord] : {std::tuple{Meldingen::Knoppen::OkAnnuleren, Qt::Key_Return, A::Annuleren},
                                                     {Meldingen::Knoppen::JaNee, Qt::Key_Return, A::Nee},
                                                     {Meldingen::Knoppen::JaNee, Qt::Key_Escape, A::Nee}}) {
            QTimer::singleShot(0, this, [toets = toets] {
                QWidget* box = QApplication::activeModalWidget();
                QCOMPARE(box->windowTitle(), "Hovelink");
                QTest::keyClick(box, toets);
            });
            QCOMPARE(BerichtVenster().Toon("Wilt u toch doorgaan?.", Meldingen::Pictogram::Uitroep, knoppen), antwoord);
        }
    }
};

QTEST_MAIN(TstBerichtVenster)
#include "tst_berichtvenster.moc"
