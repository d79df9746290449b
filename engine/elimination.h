// Candidate elimination: the deductive first phase of solving.
#pragma once

// Strikes the peers' digits from every empty cell's candidates; a cell left
// with one candidate takes it and the scan starts again at (0, 0).
void EliminateCandidates();
