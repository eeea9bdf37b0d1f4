#pragma once
// The text of the page "教程": a short guide to the script commands.

namespace zc {

inline constexpr char kTutorialText[] =
    "这是一个简单的教程：\r\n"
    "以下为脚本的命令：\r\n"
    "输出一条信息：ECHO [内容]\r\n"
    "注释一个信息，但是只能单独占用一行：//xxx\r\n"
    "删除文件：RMF [路径]\r\n"
    "删除目录：RMR [路径]\r\n"
    "正则删除：RML [路径，不加\\] [正则文件] [是否删除子目录内的True/False]\r\n"
    "获取注册表：GETREG [储存的变量] [样式] [路径]\r\n"
    "样式：CURRENT_USER USERS CLASSES_ROOT CURRENT_CONFIG LOCAL_MACHINE\r\n"
    "变量：使用%%[名字]%%，内置%%USER%%表示当前电脑的用户名\r\n"
    "例子：\r\n"
    "ECHO =============\r\n"
    "ECHO =Test Rules==\r\n"
    "ECHO =============\r\n"
    "GETRE Path CURRENT_USER Software\\TestProgram\\type\r\n"
    "ECHO %%Path%%\r\n"
    "RML C:\\Windows\\%%USER%%\\AppData\\Roming *.* True\r\n"
    "\r\n";

} // namespace zc
