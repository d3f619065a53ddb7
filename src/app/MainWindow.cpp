#include "MainWindow.h"

#include "AboutDialog.h"
#include "AppTexts.h"
#include "InstrWindow.h"
#include "InterfaceLanguage.h"
#include "LadderWindow.h"
#include "MenuTable.h"
#include "ProjectCommands.h"
#include "StartFile.h"
#include "ToolIcons.h"
#include "UndoHistory.h"
#include "UserPrompts.h"
#include "core/Project.h"
#include "core/RuntimeError.h"
#include "core/StepEditing.h"
#include "plc/PlcSession.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include <algorithm>

namespace ladrix {

namespace {

// Items and buttons offered only while a project is open.
const QStringList& projectMenuItems()
{
    static const QStringList items{
        QStringLiteral("mnuIView"),     QStringLiteral("mnuLView"),
        QStringLiteral("mnuFSave"),     QStringLiteral("mnuFSaveAs"),
        QStringLiteral("mnuFImp"),      QStringLiteral("mnuFClose"),
        QStringLiteral("mnuFISaveAs"),  QStringLiteral("mnuFLSaveAs"),
        QStringLiteral("mnuFOpenIns"),  QStringLiteral("mnuFOpenLad"),
        QStringLiteral("mnuFPrint"),    QStringLiteral("mnuIFirst"),
        QStringLiteral("mnuILast"),     QStringLiteral("mnuIClear"),
        QStringLiteral("mnuIInsert"),   QStringLiteral("mnuIDelete"),
        QStringLiteral("mnuIFind"),     QStringLiteral("mnuIOpen"),
        QStringLiteral("mnuISaveB"),    QStringLiteral("mnuLInsert"),
        QStringLiteral("mnuLDelete"),   QStringLiteral("mnuLClear"),
        QStringLiteral("mnuL2I"),       QStringLiteral("mnuTConn"),
        QStringLiteral("mnuIFindNext"), QStringLiteral("mnuIGoto"),
        QStringLiteral("mnuICheck"),    QStringLiteral("mnuIXref"),
        QStringLiteral("mnuTPA"),
    };
    return items;
}

const QStringList& projectToolButtons()
{
    static const QStringList keys{
        QStringLiteral("mnuFSave"), QStringLiteral("mnuFPrint"),  QStringLiteral("mnuIUp"),
        QStringLiteral("mnuIDown"), QStringLiteral("mnuIInsert"), QStringLiteral("mnuIDelete"),
        QStringLiteral("mnuIFind"), QStringLiteral("mnuLInsert"), QStringLiteral("mnuLDelete"),
        QStringLiteral("mnuLCnv"),  QStringLiteral("mnuConn"),
    };
    return keys;
}

// Offered only while both block marks are set.
const QStringList& blockMenuItems()
{
    static const QStringList items{QStringLiteral("mnuICut"), QStringLiteral("mnuICopy"),
                                   QStringLiteral("mnuIPaste"), QStringLiteral("mnuIDel")};
    return items;
}

const QStringList& blockToolButtons()
{
    static const QStringList keys{QStringLiteral("mnuICut"), QStringLiteral("mnuICopy"),
                                  QStringLiteral("mnuIPaste")};
    return keys;
}

} // namespace

QString defaultHelpFolder(const QString& programFolder)
{
    const QDir dir(programFolder);
    const QString beside = dir.filePath(QStringLiteral("help"));
    const QString installed = dir.filePath(QStringLiteral("../share/ladrix/help"));
    return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside
                                                                      : QDir::cleanPath(installed);
}

namespace {

void enableAll(const QHash<QString, QAction*>& actions, const QStringList& names, bool on)
{
    for (const QString& name : names) {
        if (QAction* action = actions.value(name))
            action->setEnabled(on);
    }
}

} // namespace

MainWindow::MainWindow(Project& project, UserPrompts& prompts, QWidget* parent)
    : QMainWindow(parent), m_project(project), m_prompts(prompts), m_area(new QMdiArea),
      m_menuTimer(new QTimer(this)), m_session(std::make_unique<plc::PlcSession>()),
      m_helpFolder(defaultHelpFolder(QCoreApplication::applicationDirPath())),
      m_systemInfoTool(findSystemInfoTool())
{
    setObjectName(QStringLiteral("MDI"));
    setWindowTitle(texts::kWindowTitle);
    m_area->setObjectName(QStringLiteral("mdiArea"));
    // Child windows keep their own size; a smaller frame must still reach all of them.
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    resize(900, 640);

    m_instr = new InstrWindow(m_project, *m_area, m_prompts);
    m_ladder = new LadderWindow(m_project, *m_area, m_prompts, this);
    m_history = new UndoHistory(m_project, this);
    EditorHooks hooks{[this] { m_instr->show(); }, [this] { showLadderWindow(); },
                      [this] {
                          m_instr->hide();
                          if (m_ladder->isShown())
                              toggleLadderWindow();
                      }};
    m_commands = std::make_unique<ProjectCommands>(m_project, m_prompts, this, std::move(hooks));

    buildMenus();
    buildToolBar();
    registerCommands();
    m_menu.value(QStringLiteral("mnuHLang"))->setChecked(otherLanguageChosen());

    // The signals keep the menus current at once; the timer catches anything changed quietly.
    m_menuTimer->setObjectName(QStringLiteral("timMenu"));
    m_menuTimer->setInterval(500);
    connect(m_menuTimer, &QTimer::timeout, this, &MainWindow::refreshMenus);
    m_menuTimer->start();
    connect(&m_project, &Project::stepsChanged, this, &MainWindow::refreshMenus);
    connect(&m_project, &Project::stateChanged, this, &MainWindow::refreshMenus);
    connect(&m_project, &Project::modifiedChanged, this, &MainWindow::refreshMenus);
    connect(m_instr, &InstrWindow::shownChanged, this, &MainWindow::refreshMenus);
    connect(m_ladder, &LadderWindow::shownChanged, this, &MainWindow::refreshMenus);
    connect(&m_history->stack(), &QUndoStack::indexChanged, this, &MainWindow::refreshMenus);
    connect(&m_history->stack(), &QUndoStack::cleanChanged, this, &MainWindow::refreshMenus);
    refreshMenus();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    for (const TopMenu& top : menuTree()) {
        QMenu* menu = menuBar()->addMenu(top.caption);
        menu->setObjectName(top.name);
        for (const MenuEntry& entry : top.entries) {
            QAction* action =
                entry.caption.isEmpty() ? menu->addSeparator() : menu->addAction(entry.caption);
            action->setObjectName(entry.name);
            action->setShortcuts(entry.shortcuts);
            // The keys work whichever window of the program has the focus.
            action->setShortcutContext(Qt::ApplicationShortcut);
            action->setCheckable(entry.checkable);
            action->setVisible(!entry.hidden);
            m_menu.insert(entry.name, action);
            if (!entry.caption.isEmpty())
                connect(action, &QAction::triggered, this,
                        [this, name = entry.name] { runCommand(name); });
        }
    }
}

void MainWindow::buildToolBar()
{
    m_toolBar = addToolBar(QStringLiteral("Toolbar"));
    m_toolBar->setObjectName(QStringLiteral("Toolbar"));
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolEntry& entry : toolbarButtons()) {
        QAction* action = nullptr;
        if (entry.caption.isEmpty()) {
            action = m_toolBar->addSeparator();
        } else {
            action = m_toolBar->addAction(toolIcon(entry.key), entry.caption);
            action->setToolTip(entry.toolTip);
            connect(action, &QAction::triggered, this,
                    [this, runs = entry.runs] { runCommand(runs); });
            if (QWidget* button = m_toolBar->widgetForAction(action))
                button->setObjectName(entry.key);
        }
        action->setObjectName(entry.key);
        m_tools.insert(entry.key, action);
    }
    // Longer captions (the English ones) widen the window, as far as the screen allows, so that
    // every button shows rather than hiding behind the toolbar's extension arrow.
    const int wanted = m_toolBar->sizeHint().width() + (frameGeometry().width() - width());
    const int room = screen() ? screen()->availableGeometry().width() : wanted;
    if (wanted > width())
        resize(std::min(wanted, room), height());
}

