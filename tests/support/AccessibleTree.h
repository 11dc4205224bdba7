#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QMenuBar>
#include <QSet>
#include <QStringList>
#include <QWidget>

namespace folia::test {

// Roles a user operates, whether or not they take the keyboard focus.
inline bool isOperable(QAccessible::Role role) {
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::PageTab:
    case QAccessible::List:
    case QAccessible::Table:
        return true;
    default:
        return false;
    }
}

// A drop-down list's own list of entries is Qt's, named by the entry it shows.
inline bool isDropDownList(QAccessibleInterface* node) {
    return node->role() == QAccessible::List && node->parent() &&
           node->parent()->role() == QAccessible::ComboBox;
}

inline void collectUnnamed(QAccessibleInterface* node, QStringList& unnamed, int depth) {
    if (!node || depth > 40 || isDropDownList(node)) return;
    const bool control = node->state().focusable || isOperable(node->role());
    if (depth > 0 && control && node->role() != QAccessible::Separator &&
        node->text(QAccessible::Name).trimmed().isEmpty()) {
        QObject* object = node->object();
        unnamed.append(QStringLiteral("%1 %2 '%3'")
                           .arg(int(node->role()))
                           .arg(object ? object->metaObject()->className() : "?")
                           .arg(object ? object->objectName() : QString()));
    }
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), unnamed, depth + 1);
}

// Every control in the window's accessible tree (the menus' items included) that a
// screen reader would have no name for, described by role, class and object name; empty
// when all are named.
inline QString unnamedControls(QWidget* window) {
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed, 0);
    return unnamed.join(QStringLiteral(", "));
}

// The accessible names of the window's controls, in tree order, for tests that look for
// a name or a count shown as a name.
inline void collectNames(QAccessibleInterface* node, QStringList& names, int depth) {
    if (!node || depth > 40) return;
    names.append(node->text(QAccessible::Name));
    for (int i = 0; i < node->childCount(); ++i)
        collectNames(node->child(i), names, depth + 1);
}
inline QStringList accessibleNames(QWidget* window) {
    QStringList names;
    collectNames(QAccessible::queryAccessibleInterface(window), names, 0);
    return names;
}

// Runs one of a control's accessible actions (QAccessibleActionInterface::toggleAction()
// for a check box or an option button), as a screen reader does; false when the control
// does not offer it.
inline bool doAccessibleAction(QWidget* control, const QString& action) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
    QAccessibleActionInterface* actions = node ? node->actionInterface() : nullptr;
    if (!actions || !actions->actionNames().contains(action)) return false;
    actions->doAction(action);
    return true;
}

// Menu titles or items without an Alt letter, or sharing one within their menu.
inline QStringList menuKeyClashes(QMenuBar* bar) {
    QStringList clashes;
    const auto check = [&clashes](const QList<QAction*>& actions) {
        QSet<QString> used;
        for (QAction* action : actions) {
            if (action->isSeparator()) continue;
            const QString key = QKeySequence::mnemonic(action->text()).toString();
            if (key.isEmpty() || used.contains(key)) clashes.append(action->text());
            used.insert(key);
        }
    };
    check(bar->actions());
    for (QAction* title : bar->actions())
        if (title->menu()) check(title->menu()->actions());
    return clashes;
}

} // namespace folia::test
