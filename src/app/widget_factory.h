// Creating child widgets: Qt's parent owns every child and deletes it with the parent.
#pragma once

#include <QWidget>

namespace brevant {

// A new widget owned by parent (Qt's parent-child ownership); never deleted by the caller.
template <class W, class... Args> W* Child(QWidget* parent, Args&&... args) {
    return new W(std::forward<Args>(args)..., parent); // NOLINT: owned by parent
}

// A new object (layout, action, animation) owned by its QObject parent.
template <class T, class P, class... Args> T* Owned(P* parent, Args&&... args) {
    return new T(std::forward<Args>(args)..., parent); // NOLINT: owned by parent
}

} // namespace brevant
