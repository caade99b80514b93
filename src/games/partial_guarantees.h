// The guarantees of the shipped partial systems, as the tip console names them
// in its list ("4 Richtige sicher bei 4 Treffern unter Ihren Zahlen"). The
// table is proved against the rows of ZIEHWERK.ASW by the tests.
#pragma once

#include <array>
#include <string>

#include "games/partial_systems.h"

namespace zw {

// "t if p": whenever p drawn numbers are among the player's, some row has t.
struct StatedGuarantee {
    int t = 0;
    int p = 0;
};

// Up to two guarantees per system, weakest condition first; p = 0 ends the list.
using SystemGuarantees = std::array<StatedGuarantee, 2>;

// The guarantees of partial system k (catalogue index); all empty for other k.
SystemGuarantees partial_guarantees(int k);

// The guarantees a row set states, by the rule of the help page: for each p
// of 3..5 the hits the best row is sure to have, left out where a stronger
// stated one implies it ("t if p" follows from "t if p-1" and "t+1 if p+1").
SystemGuarantees stated_guarantees(const Guarantee& g);

// "4 Richtige sicher bei 4 Treffern unter Ihren Zahlen"; two guarantees:
// "3 Richtige sicher bei 3, 4 Richtige bei 5 Treffern unter Ihren Zahlen".
// Empty when k names no system.
std::string guarantee_label(int k);

}  // namespace zw
