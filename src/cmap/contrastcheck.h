#pragma once

#include <QDialog>

class ContrastTable;
class QAction;
class QLabel;
class QPushButton;
class QTableView;
class TCMapTool;

// The check window "配色ﾁｪｯｸ": how readable the whole scheme is, pair by
// pair (the text and the links on the page and on the table, the links
// against the text, the rule on the page), with each pair's contrast ratio
// and verdict. It belongs to the main window, beside which it opens, and
// follows every colour change while it is shown; hidden, it costs nothing.
//
// Opening it leaves the keyboard focus where it was, so a person can go on
// stepping a slider and watch the ratios follow, and the main window does
// not change. Hiding it (its command again, Escape or its close box) gives
// the focus back to the main window when the check had it.
//
// "合格する色に" repairs the selected failing pair: it moves the lightness of
// the pair's foreground part, as the lightness bar does, to the nearest value
// at which the pair passes; the part then stays the one being edited.
class ContrastCheckWindow final : public QDialog
{
    Q_OBJECT

public:
    // `command` is the main window's command that shows and hides the check;
    // its key works in the check too.
    ContrastCheckWindow(TCMapTool *owner, QAction *command);
    ~ContrastCheckWindow() override;

    void setVisible(bool visible) override;

private:
    void buildTable();
    void sizeColumns();
    void refresh();
    int selectedRow() const;
    void updatePassButton();
    void makeSelectedRowPass();
    void placeBesideOwner();

    TCMapTool *m_owner;
    ContrastTable *m_rows = nullptr;
    QTableView *m_table = nullptr;
    QPushButton *m_passButton = nullptr;
    QLabel *m_message = nullptr;
    QMetaObject::Connection m_following;
    bool m_placed = false;
};
