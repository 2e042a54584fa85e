#include "editor/commands/MainMenuTable.h"

namespace {

MenuItem Edit() {
    return {"&Edit",
            CommandId::None,
            {{"&Copy\tCtrl-C", CommandId::Copy, {}, {"Ctrl+C", "Ctrl+Ins"}},
             {"&Paste\tCtrl-V", CommandId::Paste, {}, {"Ctrl+V", "Shift+Ins"}}},
            {}};
}

MenuItem View() {
    return {"&View",
            CommandId::None,
            {{"&Zoom",
              CommandId::None,
              {{"200% (&1)", CommandId::Zoom200, {}, {}},
               {"150% (&2)", CommandId::Zoom150, {}, {}},
               {"125% (&3)", CommandId::Zoom125, {}, {}},
               {"100% (&4)", CommandId::Zoom100, {}, {}},
               {"75% (&5)", CommandId::Zoom75, {}, {}},
               {"50% (&6)", CommandId::Zoom50, {}, {}},
               {"", CommandId::None, {}, {}},
               {"&Custom...", CommandId::ZoomCustom, {}, {}}},
              {}},
             {"&Num of bars per line",
              CommandId::None,
              {{"1", CommandId::BarsPerLine1, {}, {}},
               {"2", CommandId::BarsPerLine2, {}, {}},
               {"3", CommandId::BarsPerLine3, {}, {}},
               {"4", CommandId::BarsPerLine4, {}, {}}},
              {}},
             {"", CommandId::None, {}, {}},
             {"Pre&vious Page\tCtrl+PgUp", CommandId::PreviousPage, {}, {"Ctrl+PgUp"}},
             {"Ne&xt Page\tCtrl+PgDown", CommandId::NextPage, {}, {"Ctrl+PgDown"}}},
            {}};
}

MenuItem Bar() {
    return {"&Bar",
            CommandId::None,
            {{"&Insert", CommandId::InsertBars, {}, {}},
             {"&Delete", CommandId::DeleteBars, {}, {}},
             {"&Clear", CommandId::ClearBars, {}, {}},
             {"Co&py", CommandId::CopyBars, {}, {}},
             {"", CommandId::None, {}, {}},
             {"&Shift Notes Up/Down", CommandId::ShiftNotes, {}, {}}},
            {}};
}

MenuItem Track() {
    return {"&Track",
            CommandId::None,
            {{"&Insert",
              CommandId::None,
              {{"&Treble", CommandId::InsertTrebleTrack, {}, {}},
               {"&Bass", CommandId::InsertBassTrack, {}, {}},
               {"&Percussion", CommandId::InsertPercussionTrack, {}, {}},
               {"&Accompaniment", CommandId::InsertAccompanimentTrack, {}, {}}},
              {}},
             {"&Delete", CommandId::DeleteTrack, {}, {}},
             {"&Organize", CommandId::OrganizeTracks, {}, {}},
             {"", CommandId::None, {}, {}},
             {"&Lyrics", CommandId::Lyrics, {}, {}}},
            {}};
}

MenuItem Music() {
    return {"&Music", CommandId::None, {{"&Transpose", CommandId::Transpose, {}, {}}}, {}};
}

MenuItem Help() {
    return {"&Help",
            CommandId::None,
            {{"Table of &Contents", CommandId::HelpContents, {}, {"F1"}},
             {"", CommandId::None, {}, {}},
             {"Online &Support", CommandId::OnlineSupport, {}, {}},
             {"Report &Bugs", CommandId::ReportBugs, {}, {}}},
            {}};
}

}  // namespace

const std::vector<MenuItem>& MainMenuTable::Shortcuts() {
    static const std::vector<MenuItem> shortcuts = {
        {"Zoom In", CommandId::ZoomIn, {}, {"Ctrl++", "Ctrl+="}},
        {"Zoom Out", CommandId::ZoomOut, {}, {"Ctrl+-"}},
    };
    return shortcuts;
}

const std::vector<MenuItem>& MainMenuTable::Menus() {
    static const std::vector<MenuItem> menus = {Edit(), View(), Bar(), Track(), Music(), Help()};
    return menus;
}
