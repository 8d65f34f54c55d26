#include "controls/radiogroup.h"

#include <QButtonGroup>
#include <QEvent>
#include <QRadioButton>

namespace {

// A radio button that answers a click anywhere in its cell, not just on its
// circle and text.
class RadioCell final : public QRadioButton
{
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

} // namespace

RadioGroup::RadioGroup(QWidget *parent) : GroupFrame(parent), m_buttons(new QButtonGroup(this))
{
    connect(m_buttons, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (!checked)
            return;
        m_itemIndex = index;
        updateTabStop();
        Q_EMIT clicked();
    });
}

void RadioGroup::setItems(const QStringList &items)
{
    qDeleteAll(m_buttons->buttons());
    m_items = items;
    for (int index = 0; index < m_items.size(); ++index) {
        auto *button = new RadioCell(m_items[index], this);
        m_buttons->addButton(button, index);
        if (isVisible()) // otherwise it shows with the group
            button->show();
    }
    setItemIndex(m_itemIndex);
    arrangeButtons();
}

void RadioGroup::setColumns(int columns)
{
    m_columns = std::max(columns, 1);
    arrangeButtons();
}

int RadioGroup::itemIndex() const
{
    return m_itemIndex;
}

void RadioGroup::setItemIndex(int index)
{
    // Before the items exist the index is kept for them.
    m_itemIndex = (m_items.isEmpty() || m_buttons->button(index)) ? index : -1;
    const QSignalBlocker silence(m_buttons);
    if (QAbstractButton *chosen = m_buttons->button(index)) {
        chosen->setChecked(true);
    } else if (QAbstractButton *checked = m_buttons->checkedButton()) {
        m_buttons->setExclusive(false);
        checked->setChecked(false);
        m_buttons->setExclusive(true);
    }
    updateTabStop();
}

void RadioGroup::setHint(const QString &hint)
{
    m_hint = hint;
    setToolTip(m_showHint ? m_hint : QString());
}

void RadioGroup::setShowHint(bool show)
{
    m_showHint = show;
    setToolTip(m_showHint ? m_hint : QString());
}

QAbstractButton *RadioGroup::button(int index) const
{
    return m_buttons->button(index);
}

void RadioGroup::resizeEvent(QResizeEvent *event)
{
    GroupFrame::resizeEvent(event);
    arrangeButtons();
}

void RadioGroup::changeEvent(QEvent *event)
{
    GroupFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        arrangeButtons();
}

void RadioGroup::arrangeButtons()
{
    // Items fill the first column from the top, then the next. The rows
    // share the height below the caption; the odd pixels are split above.
    const int count = int(m_items.size());
    if (count == 0)
        return;
    const int textHeight = this->textHeight();
    const int perColumn = (count + m_columns - 1) / m_columns;
    const int buttonWidth = (width() - 10) / m_columns;
    const int freeHeight = height() - textHeight - 5;
    const int buttonHeight = freeHeight / perColumn;
    const int topMargin = textHeight + 1 + (freeHeight % perColumn) / 2;
    for (int index = 0; index < count; ++index) {
        m_buttons->button(index)->setGeometry((index / perColumn) * buttonWidth + 8,
                                              (index % perColumn) * buttonHeight + topMargin,
                                              buttonWidth, buttonHeight);
    }
}

void RadioGroup::updateTabStop()
{
    // Only the selected item (the first while none is) is a tab stop; the
    // others take the focus by a click or an arrow key.
    QAbstractButton *entry =
        m_buttons->checkedButton() ? m_buttons->checkedButton() : m_buttons->button(0);
    for (QAbstractButton *button : m_buttons->buttons())
        button->setFocusPolicy(button == entry ? Qt::StrongFocus : Qt::ClickFocus);
}
