#include "book/quiz/tallysheet.h"

#include <vector>

namespace {

// The cells of each row, in the order they are added.
const std::vector<int> kRowCells[TTallySheet::kRows] = {
    {4, 5, 6, 7, 8, 9, 10},              // 外向
    {11, 12, 13, 14, 15, 16, 17},        // 内向
    {18, 19, 20, 21, 22, 23, 24, 25},    // 知觉
    {26, 29, 32, 35, 38, 41, 44, 45},    // 直觉
    {27, 30, 33, 36, 39, 42, 46},        // 思考
    {28, 31, 34, 37, 40, 43, 47},        // 感情
};

} // namespace

int TTallySheet::total(int row) const
{
    int sum = 0;
    for (int number : kRowCells[row])
        sum += cell(number);
    return sum;
}

TTallySheet &tallySheet()
{
    static TTallySheet sheet;
    return sheet;
}
