#include "controls/accessibility.h"

#include "controls/bevelpanel.h"
#include "controls/colorgrid.h"
#include "controls/numberfield.h"
#include "controls/opaquelabel.h"

#include <QAccessibleWidget>
#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QWindow>

#include <algorithm>

namespace {

// Where a control keeps the key SetAccessibleShortcut() gave it.
constexpr char shortcutProperty[] = "tintwrightAccessibleShortcut";

QString shortcutOf(const QWidget *control)
{
    return control->property(shortcutProperty).value<QKeySequence>().toString();
}

// The Text interface of a control that shows one line nobody can edit,
// select or step through.
class ReadOnlyText : public QAccessibleTextInterface
{
public:
    virtual QString shownText() const = 0;

    QString text(int startOffset, int endOffset) const override
    {
        const QString shown = shownText();
        if (endOffset < 0 || endOffset > shown.size())
            endOffset = int(shown.size());
        startOffset = std::clamp(startOffset, 0, endOffset);
        return shown.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shownText().size()); }
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }
};

// A panel or label: a button when something answers its click, otherwise
// text to be read.
class AccessibleControl final : public QAccessibleWidget, public ReadOnlyText
{
public:
    explicit AccessibleControl(ClickableControl *control) : QAccessibleWidget(control)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    // Asked each time: the interface may be made before the click is bound.
    QAccessible::Role role() const override
    {
        return static_cast<const ClickableControl *>(widget())->hasClickHandler()
                   ? QAccessible::Button
                   : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return shownText();
        if (kind == QAccessible::Accelerator)
            return shortcutOf(widget());
        return QAccessibleWidget::text(kind);
    }
    QString text(int startOffset, int endOffset) const override
    {
        return ReadOnlyText::text(startOffset, endOffset);
    }

    QString shownText() const override
    {
        if (const auto *label = qobject_cast<const OpaqueLabel *>(widget()))
            return label->text();
        if (const auto *panel = qobject_cast<const BevelPanel *>(widget()))
            return panel->caption();
        return {};
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return role() == QAccessible::StaticText ? static_cast<QAccessibleTextInterface *>(this)
                                                     : nullptr;
        return QAccessibleWidget::interface_cast(type);
    }

    QStringList actionNames() const override
    {
        return role() == QAccessible::Button ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && role() == QAccessible::Button)
            Q_EMIT static_cast<ClickableControl *>(widget())->clicked();
    }

    QStringList keyBindingsForAction(const QString &action) const override
    {
        const QString key = shortcutOf(widget());
        return action == pressAction() && !key.isEmpty() ? QStringList{key} : QStringList{};
    }
};

// A number field: read-only text showing its number, named by its row.
class AccessibleNumberField final : public QAccessibleWidget, public ReadOnlyText
{
public:
    explicit AccessibleNumberField(NumberField *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return shownText();
        return QAccessibleWidget::text(kind);
    }
    QString text(int startOffset, int endOffset) const override
    {
        return ReadOnlyText::text(startOffset, endOffset);
    }

    QString shownText() const override
    {
        return static_cast<const NumberField *>(widget())->text();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
};

// A dialog, modal while it is shown modally.
class AccessibleDialog final : public QAccessibleWidget
{
public:
    explicit AccessibleDialog(QDialog *dialog) : QAccessibleWidget(dialog, QAccessible::Dialog) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = widget()->isModal();
        return state;
    }
};

// One cell of the colour grid, named by its colour. Pressing it picks it,
// as a click on it does.
class AccessibleGridCell final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    AccessibleGridCell(ColorGrid *grid, int index) : m_grid(grid), m_index(index) {}

    bool isValid() const override { return m_grid; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_grid->window()->windowHandle(); }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_grid);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? m_grid->cellName(column(), row()) : QString();
    }

    QRect rect() const override
    {
        const QRect cell = m_grid->cellRect(column(), row());
        return QRect(m_grid->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        const bool current = column() == m_grid->currentColumn() && row() == m_grid->currentRow();
        state.focused = current && m_grid->hasFocus();
        state.selected = current;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface
                   ? static_cast<QAccessibleActionInterface *>(this)
                   : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && m_grid)
            m_grid->pickCell(column(), row());
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    int column() const { return m_index % m_grid->columnCount(); }
    int row() const { return m_index / m_grid->columnCount(); }

    QPointer<ColorGrid> m_grid;
    int m_index;
};

