#pragma once

#include <QTextFormat>

class QTextDocument;

// QTextDocument breaks pages between any two lines; the guide wants a message with its
// explanation on one page, and a section heading on the page of the text it heads.
namespace Paginering {

// Block property: the block stays on the page of what follows it (a section heading).
constexpr int kHoudBijVolgende = QTextFormat::UserProperty + 1;
// Block property: the heading of the chapter with this number (1 is the first after the title page).
constexpr int kHoofdstuk = QTextFormat::UserProperty + 2;
// Block property: the contents line of the chapter with this number; its text ends in a tab,
// after which the chapter's page number goes.
constexpr int kInhoudRegel = QTextFormat::UserProperty + 3;

// With the document's page size set: moves every table (message box) that would cross a page
// end, and every block marked kHoudBijVolgende whose next line or table would land on the next
// page, to the top of the next page.
void HoudSamen(QTextDocument& document);

struct Hoofdstuk {
    QString titel;
    int pagina; // 0-based
};

// With the document paginated: writes each chapter's page number (1-based) into its contents
// line, and returns the chapters in order with the page they start on.
QList<Hoofdstuk> Nummer(QTextDocument& document);

} // namespace Paginering
