#pragma once

#include "electrical/LoadList.h"

// The two commands that spread the devices of a load list over the phases.
// Both change only the connection of devices whose voltage is exactly V or
// Vpn and leave "X-Y-Z" devices alone; they visit the records in the order
// the list has when the command starts, post every record they assign, and
// end with the first record current.
namespace tvx::electrical {

// "Balance phases": the list is sorted by current, largest first (and stays
// so), and each device goes to the least loaded leg (three phase: line pair)
// found so far. Ties go to X; between Y and Z a phase-neutral device goes to
// Z and a phase-phase device to "Y-Z".
void balanceByCurrent(LoadList& list, const LoadProgress& progress = {});

// "Balance device": the devices are dealt out in turn in the list's order.
// Split phase: a toggle that advances on every record (whatever its voltage)
// puts the phase-neutral devices on "X-N" and "Y-N" alternately. Three
// phase: phase-neutral devices go X-N, Y-N, Z-N, X-N...; phase-phase devices
// X-Y, Y-Z, Z-X, X-Y... each with its own counter.
void balanceByDevice(LoadList& list, const LoadProgress& progress = {});

} // namespace tvx::electrical
