#include "cmap/commandmenu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

CommandMenu::CommandMenu(QWidget *window) : QObject(window), m_window(window) {}

CommandMenu::~CommandMenu() = default;

QAction *CommandMenu::addCommand(const QString &text, const QKeySequence &key)
{
    auto *action = new QAction(text, m_window);
    action->setShortcut(key);
    action->setShortcutVisibleInContextMenu(true);
    // An action added to the window answers its key wherever the focus is
    // in the window, and only there.
    action->setShortcutContext(Qt::WindowShortcut);
    m_window->addAction(action);
    m_commands.push_back(action);
    if (m_menu)
        m_menu->addAction(action);
    return action;
}

void CommandMenu::attachTo(QWidget *control)
{
    control->setContextMenuPolicy(Qt::DefaultContextMenu);
    control->installEventFilter(this);
}

namespace {

// A command's name as a person reads it: without its accelerator mark, such
// as "(&K)" or the "&" before a letter, and without the dots that announce a
// window. Plain string work: a regular expression would be compiled at
// start-up, where the copy button's description is made, and costs 0.4 MiB.
QString SpokenName(QString text)
{
    for (qsizetype mark = text.indexOf(u'&'); mark >= 0; mark = text.indexOf(u'&', mark)) {
        const bool bracketed = mark > 0 && text.at(mark - 1) == u'(' && mark + 2 < text.size() &&
                               text.at(mark + 2) == u')';
        if (bracketed)
            text.remove(--mark, 4);
        else
            text.remove(mark, 1);
    }
    if (text.endsWith(QStringLiteral("...")))
        text.chop(3);
    return text;
}

} // namespace

QString CommandMenu::keyList() const
{
    QStringList entries;
    for (const QAction *action : m_commands)
        entries.append(SpokenName(action->text()) + QLatin1Char(' ') +
                       action->shortcut().toString(QKeySequence::NativeText));
    return entries.join(QStringLiteral("、"));
}

void CommandMenu::popup(const QPoint &globalPos, bool fromKeyboard)
{
    if (m_commands.empty())
        return;
    if (!m_menu) {
        m_menu = new QMenu(m_window);
        for (QAction *action : m_commands)
            m_menu->addAction(action);
    }
    m_menu->popup(globalPos);
    if (fromKeyboard)
        m_menu->setActiveAction(m_commands.front());
}

bool CommandMenu::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        // A right click, or the Menu key on the control with the focus.
        auto *request = static_cast<QContextMenuEvent *>(event);
        if (request->reason() == QContextMenuEvent::Mouse)
            popup(request->globalPos());
        else
            popup(control->mapToGlobal(control->rect().center()), true);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            popup(control->mapToGlobal(control->rect().center()), true);
            return true;
        }
    }
    return false;
}
