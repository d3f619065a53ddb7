#pragma once

#include <QString>

class QDialogButtonBox;
class QPushButton;
class QWidget;

namespace ladrix {

// The OK ("确定", the default button) and cancel ("取消") buttons of a dialog in a button box,
// so that Enter, Esc and the platform's button order work alike in every dialog.
struct OkCancelButtons {
    QDialogButtonBox* box;
    QPushButton* ok;
    QPushButton* cancel;
};

OkCancelButtons okCancelButtons(QWidget* parent, const QString& okName, const QString& cancelName);

} // namespace ladrix
