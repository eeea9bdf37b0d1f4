#pragma once
// Texts of the status pane.
namespace zc::status {

inline constexpr const char* kFirst = "[系统状态]初始化提示状态条";
inline constexpr const char* kStarting = "[系统状态]初始化Zephon Cleaner...";
inline constexpr const char* kInitialising = "[系统状态]正在初始化软件，请稍等...";
inline constexpr const char* kCreatingLayout = "[系统状态]正在初始化结构目录，请稍等...";
inline constexpr const char* kLayoutCreated = "[系统状态]创建结构目录成功，正在输出基本信息...";
inline constexpr const char* kIdle = "[系统状态]待命Ing...";
inline constexpr const char* kClosing = "[系统状态]正在删除冗余文件...";

} // namespace zc::status
