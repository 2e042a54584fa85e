#pragma once

// The score view as the model's floating controls see it: the window they
// open their edit field or drop-down list in. Implemented by the Qt view.
class ScoreWindow {
public:
    virtual ~ScoreWindow() = default;
};
