<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AppTexts</name>
    <message>
        <source>新工程</source>
        <translation>NewProject</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>退出程序将会关闭所有的窗口，退出吗？</source>
        <translation>Exiting closes all windows of the program. Exit?</translation>
    </message>
    <message>
        <source>工程“%1”已被修改。
是否保存更改？</source>
        <translation>Project &quot;%1&quot; has been modified.
Save the changes?</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>LADRX 工程文件 (*.lrp)</source>
        <translation>LADRX project files (*.lrp)</translation>
    </message>
    <message>
        <source>LADRX 指令表文件 (*.ins)</source>
        <translation>LADRX instruction list files (*.ins)</translation>
    </message>
    <message>
        <source>LADRX 梯形图文件 (*.lad)</source>
        <translation>LADRX ladder diagram files (*.lad)</translation>
    </message>
    <message>
        <source>保存工程</source>
        <translation>Save Project</translation>
    </message>
    <message>
        <source>打开工程</source>
        <translation>Open Project</translation>
    </message>
    <message>
        <source>保存指令表</source>
        <translation>Save Instruction List</translation>
    </message>
    <message>
        <source>导入指令表</source>
        <translation>Load Instruction List</translation>
    </message>
    <message>
        <source>保存梯形图</source>
        <translation>Save Ladder Diagram</translation>
    </message>
    <message>
        <source>导入梯形图</source>
        <translation>Load Ladder Diagram</translation>
    </message>
    <message>
        <source>编辑块另存为</source>
        <translation>Save Edit Block As</translation>
    </message>
    <message>
        <source>文件“%1”不完整：已读入能读到的部分，其余内容保持原样。</source>
        <translation>File &quot;%1&quot; is incomplete: what could be read was read, and the rest was left as it was.</translation>
    </message>
    <message>
        <source>文件“%1”不完整：已读入能读到的部分，其余的步为空。</source>
        <translation>File &quot;%1&quot; is incomplete: what could be read was read, and the remaining steps are empty.</translation>
    </message>
    <message>
        <source>“%1”在此版本中尚未提供。</source>
        <translation>&quot;%1&quot; is not available in this version.</translation>
    </message>
    <message>
        <source>找不到帮助文件：
%1</source>
        <translation>Help file not found:
%1</translation>
    </message>
    <message>
        <source>无法打开帮助文件：
%1</source>
        <translation>Cannot open the help file:
%1</translation>
    </message>
</context>
<context>
    <name>CheckTexts</name>
    <message>
        <source>程序检查</source>
        <translation>Program Check</translation>
    </message>
    <message>
        <source>步号: 说明</source>
        <translation>Step: finding</translation>
    </message>
    <message>
        <source>共%1条</source>
        <translation>%1 finding(s)</translation>
    </message>
    <message>
        <source>未发现问题</source>
        <translation>No problems found</translation>
    </message>
    <message>
        <source>交叉参考</source>
        <translation>Cross Reference</translation>
    </message>
    <message>
        <source>器件</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read by</translation>
    </message>
    <message>
        <source>驱动</source>
        <translation>Driven by</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>共%1个器件</source>
        <translation>%1 device(s)</translation>
    </message>
</context>
<context>
    <name>CommentFile</name>
    <message>
        <source>工程文件已保存，但注释未能保存。</source>
        <translation>The project file was saved, but its comments were not. </translation>
    </message>
    <message>
        <source>指令表文件已保存，但注释未能保存。</source>
        <translation>The instruction list file was saved, but its comments were not. </translation>
    </message>
    <message>
        <source>无法删除旧的注释文件 %1：%2</source>
        <translation>Cannot delete the old comment file %1: %2</translation>
    </message>
    <message>
        <source>注释未能读入。</source>
        <translation>The comments could not be read. </translation>
    </message>
</context>
<context>
    <name>CommonTexts</name>
    <message>
        <source>Ladrix 2.0 简体中文版</source>
        <translation>Ladrix 2.0</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>DeviceGroups</name>
    <message>
        <source>输入点(X)</source>
        <translation>Inputs (X)</translation>
    </message>
    <message>
        <source>输出点(Y)</source>
        <translation>Outputs (Y)</translation>
    </message>
    <message>
        <source>中间寄存器(M)</source>
        <translation>Auxiliary relays (M)</translation>
    </message>
    <message>
        <source>状态积存器(S)</source>
        <translation>State relays (S)</translation>
    </message>
    <message>
        <source>定时器(T)</source>
        <translation>Timers (T)</translation>
    </message>
    <message>
        <source>计数器(C)</source>
        <translation>Counters (C)</translation>
    </message>
    <message>
        <source>数据寄存器(D)</source>
        <translation>Data registers (D)</translation>
    </message>
    <message>
        <source>特殊寄存器(SFM)</source>
        <translation>Special relays (SFM)</translation>
    </message>
