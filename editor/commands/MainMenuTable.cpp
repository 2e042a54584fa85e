#include "editor/commands/MainMenuTable.h"

#include "platform/Translation.h"

namespace {

MenuItem Edit() {
    return {QS_TRANSLATE_NOOP("MainMenu", "&Edit"),
            CommandId::None,
            {{QS_TRANSLATE_NOOP("MainMenu", "&Copy\tCtrl-C"),
              CommandId::Copy,
              {},
              {"Ctrl+C", "Ctrl+Ins"}},
             {QS_TRANSLATE_NOOP("MainMenu", "&Paste\tCtrl-V"),
              CommandId::Paste,
              {},
              {"Ctrl+V", "Shift+Ins"}}},
            {}};
}

MenuItem View() {
    return {QS_TRANSLATE_NOOP("MainMenu", "&View"),
            CommandId::None,
            {{QS_TRANSLATE_NOOP("MainMenu", "&Zoom"),
              CommandId::None,
              {{QS_TRANSLATE_NOOP("MainMenu", "200% (&1)"), CommandId::Zoom200, {}, {}},
               {QS_TRANSLATE_NOOP("MainMenu", "150% (&2)"), CommandId::Zoom150, {}, {}},
               {QS_TRANSLATE_NOOP("MainMenu", "125% (&3)"), CommandId::Zoom125, {}, {}},
               {QS_TRANSLATE_NOOP("MainMenu", "100% (&4)"), CommandId::Zoom100, {}, {}},
               {QS_TRANSLATE_NOOP("MainMenu", "75% (&5)"), CommandId::Zoom75, {}, {}},
               {QS_TRANSLATE_NOOP("MainMenu", "50% (&6)"), CommandId::Zoom50, {}, {}},
               {"", CommandId::None, {}, {}},
               {QS_TRANSLATE_NOOP("MainMenu", "&Custom..."), CommandId::ZoomCustom, {}, {}}},
              {}},
             {QS_TRANSLATE_NOOP("MainMenu", "&Num of bars per line"),
              CommandId::None,
              {{QS_TRANSLATE_NOOP("MainMenu", "1"), CommandId::BarsPerLine1, {}, {}},
               {QS_TRANSLATE_NOOP("MainMenu", "2"), CommandId::BarsPerLine2, {}, {}},
               {QS_TRANSLATE_NOOP("MainMenu", "3"), CommandId::BarsPerLine3, {}, {}},
               {QS_TRANSLATE_NOOP("MainMenu", "4"), CommandId::BarsPerLine4, {}, {}}},
              {}},
             {"", CommandId::None, {}, {}},
             {QS_TRANSLATE_NOOP("MainMenu", "Pre&vious Page\tCtrl+PgUp"),
              CommandId::PreviousPage,
              {},
              {"Ctrl+PgUp"}},
             {QS_TRANSLATE_NOOP("MainMenu", "Ne&xt Page\tCtrl+PgDown"),
              CommandId::NextPage,
              {},
              {"Ctrl+PgDown"}}},
            {}};
}

MenuItem Bar() {
    return {
        QS_TRANSLATE_NOOP("MainMenu", "&Bar"),
        CommandId::None,
        {{QS_TRANSLATE_NOOP("MainMenu", "&Insert"), CommandId::InsertBars, {}, {}},
         {QS_TRANSLATE_NOOP("MainMenu", "&Delete"), CommandId::DeleteBars, {}, {}},
         {QS_TRANSLATE_NOOP("MainMenu", "&Clear"), CommandId::ClearBars, {}, {}},
         {QS_TRANSLATE_NOOP("MainMenu", "Co&py"), CommandId::CopyBars, {}, {}},
         {"", CommandId::None, {}, {}},
         {QS_TRANSLATE_NOOP("MainMenu", "&Shift Notes Up/Down"), CommandId::ShiftNotes, {}, {}}},
        {}};
}

MenuItem Track() {
    return {
        QS_TRANSLATE_NOOP("MainMenu", "&Track"),
        CommandId::None,
        {{QS_TRANSLATE_NOOP("MainMenu", "&Insert"),
          CommandId::None,
          {{QS_TRANSLATE_NOOP("MainMenu", "&Treble"), CommandId::InsertTrebleTrack, {}, {}},
           {QS_TRANSLATE_NOOP("MainMenu", "&Bass"), CommandId::InsertBassTrack, {}, {}},
           {QS_TRANSLATE_NOOP("MainMenu", "&Percussion"), CommandId::InsertPercussionTrack, {}, {}},
           {QS_TRANSLATE_NOOP("MainMenu", "&Accompaniment"),
            CommandId::InsertAccompanimentTrack,
            {},
            {}}},
          {}},
         {QS_TRANSLATE_NOOP("MainMenu", "&Delete"), CommandId::DeleteTrack, {}, {}},
         {QS_TRANSLATE_NOOP("MainMenu", "&Organize"), CommandId::OrganizeTracks, {}, {}},
         {"", CommandId::None, {}, {}},
         {QS_TRANSLATE_NOOP("MainMenu", "&Lyrics"), CommandId::Lyrics, {}, {}}},
        {}};
}

MenuItem Music() {
    return {QS_TRANSLATE_NOOP("MainMenu", "&Music"),
            CommandId::None,
            {{QS_TRANSLATE_NOOP("MainMenu", "&Transpose"), CommandId::Transpose, {}, {}}},
            {}};
}

MenuItem Help() {
    return {
        QS_TRANSLATE_NOOP("MainMenu", "&Help"),
        CommandId::None,
        {{QS_TRANSLATE_NOOP("MainMenu", "Table of &Contents"), CommandId::HelpContents, {}, {"F1"}},
         {"", CommandId::None, {}, {}},
         {QS_TRANSLATE_NOOP("MainMenu", "Online &Support"), CommandId::OnlineSupport, {}, {}},
         {QS_TRANSLATE_NOOP("MainMenu", "Report &Bugs"), CommandId::ReportBugs, {}, {}}},
        {}};
}

}  // namespace

const std::vector<MenuItem>& MainMenuTable::Shortcuts() {
    static const std::vector<MenuItem> shortcuts = {
        {QS_TRANSLATE_NOOP("MainMenu", "Zoom In"), CommandId::ZoomIn, {}, {"Ctrl++", "Ctrl+="}},
        {QS_TRANSLATE_NOOP("MainMenu", "Zoom Out"), CommandId::ZoomOut, {}, {"Ctrl+-"}},
    };
    return shortcuts;
}

const std::vector<MenuItem>& MainMenuTable::Menus() {
    static const std::vector<MenuItem> menus = {Edit(), View(), Bar(), Track(), Music(), Help()};
    return menus;
}

std::string MainMenuTable::Caption(const MenuItem& item) {
    return item.caption.empty() ? std::string()
                                : Translation::Text("MainMenu", std::string(item.caption).c_str());
}
