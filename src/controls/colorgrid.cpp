#include "controls/colorgrid.h"

#include "controls/colorbridge.h"
#include "controls/frames.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

namespace {

const QColor silver(0xC0, 0xC0, 0xC0);
const QColor gray(0x80, 0x80, 0x80);

} // namespace

ColorGrid::ColorGrid(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ColorGrid::setColumnCount(int count)
{
    m_columnCount = count;
    update();
}

void ColorGrid::setRowCount(int count)
{
    m_rowCount = count;
    update();
}

void ColorGrid::setCellWidth(int width)
{
    m_cellWidth = width;
    update();
}

void ColorGrid::setCellHeight(int height)
{
    m_cellHeight = height;
    update();
}

QRect ColorGrid::cellRect(int column, int row) const
{
    return QRect(borderWidth + column * (m_cellWidth + gridLineWidth),
                 borderWidth + row * (m_cellHeight + gridLineWidth), m_cellWidth, m_cellHeight);
}

QPoint ColorGrid::cellAt(QPoint pos) const
{
    const int x = pos.x() - borderWidth;
    const int y = pos.y() - borderWidth;
    if (x < 0 || y < 0)
        return {-1, -1};
    const int column = x / (m_cellWidth + gridLineWidth);
    const int row = y / (m_cellHeight + gridLineWidth);
    if (column >= m_columnCount || row >= m_rowCount)
        return {-1, -1};
    return {column, row};
}

void ColorGrid::setCellColors(CellColors colors)
{
    m_cellColors = colors;
    update();
}

cSpace::TColor ColorGrid::cellColor(int column, int row) const
{
    return m_cellColors ? m_cellColors(column, row, m_columnCount)
                        : FromQColor(palette().color(QPalette::Window));
}

QString ColorGrid::cellName(int column, int row) const
{
    return m_cellColors ? PageColorText(cellColor(column, row)) : QString();
}

void ColorGrid::setCurrentCell(int column, int row)
{
    update(cellRect(m_currentColumn, m_currentRow));
    m_currentColumn = column;
    m_currentRow = row;
    update(cellRect(m_currentColumn, m_currentRow));
    if (hasFocus())
        announceCurrentCell();
}

void ColorGrid::pickCell(int column, int row)
{
    if (column < 0 || column >= m_columnCount || row < 0 || row >= m_rowCount)
        return;
    setCurrentCell(column, row);
    reportPick();
}

void ColorGrid::reportPick()
{
    Q_EMIT picked(cellColor(m_currentColumn, m_currentRow));
}

void ColorGrid::announceCurrentCell()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(m_currentColumn + m_currentRow * m_columnCount);
    QAccessible::updateAccessibility(&focus);
}

void ColorGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QColor background = palette().color(QPalette::Window);
    painter.fillRect(rect(), background);
    drawBorder(painter);

    // The lines are the gaps between cells: fill the cells' whole span in the
    // line colour, then let every cell cover its own rectangle.
    const QRect cells(borderWidth, borderWidth, m_columnCount * (m_cellWidth + gridLineWidth),
                      m_rowCount * (m_cellHeight + gridLineWidth));
    painter.fillRect(cells, background == silver ? gray : silver);
    for (int row = 0; row < m_rowCount; ++row) {
        for (int column = 0; column < m_columnCount; ++column) {
            const QRect cell = cellRect(column, row);
            if (!event->rect().intersects(cell))
                continue;
            painter.fillRect(cell, ToQColor(cellColor(column, row)));
        }
    }
    if (hasFocus())
        DrawFocusMark(painter, cellRect(m_currentColumn, m_currentRow));
}

void ColorGrid::drawBorder(QPainter &painter) const
{
    // Sunken two rings deep: dark above and left, light below and right.
    const QPalette &colours = palette();
    DrawRing(painter, rect(), colours.color(QPalette::Dark), colours.color(QPalette::Light));
    DrawRing(painter, rect().adjusted(1, 1, -1, -1), colours.color(QPalette::Shadow),
             colours.color(QPalette::Midlight));
}

void ColorGrid::mousePressEvent(QMouseEvent *event)
{
    m_pickOnRelease = false;
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint cell = cellAt(event->position().toPoint());
    if (cell.x() < 0)
        return;
    // A Shift press only stretches the (never shown) range selection.
    if (!(event->modifiers() & Qt::ShiftModifier))
        setCurrentCell(cell.x(), cell.y());
    m_pickOnRelease = true;
}

void ColorGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !std::exchange(m_pickOnRelease, false))
        return;
    reportPick();
}

void ColorGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_pickOnRelease = false;
    event->accept();
}

void ColorGrid::keyPressEvent(QKeyEvent *event)
{
    const bool control = event->modifiers() & Qt::ControlModifier;
    const int lastColumn = m_columnCount - 1;
    const int lastRow = m_rowCount - 1;
    int column = m_currentColumn;
    int row = m_currentRow;
    switch (event->key()) {
    case Qt::Key_Left:
        column = std::max(column - 1, 0);
        break;
    case Qt::Key_Right:
        column = std::min(column + 1, lastColumn);
        break;
    case Qt::Key_Up:
        row = std::max(row - 1, 0);
        break;
    case Qt::Key_Down:
        row = std::min(row + 1, lastRow);
        break;
    case Qt::Key_Home:
        column = 0;
        if (control)
            row = 0;
        break;
    case Qt::Key_End:
        column = lastColumn;
        if (control)
            row = lastRow;
        break;
    case Qt::Key_PageUp:
        row = 0;
        break;
    case Qt::Key_PageDown:
        row = lastRow;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (column == m_currentColumn && row == m_currentRow)
        return;
    setCurrentCell(column, row);
    reportPick();
}

void ColorGrid::focusInEvent(QFocusEvent *event)
{
    update(cellRect(m_currentColumn, m_currentRow));
    QWidget::focusInEvent(event);
    // Qt announces the grid itself only after this handler; the cell follows.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus())
                announceCurrentCell();
        },
        Qt::QueuedConnection);
}

void ColorGrid::focusOutEvent(QFocusEvent *event)
{
    update(cellRect(m_currentColumn, m_currentRow));
    QWidget::focusOutEvent(event);
}
