#include "paginering.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>

#include <map>

namespace {

class Bladzijden {
public:
    explicit Bladzijden(QTextDocument& document)
        : m_layout(*document.documentLayout()), m_hoogte(document.pageSize().height()) {}

    int Van(qreal y) const { return static_cast<int>(y / m_hoogte); }

    bool Doorsnijdt(const QRectF& vlak) const { return Van(vlak.top()) != Van(vlak.bottom() - 1); }

    QRectF Vlak(const QTextFrame::iterator& plaats) const
    {
        if (QTextFrame* frame = plaats.currentFrame())
            return m_layout.frameBoundingRect(frame);
        return m_layout.blockBoundingRect(plaats.currentBlock());
    }

    // Where the first line of a block ends, or the whole of a table.
    qreal EersteOnderkant(const QTextFrame::iterator& plaats) const
    {
        const QRectF vlak = Vlak(plaats);
        if (plaats.currentFrame())
            return vlak.bottom();
        const QTextLayout* regels = plaats.currentBlock().layout();
        if (!regels || regels->lineCount() == 0)
            return vlak.bottom();
        return vlak.top() + regels->lineAt(0).rect().bottom();
    }

private:
    QAbstractTextDocumentLayout& m_layout;
    qreal m_hoogte;
};

void BreekErvoor(QTextFrame* frame)
{
    QTextFrameFormat opmaak = frame->frameFormat();
    opmaak.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    frame->setFrameFormat(opmaak);
}

void BreekErvoor(const QTextBlock& blok)
{
    QTextBlockFormat opmaak = blok.blockFormat();
    opmaak.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(blok).setBlockFormat(opmaak);
}

} // namespace

namespace Paginering {

void HoudSamen(QTextDocument& document)
{
    const Bladzijden bladzijden(document);
    // In document order: each move shifts only what follows it, which is measured afterwards.
    for (auto plaats = document.rootFrame()->begin(); !plaats.atEnd(); ++plaats) {
        if (QTextFrame* frame = plaats.currentFrame()) {
            if (bladzijden.Doorsnijdt(bladzijden.Vlak(plaats)))
                BreekErvoor(frame);
            continue;
        }
        const QTextBlock blok = plaats.currentBlock();
        if (!blok.blockFormat().boolProperty(kHoudBijVolgende))
            continue;
        auto volgende = plaats;
        ++volgende;
        if (volgende.atEnd())
            continue;
        const qreal boven = bladzijden.Vlak(plaats).top();
        if (bladzijden.Van(boven) != bladzijden.Van(bladzijden.EersteOnderkant(volgende) - 1))
            BreekErvoor(blok);
    }
}

QList<Hoofdstuk> Nummer(QTextDocument& document)
{
    const Bladzijden bladzijden(document);
    std::map<int, Hoofdstuk> hoofdstukken;
    for (QTextBlock blok = document.begin(); blok.isValid(); blok = blok.next()) {
        const QVariant nummer = blok.blockFormat().property(kHoofdstuk);
        if (nummer.isValid())
            hoofdstukken[nummer.toInt()] = {blok.text(), bladzijden.Van(document.documentLayout()->blockBoundingRect(blok).top())};
    }
    // Numbers never take more than the line's last word's place: the layout keeps its pages.
    for (QTextBlock blok = document.begin(); blok.isValid(); blok = blok.next()) {
        const QVariant nummer = blok.blockFormat().property(kInhoudRegel);
        const auto hoofdstuk = hoofdstukken.find(nummer.toInt());
        if (!nummer.isValid() || hoofdstuk == hoofdstukken.end())
            continue;
        QTextCursor cursor(blok);
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.insertText(QString::number(hoofdstuk->second.pagina + 1));
    }
    QList<Hoofdstuk> uit;
    for (const auto& [nummer, hoofdstuk] : hoofdstukken)
        uit.append(hoofdstuk);
    return uit;
}

} // namespace Paginering
