#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ladrix {

class Project;
class UserPrompts;
struct FileStatus;

// What the project commands ask of the window that shows the editors.
struct EditorHooks {
    std::function<void()> showInstrEditor; // shows it when hidden
    std::function<void()> showLadderEditor;
    std::function<void()> hideEditors;
};

// The File menu's project and file commands over the one open project. Each command that
// shows a file dialog ends with nothing changed when the dialog is cancelled; failures are
// reported with their reason.
class ProjectCommands final {
public:
    ProjectCommands(Project& project, UserPrompts& prompts, QWidget* parent, EditorHooks hooks);

    // Offers to save unsaved changes of the open project; false when the user cancels (or the
    // save did not happen), so the caller stops.
    bool maybeSave();

    // Each returns true when it did its work (false when cancelled, refused or failed).
    bool newProject();
    // An empty name asks for the file.
    bool openProject(const QString& fileName);
    // An empty name, or a project file that names a folder, asks for the file.
    bool saveProject(const QString& fileName);
    void closeProject();
    bool importZk1(const QString& fileName);

    bool saveInstructionListAs();
    bool loadInstructionList();
    bool saveLadderAs();
    bool loadLadder();
    bool saveBlockAs();
    bool insertFile();

private:
    using FileAction = std::function<FileStatus(const QString& path)>;

    // Asks for a file and writes it, or reads it and then runs `applied` when the read worked.
    bool saveWith(const QString& title, const QString& filter, const FileAction& write);
    bool loadWith(const QString& title, const QString& filter, const FileAction& read,
                  const std::function<void()>& applied);
    // True when the status is a success; a truncated or damaged read is warned about as well,
    // a truncated one by `truncatedText` alone, which says, with %1 for the file name, what
    // became of the part not read.
    bool report(const FileStatus& status, const QString& path,
                const QString& truncatedText = QString());
    // Shows the warning of a comment file that could not be read as a whole, if any.
    void warnAbout(const FileStatus& comments);
    // Where a file dialog starts: the project's folder with the project name.
    QString proposedName() const;
    QString askOpen(const QString& title, const QString& filter);
    QString askSave(const QString& title, const QString& filter);

    Project& m_project;
    UserPrompts& m_prompts;
    QWidget* m_parent;
    EditorHooks m_hooks;
};

} // namespace ladrix
