#pragma once

#include <QDialog>

class QKeyEvent;

// A help window: modal, and Escape does not close it.
class HelpVenster : public QDialog {
    Q_OBJECT
public:
    explicit HelpVenster(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
