#include "MenuTable.h"

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

QList<TopMenu> buildMenuTree()
{
    MenuEntry toLadder = item("mnuII2L", QStringLiteral("转换成梯形图"));
    // Drawing the instruction list as a ladder is kept but not offered.
    toLadder.hidden = true;

    return {
        {QStringLiteral("mnuFile"),
         QStringLiteral("文件(&F)"),
         {
             item("mnuFNew", QStringLiteral("新建工程(&N)..."), "Ctrl+N"),
             item("mnuFOpen", QStringLiteral("打开工程(O)..."), "Ctrl+O"),
             item("mnuFSave", QStringLiteral("保存工程(&S)"), "Ctrl+S"),
             item("mnuFSaveAs", QStringLiteral("工程另存为(&A)...")),
             item("mnuFClose", QStringLiteral("关闭工程")),
             separator("mnuFSep"),
             item("mnuFISaveAs", QStringLiteral("指令表另存为...")),
             item("mnuFLSaveAs", QStringLiteral("梯形图另存为...")),
             item("mnuFOpenIns", QStringLiteral("导入指令表...")),
             item("mnuFOpenLad", QStringLiteral("导入梯形图...")),
             item("mnuFImp", QStringLiteral("导入ZK1文件...")),
             separator("mnuFsep2"),
             item("mnuFPrint", QStringLiteral("打印(&P)..."), "Ctrl+P"),
             separator("mnuFSep3"),
             item("mnuFExit", QStringLiteral("退出(&X)")),
         }},
        {QStringLiteral("mnuInstr"),
         QStringLiteral("指令表(&I)"),
         {
             checkItem("mnuIView", QStringLiteral("指令表窗口"), "Ctrl+I"),
             separator("mnuESep1", true),
             toLadder,
             separator("mnuISEP5"),
             checkItem("mnuIFirst", QStringLiteral("设置编辑块头(&F)")),
             checkItem("mnuILast", QStringLiteral("设置编辑块尾(&L)")),
             item("mnuIClear", QStringLiteral("清除编辑块")),
             separator("mnuESep"),
             item("mnuICut", QStringLiteral("剪切(&T)")),
             item("mnuICopy", QStringLiteral("复制(&C)")),
             item("mnuIPaste", QStringLiteral("粘贴(&P)")),
             item("mnuIDel", QStringLiteral("删除(&D)")),
             item("mnuIUndo", QStringLiteral("撤销"), "Ctrl+Z"),
             item("mnuIRedo", QStringLiteral("重做"), "Ctrl+Y Ctrl+Shift+Z"),
             separator("mnuESep2"),
             item("mnuIFind", QStringLiteral("查找(&F)..."), "Ctrl+F"),
             item("mnuIFindNext", QStringLiteral("查找下一个"), "F3"),
             item("mnuIGoto", QStringLiteral("转到步..."), "Ctrl+G"),
             item("mnuICheck", QStringLiteral("程序检查...")),
             item("mnuIXref", QStringLiteral("交叉参考...")),
             separator("mnuISEP4"),
             item("mnuIInsert", QStringLiteral("插入行")),
             item("mnuIDelete", QStringLiteral("删除行")),
             separator("mnuISep3"),
             item("mnuIOpen", QStringLiteral("插入文件...")),
             item("mnuISaveB", QStringLiteral("编辑块另存为...")),
         }},
        {QStringLiteral("mnuLad"),
         QStringLiteral("梯形图(&L)"),
         {
             checkItem("mnuLView", QStringLiteral("梯形图窗口"), "Ctrl+L"),
             separator("mnuLSep"),
             checkItem("mnuLTool", QStringLiteral("梯形图指令工具栏(&T)")),
             item("mnuL2I", QStringLiteral("转换成指令表")),
             separator("mnuLSep2"),
             item("mnuLInsert", QStringLiteral("插入行")),
             item("mnuLDelete", QStringLiteral("删除行")),
             item("mnuLClear", QStringLiteral("清空")),
             separator("mnuLSep3"),
             // The same commands as the instruction-list menu's, whose items own the keys.
             item("mnuLUndo", QStringLiteral("撤销\tCtrl+Z")),
             item("mnuLRedo", QStringLiteral("重做\tCtrl+Y")),
         }},
        {QStringLiteral("mnuTConnn"),
         QStringLiteral("连机(&C)"),
         {
             item("mnuTConn", QStringLiteral("连接PLC(&P)")),
             item("mnuTCommS", QStringLiteral("串口设置")),
         }},
        {QStringLiteral("mnuHelp"),
         QStringLiteral("帮助(&H)"),
         {
             item("mnuHHelp", QStringLiteral("帮助(&H)..."), "Ctrl+H"),
             item("mnuHPro", QStringLiteral("编程手册...")),
             separator("mnuHSep"),
             item("mnuHAbout", QStringLiteral("关于(&A)...")),
         }},
    };
}