QAction* MainWindow::menuAction(const QString& name) const
{
    return m_menu.value(name);
}

QAction* MainWindow::toolAction(const QString& key) const
{
    return m_tools.value(key);
}

void MainWindow::add(const QString& name, std::function<void()> command)
{
    m_run.insert(name, std::move(command));
}

void MainWindow::runCommand(const QString& name)
{
    const auto found = m_run.constFind(name);
    if (found == m_run.constEnd())
        return;
    // A fault inside a command ends that command only, with its message. Whatever the command
    // changed is one step of the undo history.
    try {
        const EditScope edit(m_project);
        (*found)();
    } catch (const RuntimeError& error) {
        m_prompts.message(this, QMessageBox::Critical, error.title(), error.description());
    } catch (const std::bad_alloc&) {
        const RuntimeError error = RuntimeError::outOfMemory();
        m_prompts.message(this, QMessageBox::Critical, error.title(), error.description());
    } catch (const std::exception& error) {
        m_prompts.message(this, QMessageBox::Critical, errorTitle(51),
                          tr("内部错误：") + QString::fromLocal8Bit(error.what()));
    }
    refreshMenus();
}

void MainWindow::refreshMenus()
{
    const ProgramStore& store = m_project.program();
    const bool open = m_project.isOpen();
    enableAll(m_menu, projectMenuItems(), open);
    enableAll(m_tools, projectToolButtons(), open);

    m_menu.value(QStringLiteral("mnuIView"))->setChecked(m_instr->isShown());
    const bool ladderShown = m_ladder->isShown();
    m_menu.value(QStringLiteral("mnuLView"))->setChecked(ladderShown);
    m_menu.value(QStringLiteral("mnuLTool"))->setChecked(m_ladder->paletteShown());
    m_menu.value(QStringLiteral("mnuLTool"))->setEnabled(open && ladderShown);
    m_tools.value(QStringLiteral("mnuLTool"))->setEnabled(open && ladderShown);

    QUndoStack& history = m_history->stack();
    enableAll(m_menu, {QStringLiteral("mnuIUndo"), QStringLiteral("mnuLUndo")},
              open && history.canUndo());
    enableAll(m_menu, {QStringLiteral("mnuIRedo"), QStringLiteral("mnuLRedo")},
              open && history.canRedo());
    m_tools.value(QStringLiteral("mnuEUndo"))->setEnabled(open && history.canUndo());
    m_tools.value(QStringLiteral("mnuERedo"))->setEnabled(open && history.canRedo());

    m_menu.value(QStringLiteral("mnuTSim"))->setEnabled(m_simChosen);

    const bool block = blockComplete(store);
    enableAll(m_menu, blockMenuItems(), block);
    enableAll(m_tools, blockToolButtons(), block);
    m_menu.value(QStringLiteral("mnuIFirst"))->setChecked(store.blockStart >= 0);
    m_menu.value(QStringLiteral("mnuILast"))->setChecked(store.blockEnd >= 0);

    QString title = texts::kWindowTitle;
    if (open) {
        title = store.projectName + (m_project.isModified() ? QStringLiteral("*") : QString()) +
                texts::kTitleSuffix;
    }
    if (windowTitle() != title)
        setWindowTitle(title);
}