</context>
<context>
    <name>ElementInput</name>
    <message>
        <source>必须要输入器件号</source>
        <translation>Enter a device number.</translation>
    </message>
    <message>
        <source>必须要输入器件号和功能指令名称</source>
        <translation>Enter a device number and the name of the function instruction.</translation>
    </message>
    <message>
        <source>必须要输入器件号和K常数</source>
        <translation>Enter a device number and the K constant.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>文件未找到：%1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>无法读取 %1：%2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>这是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>这不是普通文件</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>Cannot read file %1: %2</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write file %1: %2</translation>
    </message>
    <message>
        <source>没有文件名</source>
        <translation>no file name</translation>
    </message>
    <message>
        <source>读取文件 %1 时出错，内容未被采用</source>
        <translation>Error while reading file %1; its contents were not used</translation>
    </message>
    <message>
        <source>输入超出文件尾：文件 %1 不完整，只读入了其中已有的内容</source>
        <translation>Input past end of file: file %1 is incomplete; only what it holds was read</translation>
    </message>
    <message>
        <source>文件 %1 中有 %2 个值无法读取，相应内容保持原样</source>
        <translation>%2 value(s) in file %1 could not be read; the corresponding contents were left as they were</translation>
    </message>
    <message>
        <source>文件 %1 比它的格式所容纳的长，多出的内容未被读入</source>
        <translation>File %1 is longer than its format holds; the excess was not read</translation>
    </message>
    <message>
        <source>文件 %1 已保存，但其中有的字符无法用 GBK 编码保存，已写成“?”</source>
        <translation>File %1 was saved, but some characters cannot be stored in the GBK code page and were written as &quot;?&quot;</translation>
    </message>
</context>
<context>
    <name>GetCommDialog</name>
    <message>
        <source>正在查询可用的串行通讯口,请稍待...</source>
        <translation>Looking for available serial ports, please wait...</translation>
    </message>
    <message>
        <source>检测完成,请选择串行通讯口</source>
        <translation>Search finished, please choose a serial port</translation>
    </message>
    <message>
        <source>串行通讯口(COM)%1</source>
        <translation>Serial port (COM)%1</translation>
    </message>
    <message>
        <source>模拟PLC(sim)</source>
        <translation>Simulated PLC (sim)</translation>
    </message>
    <message>
        <source>串口测试</source>
        <translation>Serial Port Test</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>IlTexts</name>
    <message>
        <source>指令表编辑器</source>
        <translation>Instruction List Editor</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>查找条件</source>
        <translation>Find what</translation>
    </message>
    <message>
        <source>步序</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>指令</source>
        <translation>Instruction</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Operand</translation>
    </message>
    <message>
        <source>注释</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>区分大小写</source>
        <translation>Match case</translation>
    </message>
    <message>
        <source>替换为</source>
        <translation>Replace with</translation>
    </message>
    <message>
        <source>查找报告</source>
        <translation>Find Report</translation>
    </message>
    <message>
        <source>步序   指令  数据      注释</source>
        <translation>Step    Ins    Data   Comment</translation>
    </message>
    <message>
        <source>共找到%1条记录</source>
        <translation>%1 step(s) found</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Find Next</translation>
    </message>
    <message>
        <source>替换</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>替换下一个</source>
        <translation>Replace Next</translation>
    </message>
    <message>
        <source>全部替换</source>
        <translation>Replace All</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>已到达查找报告的最后一条记录，没有可替换的下一条。</source>
        <translation>This is the last step of the find report; there is no next one to replace.</translation>
    </message>
</context>
<context>
    <name>InsListPrintout</name>
    <message>
        <source>文件名</source>
        <translation>File: </translation>
    </message>
    <message>
        <source>步序</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>指令</source>
        <translation>Instr.</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Operand</translation>
    </message>
</context>
<context>
    <name>LadderEditing</name>
    <message>
        <source>这里无法使用OR或ORI</source>
        <translation>OR or ORI cannot be used here</translation>
    </message>
