#pragma once

// COM on the user-interface thread, for the shell's pickers only. It is set
// up when a picker first opens rather than at start, where it slowed the
// dialog's first appearance.

// Enters the thread's single-threaded apartment unless it already has;
// a picker still opens if that fails.
void EnsureComApartment();

// Leaves the apartment if EnsureComApartment entered it.
void ReleaseComApartment();
