#include "cmap/contrastcheck.h"

#include "cmap/tcmaptool.h"
#include "controls/uifonts.h"
#include "shell/errordisplay.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>

#include <cmath>
#include <limits>

using namespace cSpace;

namespace {

enum Column : int
{
    ForegroundColumn,
    BackgroundColumn,
    RatioColumn,
    VerdictColumn,
    ColumnCount
};

QString VerdictText(ContrastVerdict verdict)
{
    switch (verdict) {
    case ContrastVerdict::EnhancedText:
        return QStringLiteral("AAA適合");
    case ContrastVerdict::Text:
        return QStringLiteral("AA適合");
    case ContrastVerdict::LargeTextOnly:
        return QStringLiteral("大きな文字のみ適合");
    case ContrastVerdict::Distinct:
        return QStringLiteral("適合");
    case ContrastVerdict::Fails:
        break;
    }
    return QStringLiteral("不適合");
}

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
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(ProportionalFont(WindowFontPixels));
    addAction(command);
    m_shownRatios.fill(std::numeric_limits<double>::quiet_NaN());

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

    connect(m_table, &QTableWidget::itemSelectionChanged, this, [this] {
        m_message->clear();
        updatePassButton();
    });
    connect(m_passButton, &QPushButton::clicked, this, Guarded([this] { makeSelectedRowPass(); }));
    updatePassButton();
}

ContrastCheckWindow::~ContrastCheckWindow() = default;

// One row per pair; the names never change, the ratio and the verdict follow
// the scheme. The table is as large as its rows, without scroll bars.
void ContrastCheckWindow::buildTable()
{
    const int rows = int(SchemeContrastPairs.size());
    m_table = new QTableWidget(rows, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("ContrastTable"));
    m_table->setAccessibleName(windowTitle());
    m_table->setHorizontalHeaderLabels({QStringLiteral("前景"), QStringLiteral("背景"),
                                        QStringLiteral("コントラスト比"), QStringLiteral("判定")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setWordWrap(false);

    for (int row = 0; row < rows; ++row) {
        const ContrastPair &pair = SchemeContrastPairs[std::size_t(row)];
        const QString texts[ColumnCount] = {
            m_owner->elementName(pair.foreground), m_owner->elementName(pair.background), {}, {}};
        for (int column = 0; column < ColumnCount; ++column) {
            auto *item = new QTableWidgetItem(texts[column]);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            if (column == RatioColumn)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
        }
    }

    // Each column as wide as the widest text it can ever hold: measured with
    // every row in the face of a failing row, and the widest ratio and verdict
    // in the first.
    for (int row = 0; row < rows; ++row)
        markFailing(row, true);
    m_table->item(0, RatioColumn)->setText(QStringLiteral("21.00:1"));
    m_table->item(0, VerdictColumn)->setText(VerdictText(ContrastVerdict::LargeTextOnly));
    m_table->resizeColumnsToContents();
    for (int column = 0; column < ColumnCount; ++column)
        m_table->setColumnWidth(column, m_table->columnWidth(column) +
                                            m_table->fontMetrics().averageCharWidth());
    for (int row = 0; row < rows; ++row)
        markFailing(row, false);
    m_table->verticalHeader()->setDefaultSectionSize(
        std::max(m_table->fontMetrics().height(), m_table->iconSize().height()) + 4);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    int width = 2 * m_table->frameWidth() + m_table->verticalHeader()->sizeHint().width();
    for (int column = 0; column < ColumnCount; ++column)
        width += m_table->columnWidth(column);
    const int height = 2 * m_table->frameWidth() +
                       m_table->horizontalHeader()->sizeHint().height() +
                       rows * m_table->verticalHeader()->defaultSectionSize();
    m_table->setFixedSize(width, height);
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
        return;
    }
    disconnect(m_following);
    const bool hadFocus = isActiveWindow();
    QDialog::setVisible(false);
    if (hadFocus)
        m_owner->activateWindow();
}

// Reads the scheme and rewrites the rows whose ratio moved: a slider step
// changes one part, and so a few rows.
void ContrastCheckWindow::refresh()
{
    const SchemeColors scheme = m_owner->schemeColors();
    for (std::size_t row = 0; row < SchemeContrastPairs.size(); ++row) {
        const ContrastPair &pair = SchemeContrastPairs[row];
        const double ratio = ContrastRatio(scheme[std::size_t(pair.foreground)],
                                           scheme[std::size_t(pair.background)]);
        if (ratio != m_shownRatios[row])
            showVerdict(int(row), ratio);
    }
    updatePassButton();
}

void ContrastCheckWindow::showVerdict(int row, double ratio)
{
    const ContrastRule rule = SchemeContrastPairs[std::size_t(row)].rule;
    const bool failedBefore =
        m_shownRatios[std::size_t(row)] < PassingRatio(rule); // false for the first showing
    const bool fails = ratio < PassingRatio(rule);
    m_shownRatios[std::size_t(row)] = ratio;
    m_table->item(row, RatioColumn)->setText(QString::fromStdString(ContrastRatioText(ratio)));
    m_table->item(row, VerdictColumn)->setText(VerdictText(JudgeContrast(ratio, rule)));
    if (fails != failedBefore)
        markFailing(row, fails);
}

// A failing row is set in bold with a warning mark, so that it stands out
// whatever colours a person sees.
void ContrastCheckWindow::markFailing(int row, bool fails)
{
    QFont face = m_table->font();
    face.setBold(fails);
    for (int column = 0; column < ColumnCount; ++column)
        m_table->item(row, column)->setFont(face);
    m_table->item(row, VerdictColumn)
        ->setIcon(fails ? style()->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon());
}

int ContrastCheckWindow::selectedRow() const
{
    const QList<QTableWidgetItem *> selected = m_table->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->row();
}

void ContrastCheckWindow::updatePassButton()
{
    const int row = selectedRow();
    m_passButton->setEnabled(row >= 0 &&
                             m_shownRatios[std::size_t(row)] <
                                 PassingRatio(SchemeContrastPairs[std::size_t(row)].rule));
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
