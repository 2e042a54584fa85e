#pragma once

#include <memory>

// Something the undo history can keep recorded states of.
class Undoable {
public:
    virtual ~Undoable() = default;

    // A new record of the object's present state, owned by the caller, from
    // which the object's class can make an equal object again. Records do not
    // change afterwards, whatever happens to the object.
    virtual std::unique_ptr<Undoable> Snapshot() const = 0;
};
