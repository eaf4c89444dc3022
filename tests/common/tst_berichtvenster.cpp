#include "common/berichtvenster.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

class TstBerichtVenster : public QObject {
    Q_OBJECT
private slots:
    void veiligAntwoord() // on Enter and Escape
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
