#include "moment/regelmodel.h"

void RegelModel::ZetTekst(const QString& tekst)
{
    if (tekst == m_tekst)
        return;
    beginResetModel();
    m_tekst = tekst;
    m_begin.clear();
    qsizetype begin = 0;
    while (begin < m_tekst.size()) {
        m_begin.push_back(begin);
        const qsizetype eind = m_tekst.indexOf(u'\n', begin);
        begin = eind < 0 ? m_tekst.size() : eind + 1;
    }
    m_begin.push_back(m_tekst.size());
    endResetModel();
}

int RegelModel::rowCount(const QModelIndex& ouder) const
{
    return ouder.isValid() || m_begin.empty() ? 0 : static_cast<int>(m_begin.size() - 1);
}

QVariant RegelModel::data(const QModelIndex& index, int rol) const
{
    if (!index.isValid() || index.row() >= rowCount() || (rol != Qt::DisplayRole && rol != Qt::AccessibleTextRole))
        return {};
    const auto rij = static_cast<std::size_t>(index.row());
    QStringView regel = QStringView(m_tekst).mid(m_begin[rij], m_begin[rij + 1] - m_begin[rij]);
    if (regel.endsWith(u'\n'))
        regel.chop(1);
    if (regel.endsWith(u'\r'))
        regel.chop(1);
    return regel.toString();
}
