#include "editor/PopupMenuTable.h"

#include "platform/Translation.h"

namespace {

const std::vector<MenuItem>& NotePopup() {
    static const std::vector<MenuItem> items = {
        {QS_TRANSLATE_NOOP("PopupMenu", "&Erase this note"), CommandId::EraseNote, {}, {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "&Tie to next note"), CommandId::AddTie, {}, {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "E&rase tie from this note"), CommandId::EraseTie, {}, {}},
        {"", CommandId::None, {}, {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "&Normal"), CommandId::AccidentalNormal, {}, {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "&Sharp"), CommandId::AccidentalSharp, {}, {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "&Flat"), CommandId::AccidentalFlat, {}, {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "N&atural"), CommandId::AccidentalNatural, {}, {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "Double Sharp (&x)"),
         CommandId::AccidentalDoubleSharp,
         {},
         {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "Double Flat (&bb)"),
         CommandId::AccidentalDoubleFlat,
         {},
         {}},
        {"", CommandId::None, {}, {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "&Dynamics"),
         CommandId::None,
         {{QS_TRANSLATE_NOOP("PopupMenu", "fff\t(&1)"), CommandId::DynamicFFF, {}, {}},
          {QS_TRANSLATE_NOOP("PopupMenu", "ff\t(&2)"), CommandId::DynamicFF, {}, {}},
          {QS_TRANSLATE_NOOP("PopupMenu", "f\t(&3)"), CommandId::DynamicF, {}, {}},
          {QS_TRANSLATE_NOOP("PopupMenu", "mf\t(&4)"), CommandId::DynamicMF, {}, {}},
          {QS_TRANSLATE_NOOP("PopupMenu", "mp\t(&5)"), CommandId::DynamicMP, {}, {}},
          {QS_TRANSLATE_NOOP("PopupMenu", "p\t(&6)"), CommandId::DynamicP, {}, {}},
          {QS_TRANSLATE_NOOP("PopupMenu", "pp\t(&7)"), CommandId::DynamicPP, {}, {}},
          {QS_TRANSLATE_NOOP("PopupMenu", "ppp\t(&8)"), CommandId::DynamicPPP, {}, {}},
          {QS_TRANSLATE_NOOP("PopupMenu", "sf\t(&s)"), CommandId::DynamicSF, {}, {}},
          {QS_TRANSLATE_NOOP("PopupMenu", "accent\t(&a)"), CommandId::DynamicAccent, {}, {}},
          {"", CommandId::None, {}, {}},
          {QS_TRANSLATE_NOOP("PopupMenu", "&Clear Dynamic Markings"),
           CommandId::DynamicClear,
           {},
           {}}},
         {}},
    };
    return items;
}

const std::vector<MenuItem>& BarPopup() {
    static const std::vector<MenuItem> items = {
        {QS_TRANSLATE_NOOP("PopupMenu", "&Insert bars in front of ..."),
         CommandId::InsertBarsBefore,
         {},
         {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "Insert bars &after ..."),
         CommandId::InsertBarsAfter,
         {},
         {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "&Delete"), CommandId::DeleteBlock, {}, {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "Clea&r"), CommandId::ClearBlock, {}, {}},
        {"", CommandId::None, {}, {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "&Copy"), CommandId::Copy, {}, {}},
        {QS_TRANSLATE_NOOP("PopupMenu", "&Paste"), CommandId::Paste, {}, {}},
    };
    return items;
}

}  // namespace

const std::vector<MenuItem>& PopupMenuTable::Items(std::string_view menuName) {
    static const std::vector<MenuItem> userText = {
        {QS_TRANSLATE_NOOP("PopupMenu", "&Delete"), CommandId::DeleteUserText, {}, {}}};
    static const std::vector<MenuItem> null = {
        {QS_TRANSLATE_NOOP("PopupMenu", "Insert Text"), CommandId::InsertText, {}, {}}};
    static const std::vector<MenuItem> none;
    if (menuName == "NotePopup") {
        return NotePopup();
    }
    if (menuName == "BarPopup") {
        return BarPopup();
    }
    if (menuName == "UserTextPopup") {
        return userText;
    }
    if (menuName == "NullPopup") {
        return null;
    }
    return none;
}

std::string PopupMenuTable::Caption(const MenuItem& item) {
    return item.caption.empty() ? std::string()
                                : Translation::Text("PopupMenu", std::string(item.caption).c_str());
}
