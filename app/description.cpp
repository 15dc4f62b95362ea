#include "app/description.h"

#include <cstring>

bool IsTabStop(const ControlDesc& c) {
    return c.kind != Kind::Timer && c.kind != Kind::Label;
}

std::size_t TabOrder(const WindowDesc& w, std::size_t* out, std::size_t cap) {
    std::size_t n = 0;
    for (std::size_t i = w.count; i-- > 0;)
        if (IsTabStop(w.controls[i]) && n < cap) out[n++] = i;
    return n;
}

int CentredOrigin(int screen, int size) {
    return (screen - size) / 2;
}

const ControlDesc* FindControl(const WindowDesc& w, const char* unit) {
    for (std::size_t i = 0; i < w.count; ++i)
        if (std::strcmp(w.controls[i].unit, unit) == 0) return &w.controls[i];
    return nullptr;
}
