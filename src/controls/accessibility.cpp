#include "accessibility.h"

#include "bevelpanel.h"
#include "colorgrid.h"
#include "numberfield.h"
#include "opaquelabel.h"

#include <QAccessibleWidget>

namespace {

// A panel or label: a button when something answers its click.
class AccessibleControl final : public QAccessibleWidget
{
public:
    explicit AccessibleControl(ClickableControl *control)
        : QAccessibleWidget(control, control->hasClickHandler() ? QAccessible::Button
                                                                : QAccessible::StaticText)
    {
        if (control->hasClickHandler())
            addControllingSignal(QStringLiteral("clicked()"));
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (const auto *label = qobject_cast<const OpaqueLabel *>(widget()))
                return label->text();
            if (const auto *panel = qobject_cast<const BevelPanel *>(widget()))
                return panel->caption();
        }
        return QAccessibleWidget::text(kind);
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
};

// A read-only number: its name is set by the window, its value is its text.
class AccessibleNumberField final : public QAccessibleWidget
{
public:
    explicit AccessibleNumberField(NumberField *field)
        : QAccessibleWidget(field, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<const NumberField *>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

// One cell of the colour grid, named by its colour.
class AccessibleGridCell final : public QAccessibleInterface
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

private:
    int column() const { return m_index % m_grid->columnCount(); }
    int row() const { return m_index / m_grid->columnCount(); }

    QPointer<ColorGrid> m_grid;
    int m_index;
};

// The colour grid: a list of its cells.
class AccessibleGrid final : public QAccessibleWidget
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
        return grid()->hasFocus()
                   ? child(grid()->currentColumn() + grid()->currentRow() * grid()->columnCount())
                   : nullptr;
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
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(controlsFactory);
}
