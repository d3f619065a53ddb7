#include "MessageSink.h"

#include <QMessageBox>

namespace ladrix {

MessageSink messageBoxSink()
{
    return [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        box.exec();
    };
}

} // namespace ladrix
