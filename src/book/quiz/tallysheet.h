#pragma once

#include <QString>

#include <array>

// The aptitude test's hidden tally: 44 cells named Edit4..Edit47, each 0 or 1, kept for the
// program's lifetime (page entry does not clear it). Each cell feeds one of six totals.
class TTallySheet {
public:
    static constexpr int kFirstCell = 4;
    static constexpr int kLastCell = 47;
    static constexpr int kRows = 6;   // 外向, 内向, 知觉, 直觉, 思考, 感情

    int cell(int number) const { return m_cells[static_cast<size_t>(number - kFirstCell)]; }
    void set(int number, int value) { m_cells[static_cast<size_t>(number - kFirstCell)] = value; }
    // The sum of a row's cells.
    int total(int row) const;

private:
    std::array<int, kLastCell - kFirstCell + 1> m_cells{};
};

TTallySheet &tallySheet();
