#pragma once
// The layout of the main menu and of the context menu: which command stands
// where, and the language pack numbers of the texts. The texts are looked up
// each time the menu is built, so a language switch only has to build again.
#include <QKeySequence>
#include <vector>

namespace main_menu {

// A command of the window: its id, the object name of its action (which
// tests and translations find it by) and its standard key, if any.
struct Command
{
    int id;
    const char *objectName;
    QKeySequence::StandardKey key;
};
const std::vector<Command> &commands();

constexpr int Separator = 0;
constexpr int RecentFiles = -1; // the recent files (or a grey placeholder)

struct Popup
{
    int textId;
    std::vector<int> commands; // command ids, Separator or recentFiles
};

const std::vector<Popup> &menuBar();
// The context menu of the main window.
const std::vector<int> &contextMenu();

// Pack numbers of a command's menu text and of its status-bar prompt.
int menuTextId(int commandId);
int promptId(int commandId);
// Pack number of the placeholder shown while the recent list is empty.
constexpr int RecentFilePlaceholderId = 5310;
// The Edit menu's text.
constexpr int EditMenuTextId = 5312;
// Pack numbers of Undo's and Redo's texts with the name of the step ("&Undo %1").
constexpr int UndoStepTextId = 6376;
constexpr int RedoStepTextId = 6377;

}
