#include "controls/namedcolorcombo.h"

#include "controls/colorbridge.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStylePainter>

#include <vector>

// The items: a name and a colour each, read by index. Kept in a plain vector
// so that looking a colour up is a tight scan.
class NamedColorModel final : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    using Item = NamedColorCombo::Item;

    void append(const QList<Item> &items)
    {
        if (items.isEmpty())
            return;
        const int first = int(m_items.size());
        beginInsertRows({}, first, first + int(items.size()) - 1);
        m_items.insert(m_items.end(), items.cbegin(), items.cend());
        endInsertRows();
    }

    const Item &item(int row) const { return m_items[std::size_t(row)]; }

    int find(cSpace::TColor color) const
    {
        for (std::size_t row = 0; row < m_items.size(); ++row)
            if (m_items[row].color == color)
                return int(row);
        return -1;
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_items.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= int(m_items.size()))
            return {};
        const Item &entry = item(index.row());
        switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return entry.name;
        case Qt::UserRole:
            return QVariant::fromValue(entry.color);
        default:
            return {};
        }
    }

private:
    std::vector<Item> m_items;
};

namespace {

// Paints the rows of the dropped list as the combo paints its items.
class ItemDelegate final : public QAbstractItemDelegate
{
public:
    explicit ItemDelegate(NamedColorCombo *combo) : QAbstractItemDelegate(combo), m_combo(combo) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        m_combo->paintItem(*painter, index.row(), option.rect, option.state);
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.initFrom(m_combo);
            focus.rect = option.rect;
            m_combo->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, m_combo);
        }
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return {option.rect.width(), m_combo->itemHeight()};
    }

private:
    NamedColorCombo *m_combo;
};

// Fusion shows a non-editable combo's items as a menu that fills the screen
// and ignores the visible-row count; this asks for a plain scrolling list.
class ListPopupStyle final : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

bool isNavigationKey(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

NamedColorCombo::NamedColorCombo(QWidget *parent)
    : QComboBox(parent), m_model(new NamedColorModel(this))
{
    auto *popupStyle = new ListPopupStyle;
    popupStyle->setParent(this);
    setStyle(popupStyle);
    setModel(m_model);
    setItemDelegate(new ItemDelegate(this));
    setMaxVisibleItems(8);
    view()->installEventFilter(this);

    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        m_changedSinceReport = true;
        showChoiceInList();
    });
    connect(this, &QComboBox::activated, this, &NamedColorCombo::reportIfChanged);
    connect(view()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &NamedColorCombo::chooseSelectedEntry);
}

NamedColorCombo::~NamedColorCombo() = default;

void NamedColorCombo::addColorItems(const QList<Item> &items)
{
    // QComboBox selects the first item added to an empty list; adding items
    // here never changes the selection.
    const QSignalBlocker silence(this);
    const int selected = currentIndex();
    m_model->append(items);
    setCurrentIndex(selected);
}

cSpace::TColor NamedColorCombo::itemColor(int index) const
{
    return m_model->item(index).color;
}

int NamedColorCombo::findColor(cSpace::TColor color) const
{
    return m_model->find(color);
}

void NamedColorCombo::selectSilently(int index)
{
    if (index == currentIndex())
        return; // QComboBox would repaint even so
    const QSignalBlocker silence(this);
    setCurrentIndex(index);
    showChoiceInList();
}

// A screen reader chooses an entry by selecting it in the list while the
// list is not dropped (while it is, the selection is only the highlight that
// follows the mouse). That is a choice like a click on the entry.
void NamedColorCombo::chooseSelectedEntry(const QItemSelection &added)
{
    if (view()->isVisible())
        return;
    const QModelIndexList entries = added.indexes();
    if (entries.isEmpty()) {
        showChoiceInList(); // an unselected entry stays chosen
        return;
    }
    if (entries.size() != 1 || entries.first().row() == currentIndex())
        return;
    setCurrentIndex(entries.first().row());
    reportIfChanged();
}

// While the list is closed its selection is the chosen entry, whoever chose
// it: a screen reader reads that entry as selected and every other one as
// free to choose.
void NamedColorCombo::showChoiceInList()
{
    if (view()->isVisible())
        return;
    QItemSelectionModel *selection = view()->selectionModel();
    const QModelIndex chosen = m_model->index(currentIndex(), 0);
    if (!chosen.isValid())
        selection->clearSelection();
    else if (selection->selectedIndexes() != QModelIndexList{chosen})
        selection->select(chosen, QItemSelectionModel::ClearAndSelect);
}

void NamedColorCombo::reportIfChanged()
{
    if (std::exchange(m_changedSinceReport, false))
        Q_EMIT picked(itemColor(currentIndex()));
}

// The swatch keeps the entry's colour; the name stands on the list's
// background, or on the highlight when the item is selected, right at the
// swatch's edge.
void NamedColorCombo::paintItem(QPainter &painter, int index, const QRect &rect,
                                QStyle::State state) const
{
    constexpr int swatchWidth = 12;
    const bool selected = state & QStyle::State_Selected;
    const QPalette &colours = palette();
    const QRect swatch(rect.left(), rect.top(), swatchWidth, rect.height());
    const QRect name = rect.adjusted(swatchWidth, 0, 0, 0);
    painter.save();
    painter.fillRect(swatch, ToQColor(itemColor(index)));
    painter.fillRect(name, colours.brush(selected ? QPalette::Highlight : QPalette::Base));
    painter.setFont(font());
    painter.setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(name, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     m_model->item(index).name);
    painter.restore();
}

void NamedColorCombo::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = {};
    painter.drawComplexControl(QStyle::CC_ComboBox, option);

    // The selected item is drawn at the items' own height, centred in the field.
    QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    field = QRect(field.left(), field.top() + (field.height() - m_itemHeight) / 2, field.width(),
                  m_itemHeight);
    // The closed field shows its item as selected while the list has the focus.
    if (currentIndex() >= 0)
        paintItem(painter, currentIndex(), field,
                  hasFocus() ? QStyle::State_Selected : QStyle::State_None);
}

bool NamedColorCombo::eventFilter(QObject *watched, QEvent *event)
{
    // In the dropped list Qt moves only the list's highlight with the keys;
    // here each step also selects, and is reported like a click would be.
    if (watched == view() && event->type() == QEvent::KeyPress && !m_forwardingKey &&
        isNavigationKey(static_cast<QKeyEvent *>(event))) {
        if (currentIndex() < 0 && count() > 0) {
            // With no entry selected, the list's highlight rests on the
            // first entry without selecting it; the first step selects an
            // entry of its own: the last for End, the first for any other.
            const int row = static_cast<QKeyEvent *>(event)->key() == Qt::Key_End ? count() - 1 : 0;
            view()->setCurrentIndex(model()->index(row, 0));
            setCurrentIndex(row);
            reportIfChanged();
            return true;
        }
        const int before = view()->currentIndex().row();
        m_forwardingKey = true;
        QCoreApplication::sendEvent(view(), event);
        m_forwardingKey = false;
        const int after = view()->currentIndex().row();
        if (after >= 0 && after != before) {
            setCurrentIndex(after);
            reportIfChanged();
        }
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}