</context>
<context>
    <name>LadderFile</name>
    <message>
        <source>文件 %1 不是梯形图文件：它有 %2 行，是指令表文件的行数。梯形图保持原样。</source>
        <translation>File %1 is not a ladder diagram file: its %2 lines are the length of an instruction list file. The ladder diagram was left as it was.</translation>
    </message>
</context>
<context>
    <name>LadderGrid</name>
    <message>
        <source>下标越界: 单元 %1</source>
        <translation>Subscript out of range: cell %1</translation>
    </message>
</context>
<context>
    <name>LadderPrintout</name>
    <message>
        <source>工程名称:</source>
        <translation>Project: </translation>
    </message>
    <message>
        <source>打印时间</source>
        <translation>Printed </translation>
    </message>
    <message>
        <source>页码: %1</source>
        <translation>Page: %1</translation>
    </message>
</context>
<context>
    <name>LineParser</name>
    <message>
        <source>下标越界: 操作数超过 %1 个</source>
        <translation>Subscript out of range: more than %1 operands</translation>
    </message>
    <message>
        <source>错误的指令%1</source>
        <translation>Invalid instruction %1</translation>
    </message>
    <message>
        <source>无效的器件号%1</source>
        <translation>Invalid device number %1</translation>
    </message>
    <message>
        <source>指令%1不支持%2</source>
        <translation>Instruction %1 does not take %2</translation>
    </message>
