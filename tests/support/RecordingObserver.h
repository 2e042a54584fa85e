#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "model/Observer.h"
#include "model/Subject.h"

// Remembers every notification it receives, in order; an optional action runs
// inside Update to let tests change registrations mid-notification.
class RecordingObserver : public Observer {
public:
    void Update(Subject* subject, int aspect) override {
        calls.emplace_back(subject, aspect);
        if (onUpdate) {
            onUpdate(subject, aspect);
        }
    }

    int CountFor(int aspect) const {
        int n = 0;
        for (const auto& call : calls) {
            n += call.second == aspect ? 1 : 0;
        }
        return n;
    }

    std::vector<std::pair<Subject*, int>> calls;
    std::function<void(Subject*, int)> onUpdate;
};
