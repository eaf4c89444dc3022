#pragma once

#include <QTextFormat>

class QTextDocument;

// QTextDocument breaks pages between any two lines; the guide wants a message with its
// explanation on one page, and a section heading on the page of the text it heads.
namespace Paginering {

// Block property: the block stays on the page of what follows it (a section heading).
constexpr int kHoudBijVolgende = QTextFormat::UserProperty + 1;

// With the document's page size set: moves every table (message box) that would cross a page
// end, and every block marked kHoudBijVolgende whose next line or table would land on the next
// page, to the top of the next page.
void HoudSamen(QTextDocument& document);

} // namespace Paginering
