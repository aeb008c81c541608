// A kind's input fields together with the members of its definition struct that keep their
// values: one table gives both the field rows and where each value goes.
#pragma once

#include "core/input_fields.h"
#include "core/result_value.h"

#include <array>
#include <cstddef>
#include <span>
#include <variant>

namespace brevant {

template <class Def> using FieldMember = std::variant<float Def::*, int Def::*, bool Def::*>;

template <class Def> struct BoundField {
    InputField Field;
    FieldMember<Def> Member;
};

template <class Def, std::size_t N> class FieldTable {
public:
    explicit constexpr FieldTable(const BoundField<Def> (&rows)[N]) {
        for (std::size_t i = 0; i < N; ++i) {
            fields_[i] = rows[i].Field;
            members_[i] = rows[i].Member;
        }
    }
    std::span<const InputField> Fields() const { return fields_; }
    // The member of a row of this table (by its address), or nothing for another table's row.
    FieldTarget Target(Def& def, const InputField& field) const {
        for (std::size_t i = 0; i < N; ++i) {
            if (&fields_[i] != &field) continue;
            const FieldMember<Def>& m = members_[i];
            if (const auto* f = std::get_if<float Def::*>(&m)) return &(def.**f);
            if (const auto* n = std::get_if<int Def::*>(&m)) return &(def.**n);
            if (const auto* b = std::get_if<bool Def::*>(&m)) return &(def.**b);
        }
        return {};
    }

    // The definition's values by their keys, for the results: every field but the settings'
    // check boxes and those marked kFieldNoResult.
    void AddResults(const Def& def, ResultGroup& out) const {
        for (std::size_t i = 0; i < N; ++i) {
            const InputField& f = fields_[i];
            if (f.place == FieldPlace::SettingsDialog || (f.flags & kFieldNoResult)) continue;
            std::visit([&](auto m) { out.emplace_back(f.key, ResultValue(def.*m)); }, members_[i]);
        }
    }

private:
    std::array<InputField, N> fields_{};
    std::array<FieldMember<Def>, N> members_{};
};

} // namespace brevant
