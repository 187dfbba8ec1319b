// The rows of the quirk-and-flaw table, and one whole number per row as the record and the quirk steps keep
// it.
#pragma once

#include <array>
#include <cstdint>

// Rows in the quirk-and-flaw table; a row's index is its identity everywhere.
inline constexpr int kQuirkFlawRows = 800;

// One whole number per quirk-table row (times held, BP earned); an index outside 0..799 reads 0 and
// writes nowhere.
class QuirkCounts {
public:
    static constexpr int kRows = kQuirkFlawRows;
    int32_t& operator[](int row) {
        if (row < 0 || row >= kRows) {
            spare_ = 0;
            return spare_;
        }
        return counts_[static_cast<size_t>(row)];
    }
    int32_t operator[](int row) const {
        return row < 0 || row >= kRows ? 0 : counts_[static_cast<size_t>(row)];
    }
    void fill(int32_t v) { counts_.fill(v); }
    auto begin() { return counts_.begin(); }
    auto end() { return counts_.end(); }
    auto begin() const { return counts_.begin(); }
    auto end() const { return counts_.end(); }

private:
    std::array<int32_t, kRows> counts_{};
    int32_t spare_ = 0;
};
