// The floor for start-up figures: what Qt itself costs to show Tintwright's
// window. A window of the same size with the same number and kinds of
// widgets, the same texts and fonts, and a hidden dialog standing for the
// About dialog (which the program also creates at start-up), but no logic:
// no handlers, no colour model, no custom painting.

#include "shell/uifonts.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

QLabel *label(const QString &text, QWidget *parent, const QRect &geometry, const QFont &font)
{
    auto *created = new QLabel(text, parent);
    created->setGeometry(geometry);
    created->setFont(font);
    return created;
}

void addSliderRows(QGroupBox *group, const QStringList &names)
{
    for (int row = 0; row < 3; ++row) {
        label(names[row], group, QRect(5, 20 + 20 * row, 40, 12), ProportionalFont(12));
        auto *bar = new QScrollBar(Qt::Horizontal, group);
        bar->setGeometry(50, 20 + 20 * row, 160, 16);
        bar->setMaximum(255);
        auto *field = new QLineEdit(QStringLiteral("192"), group);
        field->setGeometry(215, 20 + 20 * row, 35, 18);
        field->setEnabled(false);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setFont(ProportionalFont(WindowFontPixels));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto *client = new QWidget;
    window.setCentralWidget(client);
    for (const QString &menu :
         {QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("編集(&E)"), QStringLiteral("ﾍﾙﾌﾟ(&H)")})
        window.menuBar()->addMenu(menu)->addAction(QStringLiteral("Item"));

    // The preview: panels, the five caption labels, swatches, the table sample.
    auto *preview = new QFrame(client);
    preview->setGeometry(2, 2, 212, 151);
    const QStringList captions = {QStringLiteral("背景色"), QStringLiteral("通常のテキスト文字"),
                                  QStringLiteral("リンク文字列"),
                                  QStringLiteral("訪問済みのリンク"),
                                  QStringLiteral("クリックしたときのリンク")};
    for (int row = 0; row < 5; ++row) {
        label(captions[row], preview, QRect(6, 6 + 20 * row, 200, 20), ProportionalFont(15))
            ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        (new QFrame(preview))->setGeometry(5, 5 + 20 * row, 25, 20);
    }
    for (const QRect &geometry : {QRect(6, 110, 200, 6), QRect(5, 122, 25, 22)})
        (new QFrame(preview))->setGeometry(geometry);
    label(QStringLiteral("テーブル"), preview, QRect(46, 121, 129, 25), ProportionalFont(12));
    label(QStringLiteral("背景色"), client, QRect(2, 153, 212, 20), ProportionalFont(12));
    (new QWidget(client))->setGeometry(2, 173, 212, 159); // the grid
    (new QFrame(client))->setGeometry(216, 0, 302, 334);
    (new QFrame(client))->setGeometry(0, 0, 216, 334);

    auto *rgb = new QGroupBox(QStringLiteral("RGBｶﾗｰﾓﾃﾞﾙ"), client);
    rgb->setGeometry(222, 6, 290, 87);
    addSliderRows(rgb, {QStringLiteral("赤(R)"), QStringLiteral("緑(G)"), QStringLiteral("青(B)")});
    (new QFrame(rgb))->setGeometry(253, 14, 35, 71);
    for (int row = 0; row < 3; ++row)
        label(QString(), rgb, QRect(260, 20 + 20 * row, 20, 20), ProportionalFont(12));
    auto *hsl = new QGroupBox(QStringLiteral("HSLｶﾗｰﾓﾃﾞﾙ"), client);
    hsl->setGeometry(222, 93, 290, 88);
    addSliderRows(
        hsl, {QStringLiteral("色相(H)"), QStringLiteral("彩度(S)"), QStringLiteral("明度(L)")});

    label(QStringLiteral("COLOR = #C0C0C0"), client, QRect(222, 181, 290, 22), FixedPitchFont(17));
    auto *list = new QComboBox(client);
    list->setGeometry(372, 184, 140, 19);
    list->setFont(ProportionalFont(13));
    for (int i = 0; i < 140; ++i)
        list->addItem(QStringLiteral("colour"));
    list->setCurrentIndex(-1);
    auto *types = new QGroupBox(QStringLiteral("作成タグタイプ"), client);
    types->setGeometry(222, 203, 290, 75);
    const QStringList items = {
        QStringLiteral("<BODY ...>"),         QStringLiteral("<FONT COLOR=\"\">"),
        QStringLiteral("<HR COLOR=\"\">"),    QStringLiteral("<TD BGCOLOR=\"\">"),
        QStringLiteral("COLOR=\"\""),         QStringLiteral("BGCOLOR=\"\""),
        QStringLiteral("１６進形式(#xxxxxx)")};
    for (int i = 0; i < items.size(); ++i)
        (new QRadioButton(items[i], types))
            ->setGeometry(8 + 140 * (i / 4), 14 + 14 * (i % 4), 140, 14);
    (new QPushButton(QStringLiteral("ｸﾘｯﾌﾟﾎﾞｰﾄﾞへCOPY"), client))->setGeometry(228, 293, 113, 25);
    (new QPushButton(QStringLiteral("閉じる(&C)"), client))->setGeometry(380, 293, 113, 25);

    // The hidden dialog: a panel, a picture, four labels and a button.
    QDialog dialog;
    dialog.setFixedSize(264, 165);
    auto *panel = new QFrame(&dialog);
    panel->setGeometry(8, 4, 250, 120);
    for (int i = 0; i < 5; ++i)
        label(QStringLiteral("Tintwright"), panel, QRect(8 + 10 * i, 8 + 20 * i, 100, 12),
              ProportionalFont(12));
    (new QPushButton(QStringLiteral("OK"), &dialog))->setGeometry(99, 133, 65, 26);

    client->setFixedSize(518, 334);
    window.move(347, 127);
    window.show();
    return application.exec();
}
