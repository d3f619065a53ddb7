#include "PanelKeyboard.h"

#include <QStringList>
#include <Qt>

namespace ladrix::plc {
namespace {

struct Binding {
    int key;
    int index;
    const char* name; // null for a second key of the same name (the keypad's Enter)
};

constexpr Binding kBindings[] = {
    {Qt::Key_Delete, 0, "Delete"}, {Qt::Key_D, 0, "D"},     {Qt::Key_Insert, 1, "Insert"},
    {Qt::Key_L, 4, "L"},           {Qt::Key_A, 5, "A"},     {Qt::Key_O, 6, "O"},
    {Qt::Key_Minus, 7, "-"},       {Qt::Key_7, 8, "7"},     {Qt::Key_8, 9, "8"},
    {Qt::Key_9, 10, "9"},          {Qt::Key_Plus, 11, "+"}, {Qt::Key_4, 12, "4"},
    {Qt::Key_5, 13, "5"},          {Qt::Key_6, 14, "6"},    {Qt::Key_K, 15, "K"},
    {Qt::Key_1, 16, "1"},          {Qt::Key_2, 17, "2"},    {Qt::Key_3, 18, "3"},
    {Qt::Key_C, 19, "C"},          {Qt::Key_0, 20, "0"},    {Qt::Key_Period, 21, "."},
    {Qt::Key_E, 21, "E"},          {Qt::Key_R, 21, "R"},    {Qt::Key_Return, 22, "Enter"},
    {Qt::Key_Enter, 22, nullptr},  {Qt::Key_W, 22, "W"},
};

} // namespace

int panelIndexOfKey(int key)
{
    for (const Binding& b : kBindings) {
        if (b.key == key)
            return b.index;
    }
    return -1;
}

QString keyboardKeysOf(int index, const QString& separator)
{
    QStringList names;
    for (const Binding& b : kBindings) {
        if (b.index == index && b.name)
            names << QString::fromLatin1(b.name);
    }
    return names.join(separator);
}

} // namespace ladrix::plc
