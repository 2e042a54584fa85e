#include "model/SelObject.h"

std::unique_ptr<SelObject> SelObject::CloneUntied(int /*edges*/) const {
    return Clone();
}

void SelObject::OnPointerDown(DeviceContext*, int, int, unsigned) {}

void SelObject::OnActivate(DeviceContext*, int, int, unsigned) {}

void SelObject::OnPointerDrag(DeviceContext*, int, int, unsigned) {}

const int* SelObject::GetProperty(std::string_view name) const {
    return m_parent != nullptr ? m_parent->GetProperty(name) : nullptr;
}

void SelObject::CutEdgeTies() {}

bool SelObject::SameKindAs(const SelObject&) const {
    return false;
}

void SelObject::PasteIfSameKind(const SelObject&, int) {}

int SelObject::PropertyOr(std::string_view name, int fallback) const {
    const int* value = GetProperty(name);
    return value != nullptr ? *value : fallback;
}

void SelObject::Draw(DeviceContext& /*dc*/) {}
