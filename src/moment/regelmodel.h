#pragma once

#include <QAbstractListModel>
#include <QString>

#include <vector>

// The member overview txt1 as a list: one row per CR LF-ended line of one text. The rows are
// views into that text, so showing 10,000 members costs one scan, not 10,000 strings.
class RegelModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Shows `tekst`; does nothing when it is what is shown already.
    void ZetTekst(const QString& tekst);

    int rowCount(const QModelIndex& ouder = {}) const override;
    QVariant data(const QModelIndex& index, int rol = Qt::DisplayRole) const override;

private:
    QString m_tekst;
    std::vector<qsizetype> m_begin; // per row: where its line begins; one more for the end
};
