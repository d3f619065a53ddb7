#include "OnlinePrompts.h"

#include "widgets/CommonTexts.h"

#include <QCoreApplication>
#include <QPushButton>

namespace ladrix::plc {

MessageSink OnlinePrompts::warningBoxSink()
{
    return [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
        box.button(QMessageBox::Ok)->setText(commontexts::okText());
        box.exec();
    };
}

OnlinePrompts::Question OnlinePrompts::yesNoCancelBox()
{
    return [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Question, title, text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
        // The toolkit's captions are English unless its translations are installed.
        box.button(QMessageBox::Yes)
            ->setText(QCoreApplication::translate("OnlinePrompts", "是(&Y)"));
        box.button(QMessageBox::No)
            ->setText(QCoreApplication::translate("OnlinePrompts", "否(&N)"));
        box.button(QMessageBox::Cancel)->setText(commontexts::cancelText());
        box.setDefaultButton(QMessageBox::Yes);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    };
}

} // namespace ladrix::plc
