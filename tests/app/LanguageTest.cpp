#include "AppFixture.h"

#include "app/AppTexts.h"
#include "app/InterfaceLanguage.h"
#include "app/StartWindow.h"
#include "app/UserPrompts.h"
#include "core/LineParser.h"
#include "files/ProjectFiles.h"
#include "il/CheckTexts.h"
#include "il/FindDialog.h"
#include "ladder/ui/LadderEditor.h"
#include "plc/PlcSession.h"
#include "plc/PortChoice.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>

namespace ladrix::test {
namespace {

struct StartCase {
    QStringList arguments;
    QString stored;
    QString locale;
    Language expected;
    QStringList left; // the arguments once the language options are taken out
};

TEST(StartLanguage, CommandLineThenStoredChoiceThenSystemLocale)
{
    const StartCase cases[] = {
        {{}, "", "zh_CN", Language::Chinese, {}},
        {{}, "", "C", Language::Chinese, {}},
        {{}, "", "de_DE", Language::Chinese, {}},
        {{}, "", "en_US", Language::English, {}},
        {{}, "zh", "en_GB", Language::Chinese, {}},
        {{}, "en", "zh_CN", Language::English, {}},
        {{"--lang", "en", "/p/a b.lrp"}, "zh", "zh_CN", Language::English, {"/p/a b.lrp"}},
        {{"x.lrp", "--lang=zh"}, "en", "en_US", Language::Chinese, {"x.lrp"}},
        {{"--lang", "EN_us"}, "", "zh_CN", Language::English, {}},
        // An unknown language is no choice: the next rule decides.
        {{"--lang", "fr"}, "", "en_US", Language::English, {}},
        {{"--lang", "fr"}, "en", "zh_CN", Language::English, {}},
        {{"motor.lrp"}, "", "zh_CN", Language::Chinese, {"motor.lrp"}},
    };
    for (const StartCase& c : cases) {
        QStringList arguments = c.arguments;
        EXPECT_EQ(startLanguage(arguments, c.stored, QLocale(c.locale)), c.expected)
            << c.arguments.join(' ').toStdString() << " / " << c.stored.toStdString() << " / "
            << c.locale.toStdString();
        EXPECT_EQ(arguments, c.left) << c.arguments.join(' ').toStdString();
    }
}

// Any character of the CJK scripts, their punctuation and their full-width forms.
bool hasChinese(const QString& text)
{
    static const QRegularExpression cjk(
        QStringLiteral("[\\x{2E80}-\\x{9FFF}\\x{F900}-\\x{FAFF}\\x{FE30}-\\x{FE4F}"
                       "\\x{FF00}-\\x{FFEF}\\x{3000}-\\x{303F}]"));
    return text.contains(cjk);
}

// "objectName: text" for every text on `root` and the widgets in it that contains Chinese:
// titles, labels, captions, tool tips, group titles, items of lists, combos, trees and tabs,
// menu and toolbar items. The item that switches to Chinese is named in Chinese by design.
QStringList chineseLeft(const QWidget& root)
{
    QStringList found;
    const auto check = [&found](const QObject& where, const QString& text) {
        if (hasChinese(text))
            found.append(where.objectName() + u": "_s + text);
    };
    QList<const QWidget*> widgets{&root};
    for (const QWidget* w : root.findChildren<QWidget*>())
        widgets.append(w);
    for (const QWidget* w : widgets) {
        check(*w, w->windowTitle());
        check(*w, w->toolTip());
        for (const QAction* action : w->actions()) {
            if (action->objectName() == u"mnuHLang")
                continue;
            check(*action, action->text());
            check(*action, action->toolTip());
        }
        if (auto* label = qobject_cast<const QLabel*>(w))
            check(*w, label->text());
        if (auto* button = qobject_cast<const QAbstractButton*>(w))
            check(*w, button->text());
        if (auto* group = qobject_cast<const QGroupBox*>(w))
            check(*w, group->title());
        if (auto* edit = qobject_cast<const QLineEdit*>(w))
            check(*w, edit->text());
        if (auto* menu = qobject_cast<const QMenu*>(w))
            check(*w, menu->title());
        if (auto* combo = qobject_cast<const QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                check(*w, combo->itemText(i));
        }
        if (auto* list = qobject_cast<const QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i)
                check(*w, list->item(i)->text());
        }
        if (auto* tabs = qobject_cast<const QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                check(*w, tabs->tabText(i));
        }
        if (auto* tree = qobject_cast<const QTreeWidget*>(w)) {
            for (int c = 0; c < tree->columnCount(); ++c)
                check(*w, tree->headerItem()->text(c));
            for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it) {
                for (int c = 0; c < tree->columnCount(); ++c)
                    check(*w, (*it)->text(c));
            }
        }
    }
    return found;
}

