#pragma once

namespace folia::command {

// FOLIA's menu commands, by their decimal menu ids.
enum : int {
    New = 1046,
    Exit = 1047,
    Author = 1048,
    SaveImage = 1070,
    TickControl = 1072,
    UnderlineFullHorizontal = 1073,
    UnderlineVertical = 1074,
    UnderlinePieceHorizontal = 1075,
    UnderlinePieceTwoColours = 1076,
    SetUp = 1077,
    Update = 1078,
    FavouriteColours = 1079,
    HorizontalColour = 1080,
    VerticalColour = 1081,
    TwoColourBackground = 1082,
    TwoColourFont = 1083,
    Undo = 1084,
    GoTo = 1085,
    UnderlineLink = 1086,
    LinkColour = 1087,
    UnderlinePieceBold = 1088,
    AlignRowsLeft = 1090,
    AlignRowsCentre = 1091,
    AlignRowsRight = 1092,
    GuideReader = 1093,
    UnderlineDefinition = 1094,
    SelectorColour = 1095,
    SelectorTextColour = 1096,
    ExportPdf = 1097,
    Find = 1098, // opens and closes the find bar
    Redo = 1099,
    RemoveMarks = 1100,
    ExportMarks = 1120,
    MarksList = 1121,
};

} // namespace folia::command
