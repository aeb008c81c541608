// Lookups in a table of input fields.
#include "core/input_fields.h"

#include "core/string_util.h"

#include <string>

namespace brevant {

const InputField* FindInputField(std::span<const InputField> fields, std::string_view key) {
    const std::string wanted = ToUpperAscii(key);
    for (const InputField& f : fields)
        if (ToUpperAscii(f.key) == wanted) return &f;
    return nullptr;
}

const InputField* FindFieldOfControl(std::span<const InputField> fields, std::string_view control) {
    for (const InputField& f : fields)
        if (control == f.control) return &f;
    return nullptr;
}

const InputField* FindFieldOfTag(std::span<const InputField> fields, int tag) {
    if (tag == 0) return nullptr;
    for (const InputField& f : fields)
        if (f.tag == tag) return &f;
    return nullptr;
}

} // namespace brevant