// The program in English, its settings in a folder of the test's own.
class EnglishTest : public AppFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(settings.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        ASSERT_TRUE(setInterfaceLanguage(Language::English));
        plc::savePortSetting(u"sim"_s); // the online windows reach the simulated controller
        AppFixture::SetUp();
    }
    void TearDown() override
    {
        AppFixture::TearDown();
        setInterfaceLanguage(Language::Chinese);
    }

    // Runs the next dialog: its texts are checked, then `answer` (if any) drives it.
    void checkNextDialog(std::function<void(QDialog&)> answer = nullptr)
    {
        prompts.dialogDriver = [this, answer](QDialog& dialog) {
            left += chineseLeft(dialog);
            seen.append(dialog.objectName());
            if (answer)
                answer(dialog);
        };
    }
    // Checks the message box that `show` opens, then closes it.
    void checkMessageBox(const std::function<void()>& show)
    {
        bool shown = false;
        QTimer::singleShot(0, [this, &shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = true;
                left += chineseLeft(*box);
            }
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                dialog->reject();
        });
        show();
        EXPECT_TRUE(shown);
    }

    QTemporaryDir settings;
    QStringList left;
    QStringList seen;
};

TEST_F(EnglishTest, NoWindowDialogOrMessageIsLeftInChinese)
{
    EXPECT_EQ(texts::kAppTitle(), u"Ladrix 2.0"_s);
    EXPECT_EQ(menu("mnuHLang")->text(), u"中文界面"_s);

    checkNextDialog([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("txtName")->setText("motor");
        dialog.findChild<QListWidget*>("lstMode")->setCurrentRow(0);
        dialog.accept();
    });
    choose("mnuFNew");
    ASSERT_TRUE(project.isOpen());
    window->instrWindow().show();
    fillSteps(3);
    for (const char* name : {"mnuHAbout", "mnuFPrint", "mnuIGoto"}) {
        checkNextDialog();
        choose(name);
    }
    checkNextDialog([](QDialog& dialog) {
        dialog.findChild<QCheckBox*>("ChkIns")->setChecked(true);
        dialog.findChild<QLineEdit*>("txtIns")->setText("ld");
        static_cast<FindDialog&>(dialog).find();
    });
    choose("mnuIFind");
    choose("mnuICheck");
    choose("mnuIXref");
    checkNextDialog([](QDialog& dialog) { dialog.reject(); });
    QTest::keyClick(&window->ladderWindow().editor(), '1'); // a contact asks for its device
    EXPECT_EQ(seen,
              (QStringList{"frmNew", "frmAbout", "frmPrint", "frmGoto", "frmFind", "frmInput"}));

    // Messages of the window, the editor's line check and a file.
    choose("mnuL2I");
    QLineEdit* row = window->findChild<QLineEdit*>("txtIns_0");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(row, Qt::LeftButton);
    row->selectAll();
    QTest::keyClicks(row, "xyz x0");
    QTest::keyClick(row, Qt::Key_Return);
    QCoreApplication::processEvents(); // the message follows the change of row
    prompts.saveChoices = {UserPrompts::SaveChoice::Discard};
    prompts.openAnswers = {path("missing.lrp")};
    choose("mnuFOpen");
    QStringList shown;
    for (const FakePrompts::Message& m : prompts.messages)
        shown.append(m.title + u" / "_s + m.text);
    ASSERT_EQ(prompts.messages.size(), 3) << shown.join('\n').toStdString();
    EXPECT_EQ(prompts.messages[0].text, u"The ladder diagram is empty"_s);
    EXPECT_EQ(prompts.messages[1].text, u"Invalid instruction XYZ"_s);
    EXPECT_TRUE(prompts.messages[2].text.startsWith(u"File not found: "_s));
    for (const FakePrompts::Message& m : prompts.messages)
        EXPECT_FALSE(hasChinese(m.title + m.text)) << m.text.toStdString();
    for (const FakePrompts::FileAsk& ask : prompts.openAsked)
        EXPECT_FALSE(hasChinese(ask.title + ask.filter)) << ask.title.toStdString();

    left += chineseLeft(*window);
    StartWindow start(*window);
    left += chineseLeft(start);
    WidgetPrompts boxes;
    checkMessageBox([&] { boxes.confirmExit(window.get()); });
    checkMessageBox([&] { boxes.askSaveChanges(window.get(), "motor"); });
    EXPECT_EQ(left, QStringList());
}

