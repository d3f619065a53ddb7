#include "SimIoWindow.h"

#include "SimIoTexts.h"

#include "core/InstructionSet.h"
#include "plc/SimScript.h"
#include "widgets/RowFont.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ladrix::plc {
namespace {

namespace t = simiotexts;

// Lamps stand in rows of eight, as device numbers count 0 to 7 in their last place.
constexpr int kLampsPerRow = 8;

// One device's lamp: its name on a field that lights when the device is on.
class IoLamp final : public QAbstractButton {
public:
    IoLamp(const QString& name, const QColor& lit, QWidget* parent)
        : QAbstractButton(parent), m_lit(lit)
    {
        setText(name);
        setObjectName(QStringLiteral("lamp") + name);
        setFont(rowFont());
        setFocusPolicy(Qt::TabFocus);
        setProperty("lit", false);
    }
    void setLit(bool on)
    {
        if (on == m_on)
            return;
        m_on = on;
        // Readable from outside the window (tests, accessibility tools) without the paint.
        setProperty("lit", on);
        update();
    }
    bool lit() const { return m_on; }
    QSize sizeHint() const override
    {
        const QFontMetrics fm(font());
        return {fm.horizontalAdvance(QStringLiteral("X000")) + 16, fm.height() + 8};
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
        p.setPen(QPen(hasFocus() ? palette().highlight().color() : QColor(90, 90, 90), 1));
        p.setBrush(m_on ? m_lit : QColor(200, 200, 200));
        p.drawRoundedRect(r, 4, 4);
        p.setPen(m_on ? Qt::white : Qt::black);
        p.drawText(r, Qt::AlignCenter, text());
    }

private:
    QColor m_lit;
    bool m_on = false;
};

IoLamp* lamp(QAbstractButton* button)
{
    return static_cast<IoLamp*>(button);
}

QGroupBox* lampGroup(const QString& caption, std::span<const int> numbers, QChar letter,
                     const QColor& lit, bool clickable, std::vector<QAbstractButton*>& lamps)
{
    auto* box = new QGroupBox(caption);
    auto* grid = new QGridLayout(box);
    grid->setSpacing(3);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        auto* l = new IoLamp(letter + QString::number(numbers[i]), lit, box);
        l->setEnabled(clickable);
        grid->addWidget(l, int(i) / kLampsPerRow, int(i) % kLampsPerRow);
        lamps.push_back(l);
    }
    // The rows of a shorter group stay together at the top, beside the longer one.
    grid->setRowStretch(int(numbers.size() + kLampsPerRow - 1) / kLampsPerRow, 1);
    return box;
}

QString deviceName(int number)
{
    return QString(deviceLetterOf(number)) + QString::number(number);
}

// A timer whose constant has a point counts tenths of a second: shown in seconds, as its
// constant is written.
QString valueText(const SimSnapshot::Value& v)
{
    if (deviceLetterOf(v.number) == u'T' && v.preset.contains(u'.'))
        return QString::number(v.value / 10.0, 'f', 1);
    return QString::number(v.value);
}

} // namespace

SimIoWindow::SimIoWindow(SimPlc& plc, QWidget* parent) : QWidget(parent, Qt::Window), m_plc(&plc)
{
    setObjectName(QStringLiteral("frmSimIo"));
    setWindowTitle(t::kTitle());
    buildWindow();
    // The controller may live on another thread: its pictures arrive queued.
    connect(&plc, &SimPlc::changed, this, &SimIoWindow::showSnapshot);
    QMetaObject::invokeMethod(&plc, &SimPlc::publish, Qt::QueuedConnection);
}

