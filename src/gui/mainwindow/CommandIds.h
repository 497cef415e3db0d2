#pragma once
// Command identifiers of the main window's menus, tool bar and context menu.
// The framework's standard numbers are kept so that the status-bar prompts
// and the screenshots script can name a command by its number.
namespace command_ids {

constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int FilePrintSetup = 57606;
constexpr int FilePrint = 57607;
constexpr int FilePrintPreview = 57609;
constexpr int FileMru1 = 57616; // to FileMru1 + 3
constexpr int AppAbout = 57664;
constexpr int HelpManual = 57670;
constexpr int AppExit = 57665;
constexpr int EditUndo = 57643;
constexpr int EditRedo = 57644;
constexpr int EditCut = 57635;
constexpr int EditCopy = 57634;
constexpr int EditPaste = 57637;
constexpr int NextPane = 57680;
constexpr int PreviousPane = 57681;
constexpr int ViewToolBar = 59392;
constexpr int ViewStatusBar = 59393;

constexpr int CommunicationSettings = 32771;
constexpr int ChooseMasterType = 32772;
constexpr int ReadGauge = 32776;
constexpr int WriteGauge = 32777;
constexpr int Diagnostics = 32797;
constexpr int ExportPdf = 32800;
constexpr int RestoreBackup = 32802;
constexpr int ViewServiceItems = 32803;
constexpr int FileCompare = 32820;
constexpr int CompareGauge = 32821;
constexpr int VerifyAfterWrite = 32822;
constexpr int ServiceHistory = 32823;

}