// The online window on every page, connected to the simulated controller, the handheld panel,
// the simulated controller's window and the port dialog.
TEST_F(EnglishTest, OnlineWindowsAreInEnglish)
{
    newProject("motor");
    window->session().setKeyTiming(plc::KeyTiming{2, 630});
    choose("mnuTConn");
    auto* online = window->findChild<QWidget*>(u"frmOnline"_s);
    ASSERT_NE(online, nullptr);
    QTest::mouseClick(online->findChild<QPushButton*>(u"cmdConn"_s), Qt::LeftButton);
    auto* connMsg = online->findChild<QLabel*>(u"labConnMsg"_s);
    EXPECT_TRUE(QTest::qWaitFor([&] { return connMsg->text() == u"Connected"_s; }, 10000))
        << connMsg->text().toStdString();
    auto* tabs = online->findChild<QTabBar*>(u"TabStrip"_s);
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        left += chineseLeft(*online);
    }
    choose("mnuTPA");
    choose("mnuTSim");
    for (const char* name : {"frmPA", "frmSimIo"}) {
        auto* shown = window->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(shown, nullptr) << name;
        EXPECT_TRUE(shown->isVisible()) << name;
    }
    checkNextDialog([](QDialog& dialog) { dialog.reject(); });
    choose("mnuTCommS");
    EXPECT_EQ(seen, QStringList{u"frmGetComm"_s});
    left += chineseLeft(*window);
    EXPECT_EQ(left, QStringList());
}

TEST_F(EnglishTest, HelpOpensTheEnglishPages)
{
    window->setHelpFolder(LADRIX_HELP_DIR);
    choose("mnuHHelp");
    choose("mnuHPro");
    ASSERT_EQ(prompts.urls.size(), 2);
    EXPECT_EQ(prompts.urls[0].fileName(), u"guide_en.html"_s);
    EXPECT_EQ(prompts.urls[1].fileName(), u"reference_en.html"_s);
    // Every page has its English version, and the English pages link to English pages only.
    const QDir help(LADRIX_HELP_DIR);
    for (const QString& page : help.entryList({"*.html"})) {
        if (page.endsWith(u"_en.html")) {
            QFile file(help.filePath(page));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            QString html = QString::fromUtf8(file.readAll());
            EXPECT_FALSE(hasChinese(html.remove(u"中文界面"_s))) << page.toStdString();
            EXPECT_FALSE(html.contains(QRegularExpression(R"(href="[^"]*(?<!_en)\.html")")))
                << page.toStdString();
        } else {
            EXPECT_TRUE(help.exists(page.chopped(5) + u"_en.html"_s)) << page.toStdString();
        }
    }
}

TEST_F(EnglishTest, LanguageItemKeepsTheOtherLanguageForTheNextStart)
{
    EXPECT_FALSE(menu("mnuHLang")->isChecked());
    choose("mnuHLang");
    EXPECT_EQ(storedLanguage(), u"zh"_s);
    EXPECT_TRUE(menu("mnuHLang")->isChecked());
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, u"下次启动时界面将使用简体中文。"_s);

    choose("mnuHLang"); // taken back
    EXPECT_EQ(storedLanguage(), u"en"_s);
    EXPECT_FALSE(menu("mnuHLang")->isChecked());
    EXPECT_EQ(prompts.messages.size(), 1);

    setInterfaceLanguage(Language::Chinese);
    MainWindow chinese(project, prompts);
    QAction* item = chinese.menuAction("mnuHLang");
    EXPECT_EQ(item->text(), u"English interface"_s);
    EXPECT_TRUE(item->isChecked()) << "English is kept for the next start";
    item->trigger();
    EXPECT_EQ(storedLanguage(), u"zh"_s);
}

TEST_F(EnglishTest, BackInChineseEveryTextIsTheOriginal)
{
    ASSERT_TRUE(setInterfaceLanguage(Language::Chinese));
    EXPECT_EQ(interfaceLanguage(), Language::Chinese);
    MainWindow chinese(project, prompts);
    QStringList menus;
    for (const QAction* action : chinese.menuBar()->actions())
        menus.append(action->text());
    EXPECT_EQ(menus, (QStringList{"文件(&F)", "指令表(&I)", "梯形图(&L)", "连机(&C)", "帮助(&H)"}));
    EXPECT_EQ(chinese.menuAction("mnuFOpen")->text(), u"打开工程(O)..."_s);
    EXPECT_EQ(chinese.toolAction("mnuLCnv")->toolTip(), u"梯形图转换指令表"_s);
    EXPECT_EQ(texts::kAppTitle(), u"Ladrix 2.0 简体中文版"_s);
    EXPECT_EQ(texts::kExitQuestion(), u"退出程序将会关闭所有的窗口，退出吗？"_s);
    EXPECT_EQ(checktexts::kXrefCount().arg(3), u"共3个器件"_s);
    QString ins = "xyz";
    EXPECT_EQ(checkIns(ins, "X0"), u"错误的指令XYZ"_s);
    ins = "OUT";
    EXPECT_EQ(checkIns(ins, "X0"), u"指令OUT不支持X"_s);
    ProgramStore store;
    LadderGrid grid;
    EXPECT_EQ(openProject(path("none.lrp"), store, grid).message,
              u"文件未找到："_s + QDir::toNativeSeparators(path("none.lrp")));
    EXPECT_EQ(helpPage("guide.html"), u"guide.html"_s);
}

} // namespace
} // namespace ladrix::test
