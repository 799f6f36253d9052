#pragma once
// GMime objects owned by unique_ptr, and the library's one-time start.
#include <gmime/gmime.h>

#include <memory>

namespace quillora {

template <typename T>
struct GUnref {
    void operator()(T* p) const {
        if (p) g_object_unref(p);
    }
};
template <typename T>
using GPtr = std::unique_ptr<T, GUnref<T>>;

inline void InitGMime() {
    static const bool done = [] {
        g_mime_init();
        return true;
    }();
    (void)done;
}

}  // namespace quillora
