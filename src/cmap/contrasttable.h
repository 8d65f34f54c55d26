#pragma once

#include "cmap/tagtext.h"
#include "cspace/contrast.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QIcon>

#include <array>

// The rows of the contrast check, one per pair of the scheme: the two parts'
// names, the ratio and the verdict. A pair short of its first threshold is
// set in a face of its own with a mark beside its verdict, so that it stands
// out whatever colours a person sees.
class ContrastTable final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column : int
    {
        ForegroundColumn,
        BackgroundColumn,
        RatioColumn,
        VerdictColumn,
        ColumnCount
    };
    static constexpr int RowCount = int(cSpace::SchemeContrastPairs.size());

    // `names` are the parts' names by element.
    ContrastTable(const std::array<QString, cSpace::SchemeElementCount> &names,
                  const QFont &failingFace, const QIcon &failingMark, QObject *parent);

    static QString verdictText(cSpace::ContrastVerdict verdict);

    // Measures the scheme; only the cells that change are reported changed,
    // as one slider step changes one part and so a few rows.
    void setScheme(const SchemeColors &colors);
    bool fails(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::array<QString, cSpace::SchemeElementCount> m_names;
    QFont m_failingFace;
    QIcon m_failingMark;
    std::array<double, RowCount> m_ratios{}; // none until the first scheme
    bool m_measured = false;
};
