// The corrections after a quirk roll: held quirks and flaws that another held one makes impossible go.
#pragma once

struct QuirkRollList;

// For each held row in row order: its fixed rule (a female character loses male pattern baldness and
// gains a roll on 6C and 6F, queued on `list`; both arms, both legs, blindness and deafness drop the
// lesser rows, with a line for all but the legs), then its cancels. Dropping a row zeroes its count, its
// QuirkBP and its maxTimes.
void QuirkCorrections(QuirkRollList& list);
