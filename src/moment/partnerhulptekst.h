#pragma once

#include <QString>

// The text frmHelpPartner shows in txtPartner.
QString PartnerHulpTekst();