// A list with one selected item, its current one: selecting another chooses
// it. Qt 6.5 and later carry this to screen readers as a Selection
// interface, with which they read the chosen item and choose another.
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#define TINTWRIGHT_SELECTION_INTERFACE
class SingleSelection : public QAccessibleSelectionInterface
{
public:
    virtual QAccessibleInterface *currentItem() const = 0;
    virtual bool choose(QAccessibleInterface *item) = 0;

    int selectedItemCount() const override { return 1; }
    QList<QAccessibleInterface *> selectedItems() const override { return {currentItem()}; }
    bool select(QAccessibleInterface *item) override { return choose(item); }
    // An item is always chosen: none can be unselected, nor all selected.
    bool unselect(QAccessibleInterface *) override { return false; }
    bool selectAll() override { return false; }
    bool clear() override { return false; }
};
#else
class SingleSelection
{
public:
    virtual ~SingleSelection() = default;
    virtual QAccessibleInterface *currentItem() const = 0;
    virtual bool choose(QAccessibleInterface *item) = 0;
};
#endif

// A list's Selection interface where Qt has one.
void *selectionCast([[maybe_unused]] SingleSelection *list,
                    [[maybe_unused]] QAccessible::InterfaceType type)
{
#ifdef TINTWRIGHT_SELECTION_INTERFACE
    if (type == QAccessible::SelectionInterface)
        return static_cast<QAccessibleSelectionInterface *>(list);
#endif
    return nullptr;
}

// The colour grid: a list of its cells, of which the current one is chosen.
class AccessibleGrid final : public QAccessibleWidget, public SingleSelection
{
public:
    explicit AccessibleGrid(ColorGrid *grid) : QAccessibleWidget(grid, QAccessible::List) {}
    ~AccessibleGrid() override
    {
        for (const QAccessible::Id id : std::as_const(m_cells))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return grid()->columnCount() * grid()->rowCount(); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (!m_cells.contains(index))
            m_cells.insert(index, QAccessible::registerAccessibleInterface(
                                      new AccessibleGridCell(grid(), index)));
        return QAccessible::accessibleInterface(m_cells.value(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it)
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint cell = grid()->cellAt(grid()->mapFromGlobal(QPoint(x, y)));
        return cell.x() < 0 ? nullptr : child(cell.x() + cell.y() * grid()->columnCount());
    }

    QAccessibleInterface *focusChild() const override
    {
        return grid()->hasFocus() ? currentItem() : nullptr;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (void *selection = selectionCast(this, type))
            return selection;
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface *currentItem() const override
    {
        return child(grid()->currentColumn() + grid()->currentRow() * grid()->columnCount());
    }

    // As a click on the cell does.
    bool choose(QAccessibleInterface *cell) override
    {
        const int index = indexOfChild(cell);
        if (index < 0)
            return false;
        grid()->pickCell(index % grid()->columnCount(), index / grid()->columnCount());
        return true;
    }

private:
    ColorGrid *grid() const { return static_cast<ColorGrid *>(widget()); }

    mutable QHash<int, QAccessible::Id> m_cells;
};

QAccessibleInterface *controlsFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == u"OpaqueLabel" || className == u"BevelPanel")
        return new AccessibleControl(static_cast<ClickableControl *>(object));
    if (className == u"NumberField")
        return new AccessibleNumberField(static_cast<NumberField *>(object));
    if (className == u"ColorGrid")
        return new AccessibleGrid(static_cast<ColorGrid *>(object));
    if (className == u"QDialog")
        return new AccessibleDialog(static_cast<QDialog *>(object));
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(controlsFactory);
}

void SetAccessibleShortcut(QWidget *control, const QKeySequence &key)
{
    control->setProperty(shortcutProperty, key);
}
