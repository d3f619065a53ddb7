#include "SerialLink.h"

#include "PlcTexts.h"

namespace ladrix::plc {

SerialLink::SerialLink(const QString& portName, QObject* parent)
    : Link(parent), m_port(this), m_device(portName)
{
    m_port.setPortName(portName);
    connect(&m_port, &QSerialPort::readyRead, this, &Link::readyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLink::onError);
}

SerialLink::~SerialLink()
{
    close();
}

bool SerialLink::open()
{
    close();
    m_error.clear();
    m_port.setBaudRate(QSerialPort::Baud19200);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_error = m_port.errorString();
        return false;
    }
    return true;
}

void SerialLink::close()
{
    if (m_port.isOpen())
        m_port.close();
}

bool SerialLink::isOpen() const
{
    return m_port.isOpen();
}

bool SerialLink::write(const QByteArray& bytes)
{
    if (!m_port.isOpen() || m_port.write(bytes) != bytes.size()) {
        m_error = m_port.errorString();
        return false;
    }
    return true;
}

qint64 SerialLink::bytesAvailable() const
{
    return m_port.isOpen() ? m_port.bytesAvailable() : 0;
}

QByteArray SerialLink::readAll()
{
    return m_port.isOpen() ? m_port.readAll() : QByteArray();
}

void SerialLink::discardInput()
{
    if (m_port.isOpen())
        m_port.clear(QSerialPort::Input);
}

QString SerialLink::errorString() const
{
    return m_error;
}

QString SerialLink::description() const
{
    return m_device;
}

void SerialLink::onError(QSerialPort::SerialPortError error)
{
    // Open failures are reported by open(); only faults of an open port are news.
    if (error == QSerialPort::NoError || !m_port.isOpen())
        return;
    // A failed read on a terminal means its other end is gone (unplugged adapter, ended
    // server): closing stops the driver reporting it again at every poll. The driver's text
    // for it is often a stale errno, so say what happened instead.
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError) {
        m_error = text::portLost();
        m_port.close();
    } else {
        m_error = m_port.errorString();
    }
    emit failed(m_error);
}

} // namespace ladrix::plc
