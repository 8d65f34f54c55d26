#include "cmap/contrastcheck.h"

#include "cmap/contrasttable.h"
#include "cmap/tcmaptool.h"
#include "shell/errordisplay.h"
#include "shell/uifonts.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QVBoxLayout>
#include <QWindow>

using namespace cSpace;

namespace {

// Room between the check and the main window it stands beside.
constexpr int gap = 8;

} // namespace

ContrastCheckWindow::ContrastCheckWindow(TCMapTool *owner, QAction *command)
    : QDialog(owner), m_owner(owner)
{
    setObjectName(QStringLiteral("ContrastCheck"));
    setWindowTitle(QStringLiteral("配色ﾁｪｯｸ"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(ProportionalFont(WindowFontPixels));
    addAction(command);

    buildTable();
    // The rows are numbered as the notes refer to them.
    auto *notesLabel = new QLabel(
        QStringLiteral("9〜11行目: リンクに下線を付けないとき、周りの文字と見分けるための比です。\n"
                       "12行目: 分割線は文字ではないため、3:1は目安です。"),
        this);
    notesLabel->setObjectName(QStringLiteral("ContrastNotes"));
    m_passButton = new QPushButton(QStringLiteral("合格する色に"), this);
    m_passButton->setObjectName(QStringLiteral("PassButton"));
    m_passButton->setAutoDefault(false);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("ContrastMessage"));

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_passButton);
    buttonRow->addWidget(m_message, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(notesLabel);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        m_message->clear();
        updatePassButton();
    });
    connect(m_passButton, &QPushButton::clicked, this, Guarded([this] { makeSelectedRowPass(); }));
    updatePassButton();
}

ContrastCheckWindow::~ContrastCheckWindow() = default;

// The table is as large as its rows, without scroll bars.
void ContrastCheckWindow::buildTable()
{
    std::array<QString, SchemeElementCount> names;
    for (int element = 0; element < SchemeElementCount; ++element)
        names[std::size_t(element)] = m_owner->elementName(element);
    QFont bold = font();
    bold.setBold(true);
    m_rows =
        new ContrastTable(names, bold, style()->standardIcon(QStyle::SP_MessageBoxWarning), this);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("ContrastTable"));
    m_table->setAccessibleName(windowTitle());
    m_table->setModel(m_rows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setWordWrap(false);
    m_table->setTabKeyNavigation(false); // Tab leaves the table for the button
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int markSide = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, m_table);
    m_table->verticalHeader()->setDefaultSectionSize(
        std::max(QFontMetrics(bold).height(), markSide) + 4);
    sizeColumns();

    int width = 2 * m_table->frameWidth() + m_table->verticalHeader()->sizeHint().width();
    for (int column = 0; column < ContrastTable::ColumnCount; ++column)
        width += m_table->columnWidth(column);
    const int height = 2 * m_table->frameWidth() +
                       m_table->horizontalHeader()->sizeHint().height() +
                       ContrastTable::RowCount * m_table->verticalHeader()->defaultSectionSize();
    m_table->setFixedSize(width, height);
}

// Each column as wide as its header and the widest text it can ever hold, in
// the face of a failing row, the verdict with its mark, and a little room.
void ContrastCheckWindow::sizeColumns()
{
    QStyleOptionViewItem cell;
    cell.initFrom(m_table);
    cell.font = font();
    cell.font.setBold(true);
    cell.fontMetrics = QFontMetrics(cell.font);
    cell.features = QStyleOptionViewItem::HasDisplay;
    const auto cellWidth = [&](const QString &text, bool marked) {
        QStyleOptionViewItem option = cell;
        option.text = text;
        if (marked) {
            const int side = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, m_table);
            option.features |= QStyleOptionViewItem::HasDecoration;
            option.icon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
            option.decorationSize = QSize(side, side);
        }
        return style()
            ->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), m_table)
            .width();
    };
    QStringList names;
    for (int element = 0; element < SchemeElementCount; ++element)
        names.append(m_owner->elementName(element));
    const QStringList widest[ContrastTable::ColumnCount] = {
        names,
        names,
        {QStringLiteral("21.00:1")},
        {ContrastTable::verdictText(ContrastVerdict::LargeTextOnly)}};
    for (int column = 0; column < ContrastTable::ColumnCount; ++column) {
        int width = m_table->horizontalHeader()->sectionSizeHint(column);
        for (const QString &text : widest[column])
            width = std::max(width, cellWidth(text, column == ContrastTable::VerdictColumn));
        m_table->setColumnWidth(column, width + cell.fontMetrics.averageCharWidth());
    }
}

