#include "MessageSink.h"

#include "CommonTexts.h"

#include <QMessageBox>
#include <QPushButton>

namespace ladrix {

MessageSink messageBoxSink()
{
    return [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
        // The toolkit's caption is English unless its translations are installed.
        box.button(QMessageBox::Ok)->setText(commontexts::okText());
        box.exec();
    };
}

} // namespace ladrix
