#pragma once

#include "cspace/cspace.h"

#include <QWidget>

// A grid of colour cells with a current cell, inside a sunken two-pixel
// border. Each cell shows the colour its place gives, edge to edge, with
// lines between the cells; the current cell is marked while the grid has the
// focus. Screen readers read each cell as its colour, "#RRGGBB".
//
// picked() reports that the user chose the current cell, with its colour: on
// the release of a left press on a cell (a Shift press leaves the current
// cell where it was), when a key moves the current cell, or when a screen
// reader presses a cell.
class ColorGrid final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int columnCount READ columnCount WRITE setColumnCount)
    Q_PROPERTY(int rowCount READ rowCount WRITE setRowCount)
    Q_PROPERTY(int cellWidth READ cellWidth WRITE setCellWidth)
    Q_PROPERTY(int cellHeight READ cellHeight WRITE setCellHeight)

public:
    explicit ColorGrid(QWidget *parent = nullptr);

    int columnCount() const { return m_columnCount; }
    void setColumnCount(int count);
    int rowCount() const { return m_rowCount; }
    void setRowCount(int count);
    int cellWidth() const { return m_cellWidth; }
    void setCellWidth(int width);
    int cellHeight() const { return m_cellHeight; }
    void setCellHeight(int height);

    // The colour of the cell at a place, the grid's column count being the
    // row stride (cSpace::CubeCellColor gives the web-safe colours). Without
    // one the cells show the grid's background.
    using CellColors = cSpace::TColor (*)(int column, int row, int columnCount);
    void setCellColors(CellColors colors);
    cSpace::TColor cellColor(int column, int row) const;

    int currentColumn() const { return m_currentColumn; }
    int currentRow() const { return m_currentRow; }
    // Makes a cell the current cell and reports it chosen, as a click on it
    // does; screen readers press cells through this.
    void pickCell(int column, int row);

    // What a screen reader calls a cell: its colour as a page writes it.
    QString cellName(int column, int row) const;

    // The cell's rectangle without its grid lines.
    QRect cellRect(int column, int row) const;
    // The cell under `pos` (a cell owns the grid lines right of and below it),
    // or (-1, -1).
    QPoint cellAt(QPoint pos) const;

    static constexpr int borderWidth = 2;
    static constexpr int gridLineWidth = 1;

Q_SIGNALS:
    void picked(cSpace::TColor color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void setCurrentCell(int column, int row);
    void reportPick();
    // Tells screen readers which cell the focus is on.
    void announceCurrentCell();
    void drawBorder(QPainter &painter) const;

    int m_columnCount = 16;
    int m_rowCount = 14;
    int m_cellWidth = 12;
    int m_cellHeight = 10;
    int m_currentColumn = 0;
    int m_currentRow = 0;
    bool m_pickOnRelease = false;
    CellColors m_cellColors = nullptr;
};
