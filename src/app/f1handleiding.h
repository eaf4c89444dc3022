#pragma once

#include <QObject>
#include <QString>

class Meldingen;

// F1 opens the user guide from every window. Installed on the application, so that it also
// answers while a modal window is open (a shortcut of the start window would not).
class F1Handleiding : public QObject {
    Q_OBJECT
public:
    F1Handleiding(QString programmaMap, Meldingen& meldingen) : m_programmaMap(std::move(programmaMap)), m_meldingen(meldingen) {}

protected:
    bool eventFilter(QObject* doel, QEvent* gebeurtenis) override;

private:
    QString m_programmaMap;
    Meldingen& m_meldingen;
};
