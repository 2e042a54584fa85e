#include "editor/FormFields.h"

#include <cctype>
#include <climits>

#include "model/Track.h"
#include "platform/Translation.h"

long long FormFields::ReadNumber(const std::string& text, size_t maxChars) {
    const std::string typed = text.substr(0, maxChars);
    size_t i = 0;
    while (i < typed.size() && std::isspace(static_cast<unsigned char>(typed[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < typed.size() && (typed[i] == '-' || typed[i] == '+')) {
        negative = typed[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < typed.size() && std::isdigit(static_cast<unsigned char>(typed[i])); ++i) {
        value = value > (LLONG_MAX - 9) / 10 ? LLONG_MAX : value * 10 + (typed[i] - '0');
    }
    return negative ? -value : value;
}

std::vector<std::string> FormFields::BarItems(int count) {
    std::vector<std::string> items;
    for (int i = 1; i <= count; ++i) {
        items.push_back(std::to_string(i));
    }
    return items;
}

std::string FormFields::TrackItem(const Track& track, ItemOrder order) {
    const FloatingCombo* selector = track.GetSelector();
    const std::string selectorText = selector != nullptr ? selector->CurrentText() : std::string();
    return order == ItemOrder::TitleFirst ? track.GetTitle() + " - " + selectorText
                                          : selectorText + " - " + track.GetTitle();
}

std::string FormFields::Confirmation(const std::string& question, const std::string& item) {
    // The pattern is translated too: a language may ask with words after the item.
    return Translation::Fill(Translation::Text("FormFields", "%s [%s] ?"), {question, item});
}
