#pragma once

#include "widgets/MessageSink.h"

#include <QMessageBox>
#include <functional>

namespace ladrix::plc {

// The message boxes of the online window. The defaults are modal boxes; tests install their own
// so that nothing waits for a click.
struct OnlinePrompts {
    using Question = std::function<QMessageBox::StandardButton(
        QWidget* parent, const QString& title, const QString& text)>;

    MessageSink message = messageBoxSink(); // information, OK only
    MessageSink warning = warningBoxSink(); // warning icon, OK only
    Question ask = yesNoCancelBox();        // Yes, No or Cancel

    static MessageSink warningBoxSink();
    static Question yesNoCancelBox();
};

} // namespace ladrix::plc
