#include "common/berichtvenster.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QTimer>

class TstBerichtVenster : public QObject {
    Q_OBJECT
private slots:
    // Enter and Escape give the safe answer; the buttons speak Dutch, whatever translations are installed.
    void antwoord()
    {
        using A = Meldingen::Antwoord;
        using K = Meldingen::Knoppen;
        for (const auto& [knoppen, toets, antwoord, opschriften] : {std::tuple{K::OkAnnuleren, QKeySequence(Qt::Key_Return), A::Annuleren, "Annuleren|OK"},
                                                                    {K::JaNee, QKeySequence(Qt::Key_Return), A::Nee, "&Ja|&Nee"},
                                                                    {K::JaNee, QKeySequence(Qt::Key_Escape), A::Nee, "&Ja|&Nee"},
                                                                    {K::JaNee, QKeySequence(Qt::ALT | Qt::Key_J), A::Ja, "&Ja|&Nee"}}) {
            QStringList gezien;
            QTimer::singleShot(0, this, [&, toets = toets] {
                QWidget* box = QApplication::activeModalWidget();
                gezien << box->windowTitle();
                for (const QAbstractButton* knop : box->findChildren<QAbstractButton*>())
                    gezien << knop->text();
                QTest::keySequence(box->windowHandle(), toets);
            });
            QCOMPARE(BerichtVenster().Toon("Wilt u toch doorgaan?.", Meldingen::Pictogram::Uitroep, knoppen), antwoord);
            std::sort(gezien.begin() + 1, gezien.end());
            QCOMPARE(gezien.join('|'), QString("Hovelink|") + opschriften);
        }
    }
};

QTEST_MAIN(TstBerichtVenster)
#include "tst_berichtvenster.moc"
