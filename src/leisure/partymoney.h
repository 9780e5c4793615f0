#pragma once
// Amounts in the casino's messages.
#include <string>

namespace brankor {

/// An amount as the casino's messages print it: a blank stands in for the sign of a number that
/// is not negative, so "выиграли " followed by 30 reads "выиграли  30".
std::string casinoAmount(double amount);

}  // namespace brankor
