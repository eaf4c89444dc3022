#pragma once

#include <QDialog>
#include <QPoint>

class QPlainTextEdit;

// Where frmHelp2 stands, in twips: 200 right of the sign-off window's left edge, its bottom
// 200 above that window's bottom.
QPoint PositieHelp2(const QPoint& ouderLinksBoven, int ouderHoogte, int eigenHoogte);

// Example of how the generated files sit on the club's web server.
class DiaSitestructuur : public QDialog {
    Q_OBJECT
public:
    explicit DiaSitestructuur(QWidget* parent = nullptr);
};

// The steps of the sign-off settings window.
class FrmHelp2 : public QDialog {
    Q_OBJECT
public:
    // `afmeldVenster` lends its icon and is the window it places itself against.
    explicit FrmHelp2(QWidget* afmeldVenster);
};

// Help on partner files; the caller supplies the text.
class FrmHelpPartner : public QDialog {
    Q_OBJECT
public:
    FrmHelpPartner(const QString& tekst, QWidget* afmeldVenster);

private:
    QPlainTextEdit* m_txtPartner = nullptr;
};