void ContrastCheckWindow::setVisible(bool visible)
{
    if (visible == isVisible())
        return QDialog::setVisible(visible);
    if (visible) {
        refresh();
        m_following = connect(m_owner, &TCMapTool::colorsChanged, this, [this] { refresh(); });
        if (!std::exchange(m_placed, true))
            placeBesideOwner();
        QDialog::setVisible(true);
        // F7 takes the keyboard, and a screen reader, into the check; Escape
        // or F7 there gives them back to the main window.
        raise();
        activateWindow();
        return;
    }
    disconnect(m_following);
    const bool hadFocus = isActiveWindow();
    QDialog::setVisible(false);
    if (hadFocus)
        m_owner->activateWindow();
}

void ContrastCheckWindow::refresh()
{
    m_rows->setScheme(m_owner->schemeColors());
    updatePassButton();
}

int ContrastCheckWindow::selectedRow() const
{
    const QModelIndexList selected = m_table->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ContrastCheckWindow::updatePassButton()
{
    const int row = selectedRow();
    m_passButton->setEnabled(row >= 0 && m_rows->fails(row));
}

void ContrastCheckWindow::makeSelectedRowPass()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const ContrastPair &pair = SchemeContrastPairs[std::size_t(row)];
    const SchemeColors scheme = m_owner->schemeColors();
    // The hue and saturation the HSL bars hold: those the person set, where
    // the part is being edited, or else those a click on its swatch loads.
    const bool edited = m_owner->currentElement() == pair.foreground;
    const PackedHsl from =
        edited ? m_owner->hslBars() : RgbToHsl(scheme[std::size_t(pair.foreground)]);
    const auto lightness = NearestPassingLightness(from, scheme[std::size_t(pair.background)],
                                                   PassingRatio(pair.rule));
    const QString name = m_owner->elementName(pair.foreground);
    if (!lightness) {
        m_message->setText(QStringLiteral("%1はどの明度でも合格しません。").arg(name));
        return;
    }
    if (!edited)
        m_owner->selectElement(pair.foreground);
    m_owner->takeLightness(*lightness);
    m_message->setText(QStringLiteral("%1の明度を%2から%3にしました。")
                           .arg(name)
                           .arg(LightnessOf(from))
                           .arg(*lightness));
}

// Beside the main window, where the screen has room: right of it, else below,
// left or above, so that the check covers none of it. Where none has room,
// and where the desktop places windows itself (Wayland), the desktop decides.
void ContrastCheckWindow::placeBesideOwner()
{
    adjustSize();
    const QWindow *ownerWindow = m_owner->windowHandle();
    const QMargins frame = ownerWindow ? ownerWindow->frameMargins() : QMargins();
    const QRect owner = m_owner->geometry().marginsAdded(frame);
    const QSize outer = size().grownBy(frame);
    const QRect screen = m_owner->screen()->availableGeometry();
    const QPoint places[] = {
        {owner.right() + 1 + gap, owner.top()},
        {owner.left(), owner.bottom() + 1 + gap},
        {owner.left() - gap - outer.width(), owner.top()},
        {owner.left(), owner.top() - gap - outer.height()},
    };
    for (const QPoint &place : places) {
        if (screen.contains(QRect(place, outer))) {
            move(place); // places the outer frame
            return;
        }
    }
}
