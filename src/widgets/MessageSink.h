#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ladrix {

// Where a window sends a message for the user. The default is a modal box with only an OK
// button; tests install their own so that no box waits for a click.
using MessageSink = std::function<void(QWidget* parent, const QString& title, const QString& text)>;

MessageSink messageBoxSink();

} // namespace ladrix
