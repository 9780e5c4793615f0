#pragma once
#include <cstdint>

namespace brankor {

class Place;

/// Shows the balance and tomorrow's interest in the bank window's `lblYHave` and `lblInc`.
void showBankBalance(Place& bank, std::int16_t balance);

}  // namespace brankor
