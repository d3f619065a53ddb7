#include "OnlinePrompts.h"

#include "widgets/CommonTexts.h"

#include <QPushButton>

namespace ladrix::plc {

MessageSink OnlinePrompts::warningBoxSink()
{
    return [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
        box.button(QMessageBox::Ok)->setText(commontexts::kOk);
        box.exec();
    };
}

OnlinePrompts::Question OnlinePrompts::yesNoCancelBox()
{
    return [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::Question, title, text,
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
        // The toolkit's captions are English unless its translations are installed.
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
        box.button(QMessageBox::Cancel)->setText(commontexts::kCancel);
        box.setDefaultButton(QMessageBox::Yes);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    };
}

} // namespace ladrix::plc
