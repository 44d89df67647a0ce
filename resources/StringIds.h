#pragma once
// The numbers of the user-interface texts. Menu texts sit in 409..452 (with
// the four whose number is their command's), the dialog and message texts
// the program has always numbered keep their numbers, and the texts added
// since take numbers from 1000 up, grouped by where they appear. A language
// module translates a text by its number, so a number never changes meaning.

namespace pictavo::sid {

// --- application
constexpr int AppName = 128;  // caption of every message box

// --- sheets and dialogs numbered of old
constexpr int LayoutPropertiesTitle = 177;
constexpr int WebsitePropertiesTitle = 204;
constexpr int HelpFileName = 326;  // the manual's entry page in <data>/help/
constexpr int Ok = 391;
constexpr int Cancel = 392;
constexpr int TipTitle = 401;
constexpr int TipHeading = 402;
constexpr int TipNext = 403;
constexpr int TipShowAtStartup = 404;
constexpr int TipsFileName = 407;

// --- menu titles and items (409..452)
constexpr int MenuFile = 409;
constexpr int MenuEdit = 410;
constexpr int MenuView = 411;
constexpr int MenuTools = 412;
constexpr int MenuHelp = 413;
constexpr int MenuNew = 414;
constexpr int MenuOpen = 415;
constexpr int MenuClose = 416;
constexpr int MenuSave = 417;
constexpr int MenuSaveAs = 418;
constexpr int MenuExit = 419;
constexpr int MenuNewFolder = 420;
constexpr int MenuNewLink = 421;
constexpr int MenuCut = 422;
constexpr int MenuCopy = 423;
constexpr int MenuPaste = 424;
constexpr int MenuDelete = 425;
constexpr int MenuMoveUp = 426;
constexpr int MenuMoveDown = 427;
constexpr int MenuConvertImages = 428;
constexpr int MenuExportWeb = 429;
constexpr int MenuPreviewWeb = 430;
constexpr int MenuStatusBar = 431;
constexpr int MenuAlbumExplorer = 432;
constexpr int MenuFileExplorer = 433;
constexpr int MenuPropertyArea = 434;
constexpr int MenuLargeIcons = 435;
constexpr int MenuSmallIcons = 436;
constexpr int MenuList = 437;
constexpr int MenuDetails = 438;
constexpr int MenuThumbnails = 439;
constexpr int MenuRefresh = 440;
constexpr int MenuWebsiteProperties = 441;
constexpr int MenuLayoutProperties = 442;
constexpr int MenuToolbar = 443;
constexpr int MenuHelpContents = 444;
constexpr int MenuExportCd = 445;
constexpr int MenuPreviewCd = 446;
constexpr int MenuTipOfTheDay = 447;
constexpr int MenuAbout = 448;
constexpr int MenuImportFolder = 449;
constexpr int MenuImportFiles = 450;
constexpr int MenuEnvironment = 451;
constexpr int MenuRecentFiles = 452;  // the placeholder shown when the list is empty

// --- main window: documents and messages (1000..)
constexpr int AlbumFileFilter = 1000;        // "Pictavo Files (*.www)"
constexpr int Untitled = 1001;               // "Untitled"
constexpr int SaveChangesTo = 1002;          // "Save changes to %1?"
constexpr int SaveChangesToDocument = 1003;  // "Do you want to save changes to this document?"
constexpr int TooManyFiles = 1004;           // "Too many files were selected!"
constexpr int SelectImportFolder = 1005;     // "Please select import folder"
constexpr int ImportFilesFilter = 1006;      // the "|"-separated filter of Import files
constexpr int CannotOpenFile = 1007;         // "Cannot open file."
constexpr int StatusReady = 1008;            // "Ready"
constexpr int ModifiedMark = 1009;           // "*" after the album name in the title
constexpr int MenuUndo = 1010;               // "&Undo %1\tCtrl+Z"
constexpr int MenuRedo = 1011;               // "&Redo %1\tCtrl+Y"
constexpr int MenuUndoNothing = 1012;        // "&Undo\tCtrl+Z"
constexpr int MenuRedoNothing = 1013;        // "&Redo\tCtrl+Y"
constexpr int OpenFailed = 1014;             // "Cannot open %1.\n%2"
constexpr int SaveFailed = 1015;             // "Cannot save %1.\n%2"
constexpr int DroppedNotAlbum = 1016;        // "%1 is not an album (*.www)."
constexpr int HelpMissing = 1017;            // "The manual was not found: %1"
constexpr int NextPane = 1018;               // "Next Pane\tF6"
constexpr int PreviousPane = 1019;           // "Previous Pane\tShift+F6"
constexpr int ToolbarMainTitle = 1020;       // "Standard"
constexpr int ToolbarToolsTitle = 1021;      // "Tools"
constexpr int WorkCancelled = 1022;          // "Cancelled."
constexpr int WorkInProgress = 1023;         // "%1 of %2: %3"
constexpr int ImportProblems = 1024;         // "Some entries were not imported:\n%1"

// --- pane captions (1100..)
constexpr int PaneAlbumExplorer = 1100;   // "Album Explorer"
constexpr int PaneAlbumFolderList = 1101; // "Album Folder"
constexpr int PaneFileTree = 1102;        // "File Explorer"
constexpr int PaneFileList = 1103;        // "Files"
constexpr int PanePropertyArea = 1104;    // "Property Area"

// --- the Environment dialog (1200..)
constexpr int EnvTitle = 1200;            // "Environment"
constexpr int EnvLimitExport = 1201;      // "Set max image size when export"
constexpr int EnvExportGroup = 1202;      // "Max image size when export:"
constexpr int EnvThumbnailGroup = 1203;   // "Max thumbnail size when export:"
constexpr int EnvCaptionGroup = 1204;     // "Default caption"
constexpr int EnvUseFileName = 1205;      // "Use file name as default Link text when import files"
constexpr int EnvWidth = 1206;            // "Width:"
constexpr int EnvHeight = 1207;           // "Height:"
constexpr int EnvPixels = 1208;           // "Pixels"
constexpr int TipsLost = 1209;            // "Tips lost"
constexpr int AboutTitle = 1210;          // "About Pictavo"
constexpr int AboutVersion = 1211;        // "Pictavo Version %1"
constexpr int AboutText = 1212;           // what the program does, one paragraph
constexpr int AboutQtVersion = 1213;      // "Built with Qt %1"

// --- names of undoable edits, shown after Undo/Redo (1300..)
constexpr int EditNewFolder = 1300;
constexpr int EditNewLink = 1301;
constexpr int EditRename = 1302;
constexpr int EditDelete = 1303;
constexpr int EditCut = 1304;
constexpr int EditPaste = 1305;
constexpr int EditMove = 1306;
constexpr int EditImport = 1307;
constexpr int EditProperties = 1308;
constexpr int EditDragDrop = 1309;
constexpr int EditSort = 1310;

// --- shared list and progress widgets (1400..)
constexpr int WorkCancelButton = 1400;  // "Cancel" on the progress dialog
constexpr int WorkCancelling = 1401;    // "Cancelling..." once Cancel was pressed

// --- the album folder list (its old numbers, and 1550..1599)
constexpr int ListLinkText = 164;         // "Link text" column
constexpr int ListLinkTo = 166;           // "Link to" column
constexpr int DeleteItemQuestion = 292;   // "Do you really want to delete this item?"
constexpr int DeleteItemsQuestion = 297;  // "Do you really want to delete these items?"

}  // namespace pictavo::sid
