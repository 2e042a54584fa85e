#include "editor/PopupMenuTable.h"

namespace {

const std::vector<MenuItem>& NotePopup() {
    static const std::vector<MenuItem> items = {
        {"&Erase this note", CommandId::EraseNote, {}, {}},
        {"&Tie to next note", CommandId::AddTie, {}, {}},
        {"E&rase tie from this note", CommandId::EraseTie, {}, {}},
        {"", CommandId::None, {}, {}},
        {"&Normal", CommandId::AccidentalNormal, {}, {}},
        {"&Sharp", CommandId::AccidentalSharp, {}, {}},
        {"&Flat", CommandId::AccidentalFlat, {}, {}},
        {"N&atural", CommandId::AccidentalNatural, {}, {}},
        {"Double Sharp (&x)", CommandId::AccidentalDoubleSharp, {}, {}},
        {"Double Flat (&bb)", CommandId::AccidentalDoubleFlat, {}, {}},
        {"", CommandId::None, {}, {}},
        {"&Dynamics",
         CommandId::None,
         {{"fff\t(&1)", CommandId::DynamicFFF, {}, {}},
          {"ff\t(&2)", CommandId::DynamicFF, {}, {}},
          {"f\t(&3)", CommandId::DynamicF, {}, {}},
          {"mf\t(&4)", CommandId::DynamicMF, {}, {}},
          {"mp\t(&5)", CommandId::DynamicMP, {}, {}},
          {"p\t(&6)", CommandId::DynamicP, {}, {}},
          {"pp\t(&7)", CommandId::DynamicPP, {}, {}},
          {"ppp\t(&8)", CommandId::DynamicPPP, {}, {}},
          {"sf\t(&s)", CommandId::DynamicSF, {}, {}},
          {"accent\t(&a)", CommandId::DynamicAccent, {}, {}},
          {"", CommandId::None, {}, {}},
          {"&Clear Dynamic Markings", CommandId::DynamicClear, {}, {}}},
         {}},
    };
    return items;
}

const std::vector<MenuItem>& BarPopup() {
    static const std::vector<MenuItem> items = {
        {"&Insert bars in front of ...", CommandId::InsertBarsBefore, {}, {}},
        {"Insert bars &after ...", CommandId::InsertBarsAfter, {}, {}},
        {"&Delete", CommandId::DeleteBlock, {}, {}},
        {"Clea&r", CommandId::ClearBlock, {}, {}},
        {"", CommandId::None, {}, {}},
        {"&Copy", CommandId::Copy, {}, {}},
        {"&Paste", CommandId::Paste, {}, {}},
    };
    return items;
}

}  // namespace

const std::vector<MenuItem>& PopupMenuTable::Items(std::string_view menuName) {
    static const std::vector<MenuItem> userText = {{"&Delete", CommandId::DeleteUserText, {}, {}}};
    static const std::vector<MenuItem> null = {{"Insert Text", CommandId::InsertText, {}, {}}};
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
