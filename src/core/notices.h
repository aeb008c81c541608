// The notices a layout gives while it calculates: a message box and the status line. The engine
// implements this for its host; tests record what was said.
#pragma once

#include "core/host.h"

#include <string>

namespace brevant {

class INotices {
public:
    virtual ~INotices() = default;
    // Shows a modal message of the given kind and returns the button pressed (MessageResult).
    virtual int ShowMessageDialog(const std::string& title, const std::string& body,
                                  int kind = kMessageOk) = 0;
    // Writes the status line (the engine may keep a status it was asked to keep once).
    virtual void ShowStatus(const std::string& text) = 0;
};

} // namespace brevant
