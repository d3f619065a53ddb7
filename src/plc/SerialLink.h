#pragma once

#include "Link.h"

#include <QSerialPort>

namespace ladrix::plc {

// Owns one serial port at the controller's fixed settings: 19200 baud, no parity, 8 data bits,
// 1 stop bit, no handshake. Opens, closes, writes and reads raw bytes; nothing more.
class SerialLink final : public Link {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SerialLink)

public:
    explicit SerialLink(const QString& portName, QObject* parent = nullptr);
    ~SerialLink() override;

    bool open() override;
    void close() override;
    bool isOpen() const override;
    bool write(const QByteArray& bytes) override;
    qint64 bytesAvailable() const override;
    QByteArray readAll() override;
    void discardInput() override;
    QString errorString() const override;
    QString description() const override;

private:
    void onError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    QString m_device; // as given: a path or a system port name
    QString m_error;
};

} // namespace ladrix::plc
