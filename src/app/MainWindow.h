#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>

class QMdiArea;
class QTimer;
class QToolBar;

namespace ladrix {

namespace plc {
class PlcSession;
}

class FindDialog;
class InstrWindow;
class LadderWindow;
class Project;
class ProjectCommands;
class UndoHistory;
class UserPrompts;

// Where the help pages stand for a program in `programFolder`: the "help" folder beside it (the
// build tree), else share/ladrix/help of the installation it belongs to.
QString defaultHelpFolder(const QString& programFolder);

// MDI: the main window. Holds the menus and the toolbar, runs their commands on the one
// project, opens the child windows and keeps the items' enabled and checked states in line
// with the project.
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    MainWindow(Project& project, UserPrompts& prompts, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The load: clears the block marks, opens (.lrp) or imports (.zk1) the file named on the
    // command line, and refreshes the menus.
    void startUp(const QString& commandLinePath);

    // A menu item or toolbar button by its name; null when there is none.
    QAction* menuAction(const QString& name) const;
    QAction* toolAction(const QString& key) const;
    QToolBar* toolBar() const { return m_toolBar; }
    QMdiArea* mdiArea() const { return m_area; }
    InstrWindow& instrWindow() const { return *m_instr; }
    LadderWindow& ladderWindow() const { return *m_ladder; }
    UndoHistory& history() const { return *m_history; }
    // The one owner of the link to the controller, shared by every window that talks to it.
    plc::PlcSession& session() const { return *m_session; }

    // Runs the command of a menu item, as choosing the item does.
    void runCommand(const QString& name);
    // Brings enabled states, check marks and the title in line with the project.
    void refreshMenus();

    // Where the help pages are looked up; by default the "help" folder beside the program.
    void setHelpFolder(const QString& folder) { m_helpFolder = folder; }
    QString helpFolder() const { return m_helpFolder; }
    // The system information program the about box offers; empty hides its button.
    void setSystemInfoTool(const QString& tool) { m_systemInfoTool = tool; }

signals:
    // The window closed for good: the program ends.
    void exited();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void registerCommands();
    void addFileCommands();
    void addInstrCommands();
    void addLadderCommands();
    void addOnlineCommands();
    void addEditCommands();
    void addCheckCommands();
    void addOtherCommands();
    void add(const QString& name, std::function<void()> command);
    // Runs `command`, which replaces the program and says whether it did, after the
    // unsaved-changes question, unless the user cancels it.
    void afterSaveQuestion(const std::function<bool()>& command);
    void blockCommand(const std::function<void()>& edit, bool stepsChange);
    void toggleInstrWindow();
    void toggleLadderWindow();
    void showLadderWindow();
    void openHelp(const QString& page);
    void notAvailable(const QString& name);
    void exitNow();

    Project& m_project;
    UserPrompts& m_prompts;
    QMdiArea* m_area;
    QToolBar* m_toolBar = nullptr;
    QTimer* m_menuTimer;
    InstrWindow* m_instr;
    LadderWindow* m_ladder;
    UndoHistory* m_history;
    // Kept for the life of the window: its report stays open after the dialog closes, and the
    // criteria are offered again next time.
    FindDialog* m_find = nullptr;
    std::unique_ptr<ProjectCommands> m_commands;
    std::unique_ptr<plc::PlcSession> m_session;
    QHash<QString, QAction*> m_menu;
    QHash<QString, QAction*> m_tools;
    QHash<QString, std::function<void()>> m_run;
    QString m_helpFolder;
    QString m_systemInfoTool;
    bool m_exitConfirmed = false;
    // Whether the saved port is the simulated controller, which 模拟PLC shows.
    bool m_simChosen = false;
};

} // namespace ladrix
