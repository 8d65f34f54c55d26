// The floor for start-up figures: a Qt window of Tintwright's size with the
// same number and kinds of widgets, the same fonts and no logic at all.

#include "uifonts.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setFont(ProportionalFont(WindowFontPixels));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto *client = new QWidget;
    window.setCentralWidget(client);
    for (const char *menu : {"File", "Edit", "Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));

    // Panels, labels, sliders, number fields, groups, list, grid and buttons,
    // as many of each as the real window has.
    for (int i = 0; i < 14; ++i)
        (new QFrame(client))->setGeometry(4 * i, 4 * i, 30, 20);
    for (int i = 0; i < 15; ++i)
        (new QLabel(QStringLiteral("ラベル"), client))->setGeometry(100, 12 * i, 60, 12);
    auto *rgb = new QGroupBox(QStringLiteral("RGB"), client);
    auto *hsl = new QGroupBox(QStringLiteral("HSL"), client);
    rgb->setGeometry(222, 6, 290, 87);
    hsl->setGeometry(222, 93, 290, 88);
    for (QGroupBox *group : {rgb, hsl}) {
        for (int row = 0; row < 3; ++row) {
            auto *bar = new QScrollBar(Qt::Horizontal, group);
            bar->setGeometry(50, 20 + 20 * row, 160, 16);
            bar->setMaximum(255);
            auto *field = new QLineEdit(QStringLiteral("0"), group);
            field->setGeometry(215, 20 + 20 * row, 35, 18);
            field->setEnabled(false);
        }
    }
    auto *list = new QComboBox(client);
    list->setGeometry(372, 184, 140, 19);
    for (int i = 0; i < 140; ++i)
        list->addItem(QStringLiteral("colour"));
    auto *types = new QGroupBox(QStringLiteral("タイプ"), client);
    types->setGeometry(222, 203, 290, 75);
    for (int i = 0; i < 7; ++i)
        (new QRadioButton(QStringLiteral("item"), types))
            ->setGeometry(8 + 140 * (i / 4), 14 + 14 * (i % 4), 140, 14);
    (new QWidget(client))->setGeometry(2, 173, 212, 159);
    (new QPushButton(QStringLiteral("COPY"), client))->setGeometry(228, 293, 113, 25);
    (new QPushButton(QStringLiteral("閉じる"), client))->setGeometry(380, 293, 113, 25);

    client->setFixedSize(518, 334);
    window.move(347, 127);
    window.show();
    return application.exec();
}