</context>
<context>
    <name>MenuTable</name>
    <message>
        <source>转换成梯形图</source>
        <translation>Convert to Ladder Diagram</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新建工程(&amp;N)...</source>
        <translation>&amp;New Project...</translation>
    </message>
    <message>
        <source>打开工程(O)...</source>
        <translation>&amp;Open Project...</translation>
    </message>
    <message>
        <source>保存工程(&amp;S)</source>
        <translation>&amp;Save Project</translation>
    </message>
    <message>
        <source>工程另存为(&amp;A)...</source>
        <translation>Save Project &amp;As...</translation>
    </message>
    <message>
        <source>关闭工程</source>
        <translation>Close Project</translation>
    </message>
    <message>
        <source>指令表另存为...</source>
        <translation>Save Instruction List As...</translation>
    </message>
    <message>
        <source>梯形图另存为...</source>
        <translation>Save Ladder Diagram As...</translation>
    </message>
    <message>
        <source>导入指令表...</source>
        <translation>Load Instruction List...</translation>
    </message>
    <message>
        <source>导入梯形图...</source>
        <translation>Load Ladder Diagram...</translation>
    </message>
    <message>
        <source>导入ZK1文件...</source>
        <translation>Import ZK1 File...</translation>
    </message>
    <message>
        <source>打印(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>指令表(&amp;I)</source>
        <translation>&amp;Instruction List</translation>
    </message>
    <message>
        <source>指令表窗口</source>
        <translation>Instruction List Window</translation>
    </message>
    <message>
        <source>设置编辑块头(&amp;F)</source>
        <translation>Set Block &amp;First Step</translation>
    </message>
    <message>
        <source>设置编辑块尾(&amp;L)</source>
        <translation>Set Block &amp;Last Step</translation>
    </message>
    <message>
        <source>清除编辑块</source>
        <translation>Clear Edit Block</translation>
    </message>
    <message>
        <source>剪切(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>粘贴(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>删除(&amp;D)</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>查找(&amp;F)...</source>
        <translation>&amp;Find...</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Find Next</translation>
    </message>
    <message>
        <source>转到步...</source>
        <translation>Go to Step...</translation>
    </message>
    <message>
        <source>程序检查...</source>
        <translation>Check Program...</translation>
    </message>
    <message>
        <source>交叉参考...</source>
        <translation>Cross Reference...</translation>
    </message>
    <message>
        <source>插入行</source>
        <translation>Insert Row</translation>
    </message>
    <message>
        <source>删除行</source>
        <translation>Delete Row</translation>
    </message>
    <message>
        <source>插入文件...</source>
        <translation>Insert File...</translation>
    </message>
    <message>
        <source>编辑块另存为...</source>
        <translation>Save Edit Block As...</translation>
    </message>
    <message>
        <source>梯形图(&amp;L)</source>
        <translation>&amp;Ladder</translation>
    </message>
    <message>
        <source>梯形图窗口</source>
        <translation>Ladder Diagram Window</translation>
    </message>
    <message>
        <source>梯形图指令工具栏(&amp;T)</source>
        <translation>Ladder &amp;Toolbox</translation>
    </message>
    <message>
        <source>转换成指令表</source>
        <translation>Convert to Instruction List</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>撤销	Ctrl+Z</source>
        <translation>Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>重做	Ctrl+Y</source>
        <translation>Redo	Ctrl+Y</translation>
    </message>
    <message>
        <source>连机(&amp;C)</source>
        <translation>&amp;Online</translation>
    </message>
    <message>
        <source>连接PLC(&amp;P)</source>
        <translation>Connect to &amp;PLC</translation>
    </message>
    <message>
        <source>串口设置</source>
        <translation>Serial Port Settings</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>帮助(&amp;H)...</source>
        <translation>&amp;Help...</translation>
    </message>
    <message>
        <source>编程手册...</source>
        <translation>Programming Manual...</translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>English interface</source>
        <translation>中文界面</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>新建工程</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>打开工程</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存工程</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>设头</source>
        <translation>First</translation>
    </message>
    <message>
        <source>设置编辑块头</source>
        <translation>Set the edit block&apos;s first step</translation>
    </message>
    <message>
        <source>设尾</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>设置编辑块尾</source>
        <translation>Set the edit block&apos;s last step</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>剪切编辑块</source>
        <translation>Cut the edit block</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>复制编辑块</source>
        <translation>Copy the edit block</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>粘贴编辑块</source>
        <translation>Paste the edit block</translation>
    </message>
    <message>
        <source>撤销 (Ctrl+Z)</source>
        <translation>Undo (Ctrl+Z)</translation>
    </message>
    <message>
        <source>重做 (Ctrl+Y)</source>
        <translation>Redo (Ctrl+Y)</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>插入</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>插入指令表行</source>
        <translation>Insert an instruction list row</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除指令表行</source>
        <translation>Delete an instruction list row</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>梯形图工具箱</source>
        <translation>Ladder toolbox</translation>
    </message>
    <message>
        <source>转换</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>梯形图转换指令表</source>
        <translation>Convert the ladder diagram to an instruction list</translation>
    </message>
    <message>
        <source>插入梯形图行</source>
        <translation>Insert a ladder row</translation>
    </message>
    <message>
        <source>删除梯形图行</source>
        <translation>Delete a ladder row</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>连接PLC</source>
        <translation>Connect to the PLC</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>手册</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>编程手册</source>
        <translation>Programming manual</translation>
    </message>
    <message>
        <source>手持编程器</source>
        <translation>Handheld Programmer</translation>
    </message>
    <message>
        <source>模拟PLC</source>
        <translation>Simulated PLC</translation>
    </message>
</context>
<context>
    <name>NumberReading</name>
    <message>
        <source>溢出: %1</source>
        <translation>Overflow: %1</translation>
    </message>
</context>
<context>
    <name>OnlinePrompts</name>
    <message>
        <source>是(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>否(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>OnlineTexts</name>
    <message>
        <source>连接PLC</source>
        <translation>Connect to PLC</translation>
    </message>
    <message>
        <source>从PLC读取程序</source>
        <translation>Read from PLC</translation>
    </message>
    <message>
        <source>把程序写入PLC</source>
        <translation>Write to PLC</translation>
    </message>
    <message>
        <source>清除或拷贝程序</source>
        <translation>Clear or Copy</translation>
    </message>
    <message>
        <source>高速读写</source>
        <translation>High-Speed Transfer</translation>
    </message>
    <message>
        <source>联机监控</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>传输率: 19200bps</source>
        <translation>Baud rate: 19200 bps</translation>
    </message>
    <message>
        <source>连接</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>串行通讯口</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>模拟PLC(sim)</source>
        <translation>Simulated PLC (sim)</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>文件以</source>
        <translation>Into the file at step</translation>
    </message>
    <message>
        <source>为起始步</source>
        <translation>onwards</translation>
    </message>
    <message>
        <source>PLC以</source>
        <translation>Into the PLC at step</translation>
    </message>
    <message>
        <source>步为起始步</source>
        <translation>onwards</translation>
    </message>
    <message>
        <source>从第</source>
        <translation>From step</translation>
    </message>
    <message>
        <source>步读至第</source>
        <translation>read to step</translation>
    </message>
    <message>
        <source>步写至第</source>
        <translation>write to step</translation>
    </message>
    <message>
        <source>步</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>END语句为程序的结束步</source>
        <translation>The END instruction is the last step</translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>写入</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>清除 PLC 中当前的程序</source>
        <translation>Clear the program in the PLC</translation>
    </message>
    <message>
        <source>从PLC EEPROM中把程序拷贝到 PLC RAM中</source>
        <translation>Copy the program from the PLC EEPROM to the PLC RAM</translation>
    </message>
    <message>
        <source>从PLC RAM中把程序拷贝到 PLC EEPROM中</source>
        <translation>Copy the program from the PLC RAM to the PLC EEPROM</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>操作提示</source>
        <translation>Please Note</translation>
    </message>
    <message>
        <source>注意！此操作只有在CPU存储器设置为EEPROM状态下有效，如CPU存储器开关位于RAM位置，请关闭PLC电源将CPU存储器开关拨到EEPROM位置，然后再接通PLC电源执行操作。</source>
        <translation>Note: this works only while the CPU memory is set to EEPROM. If the CPU memory switch is at RAM, switch the PLC off, set the switch to EEPROM, then switch the PLC on again and repeat the operation.</translation>
    </message>
    <message>
        <source>读取(&amp;R)</source>
        <translation>&amp;Read</translation>
    </message>
    <message>
        <source>写入(&amp;W)</source>
        <translation>&amp;Write</translation>
    </message>
    <message>
        <source>校验(&amp;V)</source>
        <translation>&amp;Verify</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>运行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>器件号</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>PLC正在执行另一项操作，请等它结束后再试。</source>
        <translation>The PLC is busy with another operation. Please try again when it has finished.</translation>
    </message>
    <message>
        <source>PLC正在运行。先让PLC停止，再进行此操作吗？
选&quot;是&quot;先停止PLC，选&quot;否&quot;在运行中进行，选&quot;取消&quot;不进行此操作。</source>
        <translation>The PLC is running. Stop the PLC before this operation?
Choose &quot;Yes&quot; to stop the PLC first, &quot;No&quot; to go ahead while it runs, &quot;Cancel&quot; not to do it.</translation>
    </message>
    <message>
        <source>无法打开串行通讯口 %1：
%2</source>
        <translation>Cannot open the serial port %1:
%2</translation>
    </message>
    <message>
        <source>没有选择串行通讯口，请用&quot;串口设置&quot;选择。</source>
        <translation>No serial port chosen. Please choose one with &quot;Serial Port&quot;.</translation>
    </message>
    <message>
        <source>PLC中的步号与程序中的步号相同，此项不用设置</source>
        <translation>Steps keep their numbers in the PLC; nothing to set here</translation>
    </message>
    <message>
        <source>步</source>
        <comment>end of a range</comment>
        <translation>(inclusive)</translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>手持编程器</source>
        <translation>Handheld Programmer</translation>
    </message>
    <message>
        <source>键盘：%1</source>
        <translation>Keyboard: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>另一窗口正在与PLC通讯，请稍候...</source>
        <translation>Another window is talking to the PLC, please wait...</translation>
    </message>
</context>
<context>
    <name>PlcTexts</name>
    <message>
        <source>正在初始化串行通讯口...</source>
        <translation>Opening the serial port...</translation>
    </message>
    <message>
        <source>正在等待PLC的回应...</source>
        <translation>Waiting for the PLC to answer...</translation>
    </message>
    <message>
        <source>已连接</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>未连接</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>PLC连接超时</source>
        <translation>The PLC did not answer in time</translation>
    </message>
    <message>
        <source>连接失败</source>
        <translation>Connection failed</translation>
    </message>
    <message>
        <source>串行通讯口已断开</source>
        <translation>The serial port was disconnected</translation>
    </message>
    <message>
        <source>正在初始化PLC</source>
        <translation>Preparing the PLC</translation>
    </message>
    <message>
        <source>正在清除旧程序</source>
        <translation>Clearing the old program</translation>
    </message>
    <message>
        <source>正在准备写入</source>
        <translation>Preparing to write</translation>
    </message>
    <message>
        <source>写入失败</source>
        <translation>Write failed</translation>
    </message>
    <message>
        <source>写入已完成</source>
        <translation>Write complete</translation>
    </message>
    <message>
        <source>写入已取消</source>
        <translation>Write cancelled</translation>
    </message>
    <message>
        <source>正在准备读取</source>
        <translation>Preparing to read</translation>
    </message>
    <message>
        <source>读取完成</source>
        <translation>Read complete</translation>
    </message>
    <message>
        <source>读取已取消</source>
        <translation>Read cancelled</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>Read failed</translation>
    </message>
    <message>
        <source>按键读取只能读到第 999 步，其后的程序请用高速读取</source>
        <translation>A read by keys reaches step 999 at most; use the high-speed read for the steps after it</translation>
    </message>
    <message>
        <source>按键写入只能写到第 999 步，其后的程序请用高速写入</source>
        <translation>A write by keys reaches step 999 at most; use the high-speed write for the steps after it</translation>
    </message>
    <message>
        <source>起始步 %1 在结束步 %2 之后，没有要传送的步</source>
        <translation>First step %1 comes after last step %2: there are no steps to transfer</translation>
    </message>
    <message>
        <source>正在清除 PLC 中的程序，请耐心等待</source>
        <translation>Clearing the program in the PLC, please wait</translation>
    </message>
    <message>
        <source>清除已完成</source>
        <translation>Clear complete</translation>
    </message>
    <message>
        <source>正在把 PLC EEPROM 中的程序拷贝到 PLC RAM 中,请耐心等待</source>
        <translation>Copying the program from the PLC EEPROM to the PLC RAM, please wait</translation>
    </message>
    <message>
        <source>正在把 PLC RAM 中的程序拷贝到 PLC EEPROM 中,请耐心等待</source>
        <translation>Copying the program from the PLC RAM to the PLC EEPROM, please wait</translation>
    </message>
    <message>
        <source>拷贝已完成</source>
        <translation>Copy complete</translation>
    </message>
    <message>
        <source>正在编码...</source>
        <translation>Encoding...</translation>
    </message>
    <message>
        <source>正在固化程序，请稍待...</source>
        <translation>Storing the program in the PLC, please wait...</translation>
    </message>
    <message>
        <source>写入已完成！</source>
        <translation>Write complete!</translation>
    </message>
    <message>
        <source>正在准备读取数据...</source>
        <translation>Preparing to read the data...</translation>
    </message>
    <message>
        <source>正在解码...</source>
        <translation>Decoding...</translation>
    </message>
    <message>
        <source>读取已完成!</source>
        <translation>Read complete!</translation>
    </message>
    <message>
        <source>PLC 送来 %1 个字节，最后一步不完整，程序未改变</source>
        <translation>The PLC sent %1 bytes and the last step is incomplete; the program is unchanged</translation>
    </message>
    <message>
        <source>PLC 送来的程序超过 %1 步，程序未改变</source>
        <translation>The PLC sent more than %1 steps; the program is unchanged</translation>
    </message>
    <message>
        <source>程序一致</source>
        <translation>The programs match</translation>
    </message>
    <message>
        <source>有 %1 步不一致</source>
        <translation>%1 steps differ</translation>
    </message>
    <message>
        <source>正在写入第 %1步   
指令:%2  数据:%3</source>
        <translation>Writing step %1   
Instruction: %2  Operand: %3</translation>
    </message>
    <message>
        <source>无法写入第 %1步   
指令:%2  数据:%3</source>
        <translation>Cannot write step %1   
Instruction: %2  Operand: %3</translation>
    </message>
    <message>
        <source>正在读出第 %1步   
指令:%2  数据:%3</source>
        <translation>Reading step %1   
Instruction: %2  Operand: %3</translation>
    </message>
    <message>
        <source>正在写入第 %1/%2</source>
        <translation>Writing step %1/%2</translation>
    </message>
    <message>
        <source>正在读取第 %1步</source>
        <translation>Reading step %1</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>内部错误：%1</source>
        <translation>Internal error: %1</translation>
    </message>
</context>
<context>
    <name>PrintPages</name>
    <message>
        <source>无法开始打印：没有可用的打印机，或打印机无法使用。</source>
        <translation>Cannot start printing: no printer is available, or the printer cannot be used.</translation>
    </message>
    <message>
        <source>打印未能完成。</source>
        <translation>Printing did not complete.</translation>
    </message>
</context>
<context>
    <name>ProgramCheck</name>
    <message>
        <source>程序没有END指令</source>
        <translation>The program has no END instruction</translation>
    </message>
    <message>
        <source>END之后还有%1个非空步</source>
        <translation>%1 step(s) that are not empty follow END</translation>
    </message>
    <message>
        <source>%1开始的块没有用ANB或ORB连接</source>
        <translation>The block starting at %1 is not joined by ANB or ORB</translation>
    </message>
    <message>
        <source>%1之前没有两个可以连接的块</source>
        <translation>No two blocks to join before %1</translation>
    </message>
    <message>
        <source>%1之前没有LD或LDI</source>
        <translation>No LD or LDI before %1</translation>
    </message>
    <message>
        <source>同时打开的块超过%1个</source>
        <translation>More than %1 blocks open at once</translation>
    </message>
    <message>
        <source>%1开始的触点没有驱动输出</source>
        <translation>The contacts starting at %1 drive no output</translation>
    </message>
    <message>
        <source>%1之后没有K步</source>
        <translation>No K step after %1</translation>
    </message>
    <message>
        <source>%1的K步没有设定值</source>
        <translation>The K step of %1 has no set value</translation>
    </message>
    <message>
        <source>%1之前没有定时器或计数器的OUT</source>
        <translation>No timer or counter OUT before %1</translation>
    </message>
    <message>
        <source>双线圈：%1已在步%2输出</source>
        <translation>Double coil: %1 is already driven at step %2</translation>
    </message>
    <message>
        <source>%1没有对应的MCR</source>
        <translation>%1 has no matching MCR</translation>
    </message>
    <message>
        <source>%1之前没有对应的MC</source>
        <translation>No matching MC before %1</translation>
    </message>
    <message>
        <source>%1之后没有对应的EJP</source>
        <translation>No matching EJP after %1</translation>
    </message>
    <message>
        <source>%1重复，跳转目标不明确</source>
        <translation>%1 appears twice; the jump target is ambiguous</translation>
    </message>
    <message>
        <source>%1开始的步进梯形图没有RET</source>
        <translation>The step ladder starting at %1 has no RET</translation>
    </message>
    <message>
        <source>%1之前没有STL</source>
        <translation>No STL before %1</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>不认识的文件类型：%1</source>
        <translation>Unknown file type: %1</translation>
    </message>
</context>
<context>
    <name>ProgramStore</name>
    <message>
        <source>下标越界: 步 %1</source>
        <translation>Subscript out of range: step %1</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>新工程</source>
        <translation>NewProject</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>错误 %1</source>
        <translation>Error %1</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>Out of memory</translation>
    </message>
</context>
<context>
    <name>SimIoTexts</name>
    <message>
        <source>模拟PLC</source>
        <translation>Simulated PLC</translation>
    </message>
    <message>
        <source>状态：</source>
        <translation>State:</translation>
    </message>
    <message>
        <source>运行</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>扫描次数：</source>
        <translation>Scans:</translation>
    </message>
    <message>
        <source>模拟时间：</source>
        <translation>Simulated time:</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>输入点(X)</source>
        <translation>Inputs (X)</translation>
    </message>
    <message>
        <source>输出点(Y)</source>
        <translation>Outputs (Y)</translation>
    </message>
    <message>
        <source>定时器和计数器</source>
        <translation>Timers and counters</translation>
    </message>
    <message>
        <source>单击切换输入，按住不放则为按钮</source>
        <translation>Click to switch an input; hold it down for a push button</translation>
    </message>
    <message>
        <source>器件</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>当前值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>设定值</source>
        <translation>Set value</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>接通</source>
        <translation>On</translation>
    </message>
    <message>
        <source>断开</source>
        <translation>Off</translation>
    </message>
</context>
<context>
    <name>SimTexts</name>
    <message>
        <source>程序无法运行：</source>
        <translation>The program cannot run: </translation>
    </message>
    <message>
        <source>错误的指令</source>
        <translation>invalid instruction</translation>
    </message>
    <message>
        <source>无效的器件号</source>
        <translation>invalid device number</translation>
    </message>
    <message>
        <source>跳转目标不在其后</source>
        <translation>the jump target does not follow the jump</translation>
    </message>
    <message>
        <source>同时打开的块超过10个</source>
        <translation>more than 10 blocks open at once</translation>
    </message>
    <message>
        <source>触点之前没有LD或LDI</source>
        <translation>a contact without LD or LDI before it</translation>
    </message>
    <message>
        <source>之前没有两个可以连接的块</source>
        <translation>there are not two blocks to join before it</translation>
    </message>
    <message>
        <source>高速写入时PLC已停止</source>
        <translation>The PLC was stopped for the high-speed write</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
</context>
<context>
    <name>ladrix::AboutDialog</name>
    <message>
        <source>关于 %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Orvane QL100/RB1、QL300/RB2 可编程控制器编程软件</source>
        <translation>Programming software for the Orvane QL100/RB1 and QL300/RB2 programmable controllers</translation>
    </message>
    <message>
        <source>版本 %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>操作系统：%1（内核 %2 %3）</source>
        <translation>Operating system: %1 (kernel %2 %3)</translation>
    </message>
    <message>
        <source>系统信息(&amp;S)...</source>
        <translation>&amp;System Information...</translation>
    </message>
    <message>
        <source>无法启动系统信息程序：
%1</source>
        <translation>Cannot start the system information program:
%1</translation>
    </message>
</context>
<context>
    <name>ladrix::ElementDialog</name>
    <message>
        <source>输入</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>功能指令</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>目标器件</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>K常数</source>
        <translation>K constant</translation>
    </message>
</context>
<context>
    <name>ladrix::LadderEditor</name>
    <message>
        <source>梯形图编辑器</source>
        <translation>Ladder Diagram Editor</translation>
    </message>
</context>
<context>
    <name>ladrix::LadderToolPalette</name>
    <message>
        <source>常开触点</source>
        <translation>Normally open contact</translation>
    </message>
    <message>
        <source>常闭触点</source>
        <translation>Normally closed contact</translation>
    </message>
    <message>
        <source>并联常开触点</source>
        <translation>Parallel normally open contact</translation>
    </message>
    <message>
        <source>并联常闭触点</source>
        <translation>Parallel normally closed contact</translation>
    </message>
    <message>
        <source>步进触点</source>
        <translation>Step contact</translation>
    </message>
    <message>
        <source>功能指令框</source>
        <translation>Function instruction box</translation>
    </message>
    <message>
        <source>带K常数的线圈</source>
        <translation>Coil with K constant</translation>
    </message>
    <message>
        <source>竖线（上下行连接）</source>
        <translation>Vertical line (joins a row to the next)</translation>
    </message>
    <message>
        <source>横线</source>
        <translation>Horizontal line</translation>
    </message>
    <message>
        <source>线圈</source>
        <translation>Coil</translation>
    </message>
    <message>
        <source>梯形图指令</source>
        <translation>Ladder Instructions</translation>
    </message>
    <message>
        <source>（%1键）</source>
        <translation> (key %1)</translation>
    </message>
</context>
<context>
    <name>ladrix::MainWindow</name>
    <message>
        <source>转到步</source>
        <translation>Go to Step</translation>
    </message>
    <message>
        <source>步号 (0 - %1):</source>
        <translation>Step (0 - %1):</translation>
    </message>
    <message>
        <source>梯形图为空</source>
        <translation>The ladder diagram is empty</translation>
    </message>
    <message>
        <source>The interface will be in English from the next start.</source>
        <translation>下次启动时界面将使用简体中文。</translation>
    </message>
    <message>
        <source>内部错误：</source>
        <translation>Internal error: </translation>
    </message>
</context>
<context>
    <name>ladrix::NewProjectDialog</name>
    <message>
        <source>工程名称不能包含逗号（,）、双引号（&quot;）或换行。</source>
        <translation>A project name cannot contain a comma (,), a double quote (&quot;) or a line break.</translation>
    </message>
    <message>
        <source>建立新工程</source>
        <translation>New Project</translation>
    </message>
    <message>
        <source>工程名称</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>PLC型号</source>
        <translation>PLC model</translation>
    </message>
</context>
<context>
    <name>ladrix::PrintDialog</name>
    <message>
        <source>打印指令表</source>
        <translation>Print the instruction list</translation>
    </message>
    <message>
        <source>打印梯形图</source>
        <translation>Print the ladder diagram</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>打印内容</source>
        <translation>Print what</translation>
    </message>
    <message>
        <source>打印机</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>预览</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>打印机: </source>
        <translation>Printer: </translation>
    </message>
    <message>
        <source>
可以在“设置”中选择其他打印机，或打印到 PDF 文件。</source>
        <translation>
Choose another printer under &quot;Setup&quot;, or print to a PDF file.</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>系统默认打印机: </source>
        <translation>Default printer: </translation>
    </message>
</context>
<context>
    <name>ladrix::StartWindow</name>
    <message>
        <source>可编程控制器编程软件  简体中文版</source>
        <translation>Programming software for programmable controllers</translation>
    </message>
</context>
</TS>
