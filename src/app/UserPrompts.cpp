#include "UserPrompts.h"

#include "AppTexts.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QUrl>

namespace ladrix {

QString filterSuffix(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^) ;]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

namespace {

QString runFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title,
                      const QString& filter, const QString& proposed)
{
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // Without it a name typed without extension would be saved without one.
    dialog.setDefaultSuffix(filterSuffix(filter));
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

// The toolkit's own button captions are English unless its translations are installed.
void setButtonCaptions(QMessageBox& box)
{
    if (QAbstractButton* ok = box.button(QMessageBox::Ok))
        ok->setText(texts::kOk());
    if (QAbstractButton* cancel = box.button(QMessageBox::Cancel))
        cancel->setText(texts::kCancel());
}

} // namespace

QString WidgetPrompts::openFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& proposed)
{
    return runFileDialog(parent, QFileDialog::AcceptOpen, title, filter, proposed);
}

QString WidgetPrompts::saveFileName(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& proposed)
{
    return runFileDialog(parent, QFileDialog::AcceptSave, title, filter, proposed);
}

void WidgetPrompts::message(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                            const QString& text)
{
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    setButtonCaptions(box);
    box.exec();
}

bool WidgetPrompts::confirmExit(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, texts::kExitTitle(), texts::kExitQuestion(),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    setButtonCaptions(box);
    return box.exec() == QMessageBox::Ok;
}

UserPrompts::SaveChoice WidgetPrompts::askSaveChanges(QWidget* parent, const QString& projectName)
{
    QMessageBox box(QMessageBox::Question, texts::kAppTitle(),
                    texts::kSaveChangesQuestion().arg(projectName), QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(texts::kSave(), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(texts::kDiscard(), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(texts::kCancel(), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return SaveChoice::Save;
    if (box.clickedButton() == discard)
        return SaveChoice::Discard;
    return SaveChoice::Cancel;
}

int WidgetPrompts::runDialog(QDialog& dialog)
{
    return dialog.exec();
}

bool WidgetPrompts::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace ladrix
