#include "LadderEditor.h"

#include "ElementDialog.h"
#include "LadderKeys.h"
#include "LadderPainter.h"
#include "core/Project.h"
#include "core/RuntimeError.h"
#include "widgets/CommonTexts.h"
#include "widgets/NormalSizeKeeper.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScrollBar>

namespace ladrix {

namespace {

constexpr int kRows = LadderEditing::kScreenRows;
constexpr int kColumns = LadderGrid::kColumns;
constexpr int kGridWidth = LadderEditor::kCellWidth * kColumns;
constexpr int kGridHeight = LadderEditor::kCellHeight * kRows;
constexpr qreal kScreenScale = 1.0 / 15; // pixels per twip

} // namespace

LadderEditor::LadderEditor(Project& project, QWidget* parent)
    : QWidget(parent), m_project(project), m_editing(project.grid()),
      m_vsc(new QScrollBar(Qt::Vertical, this)),
      m_keeper(new NormalSizeKeeper(*this, normalWindowSize())), m_sink(messageBoxSink()),
      m_runDialog([](QDialog& dialog) { return dialog.exec(); })
{
    setObjectName(QStringLiteral("frmLad"));
    setWindowTitle(tr("梯形图编辑器"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    m_labelFont = font();
    m_labelFont.setPointSize(8);

    m_vsc->setObjectName(QStringLiteral("Vsc"));
    m_vsc->setRange(0, LadderEditing::kMaxTop);
    m_vsc->setSingleStep(1);
    m_vsc->setPageStep(10);
    // The scroll bar never takes a key for itself: every key goes to the editor's handler.
    m_vsc->setFocusPolicy(Qt::NoFocus);
    m_vsc->installEventFilter(this);
    m_vsc->setGeometry(kScrollLeft, 0, m_vsc->sizeHint().width(), kGridHeight);
    setMinimumSize(kScrollLeft + m_vsc->width(), kGridHeight);
    resize(minimumSize());

    m_editing.setAskElement([this](const ElementRequest& r) { return askElement(r); });
    m_editing.setShowMessage(
        [this](const QString& text) { m_sink(this, commontexts::appTitle(), text); });

    connect(m_vsc, &QScrollBar::valueChanged, this, [this](int value) {
        m_editing.setTop(value);
        vscChange();
    });
    connect(&m_project, &Project::gridChanged, this, &LadderEditor::vscChange);
    connect(m_keeper, &NormalSizeKeeper::resized, this, &LadderEditor::resizedNormal);
    vscChange();
}

LadderEditor::~LadderEditor() = default;

QRect LadderEditor::slotRect(int k)
{
    return QRect(kGridLeft + (k % kColumns) * kCellWidth, (k / kColumns) * kCellHeight, kCellWidth,
                 kCellHeight);
}

QRect LadderEditor::pictureRect(int k)
{
    // The edge strips, a pixel on each side, are no part of the picture.
    return slotRect(k).adjusted(1, 0, -1, 0);
}

QWidget* LadderEditor::keptWindow() const
{
    return m_keeper->window();
}

void LadderEditor::vscChange()
{
    renderCache();
    update();
}

void LadderEditor::renderCache()
{
    const qreal ratio = devicePixelRatioF();
    const QSize size(kScrollLeft, kGridHeight);
    if (m_cache.size() != size * ratio) {
        m_cache = QPixmap(size * ratio);
        m_cache.setDevicePixelRatio(ratio);
    }
    m_cache.fill(Qt::white);
    QPainter painter(&m_cache);
    painter.setFont(m_labelFont);
    const LadderGrid& grid = m_project.grid();
    const QSizeF slot = cellgeometry::kSlot * kScreenScale;
    // The row above the view is drawn too, for the links that come down into the top row.
    const int top = m_editing.top();
    for (int r = top > 0 ? -1 : 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const int i = (top + r) * kColumns + c;
            const QRectF rect(QPointF(kGridLeft + c * kCellWidth, r * kCellHeight), slot);
            if (!LadderGrid::inRange(i)) {
                painter.fillRect(rect, QBrush(QColor(200, 200, 200), Qt::BDiagPattern));
                continue;
            }
            paintCell(painter, grid.cell(i), rect);
        }
    }
    paintRail(painter, leftRailX(kGridLeft, kScreenScale), 0, kGridHeight, kScreenScale);
    paintRail(painter, rightRailX(kGridLeft, kScreenScale), 0, kGridHeight, kScreenScale);
}

void LadderEditor::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_cache);
    if (m_editing.cursorShown()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
        painter.drawRect(
            QRectF(pictureRect(m_editing.activeCell())).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void LadderEditor::apply(const std::function<bool()>& edit)
{
    const int oldCell = m_editing.activeCell();
    const bool oldShown = m_editing.cursorShown();
    bool changed = false;
    // An edit that fails leaves the grid as it was; the user is told, and the editor goes on.
    try {
        changed = edit();
    } catch (const std::bad_alloc&) {
        const RuntimeError error = RuntimeError::outOfMemory();
        m_sink(this, error.title(), error.description());
    } catch (const RuntimeError& error) {
        m_sink(this, error.title(), error.description());
    }
    if (m_vsc->value() != m_editing.top())
        m_vsc->setValue(m_editing.top());
    if (changed)
        m_project.notifyGridChanged();
    else if (oldCell != m_editing.activeCell() || oldShown != m_editing.cursorShown())
        update();
}

void LadderEditor::formKeyDown(int keyCode)
{
    apply([&] { return m_editing.formKeyDown(keyCode); });
}

void LadderEditor::insertLad()
{
    apply([&] { return m_editing.insertLad(); });
}

void LadderEditor::deleteLad()
{
    apply([&] { return m_editing.deleteLad(); });
}

void LadderEditor::resetView()
{
    m_editing.hideCursor();
    m_editing.setTop(0);
    if (m_vsc->value() != 0)
        m_vsc->setValue(0);
    else
        vscChange();
}

std::optional<ElementInput> LadderEditor::askElement(const ElementRequest& request)
{
    ElementDialog dialog(request, this);
    dialog.setMessageSink(m_sink);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.input();
}

void LadderEditor::keyPressEvent(QKeyEvent* event)
{
    const int code = ladderKeyCode(*event);
    if (code == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    formKeyDown(code);
}

void LadderEditor::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    if (at.x() < kGridLeft || at.x() >= kGridLeft + kGridWidth || at.y() < 0 ||
        at.y() >= kGridHeight)
        return;
    const int k = (at.y() / kCellHeight) * kColumns + (at.x() - kGridLeft) / kCellWidth;
    if (pictureRect(k).contains(at))
        apply([&] {
            m_editing.imgClick(k);
            return false;
        });
}

void LadderEditor::wheelEvent(QWheelEvent* event)
{
    QCoreApplication::sendEvent(m_vsc, event);
}

bool LadderEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_vsc) {
        if (event->type() == QEvent::KeyPress) {
            if (const int code = ladderKeyCode(*static_cast<QKeyEvent*>(event)))
                formKeyDown(code);
            return true;
        }
        if (event->type() == QEvent::KeyRelease)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void LadderEditor::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The frame's own decoration comes on top of what the cells need.
    if (QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        const QSize decoration = frame->size() - size();
        m_keeper->setSize(normalWindowSize().expandedTo(minimumSize() + decoration));
    }
    m_keeper->attach();
    setFocus(Qt::OtherFocusReason);
}

void LadderEditor::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace ladrix
