#pragma once

class Subject;

// Something that wants to hear about changes of a Subject. What an aspect
// number means belongs to the subject's class.
class Observer {
public:
    virtual ~Observer() = default;

    // Called by Subject::Notify on the thread that notified.
    virtual void Update(Subject* subject, int aspect) = 0;
};
