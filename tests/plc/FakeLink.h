#pragma once

#include "plc/Link.h"

#include <QElapsedTimer>
#include <QTimer>
#include <deque>

namespace ladrix::plc::test {

// A link whose controller is a script: each byte written takes the next scripted answer,
// delivered in chunks after their delays. Records everything written.
class FakeLink final : public Link {
    Q_OBJECT

public:
    struct Chunk {
        int delayMs;
        QByteArray bytes;
    };
    using Answer = std::vector<Chunk>;

    explicit FakeLink(QObject* parent = nullptr) : Link(parent) { m_clock.start(); }

    void script(Answer answer) { m_script.push_back(std::move(answer)); }
    // Bytes that arrive unasked (line noise) before the next write.
    void inject(const QByteArray& bytes)
    {
        m_input += bytes;
        emit readyRead();
    }
    void failWrites(bool fail) { m_failWrites = fail; }
    void fault(const QString& reason) { emit failed(reason); }

    bool open() override { return m_open = true; }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }
    bool write(const QByteArray& bytes) override
    {
        if (m_failWrites)
            return false;
        m_written += bytes;
        m_writeTimes.push_back(m_clock.elapsed());
        for (int i = 0; i < bytes.size(); ++i) {
            if (m_script.empty())
                continue;
            for (const Chunk& c : m_script.front()) {
                QTimer::singleShot(c.delayMs, Qt::PreciseTimer, this, [this, b = c.bytes] {
                    m_input += b;
                    emit readyRead();
                });
            }
            m_script.pop_front();
        }
        return true;
    }
    qint64 bytesAvailable() const override { return m_input.size(); }
    QByteArray readAll() override { return std::exchange(m_input, QByteArray()); }
    QString errorString() const override { return QStringLiteral("write refused"); }
    QString description() const override { return QStringLiteral("fake"); }

    const QByteArray& written() const { return m_written; }
    // Milliseconds since the link was made, one per write.
    const std::vector<qint64>& writeTimes() const { return m_writeTimes; }
    qint64 now() const { return m_clock.elapsed(); }

private:
    std::deque<Answer> m_script;
    QByteArray m_input;
    QByteArray m_written;
    bool m_open = false;
    bool m_failWrites = false;
    QElapsedTimer m_clock;
    std::vector<qint64> m_writeTimes;
};

// A five-byte display reply.
inline QByteArray displayReply(int code, int d1, int d2, int d3)
{
    return QByteArray{"\0", 1} + char(code) + char(d1) + char(d2) + char(d3);
}

} // namespace ladrix::plc::test
