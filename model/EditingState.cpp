#include "model/EditingState.h"

#include <atomic>

namespace {

class EmptyEditingState : public EditingState {
public:
    SelObject* Hover() const override { return nullptr; }
    void SetHover(SelObject* /*object*/) override {}
    bool IsSelected(const SelObject* /*object*/) const override { return false; }
    bool HasSelection() const override { return false; }
    void ClearSelection(bool /*notify*/) override {}
    void ForgetInside(const SelObject* /*container*/) override {}
    void ForgetOwnedBy(const SelObject* /*owner*/) override {}
    void AddDirtyRect(const Rect& /*rect*/) override {}
    void SetPageCounters(int /*totalBars*/, int /*barsPerPage*/) override {}
};

EmptyEditingState s_empty;
std::atomic<EditingState*> s_instance{nullptr};

}  // namespace

EditingState& EditingState::Instance() {
    EditingState* installed = s_instance.load(std::memory_order_acquire);
    return installed != nullptr ? *installed : s_empty;
}

void EditingState::SetInstance(EditingState* state) {
    s_instance.store(state, std::memory_order_release);
}
