#include "gm/critical_roll.h"

#include "app/dice.h"
#include "app/numbers.h"

int32_t CriticalHitDiceRoll(int32_t sides, int32_t count, int32_t base) {
    int32_t last = DiceRoll(sides, count);
    int32_t total = SaturatingAdd(base, last);
    if (sides < 2)
        return total;
    while (last == 1 || last == 8) {
        const int32_t next = DiceRoll(sides, count);
        const int64_t step = int64_t{next} + base - 1;
        total = SaturatingAdd(total, last == 1 ? -step : step);
        last = next;
    }
    return total;
}