void SimIoWindow::buildWindow()
{
    m_mode = new QLabel(t::kStopped());
    m_scans = new QLabel(QStringLiteral("0"));
    m_time = new QLabel(t::kSeconds().arg(simTimeText(0)));
    m_fault = new QLabel;
    m_mode->setObjectName(QStringLiteral("labMode"));
    m_scans->setObjectName(QStringLiteral("labScans"));
    m_time->setObjectName(QStringLiteral("labTime"));
    m_fault->setObjectName(QStringLiteral("labFault"));
    m_fault->setWordWrap(true);
    QPalette warn = m_fault->palette();
    warn.setColor(QPalette::WindowText, QColor(190, 0, 0));
    m_fault->setPalette(warn);
    for (QLabel* l : {m_mode, m_scans, m_time})
        l->setFont(rowFont());

    auto* state = new QHBoxLayout;
    state->addWidget(new QLabel(t::kMode()));
    state->addWidget(m_mode);
    state->addSpacing(16);
    state->addWidget(new QLabel(t::kScans()));
    state->addWidget(m_scans);
    state->addSpacing(16);
    state->addWidget(new QLabel(t::kTime()));
    state->addWidget(m_time);
    state->addStretch();

    QGroupBox* inputs = lampGroup(t::kInputs(), ScanEngine::inputNumbers(), u'X',
                                  QColor(0, 150, 60), true, m_inputs);
    inputs->setToolTip(t::kInputHint());
    QGroupBox* outputs = lampGroup(t::kOutputs(), ScanEngine::outputNumbers(), u'Y',
                                   QColor(210, 30, 30), false, m_outputs);
    m_pressedAt.assign(m_inputs.size(), 0);
    m_pressedTo.assign(m_inputs.size(), false);
    for (std::size_t i = 0; i < m_inputs.size(); ++i) {
        connect(m_inputs[i], &QAbstractButton::pressed, this, [this, i] { onInputPressed(i); });
        connect(m_inputs[i], &QAbstractButton::released, this, [this, i] { onInputReleased(i); });
    }

    m_values = new QTreeWidget;
    m_values->setObjectName(QStringLiteral("lvwValues"));
    m_values->setRootIsDecorated(false);
    m_values->setColumnCount(4);
    m_values->setHeaderLabels(t::kColumns());
    m_values->setFont(rowFont());
    m_values->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* values = new QGroupBox(t::kValues());
    auto* valuesLayout = new QVBoxLayout(values);
    valuesLayout->addWidget(m_values);

    auto* lamps = new QHBoxLayout;
    lamps->addWidget(inputs);
    lamps->addWidget(outputs);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(state);
    layout->addWidget(m_fault);
    layout->addLayout(lamps);
    layout->addWidget(values, 1);
}

void SimIoWindow::showSnapshot(const SimSnapshot& s)
{
    m_mode->setText(s.running ? t::kRunning() : t::kStopped());
    m_scans->setText(QString::number(s.scans));
    m_time->setText(t::kSeconds().arg(simTimeText(s.timeMs)));
    m_fault->setText(s.fault);
    m_fault->setVisible(!s.fault.isEmpty());
    for (std::size_t i = 0; i < m_inputs.size() && i < s.inputs.size(); ++i) {
        // A lamp held down shows what its press asked for until it is let go.
        if (!m_inputs[i]->isDown())
            lamp(m_inputs[i])->setLit(s.inputs[i]);
    }
    for (std::size_t i = 0; i < m_outputs.size() && i < s.outputs.size(); ++i)
        lamp(m_outputs[i])->setLit(s.outputs[i]);

    while (m_values->topLevelItemCount() > int(s.values.size()))
        delete m_values->takeTopLevelItem(m_values->topLevelItemCount() - 1);
    for (std::size_t i = 0; i < s.values.size(); ++i) {
        const SimSnapshot::Value& v = s.values[i];
        QTreeWidgetItem* row = m_values->topLevelItem(int(i));
        if (!row)
            row = new QTreeWidgetItem(m_values);
        const QStringList texts{deviceName(v.number), valueText(v), v.preset,
                                v.on ? t::kOn() : t::kOff()};
        for (int c = 0; c < texts.size(); ++c) {
            if (row->text(c) != texts[c])
                row->setText(c, texts[c]);
        }
    }
}

void SimIoWindow::onInputPressed(std::size_t index)
{
    m_pressedAt[index] = QDateTime::currentMSecsSinceEpoch();
    m_pressedTo[index] = !lamp(m_inputs[index])->lit();
    requestInput(index, m_pressedTo[index]);
}

void SimIoWindow::onInputReleased(std::size_t index)
{
    if (QDateTime::currentMSecsSinceEpoch() - m_pressedAt[index] >= kHoldMs)
        requestInput(index, !m_pressedTo[index]);
}

void SimIoWindow::requestInput(std::size_t index, bool on)
{
    lamp(m_inputs[index])->setLit(on);
    const int number = ScanEngine::inputNumbers()[index];
    if (SimPlc* plc = m_plc.data())
        QMetaObject::invokeMethod(plc, [plc, number, on] { plc->setInput(number, on); });
}

} // namespace ladrix::plc
