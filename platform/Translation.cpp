#include "platform/Translation.h"

#include <atomic>

namespace {

std::atomic<Translation::Translator>& Installed() {
    static std::atomic<Translation::Translator> translator{nullptr};
    return translator;
}

}  // namespace

std::string Translation::Text(const char* context, const char* source) {
    const Translator translator = Installed().load(std::memory_order_acquire);
    return translator != nullptr ? translator(context, source) : std::string(source);
}

void Translation::Install(Translator translator) {
    Installed().store(translator, std::memory_order_release);
}

bool Translation::IsInstalled() {
    return Installed().load(std::memory_order_acquire) != nullptr;
}

std::string Translation::Fill(std::string_view pattern,
                              std::initializer_list<std::string_view> pieces) {
    std::string text;
    text.reserve(pattern.size());
    const std::string_view* next = pieces.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const char following = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (c != '%' || (following != 's' && following != 'd' && following != '%')) {
            text += c;
            continue;
        }
        ++i;
        if (following == '%') {
            text += '%';
        } else if (next != pieces.end()) {
            text += *next++;
        } else {
            text += '%';
            text += following;
        }
    }
    return text;
}
