#pragma once
// The numbers of the program's commands. Menus, toolbars, keys and context
// menus all reach a command through its number (see CommandRegistry).

namespace pictavo {

enum class CommandId : int {
    New = 57600,
    Open = 57601,
    Close = 57602,
    Save = 57603,
    SaveAs = 57604,
    Recent1 = 283,
    Recent2 = 284,
    Recent3 = 285,
    Recent4 = 286,
    ImportFolder = 160,
    ImportFiles = 161,
    Exit = 57665,

    Undo = 57643,
    Redo = 57644,
    NewFolder = 145,
    NewLink = 146,
    Cut = 57635,
    Copy = 57634,
    Paste = 57637,
    Delete = 147,
    MoveUp = 149,
    MoveDown = 150,

    ConvertImages = 358,
    ExportWeb = 153,
    PreviewWeb = 152,
    ExportCd = 445,
    PreviewCd = 446,
    // The album explorer's menu: preview of the selected folder's pages.
    PreviewFolder = 520,

    Toolbar = 443,
    StatusBar = 59393,
    AlbumExplorer = 349,
    FileExplorer = 350,
    PropertyArea = 351,
    LargeIcons = 352,
    SmallIcons = 353,
    List = 356,
    Details = 354,
    Thumbnails = 355,
    Refresh = 382,

    WebsiteProperties = 179,
    LayoutProperties = 176,
    Environment = 451,

    HelpContents = 312,
    TipOfTheDay = 333,
    About = 57664,
    NextPane = 57680,
    PreviousPane = 57681,
};

}  // namespace pictavo
