#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace ladrix::plc {

// A group of the monitor's device tree: its key, its text and the three-digit numbers of its
// devices in the order the tree lists them.
struct DeviceGroup {
    QString key;
    QString text;
    QStringList numbers;
};

// The eight groups, X, Y, M, S, T, C, D and SFM, in the tree's order.
const std::vector<DeviceGroup>& deviceGroups();

// The node text of a device named as the tree names it ("027", "X027", "d712", "SFM575"): its
// three-digit number. Empty when no node of the tree (of that group, when a letter is given)
// has that number.
QString deviceNodeText(const QString& name);

} // namespace ladrix::plc
