#pragma once

#include "controls/groupframe.h"

class QAbstractButton;
class QButtonGroup;

// A captioned frame of radio buttons, one per item, filling column after
// column; exactly one item is selected. clicked() reports that the user chose
// another item, after itemIndex() has moved; choosing the selected item again
// reports nothing, and nor does setItemIndex().
//
// The group's hint shows over every button while showHint is on. Tab and
// Shift+Tab enter the group at its selected item; the arrow keys move within.
class RadioGroup final : public GroupFrame
{
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int columns READ columns WRITE setColumns)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)
    Q_PROPERTY(QString hint READ hint WRITE setHint)
    Q_PROPERTY(bool showHint READ showHint WRITE setShowHint)

public:
    explicit RadioGroup(QWidget *parent = nullptr);

    QStringList items() const { return m_items; }
    void setItems(const QStringList &items);
    int columns() const { return m_columns; }
    void setColumns(int columns);
    int itemIndex() const;
    void setItemIndex(int index);
    QString hint() const { return m_hint; }
    void setHint(const QString &hint);
    bool showHint() const { return m_showHint; }
    void setShowHint(bool show);

    QAbstractButton *button(int index) const;

Q_SIGNALS:
    void clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void arrangeButtons();
    void updateTabStop();

    QButtonGroup *m_buttons;
    QStringList m_items;
    int m_columns = 1;
    QString m_hint;
    bool m_showHint = false;
    int m_itemIndex = -1;
};
