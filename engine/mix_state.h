// Every result of a calculation, under the names the method's worksheets use.
// Integers are 16-bit like the worksheet's whole-number cells; ratios and
// batching offsets are single precision, and the rounding of the batch depends
// on that precision, so the types must not be widened.
#pragma once

#include <cstdint>

namespace krv1 {

struct MixState {
    int16_t F = 0;        // target strength, ksc (cube basis, with margin)
    int16_t W = 0;        // mixing water, litre per m3
    int16_t P = 0;        // absolute volume of cement plus sand, litre per m3
    int16_t Weight = 0;   // cement, kg per m3
    int16_t VOLUM = 0;    // cement absolute volume, litre
    float WA = 0;         // water-cement ratio by weight
    float V1 = 0;         // batching offset of the cement, tens of kg
    float V2 = 0;         // batching offset of the sand, tens of kg
    float V3 = 0;         // batching offset of the stone, tens of kg
    float V4 = 0;         // batching offset of the admixture, hundreds of cc
    float V5 = 0;         // moisture-corrected sand, kg, unrounded
    int16_t V6 = 0;       // moisture-corrected sand, whole kg
    float V7 = 0;         // batching offset of V6, tens of kg
    float V8 = 0;         // moisture-corrected water, litre, unrounded
    int16_t V9 = 0;       // moisture-corrected water, whole litres
    float V10 = 0;        // batching offset of V9, tens of litres
    int16_t SAND = 0;     // sand absolute volume, litre
    int16_t WSAND = 0;    // sand, saturated surface-dry, kg
    int16_t VGRAVEL = 0;  // stone absolute volume, litre
    int16_t WGRAVEL = 0;  // stone, kg
    int16_t M = 0;        // admixture dosage, cc per 100 kg cement
    int16_t VYA = 0;      // admixture, cc per m3
    // The stone's correction, when its moisture is given; zero otherwise.
    float V11 = 0;    // moisture-corrected stone, kg, unrounded
    int16_t V12 = 0;  // moisture-corrected stone, whole kg
    float V13 = 0;    // batching offset of V12, tens of kg

    bool operator==(const MixState&) const = default;
};

}  // namespace krv1
