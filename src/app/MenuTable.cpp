#include "MenuTable.h"

#include <QCoreApplication>

namespace ladrix {

namespace {

MenuEntry item(const char* name, const QString& caption, const char* shortcuts = "")
{
    QList<QKeySequence> keys;
    for (const QString& key : QString::fromLatin1(shortcuts).split(u' ', Qt::SkipEmptyParts))
        keys.append(QKeySequence(key));
    return MenuEntry{QString::fromLatin1(name), caption, keys};
}

MenuEntry checkItem(const char* name, const QString& caption, const char* shortcuts = "")
{
    MenuEntry entry = item(name, caption, shortcuts);
    entry.checkable = true;
    return entry;
}

MenuEntry separator(const char* name, bool hidden = false)
{
    MenuEntry entry{QString::fromLatin1(name), QString()};
    entry.hidden = hidden;
    return entry;
}

ToolEntry tool(const char* key, const QString& caption, const QString& tip, const char* runs)
{
    return ToolEntry{QString::fromLatin1(key), caption, tip, QString::fromLatin1(runs)};
}

ToolEntry toolSeparator(const char* key)
{
    return ToolEntry{QString::fromLatin1(key), {}, {}, {}};
}

// The tables are built anew for each window, with the captions in the interface's language.
class MenuTexts final {
    Q_DECLARE_TR_FUNCTIONS(MenuTable)

public:
    static QList<TopMenu> menuTree();
    static QList<ToolEntry> toolbar();
};

QList<TopMenu> MenuTexts::menuTree()
{
    MenuEntry toLadder = item("mnuII2L", tr("转换成梯形图"));
    // Drawing the instruction list as a ladder is kept but not offered.
    toLadder.hidden = true;

    return {
        {QStringLiteral("mnuFile"),
         tr("文件(&F)"),
         {
             item("mnuFNew", tr("新建工程(&N)..."), "Ctrl+N"),
             item("mnuFOpen", tr("打开工程(O)..."), "Ctrl+O"),
             item("mnuFSave", tr("保存工程(&S)"), "Ctrl+S"),
             item("mnuFSaveAs", tr("工程另存为(&A)...")),
             item("mnuFClose", tr("关闭工程")),
             separator("mnuFSep"),
             item("mnuFISaveAs", tr("指令表另存为...")),
             item("mnuFLSaveAs", tr("梯形图另存为...")),
             item("mnuFOpenIns", tr("导入指令表...")),
             item("mnuFOpenLad", tr("导入梯形图...")),
             item("mnuFImp", tr("导入ZK1文件...")),
             separator("mnuFsep2"),
             item("mnuFPrint", tr("打印(&P)..."), "Ctrl+P"),
             separator("mnuFSep3"),
             item("mnuFExit", tr("退出(&X)")),
         }},
        {QStringLiteral("mnuInstr"),
         tr("指令表(&I)"),
         {
             checkItem("mnuIView", tr("指令表窗口"), "Ctrl+I"),
             separator("mnuESep1", true),
             toLadder,
             separator("mnuISEP5"),
             checkItem("mnuIFirst", tr("设置编辑块头(&F)")),
             checkItem("mnuILast", tr("设置编辑块尾(&L)")),
             item("mnuIClear", tr("清除编辑块")),
             separator("mnuESep"),
             item("mnuICut", tr("剪切(&T)")),
             item("mnuICopy", tr("复制(&C)")),
             item("mnuIPaste", tr("粘贴(&P)")),
             item("mnuIDel", tr("删除(&D)")),
             item("mnuIUndo", tr("撤销"), "Ctrl+Z"),
             item("mnuIRedo", tr("重做"), "Ctrl+Y Ctrl+Shift+Z"),
             separator("mnuESep2"),
             item("mnuIFind", tr("查找(&F)..."), "Ctrl+F"),
             item("mnuIFindNext", tr("查找下一个"), "F3"),
             item("mnuIGoto", tr("转到步..."), "Ctrl+G"),
             item("mnuICheck", tr("程序检查...")),
             item("mnuIXref", tr("交叉参考...")),
             separator("mnuISEP4"),
             item("mnuIInsert", tr("插入行")),
             item("mnuIDelete", tr("删除行")),
             separator("mnuISep3"),
             item("mnuIOpen", tr("插入文件...")),
             item("mnuISaveB", tr("编辑块另存为...")),
         }},
        {QStringLiteral("mnuLad"),
         tr("梯形图(&L)"),
         {
             checkItem("mnuLView", tr("梯形图窗口"), "Ctrl+L"),
             separator("mnuLSep"),
             checkItem("mnuLTool", tr("梯形图指令工具栏(&T)")),
             item("mnuL2I", tr("转换成指令表")),
             separator("mnuLSep2"),
             item("mnuLInsert", tr("插入行")),
             item("mnuLDelete", tr("删除行")),
             item("mnuLClear", tr("清空")),
             separator("mnuLSep3"),
             // The same commands as the instruction-list menu's, whose items own the keys.
             item("mnuLUndo", tr("撤销\tCtrl+Z")),
             item("mnuLRedo", tr("重做\tCtrl+Y")),
         }},
        {QStringLiteral("mnuTConnn"),
         tr("连机(&C)"),
         {
             item("mnuTConn", tr("连接PLC(&P)")),
             item("mnuTCommS", tr("串口设置")),
             item("mnuTPA", tr("手持编程器")),
             item("mnuTSim", tr("模拟PLC")),
         }},
        {QStringLiteral("mnuHelp"),
         tr("帮助(&H)"),
         {
             item("mnuHHelp", tr("帮助(&H)..."), "Ctrl+H"),
             item("mnuHPro", tr("编程手册...")),
             separator("mnuHSep"),
             item("mnuHAbout", tr("关于(&A)...")),
             separator("mnuHSep2"),
             // Named in the language it switches to, for a reader of that language to find.
             checkItem("mnuHLang", tr("English interface")),
         }},
    };
}

QList<ToolEntry> MenuTexts::toolbar()
{
    return {
        tool("mnuFNew", tr("新建"), tr("新建工程"), "mnuFNew"),
        tool("mnuFOpen", tr("打开"), tr("打开工程"), "mnuFOpen"),
        tool("mnuFSave", tr("保存"), tr("保存工程"), "mnuFSave"),
        tool("mnuFPrint", tr("打印"), tr("打印"), "mnuFPrint"),
        toolSeparator("mnuSep1"),
        tool("mnuIUp", tr("设头"), tr("设置编辑块头"), "mnuIFirst"),
        tool("mnuIDown", tr("设尾"), tr("设置编辑块尾"), "mnuILast"),
        tool("mnuICut", tr("剪切"), tr("剪切编辑块"), "mnuICut"),
        tool("mnuICopy", tr("复制"), tr("复制编辑块"), "mnuICopy"),
        tool("mnuIPaste", tr("粘贴"), tr("粘贴编辑块"), "mnuIPaste"),
        tool("mnuEUndo", tr("撤销"), tr("撤销 (Ctrl+Z)"), "mnuIUndo"),
        tool("mnuERedo", tr("重做"), tr("重做 (Ctrl+Y)"), "mnuIRedo"),
        tool("mnuIFind", tr("查找"), tr("查找"), "mnuIFind"),
        tool("mnuIInsert", tr("插入"), tr("插入指令表行"), "mnuIInsert"),
        tool("mnuIDelete", tr("删除"), tr("删除指令表行"), "mnuIDelete"),
        toolSeparator("mnuSep2"),
        tool("mnuLTool", tr("工具"), tr("梯形图工具箱"), "mnuLTool"),
        tool("mnuLCnv", tr("转换"), tr("梯形图转换指令表"), "mnuL2I"),
        tool("mnuLInsert", tr("插入"), tr("插入梯形图行"), "mnuLInsert"),
        tool("mnuLDelete", tr("删除"), tr("删除梯形图行"), "mnuLDelete"),
        toolSeparator("mnuSep3"),
        tool("mnuConn", tr("连接"), tr("连接PLC"), "mnuTConn"),
        toolSeparator("mnuSep4"),
        tool("mnuHHelp", tr("帮助"), tr("帮助"), "mnuHHelp"),
        tool("mnuHPro", tr("手册"), tr("编程手册"), "mnuHPro"),
    };
}

} // namespace

QList<TopMenu> menuTree()
{
    return MenuTexts::menuTree();
}

QList<ToolEntry> toolbarButtons()
{
    return MenuTexts::toolbar();
}

} // namespace ladrix
