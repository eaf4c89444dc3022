#pragma once

#include "common/helpvenster.h"

// Example of how the generated files sit on the club's web server.
class DiaSitestructuur : public HelpVenster {
    Q_OBJECT
public:
    explicit DiaSitestructuur(QWidget* parent = nullptr);
};
