#include "LadderToolPalette.h"

#include "ElementPictures.h"
#include "LadderKeys.h"
#include "ladder/LadderEditing.h"

#include <QAction>
#include <QCloseEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace ladrix {

namespace {

// Translated where the buttons are made.
const char* const kToolTips[] = {
    QT_TRANSLATE_NOOP("ladrix::LadderToolPalette", "常开触点"),
    QT_TRANSLATE_NOOP("ladrix::LadderToolPalette", "常闭触点"),
    QT_TRANSLATE_NOOP("ladrix::LadderToolPalette", "并联常开触点"),
    QT_TRANSLATE_NOOP("ladrix::LadderToolPalette", "并联常闭触点"),
    QT_TRANSLATE_NOOP("ladrix::LadderToolPalette", "步进触点"),
    QT_TRANSLATE_NOOP("ladrix::LadderToolPalette", "功能指令框"),
    QT_TRANSLATE_NOOP("ladrix::LadderToolPalette", "带K常数的线圈"),
    QT_TRANSLATE_NOOP("ladrix::LadderToolPalette", "竖线（上下行连接）"),
    QT_TRANSLATE_NOOP("ladrix::LadderToolPalette", "横线"),
    QT_TRANSLATE_NOOP("ladrix::LadderToolPalette", "线圈"),
};

} // namespace

int LadderToolPalette::keyCodeOf(int button)
{
    return LadderEditing::Key0 + paletteKeyDigit(button);
}

LadderToolPalette::LadderToolPalette(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_toolLad(new QToolBar(this))
{
    setObjectName(QStringLiteral("frmLadTool"));
    setWindowTitle(tr("梯形图指令"));
    setFocusPolicy(Qt::StrongFocus);
    // Showing the palette leaves the keyboard with the editor.
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_toolLad->setObjectName(QStringLiteral("toolLad"));
    m_toolLad->setOrientation(Qt::Vertical);
    m_toolLad->setIconSize(QSize(32, 32));
    for (int button = 1; button <= 10; ++button) {
        const QString tip = tr(kToolTips[button - 1]) + tr("（%1键）").arg(paletteKeyDigit(button));
        QAction* action = m_toolLad->addAction(paletteIcon(button, devicePixelRatioF()), tip);
        action->setObjectName(QStringLiteral("toolLad_%1").arg(button));
        action->setToolTip(tip);
        if (QWidget* widget = m_toolLad->widgetForAction(action)) {
            widget->setObjectName(action->objectName());
            // The editor keeps the keyboard; a click on the palette does not take it away.
            widget->setFocusPolicy(Qt::NoFocus);
        }
        connect(action, &QAction::triggered, this,
                [this, button] { emit keyDown(keyCodeOf(button)); });
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_toolLad);
    adjustSize();
}

void LadderToolPalette::keyPressEvent(QKeyEvent* event)
{
    if (const int code = ladderKeyCode(*event))
        emit keyDown(code);
    else
        QWidget::keyPressEvent(event);
}

void LadderToolPalette::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

} // namespace ladrix
