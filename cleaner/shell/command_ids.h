#pragma once
// Command and control identifiers of the main window; the end-to-end driver
// uses them too, since menus cannot be read from another process under Wine.
namespace zc::ids {

enum : int {
    kMenuImport = 1001,
    kMenuDelete = 1002,
    kMenuExit = 1003,
    kMenuAuthor = 1004,
    kMenuAbout = 1005,

    kTabs = 2001,
    kAnnouncement = 2002,
    kUpdateNote = 2003,
    kRuleList = 2004,
    kCleanupLog = 2005,
    kRunCleanup = 2006,
    kClearLog = 2007,
    kStatusBar = 2008,
};

} // namespace zc::ids
