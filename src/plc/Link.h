#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace ladrix::plc {

// A byte pipe to the controller: a serial port, a pseudo-terminal or the simulated controller.
// Received bytes wait in the link until read or discarded; readyRead() announces new ones.
// A link lives in the thread of its owner and is used only from there.
class Link : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;
    ~Link() override = default;

    // Opens the link; on failure returns false and errorString() tells why.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Queues bytes for the controller; false when the driver refused them.
    virtual bool write(const QByteArray& bytes) = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray readAll() = 0;
    // Drops every byte waiting to be read, also what the driver holds but has not passed on.
    virtual void discardInput() { readAll(); }
    virtual QString errorString() const = 0;
    // Human-readable name of what the link talks to ("/dev/ttyUSB0", "sim").
    virtual QString description() const = 0;

signals:
    void readyRead();
    // The driver reported a fault on an open link.
    void failed(const QString& reason);
};

} // namespace ladrix::plc
