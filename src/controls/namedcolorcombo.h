#pragma once

#include "cspace/cspace.h"

#include <QComboBox>
#include <QStyle>

class NamedColorModel;
class QItemSelection;

// A drop-down list of colours with their names. Each item holds its name and
// its colour and shows them, in the closed field and in the dropped list
// alike: a swatch of the colour 12 pixels wide, flush left, and the name
// right after it. A selected item shows the highlight behind its name only.
// Screen readers read each item by its name.
//
// picked() reports, with the entry's colour, every change of the selection
// that the user makes:
// a click on an entry, and every step of the arrow, Page, Home and End keys
// in the closed field or in the dropped list (so stepping through the open
// list previews each colour). Hovering over the list and selections made by
// the program report nothing. A screen reader's choice of an entry is
// reported as a click on it is.
class NamedColorCombo final : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(int itemHeight READ itemHeight WRITE setItemHeight)

public:
    explicit NamedColorCombo(QWidget *parent = nullptr);
    ~NamedColorCombo() override;

    struct Item
    {
        QString name;
        cSpace::TColor color;
    };
    // Appends items in order; the selection stays as it was.
    void addColorItems(const QList<Item> &items);
    cSpace::TColor itemColor(int index) const;
    // The first item with exactly this colour, or -1.
    int findColor(cSpace::TColor color) const;
    // Selects an item (-1 for none) without reporting a change.
    void selectSilently(int index);

    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int height) { m_itemHeight = height; }

    // Paints one item into its rectangle, selected or not.
    void paintItem(QPainter &painter, int index, const QRect &rect, QStyle::State state) const;

Q_SIGNALS:
    void picked(cSpace::TColor color);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reportIfChanged();
    void chooseSelectedEntry(const QItemSelection &added);
    void showChoiceInList();

    NamedColorModel *m_model = nullptr;
    int m_itemHeight = 13;
    bool m_changedSinceReport = false;
    bool m_forwardingKey = false;
};
