#include "ProjectCommands.h"

#include "AppTexts.h"
#include "NewProjectDialog.h"
#include "UserPrompts.h"
#include "core/Project.h"
#include "core/RuntimeError.h"
#include "core/StepEditing.h"
#include "core/TextHelpers.h"
#include "files/CommentFile.h"
#include "files/ProjectFiles.h"

#include <QFileInfo>

namespace ladrix {

namespace {

// The file was read to its end without a damaged value.
bool readWhole(const FileStatus& status)
{
    return !status.truncated && status.message.isEmpty();
}

bool namesFolder(const QString& path)
{
    return path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\')) ||
           QFileInfo(path).isDir();
}

} // namespace

ProjectCommands::ProjectCommands(Project& project, UserPrompts& prompts, QWidget* parent,
                                 EditorHooks hooks)
    : m_project(project), m_prompts(prompts), m_parent(parent), m_hooks(std::move(hooks))
{
}

bool ProjectCommands::maybeSave()
{
    if (!m_project.isOpen() || !m_project.isModified())
        return true;
    switch (m_prompts.askSaveChanges(m_parent, m_project.program().projectName)) {
    case UserPrompts::SaveChoice::Save:
        return saveProject(m_project.program().projectFile);
    case UserPrompts::SaveChoice::Discard:
        return true;
    case UserPrompts::SaveChoice::Cancel:
        break;
    }
    return false;
}

bool ProjectCommands::newProject()
{
    NewProjectDialog dialog(m_prompts, m_parent);
    if (m_prompts.runDialog(dialog) != QDialog::Accepted || dialog.plcType() < 0)
        return false;

    ProgramStore& store = m_project.program();
    store.clearSteps();
    m_project.grid().clear();
    clearBlock(store);
    store.projectFile.clear();
    store.plcType = dialog.plcType();
    store.projectName = dialog.projectName();
    m_project.notifyStepsChanged();
    m_project.notifyGridChanged();
    m_project.notifyStateChanged();
    m_project.markSaved();
    m_hooks.showInstrEditor();
    m_hooks.showLadderEditor();
    return true;
}

bool ProjectCommands::openProject(const QString& fileName)
{
    QString path = fileName;
    if (path.isEmpty())
        path = askOpen(texts::kOpenProjectTitle(), texts::kProjectOpenFilter());
    if (path.isEmpty())
        return false;

    const FileStatus status = ladrix::openProject(path, m_project.program(), m_project.grid());
    if (!status.ok) {
        report(status, path);
        return false;
    }
    // The comments on screen belong to the program just replaced; the project's own are in
    // its companion file, when it has one.
    const FileStatus comments = loadComments(path, FileKind::Project, m_project.program());
    m_project.notifyStepsChanged();
    m_project.notifyGridChanged();
    m_project.notifyStateChanged();
    // A file that ended early or held damaged values does not hold what is now on screen.
    if (readWhole(status) && readWhole(comments))
        m_project.markSaved();
    report(status, path);
    warnAbout(comments);
    m_hooks.showInstrEditor();
    m_hooks.showLadderEditor();
    return true;
}

bool ProjectCommands::saveProject(const QString& fileName)
{
    QString path = fileName;
    if (path.isEmpty() || namesFolder(path))
        path = askSave(texts::kSaveProjectTitle(), texts::kProjectFilter);
    if (path.isEmpty())
        return false;

    ProgramStore& store = m_project.program();
    const FileStatus status = followedByComments(ladrix::saveProject(path, store, m_project.grid()),
                                                 path, FileKind::Project, programComments(store));
    // A written project goes by the file's name, even when its comments failed to follow.
    m_project.notifyStateChanged();
    if (!report(status, path))
        return false;
    m_project.markSaved();
    m_project.notifyStateChanged();
    return true;
}

void ProjectCommands::closeProject()
{
    ProgramStore& store = m_project.program();
    store.clearSteps();
    store.projectName.clear();
    store.projectFile.clear();
    m_hooks.hideEditors();
    m_project.notifyStepsChanged();
    m_project.notifyStateChanged();
    m_project.markSaved();
}

bool ProjectCommands::importZk1(const QString& fileName)
{
    QString path = fileName;
    if (path.isEmpty())
        path = askOpen(QString(), texts::kZk1Filter);
    if (path.isEmpty())
        return false;

    const FileStatus status = ladrix::importZk1(path, m_project.program());
    if (!status.ok) {
        // Nothing was read, so the program is left as it was.
        report(status, path);
        return false;
    }
    // The imported program belongs to no project file: a save must not overwrite the one
    // that was open, so it asks, starting in the imported file's folder.
    QString name;
    QString ext;
    m_project.program().projectFile = splitPath(path, name, ext);
    m_project.notifyStepsChanged();
    m_project.notifyStateChanged();
    m_hooks.showInstrEditor();
    report(status, path, texts::kTruncatedImport());
    return true;
}

bool ProjectCommands::saveInstructionListAs()
{
    return saveWith(texts::kSaveInsTitle(), texts::kInsFilter(), [this](const QString& path) {
        return followedByComments(saveInstructionList(path, m_project.program()), path,
                                  FileKind::InstructionList, programComments(m_project.program()));
    });
}

bool ProjectCommands::loadInstructionList()
{
    return loadWith(
        texts::kOpenInsTitle(), texts::kInsFilter(),
        [this](const QString& path) {
            FileStatus status = openInstructionList(path, m_project.program());
            if (status)
                warnAbout(loadComments(path, FileKind::InstructionList, m_project.program()));
            return status;
        },
        [this] {
            m_project.notifyStepsChanged();
            m_hooks.showInstrEditor();
        });
}

bool ProjectCommands::saveLadderAs()
{
    return saveWith(texts::kSaveLadTitle(), texts::kLadFilter(),
                    [this](const QString& path) { return saveLadder(path, m_project.grid()); });
}

bool ProjectCommands::loadLadder()
{
    return loadWith(
        texts::kOpenLadTitle(), texts::kLadFilter(),
        [this](const QString& path) { return openLadder(path, m_project.grid()); },
        [this] {
            m_project.notifyGridChanged();
            m_hooks.showLadderEditor();
        });
}

bool ProjectCommands::saveBlockAs()
{
    return saveWith(texts::kSaveBlockTitle(), texts::kInsFilter(), [this](const QString& path) {
        return followedByComments(saveBlock(path, m_project.program()), path,
                                  FileKind::InstructionList, blockComments(m_project.program()));
    });
}

bool ProjectCommands::saveWith(const QString& title, const QString& filter, const FileAction& write)
{
    const QString path = askSave(title, filter);
    return !path.isEmpty() && report(write(path), path);
}

bool ProjectCommands::loadWith(const QString& title, const QString& filter, const FileAction& read,
                               const std::function<void()>& applied)
{
    const QString path = askOpen(title, filter);
    if (path.isEmpty())
        return false;
    const FileStatus status = read(path);
    if (status.ok)
        applied();
    return report(status, path);
}

bool ProjectCommands::insertFile()
{
    const QString path = askOpen(texts::kOpenInsTitle(), texts::kInsFilter());
    if (path.isEmpty())
        return false;
    QList<StepPair> pairs;
    const FileStatus status = readStepPairs(path, pairs);
    if (!report(status, path))
        return false;
    QStringList comments;
    warnAbout(readCommentList(path, FileKind::InstructionList, comments));
    // A whole saved instruction list is 2000 pairs, mostly empty ones at its end: inserted as
    // they are, they would push the rest of the program out past the last step.
    if (pairs.size() >= ProgramStore::kFileSteps) {
        while (!pairs.isEmpty() && pairs.constLast().ins.trimmed().isEmpty() &&
               pairs.constLast().data.trimmed().isEmpty() &&
               comments.value(pairs.size() - 1).isEmpty())
            pairs.removeLast();
    }
    ProgramStore& store = m_project.program();
    insertSteps(store, pairs);
    // The inserted steps take their comments along (nothing is inserted off the program).
    const bool inserted = store.curStep >= 0 && store.curStep <= store.maxStep();
    for (int j = 0; inserted && j < pairs.size() && ProgramStore::inRange(store.curStep + j); ++j)
        store.step(store.curStep + j).rem = comments.value(j);
    m_project.notifyStepsChanged();
    m_hooks.showInstrEditor();
    return true;
}

bool ProjectCommands::report(const FileStatus& status, const QString& path,
                             const QString& truncatedText)
{
    if (!status.ok) {
        m_prompts.message(m_parent, QMessageBox::Critical, errorTitle(status.number),
                          status.message);
        return false;
    }
    if (status.truncated) {
        // The reader's message says only that the file ended early, which this text says too.
        const QString text = (truncatedText.isEmpty() ? texts::kTruncatedRead() : truncatedText)
                                 .arg(QFileInfo(path).fileName());
        m_prompts.message(m_parent, QMessageBox::Warning, texts::kAppTitle(), text);
    } else if (!status.message.isEmpty()) {
        // Values that could not be read kept their previous contents: the user must know.
        m_prompts.message(m_parent, QMessageBox::Warning, texts::kAppTitle(), status.message);
    }
    return true;
}

void ProjectCommands::warnAbout(const FileStatus& comments)
{
    if (!comments.message.isEmpty())
        m_prompts.message(m_parent, QMessageBox::Warning, texts::kAppTitle(), comments.message);
}

QString ProjectCommands::proposedName() const
{
    const ProgramStore& store = m_project.program();
    QString name;
    QString ext;
    return splitPath(store.projectFile, name, ext) + store.projectName;
}

QString ProjectCommands::askOpen(const QString& title, const QString& filter)
{
    return m_prompts.openFileName(m_parent, title, filter, proposedName());
}

QString ProjectCommands::askSave(const QString& title, const QString& filter)
{
    return m_prompts.saveFileName(m_parent, title, filter, proposedName());
}

} // namespace ladrix
