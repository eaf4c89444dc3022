#pragma once

#include "opmaak.h"

#include <QHash>
#include <QImage>
#include <QSizeF>
#include <QString>

class QTextDocument;

namespace HandleidingPdf {

// Lays the guide out: the first chapter is the title page (with the icon and a list of the other
// chapters), every further chapter starts a page, messages stand in a shaded box. Pictures are
// taken from `afbeeldingen` by file name and fitted to the width of the text.
void Opmaken(QTextDocument& document, const QList<Opmaak::Blok>& blokken, const QImage& icoon,
             const QHash<QString, QImage>& afbeeldingen = {});

struct Uitkomst {
    bool gelukt = false;
    QString fout;
};

// Lays the document out on A4 pages and prints it with page numbers, the contents' page numbers
// and a bookmark per chapter into a PDF file, written whole.
Uitkomst Schrijf(QTextDocument& document, const QString& pad, const QString& titel);

} // namespace HandleidingPdf
