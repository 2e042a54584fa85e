#pragma once

#include <cstdint>
#include <vector>

class Observer;

// Keeps, for each of 20 aspects, an ordered list of observers (each at most
// once per aspect) and tells them about changes. Every object of the song
// model derives from it, so registrations are held compactly: one vector of
// (observer, aspect) pairs in registration order, which keeps each aspect's
// order and costs one small allocation per observed object. The subject does
// not own its observers.
class Subject {
public:
    static constexpr int kNumAspects = 20;

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
    bool HasObservers() const { return !m_registrations.empty(); }

private:
    struct Registration {
        Observer* observer;
        std::uint8_t aspect;
        bool operator==(const Registration&) const = default;
    };
    std::vector<Registration> m_registrations;
};
