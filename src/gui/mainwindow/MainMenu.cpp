#include "MainMenu.h"

#include "CommandIds.h"
#include "base/RecentFileList.h"

#include <map>
#include <utility>

namespace main_menu {

using namespace command_ids;

const std::vector<Command> &commands()
{
    static const std::vector<Command> list = {
        {FileNew, "actionFileNew", QKeySequence::New},
        {FileOpen, "actionFileOpen", QKeySequence::Open},
        {FileSave, "actionFileSave", QKeySequence::Save},
        {FileSaveAs, "actionFileSaveAs", QKeySequence::UnknownKey},
        {FileCompare, "actionFileCompare", QKeySequence::UnknownKey},
        {FilePrint, "actionFilePrint", QKeySequence::Print},
        {FilePrintPreview, "actionFilePrintPreview", QKeySequence::UnknownKey},
        {FilePrintSetup, "actionFilePrintSetup", QKeySequence::UnknownKey},
        {ExportPdf, "actionExportPdf", QKeySequence::UnknownKey},
        {AppExit, "actionAppExit", QKeySequence::Quit},
        {EditUndo, "actionEditUndo", QKeySequence::Undo},
        {EditRedo, "actionEditRedo", QKeySequence::UnknownKey}, // set by UndoCommands
        {EditCut, "actionEditCut", QKeySequence::Cut},
        {EditCopy, "actionEditCopy", QKeySequence::Copy},
        {EditPaste, "actionEditPaste", QKeySequence::Paste},
        {ViewToolBar, "actionViewToolBar", QKeySequence::UnknownKey},
        {ViewStatusBar, "actionViewStatusBar", QKeySequence::UnknownKey},
        {ViewServiceItems, "actionViewServiceItems", QKeySequence::UnknownKey},
        {ChooseMasterType, "actionChooseMasterType", QKeySequence::UnknownKey},
        {ReadGauge, "actionReadFromGauge", QKeySequence::UnknownKey},
        {WriteGauge, "actionWriteToGauge", QKeySequence::UnknownKey},
        {RestoreBackup, "actionRestoreBackup", QKeySequence::UnknownKey},
        {CompareGauge, "actionCompareWithGauge", QKeySequence::UnknownKey},
        {VerifyAfterWrite, "actionVerifyAfterWrite", QKeySequence::UnknownKey},
        {ServiceHistory, "actionServiceHistory", QKeySequence::UnknownKey},
        {Diagnostics, "actionDiagnostics", QKeySequence::UnknownKey},
        {CommunicationSettings, "actionCommunicationSettings", QKeySequence::UnknownKey},
        {AppAbout, "actionAppAbout", QKeySequence::UnknownKey},
        {HelpManual, "actionHelpManual", QKeySequence::HelpContents},
    };
    return list;
}

const std::vector<Popup> &menuBar()
{
    static const std::vector<Popup> menu = {
        {5301,
         {FileNew, FileOpen, FileSave, FileSaveAs, FileCompare, Separator, FilePrint, FilePrintPreview,
          FilePrintSetup, ExportPdf, Separator, RecentFiles, Separator, AppExit}},
        {EditMenuTextId, {EditUndo, EditRedo, Separator, EditCut, EditCopy, EditPaste}},
        {5317, {ViewToolBar, ViewStatusBar, Separator, ViewServiceItems}},
        {5320, {ChooseMasterType, Separator, ReadGauge, WriteGauge, CompareGauge, RestoreBackup, VerifyAfterWrite,
                ServiceHistory, Separator, Diagnostics, Separator, CommunicationSettings}},
        {5326, {HelpManual, Separator, AppAbout}},
    };
    return menu;
}

const std::vector<int> &contextMenu()
{
    static const std::vector<int> menu = {ReadGauge, WriteGauge, Separator, ChooseMasterType, Separator,
                                          CommunicationSettings};
    return menu;
}

// command -> (menu text, prompt)
static const std::map<int, std::pair<int, int>> &texts()
{
    static const std::map<int, std::pair<int, int>> table = {
        {FileNew, {5302, 5330}},
        {FileOpen, {5303, 5331}},
        {FileSave, {5304, 5332}},
        {FileSaveAs, {5305, 5333}},
        {FileCompare, {5784, 5785}},
        {FilePrint, {5306, 5334}},
        {FilePrintPreview, {5307, 5335}},
        {FilePrintSetup, {5308, 5336}},
        {ExportPdf, {5309, 5337}},
        {AppExit, {5311, 5339}},
        {EditUndo, {5313, 5340}},
        {EditRedo, {6378, 6379}},
        {EditCut, {5314, 5341}},
        {EditCopy, {5315, 5342}},
        {EditPaste, {5316, 5343}},
        {ViewToolBar, {5318, 5344}},
        {ViewStatusBar, {5319, 5345}},
        {ViewServiceItems, {5605, 5606}},
        {ChooseMasterType, {5321, 5346}},
        {ReadGauge, {5322, 5347}},
        {WriteGauge, {5323, 5348}},
        {RestoreBackup, {5328, 5352}},
        {CompareGauge, {5786, 5787}},
        {VerifyAfterWrite, {5788, 5789}},
        {ServiceHistory, {5934, 5936}},
        {Diagnostics, {5324, 5349}},
        {CommunicationSettings, {5325, 5350}},
        {AppAbout, {5327, 5351}},
        {HelpManual, {5329, 5389}},
    };
    return table;
}

int menuTextId(int commandId)
{
    const auto it = texts().find(commandId);
    return it == texts().end() ? 0 : it->second.first;
}

int promptId(int commandId)
{
    const auto it = texts().find(commandId);
    if (it != texts().end())
        return it->second.second;
    if (commandId >= FileMru1 && commandId < FileMru1 + RecentFileList::Size)
        return 5338;
    return 0;
}

}