void MainWindow::startUp(const QString& commandLinePath)
{
    try {
        clearBlock(m_project.program());
        m_project.notifyStateChanged();
        switch (startFileKind(commandLinePath)) {
        case StartFileKind::Project:
            m_commands->openProject(commandLinePath);
            break;
        case StartFileKind::Zk1:
            if (m_commands->importZk1(commandLinePath)) {
                m_project.program().projectName = texts::kDefaultProjectName();
                m_project.notifyStateChanged();
            }
            break;
        case StartFileKind::None:
            break;
        }
    } catch (const RuntimeError& error) {
        m_prompts.message(this, QMessageBox::Critical, error.title(), error.description());
    }
    // The program as opened is where the history starts.
    m_project.resetHistory();
    refreshMenus();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_exitConfirmed) {
        if (!m_prompts.confirmExit(this)) {
            event->ignore();
            return;
        }
        m_instr->commitEdits();
        if (!m_commands->maybeSave()) {
            event->ignore();
            return;
        }
    }
    m_exitConfirmed = false;
    m_menuTimer->stop();
    event->accept();
    emit exited();
}

void MainWindow::exitNow()
{
    m_instr->commitEdits();
    if (!m_commands->maybeSave())
        return;
    m_exitConfirmed = true;
    close();
}

void MainWindow::openHelp(const QString& page)
{
    const QString path = QDir(m_helpFolder).filePath(page);
    if (!QFileInfo::exists(path)) {
        m_prompts.message(this, QMessageBox::Warning, texts::kAppTitle(),
                          texts::kHelpMissing().arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!m_prompts.openUrl(QUrl::fromLocalFile(path)))
        m_prompts.message(this, QMessageBox::Warning, texts::kAppTitle(),
                          texts::kHelpNotOpened().arg(QDir::toNativeSeparators(path)));
}

void MainWindow::notAvailable(const QString& name)
{
    QString caption = m_menu.contains(name) ? m_menu.value(name)->text() : name;
    caption.remove(QLatin1Char('&'));
    m_prompts.message(this, QMessageBox::Information, texts::kAppTitle(),
                      texts::kNotAvailable().arg(caption));
}

} // namespace ladrix
