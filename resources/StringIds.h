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
constexpr int ImportProgress = 1025;         // "Importing" (the progress dialog's title)

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

// --- file explorer: the file list's columns keep their old numbers
constexpr int FileColumnName = 522;   // "Name"
constexpr int FileColumnSize = 383;   // "Size"
constexpr int FileColumnType = 384;   // "Type"
constexpr int FileColumnTime = 385;   // "Time"
constexpr int FileTypeFolder = 1700;  // "Folder"
constexpr int FileSizeKb = 1701;      // "%1 KB"
constexpr int FileTypeOf = 1702;      // "%1 file" (the upper-case extension)
constexpr int FileOpenFailed = 1703;  // "No program could open %1."
// --- export and image conversion (1750..), with the numbers of old they use
constexpr int SelectFolderPrompt = 362;       // "Please select a folder"
constexpr int ConvertTitle = 390;             // "Convert images format"
constexpr int ExportFolderNotEmpty = 467;     // asked before writing into a non-empty folder
constexpr int ExportFolderTitle = 1750;       // "Export folder"
constexpr int ExportFolderText = 1751;        // "Files will be exported to below location:"
constexpr int BrowseButton = 1752;            // "..."
constexpr int CannotCreateDirectory = 1753;   // "Cannot create directory: %1"
constexpr int FolderNotAbsolute = 1754;       // a folder typed without its full path
constexpr int ExportWebProgress = 1755;       // "Exporting web pages"
constexpr int ExportCdProgress = 1756;        // "Exporting photo album"
constexpr int ExportProblems = 1757;          // the problems after an export
constexpr int ExportStopped = 1758;           // an export ended by a write error
constexpr int ProblemLine = 1759;             // "%1: %2"
constexpr int MoreProblems = 1760;            // "... and %1 more"
constexpr int PageOpenFailed = 1761;          // "Cannot open %1."
constexpr int CdViewerFailed = 1762;          // the viewer cannot be started
constexpr int ConvertFolderLabel = 1770;      // "Destination folder:"
constexpr int ConvertFormatLabel = 1771;      // "Format:"
constexpr int FolderMissing = 1772;           // "The folder %1 does not exist."
constexpr int ConvertProgress = 1773;         // "Converting images"
constexpr int ConvertReplace = 1774;          // asked before replacing existing files
constexpr int ConvertProblems = 1775;         // "Some files were not converted:\n%1"
constexpr int ConvertCopiedUnchanged = 1776;  // a file copied unchanged
constexpr int ConvertFailed = 1777;           // "%1 could not be written: %2"
// --- the Website Properties and Layout Properties sheets: the texts numbered
// of old, then the sheets' own (1800..1899) and the charset names (1900..)
constexpr int LocationFolderPrompt = 239;  // "Please select a folder" (the site location)
constexpr int HeaderBarPage = 244;
constexpr int TopNavigatorBarPage = 245;
constexpr int HistoryBarPage = 246;
constexpr int NextNavigatorBarPage = 247;
constexpr int FooterBarPage = 248;
constexpr int IndexBarPage = 249;
constexpr int ImagePage = 251;
constexpr int ImageNavigatorBarPage = 253;
constexpr int VariableNameMissing = 291;
constexpr int SystemMetaVariableTitle = 393;
constexpr int UserMetaVariableTitle = 394;
constexpr int Transparent = 469;
constexpr int SheetGeneral = 1800;
constexpr int SheetBackground = 1801;
constexpr int SheetMargins = 1802;
constexpr int SheetCustom = 1803;
constexpr int SheetLanguage = 1804;
constexpr int SheetHeader = 1805;
constexpr int SheetFooter = 1806;
constexpr int SheetLocation = 1807;
constexpr int SheetTitle = 1808;
constexpr int SheetBackgroundSound = 1809;
constexpr int SheetLoop = 1810;
constexpr int SheetForever = 1811;
constexpr int SheetCopyLinkedFiles = 1812;
constexpr int SheetAutomatic = 1813;
constexpr int SheetManual = 1814;
constexpr int SheetConvertGroup = 1815;
constexpr int SheetConvertImages = 1816;
constexpr int SoundFileFilter = 1817;
constexpr int SheetBrowse = 1818;
constexpr int SheetSpecifyBackground = 1819;
constexpr int SheetBackgroundImage = 1820;
constexpr int SheetWatermark = 1821;
constexpr int SheetColors = 1822;
constexpr int SheetUseDefaultColors = 1823;
constexpr int SheetTextColour = 1824;
constexpr int SheetHyperlinkColour = 1825;
constexpr int SheetVisitedColour = 1826;
constexpr int SheetActiveColour = 1827;
constexpr int ImageFileFilter = 1828;
constexpr int SheetSpecifyTopMargin = 1829;
constexpr int SheetSpecifyLeftMargin = 1830;
constexpr int SheetSystemVariables = 1831;
constexpr int SheetUserVariables = 1832;
constexpr int SheetVariableColumnName = 1833;
constexpr int SheetVariableColumnValue = 1834;
constexpr int SheetAdd = 1835;
constexpr int SheetModify = 1836;
constexpr int SheetRemove = 1837;
constexpr int SheetVariableName = 1838;
constexpr int SheetVariableValue = 1839;
constexpr int SheetEncodingLabel = 1840;
constexpr int SheetSaveGroup = 1841;
constexpr int SheetEncodingNote = 1842;
constexpr int TablePropertiesPage = 1850;
constexpr int MainCanvasPage = 1851;
constexpr int SheetBackgroundProperties = 1852;
constexpr int SheetImage = 1853;
constexpr int SheetColor = 1854;
constexpr int SheetFontProperties = 1855;
constexpr int SheetFont = 1856;
constexpr int SheetLayoutGroup = 1857;
constexpr int SheetAlignment = 1858;
constexpr int AlignDefault = 1859;
constexpr int AlignLeft = 1860;
constexpr int AlignCenter = 1861;
constexpr int AlignRight = 1862;
constexpr int FontDefaultFace = 1863;
constexpr int SheetRows = 1864;
constexpr int SheetColumns = 1865;
constexpr int SheetBorder = 1866;
constexpr int SheetWidth = 1867;
constexpr int SheetCellLine = 1868;
constexpr int SheetCellPadding = 1869;
constexpr int SheetCellSpacing = 1870;
constexpr int ColourResetTip = 1871;
constexpr int FontDialogTitle = 1872;
constexpr int CharsetNone = 1900;
constexpr int CharsetBaltic = 1901;
constexpr int CharsetCentralEuropean = 1902;
constexpr int CharsetCentralEuropeanIso = 1903;
constexpr int CharsetCyrillic = 1904;
constexpr int CharsetCyrillicKoi8r = 1905;
constexpr int CharsetGreek = 1906;
constexpr int CharsetJapaneseEuc = 1907;
constexpr int CharsetJapaneseJis = 1908;
constexpr int CharsetJapaneseShiftJis = 1909;
constexpr int CharsetKorean = 1910;
constexpr int CharsetUtf8 = 1911;
constexpr int CharsetSimplifiedChinese = 1912;
constexpr int CharsetTraditionalChinese = 1913;
constexpr int CharsetThai = 1914;
constexpr int CharsetTurkish = 1915;
constexpr int CharsetWestern = 1916;
constexpr int CharsetUnicode = 1917;
constexpr int CharsetUnicodeBigEndian = 1918;
// --- the property area (127..130 and 512..519 of old, 1600..)
constexpr int NavFirst = 127;               // "First"
constexpr int NavNext = 129;                // "Next"
constexpr int NavLast = 130;                // "Last"
constexpr int PosLeftImageRightText = 512;  // "Left image,right text"
constexpr int PosRightImageLeftText = 513;  // "Right image, left text"
constexpr int PosTopImageBottomText = 514;  // "Top image, bottom text"
constexpr int PosBottomImageTopText = 515;  // "Bottom image, top text"
constexpr int LinkStyleText = 516;          // "Text link"
constexpr int LinkStyleImage = 517;         // "Image link"
constexpr int LinkStyleBoth = 518;          // "Both"
constexpr int UseThumbnailImage = 519;      // "Use thumbnail image"
constexpr int NavPrevious = 1600;           // "Previous" (128 is the program's name)
constexpr int LabelLinkText = 1601;         // "Link text"
constexpr int LabelLinkImage = 1602;        // "Link image"
constexpr int LabelPositionStyle = 1603;    // "Position style"
constexpr int LabelLinkStyle = 1604;        // "Link style"
constexpr int LabelLinkTo = 1605;           // "Link to"
constexpr int LabelDescription = 1606;      // "Description"
constexpr int LabelRows = 1607;             // "Rows"
constexpr int LabelColumns = 1608;          // "Columns"
constexpr int LabelGlobal = 1609;           // "Global"
constexpr int LabelName = 1610;             // "Name"
constexpr int LabelPath = 1611;             // "Path"
constexpr int EnterInteger = 1612;          // "Please enter an integer."
constexpr int LinkImageFilter = 1613;       // "|"-separated filter of "Link image"
constexpr int FolderLinkToFilter = 1614;    // "|"-separated filter of a folder's "Link to"
constexpr int PageLinkToFilter = 1615;      // "|"-separated filter of a page's "Link to"
constexpr int TipBrowse = 1616;             // "Browse..."
constexpr int TipOpenTextEditor = 1617;     // "Edit in a larger box"
constexpr int TipCloseTextEditor = 1618;    // "Close the editor"
// --- the album explorer: its questions and the folder preview of its menu
constexpr int DeleteThisItem = 292;     // "Do you really want to delete this item?"
constexpr int DeleteTheseItems = 297;   // "Do you really want to delete these items?"
constexpr int MenuPreviewFolder = 521;  // "Preview web pages of selected folder"
// --- the album folder list (its old numbers, and 1550..1599)
constexpr int ListLinkText = 164;         // "Link text" column
constexpr int ListLinkTo = 166;           // "Link to" column

}  // namespace pictavo::sid
