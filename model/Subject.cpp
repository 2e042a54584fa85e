#include "model/Subject.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "model/Observer.h"

namespace {

bool IsValidAspect(int aspect) {
    return aspect >= 0 && aspect < Subject::kNumAspects;
}

// The last few lists made by adding a registration to a list. Attaching an
// observer to a whole song, or copying a bar's observers onto each new chord,
// repeats the same additions object after object; each repeat then shares the
// list the first one made. A kept entry holds its source list too, so no
// other list can take that address while the entry is kept. One per thread,
// as subjects of different threads never share a registration.
class ExtensionMemo {
public:
    Subject::SharedRegistrations Extended(const Subject::SharedRegistrations& from,
                                          const Subject::Registration& entry) {
        for (const Extension& kept : m_kept) {
            if (kept.result != nullptr && kept.from == from && kept.entry == entry) {
                return kept.result;
            }
        }
        auto list = from != nullptr ? std::make_shared<Subject::Registrations>(*from)
                                    : std::make_shared<Subject::Registrations>();
        list->push_back(entry);
        m_kept[m_next] = {from, entry, list};
        m_next = (m_next + 1) % m_kept.size();
        return list;
    }

private:
    struct Extension {
        Subject::SharedRegistrations from;
        Subject::Registration entry{nullptr, 0};
        Subject::SharedRegistrations result;
    };
    std::array<Extension, 4> m_kept;
    size_t m_next = 0;
};

thread_local ExtensionMemo t_extensions;

}  // namespace

void Subject::Attach(Observer* observer, int aspect) {
    if (observer == nullptr || !IsValidAspect(aspect)) {
        return;
    }
    const Registration entry{observer, static_cast<std::uint8_t>(aspect)};
    if (!IsRegistered(entry)) {
        m_registrations = t_extensions.Extended(m_registrations, entry);
    }
}

void Subject::DetachAll() {
    m_registrations.reset();
}

void Subject::CopyObservers(const Subject& source) {
    if (&source == this) {
        return;
    }
    // Aspect by aspect, as a per-aspect list copy would do it.
    const SharedRegistrations snapshot = source.m_registrations;
    if (snapshot == nullptr) {
        return;
    }
    for (int aspect = 0; aspect < kNumAspects; ++aspect) {
        for (const Registration& entry : *snapshot) {
            if (entry.aspect == aspect) {
                Attach(entry.observer, aspect);
            }
        }
    }
}

void Subject::Detach(Observer* observer, int aspect) {
    const Registration entry{observer, static_cast<std::uint8_t>(aspect)};
    if (!IsRegistered(entry)) {
        return;
    }
    auto rest = std::make_shared<Registrations>(*m_registrations);
    std::erase(*rest, entry);
    m_registrations = rest->empty() ? nullptr : std::move(rest);
}

void Subject::SetRegistrations(SharedRegistrations registrations) {
    if (registrations != nullptr && registrations->empty()) {
        registrations.reset();
    }
    m_registrations = std::move(registrations);
}

bool Subject::IsA(const char* name) const {
    return name != nullptr && std::strcmp(GetClassName(), name) == 0;
}

void Subject::Notify(int aspect) {
    // The list is never changed in place, so holding it is the snapshot.
    const SharedRegistrations snapshot = m_registrations;
    if (snapshot == nullptr) {
        return;
    }
    for (const Registration& entry : *snapshot) {
        if (entry.aspect == aspect) {
            entry.observer->Update(this, aspect);
        }
    }
}

std::vector<Observer*> Subject::ObserversOf(int aspect) const {
    std::vector<Observer*> result;
    if (m_registrations == nullptr) {
        return result;
    }
    for (const Registration& entry : *m_registrations) {
        if (entry.aspect == aspect) {
            result.push_back(entry.observer);
        }
    }
    return result;
}

bool Subject::IsRegistered(const Registration& entry) const {
    return m_registrations != nullptr && std::find(m_registrations->begin(), m_registrations->end(),
                                                   entry) != m_registrations->end();
}
