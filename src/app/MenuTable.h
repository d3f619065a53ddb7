#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

namespace ladrix {

// One item of a menu; an entry without a caption is a separator.
struct MenuEntry {
    QString name;
    QString caption;
    QList<QKeySequence> shortcuts = {};
    bool checkable = false;
    bool hidden = false;
};

struct TopMenu {
    QString name;
    QString caption;
    QList<MenuEntry> entries;
};

// One toolbar button: a click runs the menu item `runs`; no caption means a separator.
struct ToolEntry {
    QString key;
    QString caption;
    QString toolTip;
    QString runs;
};

// The main window's menu bar, in order, in the interface's language.
QList<TopMenu> menuTree();
// The main window's toolbar, in order, in the interface's language.
QList<ToolEntry> toolbarButtons();

} // namespace ladrix
