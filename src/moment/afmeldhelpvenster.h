#pragma once

#include "common/helpvenster.h"

#include <QMargins>
#include <QPoint>

class QPlainTextEdit;

// Where frmHelp2 stands, in twips: 200 right of the sign-off window's left edge, its bottom
// 200 above that window's bottom.
QPoint PositieHelp2(const QPoint& ouderLinksBoven, int ouderHoogte, int eigenHoogte);

// The steps of the sign-off settings window.
class FrmHelp2 : public HelpVenster {
    Q_OBJECT
public:
    // `afmeldVenster` lends its icon and is the window it places itself against.
    explicit FrmHelp2(QWidget* afmeldVenster);

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Places the window's frame against the sign-off window's frame.
    void Plaats();
    QMargins m_rand; // the frame Plaats counted with
};

// Help on partner files; the caller supplies the text.
class FrmHelpPartner : public HelpVenster {
    Q_OBJECT
public:
    FrmHelpPartner(const QString& tekst, QWidget* afmeldVenster);

private:
    QPlainTextEdit* m_txtPartner = nullptr;
};
