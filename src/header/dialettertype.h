#pragma once

#include <QDialog>

class QListWidget;

// The font choice of the header designer: font families only (size, style and colour are
// not the dialog's to choose), only those that draw every Windows-1252 character, and it
// opens on the font the header has now.
class DiaLettertype : public QDialog {
    Q_OBJECT
public:
    DiaLettertype(const QString& huidig, QWidget* ouder = nullptr);

    QString Gekozen() const;

private:
    QListWidget* m_lijst;
};
