#pragma once

#include <string>
#include <vector>

class Track;

// How the editor's dialogs read and show their fields.
class FormFields {
public:
    // Which text a track's list item shows first: the bar dialogs name the
    // track first, the track dialogs its instrument or style.
    enum class ItemOrder { TitleFirst, SelectorFirst };

    // A typed number as the dialogs read it: a leading decimal integer of at
    // most maxChars characters (anything after is ignored), 0 when there is
    // none. Never overflows.
    static long long ReadNumber(const std::string& text, size_t maxChars);
    // "1" ... count.
    static std::vector<std::string> BarItems(int count);
    // "<title> - <instrument or style>", or the other way round.
    static std::string TrackItem(const Track& track, ItemOrder order = ItemOrder::TitleFirst);
    // "<question> [<item>] ?" in the user's language: how the dialogs ask
    // before they delete; both pieces come translated.
    static std::string Confirmation(const std::string& question, const std::string& item);
};
