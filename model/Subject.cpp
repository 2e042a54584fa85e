#include "model/Subject.h"

#include <algorithm>
#include <cstring>

#include "model/Observer.h"

namespace {
bool IsValidAspect(int aspect) {
    return aspect >= 0 && aspect < Subject::kNumAspects;
}
}  // namespace

void Subject::Attach(Observer* observer, int aspect) {
    if (observer == nullptr || !IsValidAspect(aspect)) {
        return;
    }
    const Registration entry{observer, static_cast<std::uint8_t>(aspect)};
    if (std::find(m_registrations.begin(), m_registrations.end(), entry) == m_registrations.end()) {
        m_registrations.push_back(entry);
    }
}

void Subject::DetachAll() {
    m_registrations.clear();
    m_registrations.shrink_to_fit();
}

void Subject::CopyObservers(const Subject& source) {
    if (&source == this) {
        return;
    }
    // Aspect by aspect, as a per-aspect list copy would do it.
    const std::vector<Registration> snapshot = source.m_registrations;
    for (int aspect = 0; aspect < kNumAspects; ++aspect) {
        for (const Registration& entry : snapshot) {
            if (entry.aspect == aspect) {
                Attach(entry.observer, aspect);
            }
        }
    }
}

void Subject::Detach(Observer* observer, int aspect) {
    const Registration entry{observer, static_cast<std::uint8_t>(aspect)};
    std::erase(m_registrations, entry);
}

bool Subject::IsA(const char* name) const {
    return name != nullptr && std::strcmp(GetClassName(), name) == 0;
}

void Subject::Notify(int aspect) {
    const std::vector<Observer*> snapshot = ObserversOf(aspect);
    for (Observer* observer : snapshot) {
        observer->Update(this, aspect);
    }
}

std::vector<Observer*> Subject::ObserversOf(int aspect) const {
    std::vector<Observer*> result;
    for (const Registration& entry : m_registrations) {
        if (entry.aspect == aspect) {
            result.push_back(entry.observer);
        }
    }
    return result;
}
