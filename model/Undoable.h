#pragma once

#include <memory>

// Something the undo history can keep whole copies of.
class Undoable {
public:
    virtual ~Undoable() = default;

    // A new deep copy of the object, owned by the caller.
    virtual std::unique_ptr<Undoable> Snapshot() const = 0;
};
