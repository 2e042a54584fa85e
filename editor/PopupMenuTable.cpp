#include "editor/PopupMenuTable.h"

namespace {

const std::vector<PopupMenuItem>& NotePopup() {
    static const std::vector<PopupMenuItem> items = {
        {"&Erase this note", {}},
        {"&Tie to next note", {}},
        {"E&rase tie from this note", {}},
        {"", {}},
        {"&Normal", {}},
        {"&Sharp", {}},
        {"&Flat", {}},
        {"N&atural", {}},
        {"Double Sharp (&x)", {}},
        {"Double Flat (&bb)", {}},
        {"", {}},
        {"&Dynamics",
         {{"fff\t(&1)", {}},
          {"ff\t(&2)", {}},
          {"f\t(&3)", {}},
          {"mf\t(&4)", {}},
          {"mp\t(&5)", {}},
          {"p\t(&6)", {}},
          {"pp\t(&7)", {}},
          {"ppp\t(&8)", {}},
          {"sf\t(&s)", {}},
          {"accent\t(&a)", {}},
          {"", {}},
          {"&Clear Dynamic Markings", {}}}},
    };
    return items;
}

const std::vector<PopupMenuItem>& BarPopup() {
    static const std::vector<PopupMenuItem> items = {
        {"&Insert bars in front of ...", {}},
        {"Insert bars &after ...", {}},
        {"&Delete", {}},
        {"Clea&r", {}},
        {"", {}},
        {"&Copy", {}},
        {"&Paste", {}},
    };
    return items;
}

}  // namespace

const std::vector<PopupMenuItem>& PopupMenuTable::Items(std::string_view menuName) {
    static const std::vector<PopupMenuItem> userText = {{"&Delete", {}}};
    static const std::vector<PopupMenuItem> null = {{"Insert Text", {}}};
    static const std::vector<PopupMenuItem> none;
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
