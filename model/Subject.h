#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class Observer;

// Keeps, for each of 20 aspects, an ordered list of observers (each at most
// once per aspect) and tells them about changes. Every object of the song
// model derives from it, and nearly all of a song's objects are observed
// alike, so registrations are held as one immutable list of (observer,
// aspect) pairs in registration order, shared by every subject that has the
// same: a copy shares its original's list, attaching the same observer to
// many subjects in a row gives them all one new list, and any change to a
// subject's registrations replaces its list. An unobserved subject holds
// none. The subject does not own its observers.
class Subject {
public:
    static constexpr int kNumAspects = 20;

    struct Registration {
        Observer* observer;
        std::uint8_t aspect;
        bool operator==(const Registration&) const = default;
    };
    using Registrations = std::vector<Registration>;
    using SharedRegistrations = std::shared_ptr<const Registrations>;

    Subject() = default;
    // A copy is observed by the same observers as the original.
    Subject(const Subject&) = default;
    Subject& operator=(const Subject&) = default;
    virtual ~Subject() = default;

    // Appends the observer to the aspect's list unless it is already there.
    // Containers override this to pass the registration down to their children.
    virtual void Attach(Observer* observer, int aspect);
    // Empties every list.
    virtual void DetachAll();
    // Calls this object's own Attach for every registration of the source, in
    // the source's order, aspect by aspect.
    virtual void CopyObservers(const Subject& source);
    // Removes the observer from the aspect's list.
    virtual void Detach(Observer* observer, int aspect);
    // The class's own name, exactly as the class is spelled.
    virtual const char* GetClassName() const = 0;
    // True only when GetClassName equals the name; base classes do not count.
    virtual bool IsA(const char* name) const;

    // Calls Update on a snapshot of the aspect's list, so observers may attach
    // or detach while being notified; one attached meanwhile is not called.
    void Notify(int aspect);

    // The aspect's observers in registration order.
    std::vector<Observer*> ObserversOf(int aspect) const;
    bool HasObservers() const { return m_registrations != nullptr; }
    // The whole list, null while unobserved; subjects observed alike may
    // share it. Setting it back whole is for records that rebuild an object
    // as it was observed.
    const SharedRegistrations& GetRegistrations() const { return m_registrations; }
    void SetRegistrations(SharedRegistrations registrations);

private:
    bool IsRegistered(const Registration& entry) const;

    // Null rather than empty.
    SharedRegistrations m_registrations;
};
