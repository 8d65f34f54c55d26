#pragma once

#include <QWidget>

#include <functional>

// A grid of program-painted cells with a current cell, inside a sunken
// two-pixel border. Every cell is painted by whoever handles drawCell(); the
// grid itself only lays the cells out, draws the lines between them and marks
// the current cell while it has the focus.
//
// clicked() reports that the user chose the current cell: on the release of
// a left press on a cell (a Shift press leaves the current cell where it was),
// when a key moves the current cell, or when a screen reader presses a cell.
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

    int currentColumn() const { return m_currentColumn; }
    int currentRow() const { return m_currentRow; }
    // Makes a cell the current cell and reports it chosen, as a click on it
    // does; screen readers press cells through this.
    void pickCell(int column, int row);

    // What a screen reader calls a cell; the grid's owner names the cells.
    using CellNamer = std::function<QString(int column, int row)>;
    void setCellNamer(CellNamer namer) { m_cellNamer = std::move(namer); }
    QString cellName(int column, int row) const;

    // The cell's rectangle without its grid lines.
    QRect cellRect(int column, int row) const;
    // The cell under `pos` (a cell owns the grid lines right of and below it),
    // or (-1, -1).
    QPoint cellAt(QPoint pos) const;

    static constexpr int borderWidth = 2;
    static constexpr int gridLineWidth = 1;

Q_SIGNALS:
    void drawCell(QPainter *painter, int column, int row, const QRect &rect);
    void clicked();

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
    CellNamer m_cellNamer;
};
