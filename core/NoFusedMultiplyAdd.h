#pragma once

// Included by every file of the engine, after its other includes: no product and sum in what
// follows is fused into a multiply-add, whatever the instruction set (AVX-512 has them even
// without the FMA extension, and a build for a newer baseline would allow them everywhere), so
// that the engine rounds every operation on its own, as the sweep is written, and gives the
// same bits on every machine. The build says -ffp-contract=off for the whole core as well, and
// a test disassembles the engine's objects to check that no fused instruction slipped in.
#if defined(__clang__)
#pragma clang fp contract(off)
#else
#pragma GCC optimize("fp-contract=off")
#endif
