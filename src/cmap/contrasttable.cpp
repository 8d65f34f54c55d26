#include "cmap/contrasttable.h"

#include <utility>

using namespace cSpace;

ContrastTable::ContrastTable(const std::array<QString, SchemeElementCount> &names,
                             const QFont &failingFace, const QIcon &failingMark, QObject *parent)
    : QAbstractTableModel(parent), m_names(names), m_failingFace(failingFace),
      m_failingMark(failingMark)
{}

QString ContrastTable::verdictText(ContrastVerdict verdict)
{
    switch (verdict) {
    case ContrastVerdict::EnhancedText:
        return QStringLiteral("AAA適合");
    case ContrastVerdict::Text:
        return QStringLiteral("AA適合");
    case ContrastVerdict::LargeTextOnly:
        return QStringLiteral("大きな文字のみ適合");
    case ContrastVerdict::Distinct:
        return QStringLiteral("適合");
    case ContrastVerdict::Fails:
        break;
    }
    return QStringLiteral("不適合");
}

void ContrastTable::setScheme(const SchemeColors &colors)
{
    const bool first = !std::exchange(m_measured, true);
    for (int row = 0; row < RowCount; ++row) {
        const ContrastPair &pair = SchemeContrastPairs[std::size_t(row)];
        const double ratio = ContrastRatio(colors[std::size_t(pair.foreground)],
                                           colors[std::size_t(pair.background)]);
        const double before = std::exchange(m_ratios[std::size_t(row)], ratio);
        if (first)
            continue;
        if ((before < PassingRatio(pair.rule)) != (ratio < PassingRatio(pair.rule))) {
            Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
        } else if (ContrastHundredths(ratio) != ContrastHundredths(before)) {
            // Only what reads differently, cell by cell: a view repaints a
            // single cell alone, but the whole table for a span.
            Q_EMIT dataChanged(index(row, RatioColumn), index(row, RatioColumn));
            if (JudgeContrast(ratio, pair.rule) != JudgeContrast(before, pair.rule))
                Q_EMIT dataChanged(index(row, VerdictColumn), index(row, VerdictColumn));
        }
    }
    if (first)
        Q_EMIT dataChanged(index(0, 0), index(RowCount - 1, ColumnCount - 1));
}

bool ContrastTable::fails(int row) const
{
    return m_measured &&
           m_ratios[std::size_t(row)] < PassingRatio(SchemeContrastPairs[std::size_t(row)].rule);
}

int ContrastTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : RowCount;
}

int ContrastTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ContrastTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const ContrastPair &pair = SchemeContrastPairs[std::size_t(row)];
    const double ratio = m_ratios[std::size_t(row)];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ForegroundColumn:
            return m_names[std::size_t(pair.foreground)];
        case BackgroundColumn:
            return m_names[std::size_t(pair.background)];
        case RatioColumn:
            return m_measured ? QString::fromStdString(ContrastRatioText(ratio)) : QString();
        case VerdictColumn:
            return m_measured ? verdictText(JudgeContrast(ratio, pair.rule)) : QString();
        }
        break;
    case Qt::FontRole:
        if (fails(row))
            return m_failingFace;
        break;
    case Qt::DecorationRole:
        if (index.column() == VerdictColumn && fails(row))
            return m_failingMark;
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == RatioColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    }
    return {};
}

QVariant ContrastTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1; // the notes below the table refer to rows by number
    static const char *const headers[ColumnCount] = {"前景", "背景", "コントラスト比", "判定"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(headers[section]) : QVariant();
}
