#include "AppFixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>
#include <string_view>

namespace ladrix::test {
namespace {

using MenuTreeTest = AppFixture;

// Visible texts of a menu, separators as "-", hidden entries left out.
QStringList visibleEntries(const QMenu* menu)
{
    QStringList entries;
    for (const QAction* action : menu->actions()) {
        if (action->isVisible())
            entries.append(action->isSeparator() ? "-" : action->text());
    }
    return entries;
}

TEST_F(MenuTreeTest, UntitledWindowHoldsTheFiveMenusInOrderAndNamedChildren)
{
    EXPECT_EQ(window->objectName(), u"MDI"_s);
    EXPECT_EQ(window->windowTitle(), u"Ladrix 2.0"_s);
    EXPECT_NE(window->findChild<QTimer*>("timMenu"), nullptr);
    EXPECT_NE(window->findChild<QToolBar*>("Toolbar"), nullptr);
    QStringList names;
    QStringList captions;
    for (const QAction* action : window->menuBar()->actions()) {
        names.append(action->menu()->objectName());
        captions.append(action->text());
    }
    EXPECT_EQ(names, (QStringList{"mnuFile", "mnuInstr", "mnuLad", "mnuTConnn", "mnuHelp"}));
    EXPECT_EQ(captions,
              (QStringList{"文件(&F)", "指令表(&I)", "梯形图(&L)", "连机(&C)", "帮助(&H)"}));
}

TEST_F(MenuTreeTest, EachMenuShowsItsCaptionsAndSeparatorsInOrder)
{
    const auto entriesOf = [this](const char* name) {
        return visibleEntries(window->menuBar()->findChild<QMenu*>(name));
    };
    EXPECT_EQ(
        entriesOf("mnuFile"),
        (QStringList{"新建工程(&N)...", "打开工程(O)...", "保存工程(&S)", "工程另存为(&A)...",
                     "关闭工程", "-", "指令表另存为...", "梯形图另存为...", "导入指令表...",
                     "导入梯形图...", "导入ZK1文件...", "-", "打印(&P)...", "-", "退出(&X)"}));
    EXPECT_EQ(entriesOf("mnuInstr"), (QStringList{"指令表窗口",
                                                  "-",
                                                  "设置编辑块头(&F)",
                                                  "设置编辑块尾(&L)",
                                                  "清除编辑块",
                                                  "-",
                                                  "剪切(&T)",
                                                  "复制(&C)",
                                                  "粘贴(&P)",
                                                  "删除(&D)",
                                                  "撤销",
                                                  "重做",
                                                  "-",
                                                  "查找(&F)...",
                                                  "查找下一个",
                                                  "转到步...",
                                                  "程序检查...",
                                                  "交叉参考...",
                                                  "-",
                                                  "插入行",
                                                  "删除行",
                                                  "-",
                                                  "插入文件...",
                                                  "编辑块另存为..."}));
    EXPECT_EQ(entriesOf("mnuLad"),
              (QStringList{"梯形图窗口", "-", "梯形图指令工具栏(&T)", "转换成指令表", "-", "插入行",
                           "删除行", "清空", "-", "撤销\tCtrl+Z", "重做\tCtrl+Y"}));
    EXPECT_EQ(entriesOf("mnuTConnn"), (QStringList{"连接PLC(&P)", "串口设置", "手持编程器", "模拟PLC"}));
    EXPECT_EQ(entriesOf("mnuHelp"), (QStringList{"帮助(&H)...", "编程手册...", "-", "关于(&A)...",
                                                 "-", "English interface"}));
}

TEST_F(MenuTreeTest, SeparatorsCarryTheirNamesAndTheLadderDrawingItemIsHidden)
{
    for (const char* name :
         {"mnuFSep", "mnuFsep2", "mnuFSep3", "mnuISEP5", "mnuESep", "mnuESep1", "mnuESep2",
          "mnuISEP4", "mnuISep3", "mnuLSep", "mnuLSep2", "mnuHSep"}) {
        ASSERT_NE(menu(name), nullptr) << name;
        EXPECT_TRUE(menu(name)->isSeparator()) << name;
        EXPECT_EQ(menu(name)->isVisible(), std::string_view(name) != "mnuESep1") << name;
    }
    ASSERT_NE(menu("mnuII2L"), nullptr);
    EXPECT_EQ(menu("mnuII2L")->text(), u"转换成梯形图"_s);
    EXPECT_FALSE(menu("mnuII2L")->isVisible());
}

TEST_F(MenuTreeTest, ShortcutsAndCheckMarks)
{
    for (const auto& [name, keys] : {std::pair{"mnuFNew", "Ctrl+N"},
                                     {"mnuIView", "Ctrl+I"},
                                     {"mnuLView", "Ctrl+L"},
                                     {"mnuHHelp", "Ctrl+H"},
                                     {"mnuFOpen", "Ctrl+O"},
                                     {"mnuFSave", "Ctrl+S"},
                                     {"mnuFPrint", "Ctrl+P"},
                                     {"mnuIFind", "Ctrl+F"},
                                     {"mnuIFindNext", "F3"},
                                     {"mnuIGoto", "Ctrl+G"},
                                     {"mnuIUndo", "Ctrl+Z"},
                                     {"mnuFClose", ""}})
        EXPECT_EQ(menu(name)->shortcut(), QKeySequence(QString::fromLatin1(keys))) << name;
    EXPECT_EQ(menu("mnuIRedo")->shortcuts(),
              (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    for (const char* name :
         {"mnuIView", "mnuLView", "mnuLTool", "mnuIFirst", "mnuILast", "mnuHLang"})
        EXPECT_TRUE(menu(name)->isCheckable()) << name;
    EXPECT_FALSE(menu("mnuICut")->isCheckable());
}

TEST_F(MenuTreeTest, ToolbarButtonsCarryKeyCaptionTipAndDrawnIcon)
{
    struct Button {
        const char* key;
        const char* caption;
        const char* tip;
    };
    const Button buttons[] = {{"mnuFNew", "新建", "新建工程"},
                              {"mnuFOpen", "打开", "打开工程"},
                              {"mnuFSave", "保存", "保存工程"},
                              {"mnuFPrint", "打印", "打印"},
                              {"mnuSep1", "", ""},
                              {"mnuIUp", "设头", "设置编辑块头"},
                              {"mnuIDown", "设尾", "设置编辑块尾"},
                              {"mnuICut", "剪切", "剪切编辑块"},
                              {"mnuICopy", "复制", "复制编辑块"},
                              {"mnuIPaste", "粘贴", "粘贴编辑块"},
                              {"mnuEUndo", "撤销", "撤销 (Ctrl+Z)"},
                              {"mnuERedo", "重做", "重做 (Ctrl+Y)"},
                              {"mnuIFind", "查找", "查找"},
                              {"mnuIInsert", "插入", "插入指令表行"},
                              {"mnuIDelete", "删除", "删除指令表行"},
                              {"mnuSep2", "", ""},
                              {"mnuLTool", "工具", "梯形图工具箱"},
                              {"mnuLCnv", "转换", "梯形图转换指令表"},
                              {"mnuLInsert", "插入", "插入梯形图行"},
                              {"mnuLDelete", "删除", "删除梯形图行"},
                              {"mnuSep3", "", ""},
                              {"mnuConn", "连接", "连接PLC"},
                              {"mnuSep4", "", ""},
                              {"mnuHHelp", "帮助", "帮助"},
                              {"mnuHPro", "手册", "编程手册"}};
    const QList<QAction*> actions = window->toolBar()->actions();
    ASSERT_EQ(actions.size(), int(std::size(buttons)));
    for (int i = 0; i < actions.size(); ++i) {
        const Button& b = buttons[i];
        EXPECT_EQ(actions[i]->objectName(), QString::fromLatin1(b.key));
        if (*b.caption == '\0') {
            EXPECT_TRUE(actions[i]->isSeparator()) << b.key;
            continue;
        }
        EXPECT_EQ(actions[i]->text(), QString::fromUtf8(b.caption)) << b.key;
        EXPECT_EQ(actions[i]->toolTip(), QString::fromUtf8(b.tip)) << b.key;
        EXPECT_FALSE(actions[i]->icon().isNull()) << b.key;
        EXPECT_EQ(window->toolBar()->widgetForAction(actions[i])->objectName(),
                  QString::fromLatin1(b.key));
    }
}

} // namespace
} // namespace ladrix::test
