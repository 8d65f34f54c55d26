#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <vector>

class QAction;
class QMenu;
class QWidget;

// The commands that reach beyond the window's menu bar, which stays as the
// window was designed. Each such command is reached three ways: its key,
// anywhere in the main window; one context menu, shared by the controls whose
// right button has no role of its own (right click, the Menu key, Shift+F10);
// and the description a screen reader gives of the copy button, which names
// the keys.
class CommandMenu final : public QObject
{
    Q_OBJECT

public:
    explicit CommandMenu(QWidget *window);
    ~CommandMenu() override;

    // A command with its menu text (for example "配色ﾁｪｯｸ(&K)...") and its
    // key; the caller connects the action's triggered signal. The menu shows
    // the key after the text.
    QAction *addCommand(const QString &text, const QKeySequence &key);

    // The control then opens the menu on a right click, the Menu key or
    // Shift+F10.
    void attachTo(QWidget *control);

    // Each command's name and key, for example "配色ﾁｪｯｸ F7", joined by "、".
    QString keyList() const;

    // Opens the menu at a point of the screen; nothing happens while there
    // is no command. Opened from the keyboard, the menu has its first command
    // selected, so that a screen reader says it and Enter runs it.
    void popup(const QPoint &globalPos, bool fromKeyboard = false);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::vector<QAction *> m_commands;
    QMenu *m_menu = nullptr; // made on first use: start-up builds no menu
};
