#pragma once
#include <QtGlobal>

// The access level: LivelloF + 10*LivelloM + 100*LivelloS + 1000*LivelloV + 10000*LivelloA
// + 100000*LivelloP, computed by the server at login. Its digits from the right are the
// area digits; a column above 9 spills into the next digit (12 and 3 give 42).
namespace vlm {

enum AreaDigit {
    DigitMedicines = 1,
    DigitVehicles = 2,
    DigitServices = 3,
    DigitVolunteers = 4,
    DigitActivities = 5,
    DigitDonors = 6,
};

// Digit k (1 = rightmost) of a level: the last character of level / 10^(k-1) written in
// decimal, read as a number (0 when it is not a digit).
int levelDigit(qint64 level, int k);

}  // namespace vlm
