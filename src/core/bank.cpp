#include "bank.h"

#include "number.h"
#include "place.h"

namespace brankor {

void showBankBalance(Place& bank, std::int16_t balance) {
    bank["lblYHave"].text = writeNumber(balance);
    bank["lblInc"].text = writeNumber(balance / 20);
}

}  // namespace brankor