ToolEntry tool(const char* key, const QString& caption, const QString& tip, const char* runs)
{
    return ToolEntry{QString::fromLatin1(key), caption, tip, QString::fromLatin1(runs)};
}

ToolEntry toolSeparator(const char* key)
{
    return ToolEntry{QString::fromLatin1(key), {}, {}, {}};
}

QList<ToolEntry> buildToolbar()
{
    return {
        tool("mnuFNew", QStringLiteral("新建"), QStringLiteral("新建工程"), "mnuFNew"),
        tool("mnuFOpen", QStringLiteral("打开"), QStringLiteral("打开工程"), "mnuFOpen"),
        tool("mnuFSave", QStringLiteral("保存"), QStringLiteral("保存工程"), "mnuFSave"),
        tool("mnuFPrint", QStringLiteral("打印"), QStringLiteral("打印"), "mnuFPrint"),
        toolSeparator("mnuSep1"),
        tool("mnuIUp", QStringLiteral("设头"), QStringLiteral("设置编辑块头"), "mnuIFirst"),
        tool("mnuIDown", QStringLiteral("设尾"), QStringLiteral("设置编辑块尾"), "mnuILast"),
        tool("mnuICut", QStringLiteral("剪切"), QStringLiteral("剪切编辑块"), "mnuICut"),
        tool("mnuICopy", QStringLiteral("复制"), QStringLiteral("复制编辑块"), "mnuICopy"),
        tool("mnuIPaste", QStringLiteral("粘贴"), QStringLiteral("粘贴编辑块"), "mnuIPaste"),
        tool("mnuEUndo", QStringLiteral("撤销"), QStringLiteral("撤销 (Ctrl+Z)"), "mnuIUndo"),
        tool("mnuERedo", QStringLiteral("重做"), QStringLiteral("重做 (Ctrl+Y)"), "mnuIRedo"),
        tool("mnuIFind", QStringLiteral("查找"), QStringLiteral("查找"), "mnuIFind"),
        tool("mnuIInsert", QStringLiteral("插入"), QStringLiteral("插入指令表行"), "mnuIInsert"),
        tool("mnuIDelete", QStringLiteral("删除"), QStringLiteral("删除指令表行"), "mnuIDelete"),
        toolSeparator("mnuSep2"),
        tool("mnuLTool", QStringLiteral("工具"), QStringLiteral("梯形图工具箱"), "mnuLTool"),
        tool("mnuLCnv", QStringLiteral("转换"), QStringLiteral("梯形图转换指令表"), "mnuL2I"),
        tool("mnuLInsert", QStringLiteral("插入"), QStringLiteral("插入梯形图行"), "mnuLInsert"),
        tool("mnuLDelete", QStringLiteral("删除"), QStringLiteral("删除梯形图行"), "mnuLDelete"),
        toolSeparator("mnuSep3"),
        tool("mnuConn", QStringLiteral("连接"), QStringLiteral("连接PLC"), "mnuTConn"),
        toolSeparator("mnuSep4"),
        tool("mnuHHelp", QStringLiteral("帮助"), QStringLiteral("帮助"), "mnuHHelp"),
        tool("mnuHPro", QStringLiteral("手册"), QStringLiteral("编程手册"), "mnuHPro"),
    };
}

} // namespace

const QList<TopMenu>& menuTree()
{
    static const QList<TopMenu> tree = buildMenuTree();
    return tree;
}

const QList<ToolEntry>& toolbarButtons()
{
    static const QList<ToolEntry> buttons = buildToolbar();
    return buttons;
}

} // namespace ladrix
